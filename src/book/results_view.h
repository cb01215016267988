#pragma once
// The results window's behaviour without a display: which page and tabs are in
// front, and the set-up it applies to the book each time it comes up.
#include <array>
#include <functional>
#include <string>

#include "book/calculation_book.h"

namespace marvoten {

// The small tab sets inside a group of the stem page.
enum class InnerTabSet {
    StemStress,  // "一覧表" (StemStressTable), "図" (StemStressFigure)
    Anchorage,   // "L1", "L2"
};

// What changed in the view: one notification per change, with flags.
struct ViewChange {
    enum Flag : unsigned {
        Shown = 1u << 0,      // came up from hidden
        Hidden = 1u << 1,     // closed
        Selection = 1u << 2,  // the page, a sub-tab or an inner tab in front
        WallShapeLabels = 1u << 3,
        LoadDiagramLabels = 1u << 4,
    };
    unsigned flags = 0;
    bool has(Flag f) const { return (flags & f) != 0; }
};
using ViewListener = std::function<void(const ViewChange&)>;

class ResultsView {
public:
    explicit ResultsView(CalculationBook& book);
    void setListener(ViewListener listener) { listener_ = std::move(listener); }

    bool visible() const { return visible_; }
    // Coming up from hidden: page "Ⅱ-1．荷重計算" and the first tabs selected,
    // the fixed table contents applied with the buoyancy option of this moment.
    // When already visible nothing changes.
    void show(bool buoyancyInSlab);
    void hide();

    PageId selectedPage() const { return selectedPage_; }
    void selectPage(PageId id);
    // The caption of the selected sub-tab of a page (empty for pages without).
    const std::string& selectedSubTab(PageId id) const;
    // std::invalid_argument for a caption the page does not have.
    void selectSubTab(PageId id, const std::string& caption);
    const std::string& selectedInnerTab(InnerTabSet set) const;
    void selectInnerTab(InnerTabSet set, const std::string& caption);

    // The label-size sliders (5 to 15, initially 9): the wall-shape figure's
    // dimension series 4 to 12, and the load diagram's labelled series.
    static constexpr int minimumLabelSize = 5;
    static constexpr int maximumLabelSize = 15;
    int wallShapeLabelSize() const { return wallShapeLabelSize_; }
    int loadDiagramLabelSize() const { return loadDiagramLabelSize_; }
    void setWallShapeLabelSize(int size);
    void setLoadDiagramLabelSize(int size);

private:
    void notify(unsigned flags) const {
        if (listener_) listener_(ViewChange{flags});
    }

    CalculationBook& book_;
    ViewListener listener_;
    bool visible_ = false;
    PageId selectedPage_ = PageId::PageConditions;
    std::array<std::string, pageCount> selectedSubTabs_{};
    std::array<std::string, 2> selectedInnerTabs_{};
    int wallShapeLabelSize_ = 9;
    int loadDiagramLabelSize_ = 9;
};

}  // namespace marvoten
