#pragma once
// The calculation book of a whole run, for the PDF book's tests: the start values,
// or a wall with a shear key.
#include <string>

#include "book/calculation_book.h"
#include "book/results_view.h"
#include "model/design_conditions.h"
#include "report/calculation_run.h"

namespace marvoten::testing {

inline DesignConditions wallWithShearKey() {
    DesignConditions dc;
    dc.hasShearKey = 1;
    for (NumberField* f : {&dc.keyPosition, &dc.keyWidth, &dc.keyHeight}) f->enabled = true;
    dc.keyPosition.text = "1800";
    dc.keyWidth.text = "500";
    dc.keyHeight.text = "500";
    return dc;
}

inline CalculationBook representativeBook(const DesignConditions& dc,
                                          const std::string& subjectName) {
    CalculationBook book;
    ResultsView view(book);
    StabilityHeadings headings;
    PrintedPageLabels pageLabels;
    book.setShearKeyShown(dc.hasShearKey == 1);
    runCalculation(dc, subjectName, book, view, headings, pageLabels);
    return book;
}

}  // namespace marvoten::testing
