#pragma once
// The wall outline of the design-conditions page with its chains of dimension
// lines, labelled in millimetres.
#include <vector>

#include "book/calculation_book.h"
#include "calc/calculation_object.h"
#include "calc/load_polygons.h"
#include "model/design_conditions.h"

namespace marvoten {

enum class ChainOrientation { Horizontal = 0, Vertical = 1 };

// Consecutive segments of the given lengths (m) along one line: horizontally at
// height y0 from x0, or vertically at x0 from y0. Each segment's length is
// written at 1/k of it (k = 2 the middle, k = 3 the first third). The series is
// emptied first; a single zero length draws nothing.
void drawDimensionChain(FigureSeries& series, ChainOrientation orientation,
                        const std::vector<double>& lengths, double y0, double x0, double k);

// WallShapeFigure: outline, backfill surface, front ground and the dimensions.
void drawWallShapeFigure(const TAntei& a, const PolygonResult& wallBody, const DesignConditions& dc,
                         CalculationBook& book);

}  // namespace marvoten
