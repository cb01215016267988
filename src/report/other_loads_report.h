#pragma once
// "２．その他の荷重" and "３．荷重一覧" of the earth-pressure page.
#include "book/calculation_book.h"
#include "calc/calculation_object.h"
#include "model/design_conditions.h"

namespace marvoten {

// Passive pressure, water, wind, collision and buoyancy, each block or its "なし".
void writeOtherLoadsText(const TAntei& a, const DesignConditions& dc, CalculationBook& book);

// The rows of the load list whose loads are present; the other rows keep the "---"
// the run put there. The passive pressure is shown in parentheses: listed, not added.
void writeLoadList(const TAntei& a, CalculationBook& book);

}  // namespace marvoten
