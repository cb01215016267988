#pragma once
// Ultimate vertical bearing capacity of the ground under an eccentric, inclined
// load: qu from the factors Nc, Nq, Nγ with the block's shape factors, the
// embedment factor κ and the scale corrections; qu/n must cover Vo/Be.
#include "calc/calculation_object.h"
#include "model/design_conditions.h"

namespace marvoten {

// Needs Vo, Ho, e, Be and the safety factor n of the ground-reaction stage. The
// block length L is read from the design conditions whether or not the
// collision load is on.
void computeUltimateBearing(TAntei& a, const DesignConditions& dc);

// qa = qu/n, the allowable vertical bearing capacity.
double allowableUltimateBearing(const TAntei& a);

// qa >= Vo/Be, and never when the capacity could not be computed.
bool ultimateBearingPasses(const TAntei& a);

}  // namespace marvoten
