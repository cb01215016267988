#pragma once
// The anchorage of the stem's main bars in the book: the search's text and the
// two curves over the stem height (required area, bar stress with half the bars).
#include "book/calculation_book.h"
#include "calc/calculation_object.h"
#include "calc/load_polygons.h"
#include "calc/stem_design.h"
#include "model/design_conditions.h"

namespace marvoten {

void writeAnchorageText(const TAntei& a, const StemDesign& s, CalculationBook& book);

// The lower block's terms with zero values, as the book holds them before the first
// run. A run whose ground reaction cannot be computed leaves that block as it is.
void writeAnchorageTermPlaceholders(CalculationBook& book);

// AnchorageFigureL1 and AnchorageFigureL2.
void drawAnchorageFigures(const TAntei& a, const PolygonResult& wallBody,
                          const DesignConditions& dc, const StemDesign& s, CalculationBook& book);

}  // namespace marvoten
