#include "calc/anchorage.h"

#include <algorithm>

#include "calc/search_limit.h"

namespace marvoten {

Anchorage anchorageSearch(double Hs, double As, std::int32_t phi, double sigmaSa,
                          const AnchorageSectionAt& sectionAt) {
    Anchorage r;
    double y = Hs;
    // A stem of at most 50 m, the highest validation admits, has 4,990 sections.
    TrialCounter trials(Search::Anchorage, 5000);
    while (y > 0.1) {
        trials.next();
        const AnchorageSection s = sectionAt(y);
        if (!r.foundL1 && As / 2 > s.requiredArea) {
            r.L1 = Hs - y;
            r.foundL1 = true;
        }
        if (!r.foundL2 && s.sigmaS && sigmaSa / 2 > *s.sigmaS) {
            r.L2 = Hs - y;
            r.foundL2 = true;
        }
        if (r.foundL1 && r.foundL2) break;
        y = y - 0.01;
    }
    // 35 bar diameters of anchorage, φ in mm.
    r.L1Anchored = r.L1 + 35.0 * phi / 1000;
    r.Lo = std::max(r.L1Anchored, r.L2);
    return r;
}

std::int32_t sectionPitch(double Hs, double Lo, double y, std::int32_t p0) {
    return Hs - Lo > y ? 2 * p0 : p0;
}

}  // namespace marvoten
