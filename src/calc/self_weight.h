#pragma once
// Dead loads of the wall body and of the front soil on the toe slab, their
// seismic inertia, and the buoyancy of both under water (per metre of wall).
#include "calc/calculation_object.h"

namespace marvoten {

// W from "W_A" × γc, its inertia W × kh' and the moments about the toe and base.
void computeBodyWeight(TAntei& a);

// The front soil of "TS_A", weighed with the backfill's γs; this wall type puts no
// surcharge on it.
void computeFrontSoilWeight(TAntei& a);

// Uplift of the body ("W_FA" × γw) and of the front soil ("TS_FA" × 9 kN/m3), and
// of both together with the lever of their resultant.
void computeBuoyancy(TAntei& a);

}  // namespace marvoten
