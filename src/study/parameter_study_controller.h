#pragma once
// The behaviour of the window "パラメータ検討": a study of one field of the
// editor's current conditions, its plot, the sizing of the default free fields,
// and the sized dimensions copied into the editor after a confirmation.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/design_conditions_editor.h"
#include "platform/dialogs.h"
#include "study/parameter_study.h"
#include "study/sizing.h"

namespace marvoten {

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

class ParameterStudyController {
public:
    ParameterStudyController(DesignConditionsEditor& editor, Dialogs& dialogs);
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

    // Shown from the editor's current conditions; the range is kept between
    // openings of the same field.
    void show();
    void close();
    void chooseField(int index);
    void setFrom(std::string text) { from_ = std::move(text); }
    void setTo(std::string text) { to_ = std::move(text); }
    void setStep(std::string text) { step_ = std::move(text); }

    // "計算": the study of the chosen field; a range that is not of the form is
    // refused with its message and the earlier results stay.
    void runStudy();
    const std::vector<StudyRow>& rows() const { return rows_; }
    const std::optional<StudyPlot>& plot() const { return plot_; }

    // "寸法決定": the default free fields sized from the editor's conditions.
    void runSizing();
    const std::optional<SizingResult>& sizing() const { return sizing_; }
    // "この寸法を設計条件に転記": after a Yes, the sized dimensions into the editor.
    void transferSizedDesign();

private:
    void notify(unsigned flags) const {
        if (listener_) listener_(StudyChange{flags});
    }
    void rangeAroundPresentValue();

    DesignConditionsEditor& editor_;
    Dialogs& dialogs_;
    std::function<void(const StudyChange&)> listener_;
    DesignConditions base_;
    int field_ = 0;
    std::string from_, to_, step_;
    bool visible_ = false;
    std::vector<StudyRow> rows_;
    std::optional<StudyPlot> plot_;
    std::optional<SizingResult> sizing_;
};

}  // namespace marvoten
