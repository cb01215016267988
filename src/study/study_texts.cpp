#include "study/study_texts.h"

#include <cstdio>

namespace marvoten {
namespace {

std::string fixed3(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", v);
    return buffer;
}

}  // namespace

const char* outcomeText(EvaluationOutcome outcome) {
    switch (outcome) {
        case EvaluationOutcome::Evaluated:
            return "計算";
        case EvaluationOutcome::Refused:
            return "中止";
        case EvaluationOutcome::Stopped:
            return "探索中止";
        case EvaluationOutcome::Incalculable:
            return "計算不能";
    }
    return "";
}

std::string verdictText(const DesignEvaluation& evaluation) {
    if (evaluation.outcome != EvaluationOutcome::Evaluated) return outcomeText(evaluation.outcome);
    return evaluation.passed ? "OK" : "不可";
}

std::string utilisationText(const std::optional<double>& utilisation) {
    return utilisation ? fixed3(*utilisation) : "---";
}

// An incalculable ground reaction leaves the stability checks without figures: no
// check governs such a design, its resultant does.
std::string governingText(const DesignEvaluation& evaluation) {
    switch (evaluation.outcome) {
        case EvaluationOutcome::Refused:
        case EvaluationOutcome::Stopped:
            return "設計条件の確認で中止 (" +
                   evaluation.refusal.substr(0, evaluation.refusal.find('\r')) + ")";
        case EvaluationOutcome::Incalculable:
            return "計算不能 (地盤反力が求められません)";
        case EvaluationOutcome::Evaluated:
            break;
    }
    const CheckResult* g = evaluation.governing();
    return g ? g->label : "";
}

std::vector<std::string> sizingSummary(const SizingResult& result,
                                       const std::vector<VariedField>& free) {
    std::vector<std::string> lines;
    const std::string tried = "照査した設計: " + std::to_string(result.designsTried) + " 件";
    if (!result.found) {
        lines.push_back("指定の範囲に、すべての照査を満たす寸法はありません。");
        if (!result.bestCheck.empty())
            lines.push_back("最も良い設計でも " + result.bestCheck + " の照査値が " +
                            fixed3(result.bestUtilisation) + " です。");
        lines.push_back(tried);
        return lines;
    }
    for (std::size_t i = 0; i < free.size() && i < result.fields.size(); ++i)
        lines.push_back(std::string(free[i].field->name) + " (" + free[i].field->label +
                        ") = " + result.fields[i].value +
                        "  (一段小さいと: " + result.fields[i].governs + ")");
    lines.push_back("断面積: " + fixed3(result.evaluation.concreteArea) + " m2");
    lines.push_back(tried);
    return lines;
}

}  // namespace marvoten
