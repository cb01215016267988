#include "study/parameter_study_controller.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/number_text.h"

namespace marvoten {
namespace {

int indexOf(const char* name) {
    const auto& f = numberFields();
    const auto it = std::find_if(
        f.begin(), f.end(), [&](const NumberFieldInfo& i) { return std::string(i.name) == name; });
    return static_cast<int>(it - f.begin());
}

std::string decimalText(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", v);
    return buffer;
}

}  // namespace

ParameterStudyController::ParameterStudyController(DesignConditionsEditor& editor, Dialogs& dialogs)
    : editor_(editor), dialogs_(dialogs), field_(indexOf("toeWidth")) {
    rangeAroundPresentValue();
}

void ParameterStudyController::rangeAroundPresentValue() {
    const NumberFieldInfo& f = fields()[static_cast<std::size_t>(field_)];
    double present = 0;
    try {
        present = textToNumber((editor_.conditions().*(f.member)).text);
    } catch (const ConversionError&) {
    }
    // Half to one and a half times the present value in twenty steps.
    const double step = present > 0 ? present / 20 : 1;
    from_ = decimalText(present > 0 ? present / 2 : 0);
    to_ = decimalText(present > 0 ? present * 1.5 : 10);
    step_ = decimalText(step >= 10 ? std::round(step / 10) * 10 : step);
}

void ParameterStudyController::show() {
    base_ = editor_.conditions();
    visible_ = true;
    notify(StudyChange::Shown | StudyChange::Inputs);
}

void ParameterStudyController::close() {
    visible_ = false;
    notify(StudyChange::Shown);
}

void ParameterStudyController::chooseField(int index) {
    if (index < 0 || index >= static_cast<int>(fields().size()) || index == field_) return;
    field_ = index;
    rangeAroundPresentValue();
    notify(StudyChange::Inputs);
}

void ParameterStudyController::runStudy() {
    const std::string text = std::string(fields()[static_cast<std::size_t>(field_)].name) + "=" +
                             from_ + ":" + to_ + ":" + step_;
    const auto parsed = parseVariedField(text);
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        dialogs_.message(MessageKind::Error, *message);
        return;
    }
    const std::vector<VariedField> varied{std::get<VariedField>(parsed)};
    rows_ = marvoten::runStudy(base_, varied);
    plot_ = studyPlot(varied, rows_);
    notify(StudyChange::Results);
}

void ParameterStudyController::runSizing() {
    sizing_ = sizeDesign(base_, defaultFreeFields());
    if (!sizing_->found)
        dialogs_.message(MessageKind::Information,
                         "既定の範囲に、すべての照査を満たす寸法はありません。\r最も良い設計でも " +
                             sizing_->bestCheck + " の照査値が " +
                             decimalText(std::round(sizing_->bestUtilisation * 1000) / 1000) +
                             " です。");
    notify(StudyChange::Sizing);
}

void ParameterStudyController::transferSizedDesign() {
    if (!sizing_ || !sizing_->found) return;
    if (!dialogs_.confirm("この寸法を設計条件に転記しますか？")) return;
    typeSizedDesign(editor_, *sizing_, defaultFreeFields());
    base_ = editor_.conditions();
}

}  // namespace marvoten
