#pragma once
// "１．土圧計算" of the earth-pressure page and the slip-angle curve.
#include "book/calculation_book.h"
#include "calc/calculation_object.h"
#include "calc/trial_wedge.h"
#include "model/design_conditions.h"

namespace marvoten {

// The trial-wedge result of the stability calculation as report lines.
void writeEarthPressureText(const TAntei& a, CalculationBook& book);

// The thrust over the slip angle with the critical angle marked, scaled to the
// earth pressure Pa of `a`.
void drawSlipAngleCurve(const SlipAngleCurve& curve, const TAntei& a, const DesignConditions& dc,
                        CalculationBook& book);

}  // namespace marvoten
