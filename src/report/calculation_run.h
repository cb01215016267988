#pragma once
// One calculation run: the design conditions into a complete calculation book.
#include <string>

#include "book/calculation_book.h"
#include "book/results_view.h"
#include "calc/design_run.h"
#include "model/design_conditions.h"
#include "report/printed_layout.h"
#include "report/stability_report.h"

namespace marvoten {

// Runs every calculation stage, then fills the book page by page from the
// finished results; the member pages only when the ground reaction could be
// computed. The conditions have passed validation (the caller's). The run leaves
// its verdict headings and the printed page labels in the places given;
// subjectName is the design file's name, empty before any file. A number text
// that is not a number stops the run with ConversionError, and a search that
// reaches its trial limit with SearchLimitExceeded, before any page is written:
// the result tables have been reset to "---" and every other section keeps the
// previous run's contents. The book announces one change of everything at the
// end, also when the run stops.
void runCalculation(const DesignConditions& dc, const std::string& subjectName,
                    CalculationBook& book, ResultsView& view, StabilityHeadings& headings,
                    PrintedPageLabels& pageLabels);

// Every page of the book from a finished run, in page order: the design
// conditions, the loads, the stability checks and their figures, then the stem,
// the toe slab and the shear key, or empty member sections without a member design.
void writeCalculationBook(const DesignRun& run, const DesignConditions& dc,
                          const std::string& subjectName, CalculationBook& book,
                          StabilityHeadings& headings, PrintedPageLabels& pageLabels);

// The titles the member figures take once the inputs are gathered: the toe slab's
// reaction figure always, the key's only for a wall with a shear key.
void setMemberFigureTitles(const DesignConditions& dc, CalculationBook& book);

}  // namespace marvoten
