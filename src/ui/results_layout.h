#pragma once
// The face of each results-window page as data: columns left to right, in each
// column the group boxes top to bottom, in each group its sections (or a set of
// small tabs holding them). The window is built from this table alone.
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "book/calculation_book.h"
#include "book/results_view.h"

namespace marvoten {

// What a page shows besides book sections.
enum class PageExtra {
    WallShapeLabelSlider,    // under the wall-shape figure
    LoadDiagramLabelSlider,  // in the small tab "フォントサイズ"
    LoadListRemarks,         // the notes box "摘要" beside the load list
};
using FaceElement = std::variant<TextId, TableId, FigureId, PageExtra>;

// Which selection of the results view a set of small tabs shows.
enum class TabBinding {
    None,         // a single tab that is always in front
    PageSubTabs,  // the page's own sub-tabs
    StemStress,   // "一覧表", "図"
    Anchorage,    // "L1", "L2"
};

struct FaceTab {
    std::string_view caption;
    std::vector<FaceElement> elements;
};

struct FaceGroup {
    std::vector<FaceElement> elements;  // top to bottom (left to right when sideBySide)
    std::vector<FaceTab> tabs;          // instead of elements
    TabBinding binding = TabBinding::None;
    bool captioned = true;  // titled with the group caption of its first section
    bool sideBySide = false;
};

struct FaceColumn {
    std::vector<FaceGroup> groups;
    int stretch = 1;
};

// One page, or one sub-tab of a page (subTab from 0; -1 for the page itself).
struct PageFace {
    PageId page;
    int subTab;
    std::vector<FaceColumn> columns;
};

std::span<const PageFace> resultsPageFaces();

}  // namespace marvoten
