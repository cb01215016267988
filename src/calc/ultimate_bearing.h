#pragma once
// Ultimate vertical bearing capacity of the ground under an eccentric, inclined
// load: qu from the factors Nc, Nq, Nγ with the block's shape factors, the
// embedment factor κ and the scale corrections; qu/n must cover Vo/Be.
#include "calc/calculation_object.h"

namespace marvoten {

// Needs Vo, Ho, e, Be and the safety factor n of the ground-reaction stage, and
// the block length L that input gathering read.
void computeUltimateBearing(TAntei& a);

// qa = qu/n, the allowable vertical bearing capacity.
double allowableUltimateBearing(const TAntei& a);

// qa >= Vo/Be, and never when the capacity could not be computed.
bool ultimateBearingPasses(const TAntei& a);

}  // namespace marvoten
