// What writers do to sections, and what readers then get back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "book/calculation_book.h"

namespace marvoten {
namespace {

std::vector<double> xs(const FigureSeries& s) {
    std::vector<double> out;
    for (const auto& p : s.points()) out.push_back(p.x);
    return out;
}

std::vector<std::string> labels(const FigureSeries& s) {
    std::vector<std::string> out;
    for (const auto& p : s.points()) out.push_back(p.label);
    return out;
}

TEST(TextSection, WriterFillsAndReplacesLines) {
    CalculationBook book;
    auto& t = book.text(TextId::SelfWeightText);
    t.addLine("１．自重計算");
    t.addLine("");
    t.addLine("  面積(A)=0.00m2");
    ASSERT_EQ(t.lineCount(), 3u);
    EXPECT_EQ(t.line(1), "");
    t.setLine(2, "  面積(A)=1.25m2");
    EXPECT_EQ(t.upper().lines(),
              (std::vector<std::string>{"１．自重計算", "", "  面積(A)=1.25m2"}));
    EXPECT_THROW(t.setLine(3, "x"), std::out_of_range);
    t.clear();
    EXPECT_EQ(t.lineCount(), 0u);
}

TEST(TextSection, BlocksAreSeparateLists) {
    CalculationBook book;
    auto& t = book.text(TextId::ConditionsText);
    t.upper().addLine("上");
    t.lower().addLine("下1");
    t.lower().addLine("下2");
    t.upper().clear();
    EXPECT_EQ(t.upper().lineCount(), 0u);
    EXPECT_EQ(t.block(1).lines(), (std::vector<std::string>{"下1", "下2"}));
}

TEST(TableSection, ResetCellsFillsDataCellsOnly) {
    CalculationBook book;
    auto& t = book.table(TableId::StemStressTable);
    t.setCell(2, 3, "12.34");
    t.resetCells();
    int dashes = 0;
    for (int row = 0; row < t.rowCount(); ++row)
        for (int col = 0; col < t.columnCount(); ++col)
            if (t.cell(col, row) == "---") ++dashes;
    EXPECT_EQ(dashes, 4 * 15);
    EXPECT_EQ(t.cell(0, 15), "判定");
    EXPECT_EQ(t.cell(0, 1), "計算位置");
    EXPECT_EQ(t.cell(4, 0), "固定部");
    EXPECT_EQ(t.cell(0, 0), "-");
    EXPECT_EQ(t.cell(2, 3), "---");
}

TEST(TableSection, LabelColumnWrittenLastDecidesTheCorner) {
    CalculationBook book;
    auto& t = book.table(TableId::SlabLoadTable);
    t.setLabelColumn({"区分", "1.つま先版(M)　　"});
    t.setHeaderRow({"見出し", "A(m2)"});
    EXPECT_EQ(t.cell(0, 0), "見出し");
    t.setLabelColumn({"区分"});
    EXPECT_EQ(t.cell(0, 0), "区分");
    EXPECT_EQ(t.cell(0, 1), "1.つま先版(M)　　");
    EXPECT_EQ(t.cell(1, 0), "A(m2)");
}

TEST(TableSection, RowsBeyondTheRowCountKeepTheirTexts) {
    // The point tables write one row past their row count; the next block's
    // header overwrites it.
    CalculationBook book;
    auto& t = book.table(TableId::StabilityPointTable);
    t.setRowCount(4);
    t.setCell(1, 4, "0.000");
    EXPECT_EQ(t.rowCount(), 4);
    EXPECT_EQ(t.cell(1, 4), "0.000");
    EXPECT_EQ(t.cell(2, 40), "");
    t.resetCells();
    EXPECT_EQ(t.cell(1, 3), "---");
    EXPECT_EQ(t.cell(1, 4), "0.000");  // beyond the rows: not a shown data cell
    EXPECT_THROW(t.setCell(3, 0, "x"), std::out_of_range);
    EXPECT_THROW(t.setCell(-1, 0, "x"), std::out_of_range);
    EXPECT_THROW(t.setRowCount(0), std::out_of_range);
}

TEST(FigureSection, PointsSortedByXUntilInsertionOrderIsKept) {
    CalculationBook book;
    auto& s = book.figure(FigureId::GroundReactionFigure).series(2);
    s.addPoint(3, 0, "c");
    s.addPoint(1, 0, "a");
    s.addPoint(2, 0, "b");
    s.addPoint(1, -1, "a2");  // equal x: after the ones already there
    EXPECT_EQ(xs(s), (std::vector<double>{1, 1, 2, 3}));
    EXPECT_EQ(labels(s), (std::vector<std::string>{"a", "a2", "b", "c"}));

    auto& outline = book.figure(FigureId::GroundReactionFigure).series(1);
    outline.keepInsertionOrder();
    for (double x : {0.0, 3.0, 3.0, 0.0, 0.0}) outline.addPoint(x, 1);
    EXPECT_EQ(xs(outline), (std::vector<double>{0, 3, 3, 0, 0}));

    // Clearing keeps the set-up: the outline still keeps its order.
    book.figure(FigureId::GroundReactionFigure).clearSeries();
    EXPECT_EQ(s.pointCount(), 0u);
    EXPECT_EQ(outline.pointCount(), 0u);
    outline.addPoint(2, 0);
    outline.addPoint(1, 0);
    EXPECT_EQ(xs(outline), (std::vector<double>{2, 1}));
    EXPECT_EQ(outline.colour(), colours::red);
}

TEST(FigureSection, AxisRangesVerticalFirstInEitherOrder) {
    CalculationBook book;
    auto& f = book.figure(FigureId::GroundReactionFigure);
    f.setAxisRanges(4.5, -1.5, 7, -1);
    EXPECT_FALSE(f.verticalAxis().automatic);
    EXPECT_EQ(f.verticalAxis().minimum, -1.5);
    EXPECT_EQ(f.verticalAxis().maximum, 4.5);
    EXPECT_EQ(f.horizontalAxis().minimum, -1);
    EXPECT_EQ(f.horizontalAxis().maximum, 7);

    f.setAxisRanges(2, 2, 0, 5e-11);
    EXPECT_EQ(f.verticalAxis().minimum, 2);
    EXPECT_EQ(f.verticalAxis().maximum, 2 + 1e-10);
    EXPECT_EQ(f.horizontalAxis().minimum, 0);
    EXPECT_EQ(f.horizontalAxis().maximum, 1e-10);
    // Exactly 1e-10 wide is wide enough.
    f.setVerticalRange(0, 1e-10);
    EXPECT_EQ(f.verticalAxis().maximum, 1e-10);
    EXPECT_TRUE(book.figure(FigureId::KeyFigure).verticalAxis().automatic);
}

TEST(FigureSection, EmptyLabelShowsTheValueAndBlankShowsNothing) {
    CalculationBook book;
    auto& s = book.figure(FigureId::GroundReactionFigure).series(2);  // shows labels
    s.addPoint(0, -12.5, "");
    s.addPoint(1, -1234, "");
    s.addPoint(2, -3, " ");
    s.addPoint(3, -3, "q1=3.00kN/m2");
    EXPECT_EQ(s.shownLabel(s.points()[0]), "-12.5");
    EXPECT_EQ(s.shownLabel(s.points()[1]), "-1,234");
    EXPECT_EQ(s.shownLabel(s.points()[2]), " ");
    EXPECT_EQ(s.shownLabel(s.points()[3]), "q1=3.00kN/m2");
    auto& plain = book.figure(FigureId::GroundReactionFigure).series(1);  // no labels
    plain.addPoint(0, 5, "");
    EXPECT_EQ(plain.shownLabel(plain.points()[0]), "");
}

TEST(FigureSection, SeriesAndPointColoursAndLabelFont) {
    CalculationBook book;
    auto& f = book.figure(FigureId::LoadDiagramFigure);
    auto& s = f.series(6);
    s.setColour(colours::maroon);
    s.addPoint(0, 0, " ");
    s.addPoint(1, 1, "Hc=0.50m", colours::blue);
    EXPECT_EQ(s.pointColour(s.points()[0]), colours::maroon);
    EXPECT_EQ(s.pointColour(s.points()[1]), colours::blue);
    EXPECT_FALSE(s.points()[0].colour.has_value());

    s.setLabelFontSize(12);
    EXPECT_EQ(s.labelFontSize(), 12);
    EXPECT_EQ(s.labelColour(), colours::black);
    s.setLabelColour(colours::purple);
    EXPECT_EQ(s.labelFontSize(), 12);
    s.setLabelFont(7, colours::red);
    EXPECT_EQ(s.labelFontSize(), 7);
    EXPECT_EQ(s.labelColour(), colours::red);
    s.setLabelDistance(-4);
    EXPECT_EQ(s.labelDistance(), -4);

    f.setTitleColour(colours::blue);
    EXPECT_EQ(f.titleColour(), colours::blue);
    EXPECT_THROW(f.series(0), std::out_of_range);
    EXPECT_THROW(f.series(14), std::out_of_range);
}

TEST(CalculationBook, RunStartAndSkippedMemberDesign) {
    CalculationBook book;
    book.resetResultTables();
    for (TableId id : {TableId::SlabLoadTable, TableId::LoadListTable, TableId::StemForcesTable,
                       TableId::StemStressTable, TableId::ToeHalfDepthTable, TableId::ToeRootTable,
                       TableId::ToeStressTable, TableId::KeyTable})
        EXPECT_EQ(book.table(id).cell(1, 1), "---") << book.table(id).name();
    EXPECT_EQ(book.table(TableId::CeTable).cell(1, 1), "1.4");
    EXPECT_EQ(book.table(TableId::StabilityPointTable).cell(1, 1), "");

    for (TextId id : {TextId::StemForcesText, TextId::AnchorageText}) {
        book.text(id).upper().addLine("a");
        book.text(id).lower().addLine("b");
    }
    book.text(TextId::KeyStressText).addLine("c");
    book.text(TextId::SlidingText).addLine("d");
    book.figure(FigureId::KeyFigure).series(1).addPoint(0, 0);
    book.figure(FigureId::LoadDiagramFigure).series(1).addPoint(0, 0);
    book.clearMemberDesign();
    EXPECT_EQ(book.text(TextId::StemForcesText).upper().lineCount(), 0u);
    EXPECT_EQ(book.text(TextId::StemForcesText).lower().lineCount(), 0u);
    EXPECT_EQ(book.text(TextId::AnchorageText).upper().lineCount(), 0u);
    EXPECT_EQ(book.text(TextId::AnchorageText).lower().lineCount(), 1u);
    EXPECT_EQ(book.text(TextId::KeyStressText).lineCount(), 0u);
    EXPECT_EQ(book.text(TextId::SlidingText).lineCount(), 1u);
    EXPECT_EQ(book.figure(FigureId::KeyFigure).series(1).pointCount(), 0u);
    EXPECT_EQ(book.figure(FigureId::LoadDiagramFigure).series(1).pointCount(), 1u);
}

TEST(CalculationBook, ShearKeySubTabVisibility) {
    CalculationBook book;
    book.setShearKeyShown(false);
    EXPECT_FALSE(book.shearKeyShown());
    EXPECT_FALSE(book.page(PageId::PageSlab).subTabs[1].visible);
    EXPECT_EQ(book.page(PageId::PageSlab).subTabs[1].caption, "突起");
    EXPECT_TRUE(book.page(PageId::PageSlab).subTabs[0].visible);
    book.setShearKeyShown(true);
    EXPECT_TRUE(book.page(PageId::PageSlab).subTabs[1].visible);
}

}  // namespace
}  // namespace marvoten
