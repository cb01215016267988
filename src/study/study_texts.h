#pragma once
// The words a study and a sizing are reported in: the same in the study window, the
// CSV file and the command line.
#include <optional>
#include <string>
#include <vector>

#include "study/design_evaluation.h"
#include "study/sizing.h"

namespace marvoten {

// How far the design got: "計算", "中止", "探索中止", "計算不能".
const char* outcomeText(EvaluationOutcome outcome);
// The design's verdict: "OK", "不可", or, where it has none, "中止" or "計算不能".
std::string verdictText(const DesignEvaluation& evaluation);
// A utilisation with three decimals, "---" where there is none.
std::string utilisationText(const std::optional<double>& utilisation);
// What decides the design: its governing check, or why it has none.
std::string governingText(const DesignEvaluation& evaluation);
// The sizing's answer a line each: every free field with the check that fails one
// step smaller, the concrete area and the designs checked; or that none passes.
std::vector<std::string> sizingSummary(const SizingResult& result,
                                       const std::vector<VariedField>& free);

}  // namespace marvoten
