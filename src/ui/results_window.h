#pragma once
// "計算結果": the calculation book, one tab per page, built from the page faces
// (results_layout.h). The window mirrors the session's results view and book
// through their notifications; the user's tab clicks and slider moves go to the
// view, which decides.
#include <QDialog>
#include <QGroupBox>
#include <QSlider>
#include <QTabWidget>
#include <array>
#include <vector>

#include "report/stability_report.h"
#include "ui/results_layout.h"
#include "ui/section_widgets.h"
#include "ui/shell_window.h"

namespace marvoten {

class Desktop;

class ResultsWindow : public ShellWindow {
public:
    explicit ResultsWindow(Desktop& desktop);
    ~ResultsWindow() override;
    QWidget& widget() override { return dialog_; }
    void perform(Command command) override;

    // The widgets, for the tests and the screenshots.
    QTabWidget& pageTabs() { return *pages_; }
    // The page's sub-tabs (the small tabs "目次"/"設計条件" on the conditions
    // page), or null.
    QTabWidget* subTabs(PageId page) { return subTabs_[static_cast<std::size_t>(page)]; }
    QTabWidget* innerTabs(InnerTabSet set) { return innerTabs_[static_cast<std::size_t>(set)]; }
    const std::vector<TextSectionView*>& textViews() const { return texts_; }
    const std::vector<TableSectionView*>& tableViews() const { return tables_; }
    const std::vector<FigureView*>& figureViews() const { return figures_; }
    FigureView* figureView(FigureId id) const;
    QSlider& wallShapeLabelSlider() { return *wallShapeSlider_; }
    QSlider& loadDiagramLabelSlider() { return *loadDiagramSlider_; }
    // The group boxes of the four stability checks, titled with their verdicts.
    QGroupBox* verdictBox(StabilityCheck check) {
        return verdictBoxes_[static_cast<std::size_t>(check)];
    }

private:
    QWidget* buildPage(const BookPage& page);
    QWidget* buildFace(const PageFace& face);
    QWidget* buildGroup(const FaceGroup& group, PageId page);
    QWidget* buildElement(const FaceElement& element);
    QSlider* labelSlider(bool wallShape);

    void followView(const ViewChange& change);
    void followBook(const BookChange& change);
    void showSelection();
    void showTabVisibility();
    void showVerdictHeadings();
    void place();

    Desktop& desktop_;
    QDialog dialog_;
    QTabWidget* pages_ = nullptr;
    std::array<QTabWidget*, pageCount> subTabs_{};
    std::array<QTabWidget*, 2> innerTabs_{};
    std::vector<TextSectionView*> texts_;
    std::vector<TableSectionView*> tables_;
    std::vector<FigureView*> figures_;
    QSlider* wallShapeSlider_ = nullptr;
    QSlider* loadDiagramSlider_ = nullptr;
    std::array<QGroupBox*, 4> verdictBoxes_{};
    bool mirroring_ = false;  // the window is being set from the view
};

}  // namespace marvoten
