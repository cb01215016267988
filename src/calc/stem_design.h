#pragma once
// Design of the stem wall: the section forces at the fixed end, the main bars
// chosen there, the anchorage of the bars that may end part-way up, and the
// stresses at the fixed end and at the quarter points of the stem height. Every
// section is a singly reinforced rectangle b = 1,000 mm, n = 15 (bars.h).
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "calc/anchorage.h"
#include "calc/bars.h"
#include "calc/calculation_object.h"
#include "calc/stem_section_forces.h"

namespace marvoten {

// One checked section with the bars it holds.
struct StemSectionCheck {
    StemSectionForces F;
    double d = 0;  // effective depth, mm
    RequiredBarArea required;
    std::int32_t pitch = 0;   // mm
    double providedArea = 0;  // mm²; 0 without bars
    // None without bars (nothing found, or a diameter outside the table): no
    // stress is computed with an area of 0 or the search's fallback values.
    std::optional<SectionStresses> stresses;
    double tauM = 0;  // Sh/(b·d), N/mm²
    double Ce = 0;
    double Pt = 0;  // provided area / (b·d), a ratio
    double Cpt = 0;
    double tauA = 0;  // τa1·Ce·Cpt
    bool ok = false;  // σc ≤ σca, σs ≤ σsa and τm ≤ τa

    bool hasBars() const { return stresses.has_value(); }
};

// A point of the anchorage curves: the required area and the stress with half the
// fixed-end area, y below the stem top.
struct AnchorageCurvePoint {
    double y = 0;
    double requiredArea = 0;
    std::optional<double> sigmaS;
};

struct StemDesign {
    StemGeometry geometry;
    double K = 0;   // Kh of the fixed-end wedge, for the back-calculated method
    double M0 = 0;  // fixed-end moment, handed to the toe slab
    BarSelection bars;
    // The anchorage is searched only when bars were found.
    std::optional<Anchorage> anchorage;
    StemSectionCheck fixedEnd;
    // Index i: depth Hs − Hs/4·i, so 0 is the fixed end and 3 the section Hs/4
    // below the top (the book's columns 4 − i).
    std::array<StemSectionCheck, 4> quarterPoints;
    // Depths Hs, Hs − 0.1, … while above 0 (empty without an anchorage).
    std::vector<AnchorageCurvePoint> curve;

    // Required area no larger than the provided one, with bars found.
    bool barsSufficient() const { return bars.found && bars.requiredArea <= bars.providedArea; }
};

// The stem's numbers in the order of the design: fixed-end forces and bars, the
// correction factors, the anchorage search, the fixed end again, the quarter
// points, and the anchorage curves. Each section runs its own trial wedge on a
// working copy of the object; the object itself keeps the whole wall's earth
// pressure for the slab designs.
StemDesign designStem(const TAntei& a);

}  // namespace marvoten
