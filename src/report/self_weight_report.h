#pragma once
// The self-weight pages of the book: the point tables and point-number figures of
// the load polygons, and the weight blocks of the coordinate method.
#include <string_view>

#include "book/calculation_book.h"
#include "calc/calculation_object.h"
#include "calc/load_polygons.h"
#include "model/design_conditions.h"

namespace marvoten {

// Where a point table stands: the number of the last block and its last used row
// (−1 before the first block).
struct PointTableCursor {
    int blockNumber = 0;
    int lastRow = -1;
};

// The polygon's distinct corners as a block of the point table and, with a series,
// as an outline with numbered corners. An empty polygon writes nothing.
void writePolygonPoints(const PolygonResult& polygon, std::string_view title, TableSection& table,
                        PointTableCursor& cursor, FigureSeries* series = nullptr);

// The outline with numbered corners; the closing point carries no label.
void drawPolygonOutline(const PolygonResult& polygon, FigureSeries& series);

// The water-level symbol behind the back face at the water depth: a short line
// with an inverted triangle standing on it.
void drawWaterMark(const TTeisu& t, FigureSeries& series, int outputColour);

// "Ⅱ-1．安定計算用" and "Ⅱ-2．底版構造計算用", from the polygons the run weighed.
void writeSelfWeightPages(const TAntei& a, const LoadPolygonTable& polygons,
                          const DesignConditions& dc, CalculationBook& book);

}  // namespace marvoten
