#include "book/results_view.h"

#include <algorithm>
#include <stdexcept>

namespace marvoten {

namespace {

constexpr std::size_t at(PageId id) {
    return static_cast<std::size_t>(id);
}
constexpr std::size_t at(InnerTabSet set) {
    return static_cast<std::size_t>(set);
}

const std::array<std::array<std::string, 2>, 2> innerTabCaptions{{{"一覧表", "図"}, {"L1", "L2"}}};

}  // namespace

ResultsView::ResultsView(CalculationBook& book) : book_(book) {
    for (const auto& page : book_.pages())
        if (!page.subTabs.empty()) selectedSubTabs_[at(page.id)] = page.subTabs.front().caption;
    for (std::size_t i = 0; i < innerTabCaptions.size(); ++i)
        selectedInnerTabs_[i] = innerTabCaptions[i][0];
}

void ResultsView::show(bool buoyancyInSlab) {
    if (visible_) return;
    visible_ = true;
    selectedPage_ = PageId::PageLoads;
    selectedSubTabs_[at(PageId::PageLoads)] = "Ⅱ-1．安定計算用";
    selectedSubTabs_[at(PageId::PageStem)] = "断面力";
    selectedSubTabs_[at(PageId::PageSlab)] = "つま先版";
    selectedInnerTabs_[at(InnerTabSet::Anchorage)] = "L1";
    selectedInnerTabs_[at(InnerTabSet::StemStress)] = "一覧表";
    book_.applyFixedTableContents(buoyancyInSlab);
    notify(ViewChange::Shown | ViewChange::Selection);
}

void ResultsView::hide() {
    if (!visible_) return;
    visible_ = false;
    notify(ViewChange::Hidden);
}

void ResultsView::selectPage(PageId id) {
    if (selectedPage_ == id) return;
    selectedPage_ = id;
    notify(ViewChange::Selection);
}

const std::string& ResultsView::selectedSubTab(PageId id) const {
    return selectedSubTabs_[at(id)];
}

void ResultsView::selectSubTab(PageId id, const std::string& caption) {
    const auto& tabs = book_.page(id).subTabs;
    if (std::none_of(tabs.begin(), tabs.end(),
                     [&](const SubTab& t) { return t.caption == caption; }))
        throw std::invalid_argument(book_.page(id).caption + " has no sub-tab " + caption);
    if (selectedSubTabs_[at(id)] == caption) return;
    selectedSubTabs_[at(id)] = caption;
    notify(ViewChange::Selection);
}

const std::string& ResultsView::selectedInnerTab(InnerTabSet set) const {
    return selectedInnerTabs_[at(set)];
}

void ResultsView::selectInnerTab(InnerTabSet set, const std::string& caption) {
    const auto& captions = innerTabCaptions[at(set)];
    if (std::find(captions.begin(), captions.end(), caption) == captions.end())
        throw std::invalid_argument("no inner tab " + caption);
    if (selectedInnerTabs_[at(set)] == caption) return;
    selectedInnerTabs_[at(set)] = caption;
    notify(ViewChange::Selection);
}

void ResultsView::setWallShapeLabelSize(int size) {
    wallShapeLabelSize_ = std::clamp(size, minimumLabelSize, maximumLabelSize);
    auto& figure = book_.figure(FigureId::WallShapeFigure);
    for (int n = 4; n <= 12; ++n) figure.series(n).setLabelFontSize(wallShapeLabelSize_);
    notify(ViewChange::WallShapeLabels);
}

void ResultsView::setLoadDiagramLabelSize(int size) {
    loadDiagramLabelSize_ = std::clamp(size, minimumLabelSize, maximumLabelSize);
    auto& figure = book_.figure(FigureId::LoadDiagramFigure);
    for (int n : {2, 3, 4, 6, 10, 11, 12}) figure.series(n).setLabelFontSize(loadDiagramLabelSize_);
    notify(ViewChange::LoadDiagramLabels);
}

}  // namespace marvoten
