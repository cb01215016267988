#pragma once
// "１．土圧計算" of the earth-pressure page and the slip-angle curve.
#include "book/calculation_book.h"
#include "calc/calculation_object.h"
#include "model/design_conditions.h"

namespace marvoten {

// The trial-wedge result of the stability calculation as report lines.
void writeEarthPressureText(const TAntei& a, CalculationBook& book);

// The thrust over the slip angle with the critical angle marked; every
// earth-pressure result of `a` is left as it was.
void drawSlipAngleCurve(TAntei& a, const DesignConditions& dc, CalculationBook& book);

}  // namespace marvoten
