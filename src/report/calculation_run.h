#pragma once
// One calculation run: the design conditions into a complete calculation book.
#include <string>

#include "book/calculation_book.h"
#include "book/results_view.h"
#include "model/design_conditions.h"
#include "report/printed_layout.h"
#include "report/stability_report.h"

namespace marvoten {

// Computes every load and fills the book page by page, then runs the member
// design of the stem, the toe slab and the shear key unless the ground reaction
// cannot be computed. The conditions have passed validation (the caller's). The
// run leaves its verdict headings and the printed page labels in the places
// given; subjectName is the design file's name, empty before any file. A number
// text that is not a number stops the run with ConversionError: the result
// tables have been reset to "---" and every other section keeps the previous
// run's contents. The book announces one change of everything at the end, also
// when the run stops.
void runCalculation(const DesignConditions& dc, const std::string& subjectName,
                    CalculationBook& book, ResultsView& view, StabilityHeadings& headings,
                    PrintedPageLabels& pageLabels);

// The titles the member figures take once the inputs are gathered: the toe slab's
// reaction figure always, the key's only for a wall with a shear key.
void setMemberFigureTitles(const DesignConditions& dc, CalculationBook& book);

}  // namespace marvoten
