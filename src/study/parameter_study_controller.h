#pragma once
// The behaviour of the window "パラメータ検討": a study of one field of the
// editor's conditions, its plot, the sizing of the default free fields, and the
// sized dimensions copied into the editor after a confirmation.
#include <atomic>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "model/design_conditions_editor.h"
#include "platform/dialogs.h"
#include "study/parameter_study.h"
#include "study/sizing.h"

namespace marvoten {

// A sizing transferred after the editor's conditions changed.
extern const char* const staleSizingMessage;

struct StudyChange {
    enum Flag : unsigned {
        Inputs = 1u << 0,   // the field and its range
        Results = 1u << 1,  // the study's rows and plot
        Sizing = 1u << 2,   // the sized design
        Shown = 1u << 3,
    };
    unsigned flags = 0;
    bool has(Flag f) const { return (flags & f) != 0; }
};

// A study or a sizing runs on a thread of its own, so that the window stays alive and
// 中止 can end it; the window asks for its progress and takes over its results on
// its own thread through poll().
class ParameterStudyController {
public:
    ParameterStudyController(DesignConditionsEditor& editor, Dialogs& dialogs);
    // A job still running is stopped and waited for.
    ~ParameterStudyController();
    ParameterStudyController(const ParameterStudyController&) = delete;
    ParameterStudyController& operator=(const ParameterStudyController&) = delete;

    void setListener(std::function<void(const StudyChange&)> listener) {
        listener_ = std::move(listener);
    }

    // The fields a study may vary, by the editor's label.
    static const std::vector<NumberFieldInfo>& fields() { return numberFields(); }
    int field() const { return field_; }
    const std::string& from() const { return from_; }
    const std::string& to() const { return to_; }
    const std::string& step() const { return step_; }
    bool visible() const { return visible_; }

    // The range is kept between openings of the same field.
    void show();
    void close();
    void chooseField(int index);
    void setFrom(std::string text) { from_ = std::move(text); }
    void setTo(std::string text) { to_ = std::move(text); }
    void setStep(std::string text) { step_ = std::move(text); }

    // "計算": the study of the chosen field over the editor's conditions as they are
    // at the click; a range that cannot be studied is refused with its message and
    // the earlier results stay.
    void runStudy();
    const std::vector<StudyRow>& rows() const { return rows_; }
    const std::optional<StudyPlot>& plot() const { return plot_; }

    // "寸法決定": the default free fields sized from the editor's conditions at the click.
    void runSizing();
    const std::optional<SizingResult>& sizing() const { return sizing_; }
    // The sizing's answer, a line each, as the command line prints it.
    std::vector<std::string> sizingLines() const;
    // "この寸法を設計条件に転記": after a Yes, the sized dimensions into the editor. A
    // sizing belongs to the conditions it was sized for: once the editor's differ, the
    // transfer is refused.
    void transferSizedDesign();

    // Whether the results shown were computed from the editor's conditions as they are
    // now; after a transfer or an edit they belong to an earlier design.
    bool resultsCurrent() const;
    bool sizingCurrent() const;

    // --- a job under way --------------------------------------------------------------
    struct Progress {
        std::size_t done = 0;
        std::size_t total = 0;  // 0 while it is not known (the sizing)
    };
    bool busy() const { return worker_.joinable(); }
    Progress progress() const { return {done_.load(), total_.load()}; }
    // 中止: the job ends at its next report; nothing of it is kept.
    void cancel() { cancelled_ = true; }
    // On the window's thread: takes over a finished job's results and tells the window.
    // True while the job is still running. An error of the job is raised here.
    bool poll();
    // Waits until the job has ended and takes over its results.
    void wait();

private:
    void notify(unsigned flags) const {
        if (listener_) listener_(StudyChange{flags});
    }
    void rangeAroundPresentValue();
    void start(std::function<void()> job);
    void report(std::size_t done, std::size_t total);
    void finish();

    DesignConditionsEditor& editor_;
    Dialogs& dialogs_;
    std::function<void(const StudyChange&)> listener_;
    int field_ = 0;
    std::string from_, to_, step_;
    bool visible_ = false;
    std::vector<StudyRow> rows_;
    std::optional<StudyPlot> plot_;
    std::optional<SizingResult> sizing_;
    std::string studiedImage_, sizedImage_;  // the design files of the conditions they had

    // The job's own state until poll() takes it over.
    std::thread worker_;
    std::atomic<bool> finished_{false};
    std::atomic<bool> cancelled_{false};
    std::atomic<std::size_t> done_{0}, total_{0};
    std::function<void()> takeOver_;  // set by the job, run by poll()
    std::exception_ptr failure_;
};

}  // namespace marvoten
