#pragma once
// "パラメータ検討": a study of one field of the editor's conditions with its plot
// and table, and the sizing of the wall; a thin view over the study controller.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "study/parameter_study_controller.h"
#include "ui/shell_window.h"

namespace marvoten {

// The study's plot, drawn by the figure renderer at the widget's size.
class StudyPlotView : public QWidget {
public:
    StudyPlotView(const ParameterStudyController& controller, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ParameterStudyController& controller_;
};

class ParameterStudyWindow : public ShellWindow {
public:
    ParameterStudyWindow(DesignConditionsEditor& editor, Dialogs& dialogs, Guard guard,
                         QWidget* parent);
    QWidget& widget() override { return dialog_; }
    void perform(Command command) override;
    // An edit in the editor can leave the shown results behind the design.
    void followEditor(const EditorChange& change) override;

    ParameterStudyController& controller() { return controller_; }
    // The widgets, for the tests and the screenshots.
    QComboBox& fieldBox() { return *field_; }
    QLineEdit& fromEdit() { return *from_; }
    QLineEdit& toEdit() { return *to_; }
    QLineEdit& stepEdit() { return *step_; }
    QPushButton& studyButton() { return *study_; }
    QPushButton& sizingButton() { return *sizing_; }
    QPushButton& transferButton() { return *transfer_; }
    QTableWidget& resultTable() { return *table_; }
    QLabel& sizingText() { return *sizingText_; }
    QLabel& resultsNote() { return *resultsNote_; }
    // Whether a progress dialog has been shown for a job (the tests).
    bool progressSeen() const { return progressSeen_; }
    StudyPlotView& plotView() { return *plot_; }

private:
    void follow(const StudyChange& change);
    void showInputs();
    void showResults();
    void showSizing();
    void waitForJob(const QString& what);

    ParameterStudyController controller_;
    Guard guard_;
    QDialog dialog_;
    QComboBox* field_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* step_ = nullptr;
    QPushButton* study_ = nullptr;
    QPushButton* sizing_ = nullptr;
    QPushButton* transfer_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* sizingText_ = nullptr;
    QLabel* resultsNote_ = nullptr;
    bool progressSeen_ = false;
    StudyPlotView* plot_ = nullptr;
};

}  // namespace marvoten
