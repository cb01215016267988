#pragma once
// The design-conditions page that opens the book: the table of contents, the
// listing of the design conditions used, and the wall-shape figure.
#include <string>

#include "book/calculation_book.h"
#include "calc/calculation_object.h"
#include "calc/load_polygons.h"
#include "model/design_conditions.h"
#include "report/printed_layout.h"

namespace marvoten {

// ContentsText and both blocks of ConditionsText, the printed page labels, then
// WallShapeFigure. subjectName: the design file's name, empty before any file.
void writeConditionsPage(const TAntei& a, const PolygonResult& wallBody, const DesignConditions& dc,
                         const std::string& subjectName, CalculationBook& book,
                         PrintedPageLabels& labels);

void writeContents(const TAntei& a, const DesignConditions& dc, const std::string& subjectName,
                   TextSection& text);
void writeConditions(const TAntei& a, const DesignConditions& dc, TextSection& text);

}  // namespace marvoten
