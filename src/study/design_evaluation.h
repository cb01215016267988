#pragma once
// The checks of one design without its calculation book: the stages of a run in
// the run's order, and of every check the figure it is judged on, the value it is
// held against and the verdict the book prints. A parameter study and the sizing
// search run thousands of these; each evaluation has its own calculation object.
#include <optional>
#include <string>
#include <vector>

#include "calc/design_run.h"
#include "model/design_conditions.h"

namespace marvoten {

enum class EvaluationOutcome {
    Evaluated,
    Refused,       // validation refused the design, or a text is not a number
    Stopped,       // a calculation search reached its trial limit
    Incalculable,  // no ground reaction: the stability checks fail, no member design
};

// One check. The utilisation is value / limit for a maximum (stresses, e, q) and
// limit / value for a minimum (the safety factors), so 1 is the boundary; it is
// absent where the check has nothing to compare (no bars found, nothing loaded).
struct CheckResult {
    std::string key;    // a name for files: "sliding", "stemFixedEndSigmaC", ...
    std::string label;  // the book's words: "滑動 Fs", "たて壁(固定端) σc", ...
    std::optional<double> value;
    double limit = 0;
    std::optional<double> utilisation;
    bool passed = false;
};

struct DesignEvaluation {
    EvaluationOutcome outcome = EvaluationOutcome::Evaluated;
    std::string refusal;  // the message that refused or stopped the design
    // Overturning, sliding, bearing at the toe and the heel, the ultimate bearing
    // capacity, then the stem's four sections (fixed end first), the toe slab and,
    // for a wall with a key, the shear key: σc, σs and τ of each.
    std::vector<CheckResult> checks;
    std::string stemBars, toeBars, keyBars;  // "D29@125", "---" without bars
    std::optional<double> anchorageLength;   // Lo of the stem's bars, m
    double concreteArea = 0;                 // of the wall's section, m2
    bool passed = false;                     // every check passed

    const CheckResult* check(const std::string& key) const;
    // The largest utilisation, the check that governs the design.
    const CheckResult* governing() const;
};

// The checks of a finished run, the same run a book is written from.
DesignEvaluation evaluateRun(const DesignRun& run);

// The design as the editor holds it after loading a file (the allowable-stress
// table's load case follows the seismic case), checked as a run checks it.
DesignEvaluation evaluateDesign(const DesignConditions& dc);

// Every design on `threads` threads (0: every core), results in the input order.
std::vector<DesignEvaluation> evaluateDesigns(const std::vector<DesignConditions>& designs,
                                              unsigned threads = 0);

}  // namespace marvoten
