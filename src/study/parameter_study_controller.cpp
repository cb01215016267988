#include "study/parameter_study_controller.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/design_file.h"
#include "platform/number_text.h"
#include "study/study_texts.h"

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

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += (text.empty() ? "" : "\r") + l;
    return text;
}

// Thrown from a job's progress report once 中止 was pressed.
struct Cancelled {};

}  // namespace

const char* const staleSizingMessage =
    "寸法決定の後に設計条件が変更されています。\r"
    "この寸法は変更前の設計条件で決めたものです。寸法決定をやり直して下さい。";

ParameterStudyController::ParameterStudyController(DesignConditionsEditor& editor, Dialogs& dialogs)
    : editor_(editor), dialogs_(dialogs), field_(indexOf("toeWidth")) {
    rangeAroundPresentValue();
}

ParameterStudyController::~ParameterStudyController() {
    cancel();
    if (worker_.joinable()) worker_.join();
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
    visible_ = true;
    notify(StudyChange::Shown | StudyChange::Inputs | StudyChange::Results | StudyChange::Sizing);
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

void ParameterStudyController::start(std::function<void()> job) {
    cancelled_ = false;
    finished_ = false;
    done_ = 0;
    total_ = 0;
    failure_ = nullptr;
    takeOver_ = nullptr;
    worker_ = std::thread([this, job = std::move(job)] {
        try {
            job();
        } catch (const Cancelled&) {
            takeOver_ = nullptr;
        } catch (...) {
            takeOver_ = nullptr;
            failure_ = std::current_exception();
        }
        finished_ = true;
    });
}

void ParameterStudyController::report(std::size_t done, std::size_t total) {
    done_ = done;
    total_ = total;
    if (cancelled_) throw Cancelled{};
}

void ParameterStudyController::finish() {
    worker_.join();
    const std::function<void()> takeOver = std::move(takeOver_);
    const std::exception_ptr failure = failure_;
    takeOver_ = nullptr;
    failure_ = nullptr;
    if (takeOver) takeOver();
    notify(StudyChange::Results | StudyChange::Sizing);
    if (failure) std::rethrow_exception(failure);
}

bool ParameterStudyController::poll() {
    if (!busy()) return false;
    if (!finished_) return true;
    finish();
    return false;
}

void ParameterStudyController::wait() {
    if (busy()) finish();
}

void ParameterStudyController::runStudy() {
    if (busy()) return;
    const NumberFieldInfo& f = fields()[static_cast<std::size_t>(field_)];
    const auto range = variedField(f, from_, to_, step_);
    if (const auto* fault = std::get_if<RangeFault>(&range)) {
        dialogs_.message(MessageKind::Error, rangeFaultMessage(*fault, from_, to_, step_));
        return;
    }
    const std::vector<VariedField> varied{std::get<VariedField>(range)};
    const DesignConditions base = editor_.conditions();
    start([this, base, varied] {
        std::vector<StudyRow> rows = marvoten::runStudy(
            base, varied, [this](std::size_t done, std::size_t total) { report(done, total); });
        StudyPlot plot = studyPlot(varied, rows);
        const std::string image = designFileImage(base);
        takeOver_ = [this, rows = std::move(rows), plot = std::move(plot), image] {
            rows_ = rows;
            plot_ = plot;
            studiedImage_ = image;
        };
    });
}

void ParameterStudyController::runSizing() {
    if (busy()) return;
    const DesignConditions base = editor_.conditions();
    start([this, base] {
        SizingResult sized =
            sizeDesign(base, defaultFreeFields(),
                       [this](std::size_t tried, std::size_t) { report(tried, 0); });
        const std::string image = designFileImage(base);
        takeOver_ = [this, sized = std::move(sized), image] {
            sizing_ = sized;
            sizedImage_ = image;
            if (!sizing_->found) dialogs_.message(MessageKind::Information, joined(sizingLines()));
        };
    });
}

std::vector<std::string> ParameterStudyController::sizingLines() const {
    return sizing_ ? sizingSummary(*sizing_, defaultFreeFields()) : std::vector<std::string>{};
}

bool ParameterStudyController::resultsCurrent() const {
    return !rows_.empty() && studiedImage_ == designFileImage(editor_.conditions());
}

bool ParameterStudyController::sizingCurrent() const {
    return sizing_ && sizedImage_ == designFileImage(editor_.conditions());
}

void ParameterStudyController::transferSizedDesign() {
    if (!sizing_ || !sizing_->found) return;
    if (!sizingCurrent()) {
        dialogs_.message(MessageKind::Error, staleSizingMessage);
        return;
    }
    if (!dialogs_.confirm("この寸法を設計条件に転記しますか？")) return;
    typeSizedDesign(editor_, *sizing_, defaultFreeFields());
    // The results shown now belong to the design before the transfer.
    notify(StudyChange::Results | StudyChange::Sizing);
}

}  // namespace marvoten
