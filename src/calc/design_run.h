#pragma once
// One design through every calculation stage, in the order of a run: input
// gathering, the loads, the stability checks with the ultimate bearing capacity,
// the slip-angle curve of the stability wedge and, when the ground reaction could
// be computed, the member design of the stem, the toe slab and the shear key.
// The book and the evaluation of a design both start from this result.
#include <optional>

#include "calc/calculation_object.h"
#include "calc/key_design.h"
#include "calc/load_polygons.h"
#include "calc/stability_checks.h"
#include "calc/stability_loads.h"
#include "calc/stem_design.h"
#include "calc/toe_design.h"
#include "calc/trial_wedge.h"
#include "model/design_conditions.h"

namespace marvoten {

// The members in the order of their design: the stem, the toe slab limited by the
// stem's fixed-end moment, the shear key (without a key only its forces).
struct MemberDesign {
    StemDesign stem;
    ToeDesign toe;
    KeyDesign key;
};

struct DesignRun {
    // The calculation object with the whole wall's loads and stability results.
    // The member design works on copies: the object stays as the stability stage
    // left it.
    TAntei a;
    // The four stability checks judged on the object as the stability stage left it.
    StabilityVerdicts verdicts;
    // The load polygons of the self-weight pages and the wall outline of the figures.
    LoadPolygonTable polygons;
    SlipLineReach reach;
    // The thrust over the slip angle of the stability wedge, for the figure.
    SlipAngleCurve slipCurve;
    // None when the ground reaction cannot be computed (Incalculable).
    std::optional<MemberDesign> members;
};

// Every stage in the order of a run. The design conditions are read once, by input
// gathering: a number text that is not a number throws ConversionError there,
// before any load is computed. A search that reaches its trial limit throws
// SearchLimitExceeded.
DesignRun runStages(const DesignConditions& dc);

// The member design on the finished stability stage.
MemberDesign designMembers(const TAntei& a);

}  // namespace marvoten
