#pragma once
// The loads besides self weight and active earth pressure: water on the back face,
// passive earth pressure in front of the wall, wind on a noise barrier and a
// vehicle collision on the crest, and the four totals of the stability checks.
// Moments are about the front bottom corner of the base.
#include "calc/calculation_object.h"

namespace marvoten {

// Water on the back face over the wedge height h below its top, with the water
// level measured on the height h_ref: Hw = max(0, H1 − (h_ref − h)).
void computeBackWater(TPa& p, double h, double hRef);

// Kp (Rankine in the normal case, Mononobe–Okabe in the seismic case) and Pp over
// the effective embedment Ho'; computed whether or not passive pressure is used.
void computePassive(TTeisu& t);

// Wind, collision and ΣV, ΣH, ΣMr, ΣMo with the products the load list shows.
void computeLoadTotals(TAntei& a);

}  // namespace marvoten
