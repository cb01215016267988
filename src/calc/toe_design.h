#pragma once
// The toe slab as a cantilever fixed at the stem's front face: shear at the
// section H/2 in front of the stem face, bending at the face itself (the root),
// with the smaller of the toe's own root moment and the stem's fixed-end moment
// M0 as the design moment. Forces per metre of wall in kN, kNm and m.
#include <optional>

#include "calc/bars.h"
#include "calc/calculation_object.h"

namespace marvoten {

// The loads on the toe, from the toe end to the half-depth section ("half") and
// to the stem face ("root"); weights and reactions positive, levers about the
// stem's front foot.
struct ToeLoads {
    double q1 = 0;  // reaction at the toe end, kN/m2
    double q3 = 0;  // at the half-depth section
    double q4 = 0;  // at the stem's front foot
    double contactWidth = 0;
    double QsHalf = 0, QsRoot = 0, x3 = 0;  // ground reaction
    double WcHalf = 0, WcRoot = 0, x1 = 0;  // toe slab concrete
    double SvHalf = 0, SvRoot = 0, x2 = 0;  // front soil
    double SfHalf = 0, SfRoot = 0, x4 = 0;  // buoyancy of the front soil
    double WfHalf = 0, WfRoot = 0, x5 = 0;  // buoyancy of the toe slab
};

// The shear check at the half-depth section with the allowable value τca.
struct ToeShearCheck {
    double tauM = 0;  // mean shear stress S half / (b·d half), N/mm2
    double Ce = 0;
    double Pt = 0;  // %
    double Cpt = 0;
    double Cdc = 0;
    double tauCa = 0;
};

struct ToeDesign {
    ToeLoads loads;
    bool buoyancy = false;  // buoyancy taken into account in the slab design
    double SHalf = 0;
    double SRoot = 0;
    double MRoot = 0;
    double M0 = 0;  // the stem's fixed-end moment
    double Md = 0;  // design moment, min(M root, M0)
    double Ls = 0;  // loaded length to the half-depth section
    double Lo = 0;  // loaded length to the root
    // Shear span Md / S root; none when S root is 0 (an unbounded span).
    std::optional<double> a;
    double dRoot = 0;  // effective depth at the stem face, m
    double dHalf = 0;  // at the half-depth section, m
    BarSelection bars;
    // Computed only with bars found and a positive effective depth: never with
    // the fallback areas of a search that found nothing.
    std::optional<SectionStresses> stresses;
    std::optional<ToeShearCheck> shear;
    bool ok = false;  // every stress within its allowable value

    // x of the root total, M root / S root; none for S root = 0.
    std::optional<double> rootLever() const;
    bool barsSufficient() const { return bars.found && bars.requiredArea <= bars.providedArea; }
};

// The toe's loads from the stability stage (reactions, toe pieces) and the
// front-soil polygons.
ToeLoads gatherToeLoads(const TAntei& a);

// The whole toe design for the stem's fixed-end moment M0.
ToeDesign designToe(const TAntei& a, double M0);

}  // namespace marvoten
