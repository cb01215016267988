#pragma once
// Every stage of a run as the program runs it: the stability checks, the
// design-conditions page under the subject name, the stability page and the load
// diagram, then the member design of the stem, the toe slab and the shear key.
#include <string>

#include "report/calculation_run.h"
#include "report/printed_layout.h"
#include "report/stability_report.h"

namespace marvoten {

// The stages of a whole run; the run leaves its verdict headings and the printed
// page labels in the places given. Validation is the caller's (`refused`).
RunStages wholeRunStages(std::string subjectName, StabilityHeadings& headings,
                         PrintedPageLabels& pageLabels);

}  // namespace marvoten
