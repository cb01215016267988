#include "calc/stem_design.h"

#include "calc/search_limit.h"
#include "calc/shear_factors.h"

namespace marvoten {
namespace {

// d = t − cover, m.
double effectiveDepth(const TAntei& a, const StemSectionForces& F) {
    return F.t - a.coverStem;
}

// Stresses, shear and verdict of a section holding `area` mm² of bars.
StemSectionCheck checkSection(const TAntei& a, const StemSectionForces& F, std::int32_t pitch,
                              std::optional<double> area) {
    StemSectionCheck c;
    c.F = F;
    const double d = effectiveDepth(a, F);
    c.d = 1000 * d;
    c.required = requiredBarArea(a.sigmaSa, F.M * 1000000, c.d);
    c.pitch = pitch;
    c.providedArea = area.value_or(0);
    c.tauM = F.Sh / (d * 1000);
    c.Ce = Ce(c.d);
    if (area) c.stresses = sectionStresses(*area, F.S, F.M, c.d);
    if (!c.stresses) {
        c.providedArea = 0;
        c.ok = false;
        return c;
    }
    c.Pt = c.providedArea / (1000 * c.d);
    c.Cpt = Cpt(100 * c.Pt);
    c.tauA = a.tauA1 * c.Ce * c.Cpt;
    c.ok = !(c.stresses->sigmaC > a.sigmaCa || c.stresses->sigmaS > a.sigmaSa || c.tauM > c.tauA);
    return c;
}

// Required area and the stress with half the fixed-end area As at depth y.
AnchorageCurvePoint anchorageSection(TAntei& a, double y, StemPressure method, double K,
                                     double As) {
    const StemSectionForces F = stemSectionForces(a, y, method, K);
    const double d = 1000 * effectiveDepth(a, F);
    AnchorageCurvePoint p;
    p.y = y;
    p.requiredArea = requiredBarArea(a.sigmaSa, F.M * 1000000, d).As;
    if (const auto s = sectionStresses(As / 2, F.S, F.M, d)) p.sigmaS = s->sigmaS;
    return p;
}

}  // namespace

StemDesign designStem(const TAntei& whole) {
    TAntei a = whole;
    StemDesign r;
    r.geometry = stemGeometry(a);
    const double Hs = r.geometry.Hs;

    // Fixed end: the trial wedge whatever the method; its Kh serves the others.
    const StemSectionForces F0 = stemSectionForces(a, Hs, StemPressure::wedge, 0);
    const double K = r.K = F0.Kh;
    r.M0 = F0.M;

    r.bars = chooseMemberBars(a.stemBars, F0.t, a.coverStem, F0.M, a.sigmaSa);
    const std::int32_t p0 = r.bars.pitch, phi = r.bars.diameter;
    const std::optional<double> As =
        r.bars.found ? std::optional<double>(r.bars.providedArea) : std::nullopt;

    if (As) {
        r.anchorage = anchorageSearch(Hs, *As, phi, a.sigmaSa, [&](double y) {
            const AnchorageCurvePoint p = anchorageSection(a, y, StemPressure::option, K, *As);
            return AnchorageSection{p.requiredArea, p.sigmaS};
        });
    }

    r.fixedEnd = checkSection(a, stemSectionForces(a, Hs, StemPressure::wedge, K), p0, As);

    for (int i = 0; i < 4; ++i) {
        const double y = Hs - Hs / 4 * i;
        const StemSectionForces F =
            stemSectionForces(a, y, i == 0 ? StemPressure::wedge : StemPressure::option, K);
        std::optional<double> area;
        std::int32_t pitch = p0;
        if (r.anchorage) {
            pitch = sectionPitch(Hs, r.anchorage->Lo, y, p0);
            area = barArea(pitch, phi);
        }
        r.quarterPoints[static_cast<std::size_t>(i)] = checkSection(a, F, pitch, area);
    }

    if (As) {
        // A stem of at most 50 m has 500 sections of 0.1 m.
        TrialCounter sections(Search::StemCurve, 510);
        for (double y = Hs; y > 0; y = y - 0.1) {
            sections.next();
            const StemPressure method = y == Hs ? StemPressure::wedge : StemPressure::option;
            r.curve.push_back(anchorageSection(a, y, method, K, *As));
        }
    }
    return r;
}

}  // namespace marvoten
