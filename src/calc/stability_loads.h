#pragma once
// Every load of the stability calculation, in the order of a run: input gathering,
// body weight, earth pressure over the full wall height, front soil, passive
// pressure, water on the back face, buoyancy and the totals.
#include "calc/calculation_object.h"
#include "model/design_conditions.h"

namespace marvoten {

// Horizontal reach of the critical slip line, for the figures: from the top of the
// back face (r1) and from the toe end of the base (r2, where it meets the surface).
struct SlipLineReach {
    double r1 = 0;
    double r2 = 0;
};

// Gathers the conditions into the fresh object `a` and computes every load;
// ConversionError for a number text that is not one.
SlipLineReach computeStabilityLoads(TAntei& a, const DesignConditions& dc);

// The active earth pressure of the stability calculation: the trial wedge over the
// wall height H with its point of application on the back face.
void computeActivePressure(TAntei& a);

}  // namespace marvoten
