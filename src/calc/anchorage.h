#pragma once
// Where half of the stem's main bars may end (定着長 Lo). Two cases, the larger
// governs: (1) the height above the fixed end where the required area falls below
// half the fixed-end area, plus an anchorage of 35 bar diameters (L1 + 35φ); (2)
// the height where the bar stress with half the fixed-end area falls below half
// the allowable stress (L2). Above the end of the anchorage every second bar has
// ended and the sections are checked with twice the pitch.
#include <cstdint>
#include <functional>
#include <optional>

namespace marvoten {

// What the search needs of the section y below the stem top: the required area
// A(y) (mm²) and the bar stress with half the fixed-end area, when computable.
struct AnchorageSection {
    double requiredArea = 0;
    std::optional<double> sigmaS;
};
using AnchorageSectionAt = std::function<AnchorageSection(double y)>;

struct Anchorage {
    double L1 = 0;          // m above the fixed end; 0 when case (1) is not met
    double L2 = 0;          // m above the fixed end; 0 when case (2) is not met
    double L1Anchored = 0;  // L1 + 35φ: the bar carried on by its anchorage length
    double Lo = 0;          // max(L1 + 35φ, L2)
    bool foundL1 = false;
    bool foundL2 = false;
};

// The sections from the fixed end upwards in steps of 0.01 m while y > 0.1 m; each
// case takes the first section that meets it strictly (As/2 > A(y), σsa/2 > σs),
// and the search ends once both are met. As in mm², φ in mm, σsa in N/mm².
Anchorage anchorageSearch(double Hs, double As, std::int32_t phi, double sigmaSa,
                          const AnchorageSectionAt& sectionAt);

// The pitch of the section y below the top: twice the fixed-end pitch p0 above
// the end of the anchorage (Hs − Lo > y); a section exactly at Hs − Lo keeps p0.
std::int32_t sectionPitch(double Hs, double Lo, double y, std::int32_t p0);

}  // namespace marvoten
