#include "book/results_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marvoten {
namespace {

std::vector<std::string> labelColumn(const TableSection& t) {
    std::vector<std::string> out;
    for (int row = 0; row < t.rowCount(); ++row) out.push_back(t.cell(0, row));
    return out;
}

TEST(ResultsView, ToeTablesLaidOutByBuoyancyWhenShown) {
    const std::vector<std::string> withBuoyancy{"-",          "自　重",       "前面土", "地盤反力",
                                                "前面土浮力", "つま先版浮力", "合計"};
    const std::vector<std::string> without{"-", "自　重", "前面土", "地盤反力", "合計"};
    CalculationBook book;
    ResultsView view(book);
    view.show(true);
    for (TableId id : {TableId::ToeHalfDepthTable, TableId::ToeRootTable}) {
        EXPECT_EQ(book.table(id).rowCount(), 7);
        EXPECT_EQ(labelColumn(book.table(id)), withBuoyancy);
    }
    EXPECT_EQ(book.table(TableId::ToeRootTable).cell(2, 0), "付根部");
    view.hide();
    view.show(false);
    for (TableId id : {TableId::ToeHalfDepthTable, TableId::ToeRootTable}) {
        EXPECT_EQ(book.table(id).rowCount(), 5);
        EXPECT_EQ(labelColumn(book.table(id)), without);
    }
    EXPECT_EQ(book.table(TableId::ToeHalfDepthTable).cell(2, 0), "H/2部");
}

TEST(ResultsView, SetUpAppliedOnlyWhenComingUpFromHidden) {
    CalculationBook book;
    ResultsView view(book);
    EXPECT_FALSE(view.visible());
    view.show(false);
    EXPECT_TRUE(view.visible());

    view.selectPage(PageId::PageStem);
    view.selectSubTab(PageId::PageStem, "定着位置");
    view.selectInnerTab(InnerTabSet::Anchorage, "L2");
    book.table(TableId::LoadListTable).setCell(0, 3, "書換え");
    view.show(true);  // already visible: nothing changes
    EXPECT_EQ(view.selectedPage(), PageId::PageStem);
    EXPECT_EQ(view.selectedSubTab(PageId::PageStem), "定着位置");
    EXPECT_EQ(view.selectedInnerTab(InnerTabSet::Anchorage), "L2");
    EXPECT_EQ(book.table(TableId::ToeHalfDepthTable).rowCount(), 5);
    EXPECT_EQ(book.table(TableId::LoadListTable).cell(0, 3), "書換え");

    view.hide();
    view.selectSubTab(PageId::PageLoads, "Ⅱ-2．底版構造計算用");
    view.selectSubTab(PageId::PageSlab, "突起");
    view.selectInnerTab(InnerTabSet::StemStress, "図");
    book.table(TableId::StemStressTable).setCell(1, 2, "0.500");
    view.show(true);
    EXPECT_EQ(view.selectedPage(), PageId::PageLoads);
    EXPECT_EQ(view.selectedSubTab(PageId::PageLoads), "Ⅱ-1．安定計算用");
    EXPECT_EQ(view.selectedSubTab(PageId::PageStem), "断面力");
    EXPECT_EQ(view.selectedSubTab(PageId::PageSlab), "つま先版");
    EXPECT_EQ(view.selectedInnerTab(InnerTabSet::Anchorage), "L1");
    EXPECT_EQ(view.selectedInnerTab(InnerTabSet::StemStress), "一覧表");
    EXPECT_EQ(book.table(TableId::ToeHalfDepthTable).rowCount(), 7);
    EXPECT_EQ(book.table(TableId::LoadListTable).cell(0, 3), "載荷重");   // fixed label restored
    EXPECT_EQ(book.table(TableId::StemStressTable).cell(1, 2), "0.500");  // data cells kept
    EXPECT_EQ(view.selectedSubTab(PageId::PageStability), "");
}

TEST(ResultsView, RejectsTabsThePageDoesNotHave) {
    CalculationBook book;
    ResultsView view(book);
    EXPECT_THROW(view.selectSubTab(PageId::PageSlab, "かかと版"), std::invalid_argument);
    EXPECT_THROW(view.selectInnerTab(InnerTabSet::Anchorage, "一覧表"), std::invalid_argument);
}

TEST(ResultsView, LabelSizeSlidersSetTheirSeries) {
    CalculationBook book;
    ResultsView view(book);
    view.setWallShapeLabelSize(13);
    view.setLoadDiagramLabelSize(20);  // the slider stops at 15
    const auto& wall = book.figure(FigureId::WallShapeFigure);
    for (int n = 1; n <= 12; ++n) EXPECT_EQ(wall.series(n).labelFontSize(), n >= 4 ? 13 : 9) << n;
    const auto& diagram = book.figure(FigureId::LoadDiagramFigure);
    const std::vector<int> resized{2, 3, 4, 6, 10, 11, 12};
    for (int n = 1; n <= 13; ++n) {
        const bool r = std::find(resized.begin(), resized.end(), n) != resized.end();
        EXPECT_EQ(diagram.series(n).labelFontSize(), r ? 15 : 9) << n;
    }
    EXPECT_EQ(view.loadDiagramLabelSize(), 15);
}

}  // namespace
}  // namespace marvoten
