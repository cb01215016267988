#pragma once
// One calculation run: the design conditions into a complete calculation book.
#include <functional>

#include "book/calculation_book.h"
#include "book/results_view.h"
#include "calc/calculation_object.h"
#include "calc/stability_loads.h"
#include "model/design_conditions.h"

namespace marvoten {

// The steps of a run that other parts of the program supply. An empty step is
// skipped.
struct RunStages {
    // Validation before the run; true stops the run before the book is touched.
    std::function<bool(const DesignConditions&)> refused;
    // Ground reaction, sliding, overturning and bearing capacity; sets reactionCase.
    std::function<void(TAntei&, const DesignConditions&)> computeStability;
    // Writers of the conditions page (given r1), the stability page and the load
    // diagram (given r2, the wall height H and r1).
    std::function<void(const TAntei&, const DesignConditions&, CalculationBook&, double r1)>
        writeConditionsPage;
    std::function<void(TAntei&, const DesignConditions&, CalculationBook&)> writeStabilityReport;
    std::function<void(const TAntei&, const DesignConditions&, CalculationBook&, double r2,
                       double H, double r1)>
        writeLoadDiagram;
    // Member design of the stem, the toe slab and the shear key.
    std::function<void(TAntei&, const DesignConditions&, CalculationBook&)> designStem;
    // The editor redraws itself once the run is over.
    std::function<void()> repaintEditor;
};

// Validates, computes every load and fills the book page by page, then runs the
// member design unless the ground reaction cannot be computed. A number text that
// is not a number stops the run with ConversionError: the result tables have been
// reset to "---" and every other section keeps the previous run's contents.
void runCalculation(const DesignConditions& dc, CalculationBook& book, ResultsView& view,
                    const RunStages& stages = {});

// The titles the member figures take once the inputs are gathered: the toe slab's
// reaction figure always, the key's only for a wall with a shear key.
void setMemberFigureTitles(const DesignConditions& dc, CalculationBook& book);

// The member sections emptied, for a wall whose ground reaction is incalculable.
void clearMemberSections(CalculationBook& book);

}  // namespace marvoten
