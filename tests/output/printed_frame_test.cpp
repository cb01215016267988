#include "output/printed_frame.h"

#include <gtest/gtest.h>

#include "book/calculation_book.h"
#include "output/recording_canvas.h"

namespace marvoten {
namespace {

std::vector<std::pair<double, double>> xy(const FigureSeries& s) {
    std::vector<std::pair<double, double>> out;
    for (const auto& p : s.points()) out.push_back({p.x, p.y});
    return out;
}

TEST(DrawTableFigure, ToeStressTableMetricsRulesAndCells) {
    CalculationBook book;
    TableSection& table = book.table(TableId::ToeStressTable);
    table.setCell(1, 1, "12.34");
    ASSERT_EQ(table.columnCount(), 3);
    ASSERT_EQ(table.rowCount(), 10);
    ASSERT_EQ(table.rowHeight(), 17);
    ReportFigure frame = ReportFigure::tableFrame(81, 856, "応力度及び配筋量");
    TDrawKekka drawer;
    drawer.drawTableFigure(table, frame, 1, 2, 3);

    const auto& m = drawer.tableMetrics();
    EXPECT_EQ(m.w, (std::vector<int>{75, 70, 70}));
    EXPECT_EQ(m.W, 215);
    EXPECT_EQ(m.h, 12);
    EXPECT_EQ(m.totalHeight, 120);
    EXPECT_EQ(frame.width, 260);
    EXPECT_EQ(frame.height, 170);
    EXPECT_FALSE(frame.axesVisible);
    EXPECT_FALSE(frame.bevelsShown);
    EXPECT_FALSE(frame.vertical.automatic);
    EXPECT_EQ(frame.vertical.minimum, -120);
    EXPECT_EQ(frame.vertical.maximum, 0);
    EXPECT_EQ(frame.horizontal.minimum, 0);
    EXPECT_EQ(frame.horizontal.maximum, 215);

    // Horizontal rules: the double rule under the header, then one per row.
    std::vector<std::pair<double, double>> a{{0, -13}, {215, -13}, {0, -13}};
    for (int r = 1; r <= 10; ++r)
        for (double x : {0.0, 215.0, 0.0}) a.push_back({x, -12.0 * r});
    EXPECT_EQ(xy(frame.seriesAt(1)), a);
    // Vertical rules: the double rule right of the label column, then each column's right edge.
    std::vector<std::pair<double, double>> b;
    for (double x : {76.0, 75.0, 145.0, 215.0})
        for (double y : {0.0, -120.0, 0.0}) b.push_back({x, y});
    EXPECT_EQ(xy(frame.seriesAt(2)), b);
    for (int n : {1, 2})
        for (const auto& p : frame.seriesAt(n).points())
            EXPECT_EQ(p.colour, PointColour(colours::black));

    // Cell texts centred over their columns at the bottom of their rows.
    const auto& labels = frame.seriesAt(3).points();
    ASSERT_EQ(labels.size(), 30u);
    auto labelAt = [&](double x, double y) -> std::string {
        for (const auto& p : labels)
            if (p.x == x && p.y == y) return p.label;
        return "(none)";
    };
    EXPECT_EQ(labelAt(37.5, -12), "-");
    EXPECT_EQ(labelAt(110, -12), "応力度等");
    EXPECT_EQ(labelAt(180, -12), "許容応力度");
    EXPECT_EQ(labelAt(37.5, -24), "曲げﾓｰﾒﾝﾄ");
    EXPECT_EQ(labelAt(110, -24), "12.34");
    EXPECT_EQ(labelAt(37.5, -120), "判定");
}

// An empty cell would show its point's y value as a label.
TEST(DrawTableFigure, EmptyCellShowsNothing) {
    CalculationBook book;
    TableSection& table = book.table(TableId::LoadListTable);
    table.setCell(2, 3, "");
    ReportFigure frame = ReportFigure::tableFrame(112, 824, "荷重一覧");
    TDrawKekka drawer;
    drawer.drawTableFigure(table, frame, 1, 2, 3);
    RecordingCanvas canvas;
    renderFigure(frame.drawing(), frame.size(), canvas, frame.renderOptions());
    const int h = drawer.tableMetrics().h;
    for (int r = 1; r <= table.rowCount(); ++r)
        EXPECT_TRUE(canvas.textsEqual(std::to_string(-r * h)).empty()) << "row " << r;
    EXPECT_EQ(canvas.textsEqual("鉛直力V").size(), 1u);
    EXPECT_EQ(canvas.textsEqual("荷重一覧").size(), 1u);
}

// Printing a page again after the toe table lost its buoyancy rows leaves no
// rules of the longer table behind.
TEST(DrawTableFigure, RefillingReplacesTheRules) {
    CalculationBook book;
    ReportFigure frame = ReportFigure::tableFrame(77, 664, "断面力(剪断力:H/2部)");
    TDrawKekka drawer;
    book.applyFixedTableContents(true);
    drawer.drawTableFigure(book.table(TableId::ToeHalfDepthTable), frame, 1, 2, 3);
    EXPECT_EQ(frame.seriesAt(1).pointCount(), 3u + 3 * 7);
    book.applyFixedTableContents(false);
    drawer.drawTableFigure(book.table(TableId::ToeHalfDepthTable), frame, 1, 2, 3);
    EXPECT_EQ(frame.seriesAt(1).pointCount(), 3u + 3 * 5);
    EXPECT_EQ(frame.seriesAt(2).pointCount(), 3u * 7);
    EXPECT_EQ(frame.seriesAt(3).pointCount(), 6u * 5);
    EXPECT_EQ(frame.height, 5 * 5 + 5 * 12);
}

TEST(CopyTextBlock, HeightFollowsTheLinesAndTheFont) {
    TextBlock block;
    for (int i = 0; i < 40; ++i) block.addLine("line " + std::to_string(i));
    for (int fontHeight : {13, -13}) {
        ReportTextFrame frame;
        frame.fontHeight = fontHeight;
        frame.lines = {"old"};
        TDrawKekka().copyTextBlock(block, frame);
        EXPECT_EQ(frame.height, 546) << fontHeight;
        EXPECT_EQ(frame.lines, block.lines());
    }
    ReportTextFrame frame;
    frame.height = 77;
    frame.lines = {"old"};
    TDrawKekka().copyTextBlock(TextBlock{}, frame);
    EXPECT_TRUE(frame.lines.empty());
    EXPECT_EQ(frame.height, 77);
}

ReportFigure frameFor(const FigureSection& f) {
    ReportFigure::Setup setup;
    setup.title = f.title();
    for (const auto& s : f.allSeries()) {
        FigureSeries::Setup copy;
        copy.colour = colours::gray;
        copy.labelsShown = s.labelsShown();
        setup.series.push_back(copy);
    }
    return ReportFigure(440, 688, 305, 353, std::move(setup));
}

TEST(CopyFigure, AxesStillZeroLeaveTheFrameAutomatic) {
    CalculationBook book;
    const FigureSection& f = book.figure(FigureId::GroundReactionFigure);
    ReportFigure frame = frameFor(f);
    frame.vertical.setRange(-3, 3);  // left from an earlier filling
    TDrawKekka().copyFigure(f, frame);
    EXPECT_TRUE(frame.vertical.automatic);
    EXPECT_TRUE(frame.horizontal.automatic);
}

TEST(CopyFigure, CopiesRangesColoursAndPointsInOrder) {
    CalculationBook book;
    FigureSection& f = book.figure(FigureId::GroundReactionFigure);
    f.setAxisRanges(-1.2, 4.5, -1, 3.7);
    f.series(1).setColour(colours::black);
    f.series(2).setColour(colours::purple);
    f.series(2).addPoint(2, -0.5, "q2=50.0", colours::red);
    f.series(2).addPoint(0, -0.8, "");
    ReportFigure frame = frameFor(f);
    frame.series[1] = FigureSeries([] {
        FigureSeries::Setup fast;
        fast.kind = SeriesKind::FastPolyline;
        return fast;
    }());
    frame.series[1].addPoint(9, 9, "stale");
    TDrawKekka().copyFigure(f, frame);
    EXPECT_EQ(frame.vertical.minimum, -1.2);
    EXPECT_EQ(frame.vertical.maximum, 4.5);
    EXPECT_EQ(frame.horizontal.minimum, -1);
    EXPECT_EQ(frame.horizontal.maximum, 3.7);
    EXPECT_EQ(frame.seriesAt(1).colour(), colours::black);
    const FigureSeries& s = frame.seriesAt(2);
    EXPECT_EQ(s.colour(), colours::purple);
    EXPECT_TRUE(s.keepsInsertionOrder());
    // The book's order (sorted by x there) is kept; a fast polyline's points are black.
    ASSERT_EQ(s.pointCount(), 2u);
    EXPECT_EQ(s.points()[0].x, 0);
    EXPECT_EQ(s.points()[0].label, "");
    EXPECT_EQ(s.points()[1].label, "q2=50.0");
    EXPECT_EQ(s.points()[1].colour, PointColour(colours::black));
}

TEST(CopyFigure, PolylinePointsTakeTheSeriesColour) {
    CalculationBook book;
    FigureSection& f = book.figure(FigureId::ToeReactionFigure);
    f.series(1).addPoint(0, 1, " ", colours::blue);
    ReportFigure frame = frameFor(f);
    TDrawKekka().copyFigure(f, frame);
    ASSERT_EQ(frame.seriesAt(1).pointCount(), 1u);
    EXPECT_EQ(frame.seriesAt(1).points()[0].colour, seriesColourDefault);
    EXPECT_EQ(frame.seriesAt(1).colour(), colours::red);
}

TEST(CopyFigure, FrameWithFewerSeriesTakesWhatFits) {
    CalculationBook book;
    FigureSection& f = book.figure(FigureId::LoadDiagramFigure);
    f.series(1).addPoint(0, 0, " ");
    f.series(2).addPoint(1, 2, " ");
    f.series(2).addPoint(2, 3, " ");
    f.series(13).addPoint(1, 1, " ");
    ReportFigure::Setup setup;
    setup.series.resize(2);
    ReportFigure frame(0, 0, 100, 100, setup);
    TDrawKekka().copyFigure(f, frame);
    ASSERT_EQ(frame.seriesCount(), 2);
    EXPECT_EQ(frame.seriesAt(1).pointCount(), 1u);
    EXPECT_EQ(frame.seriesAt(2).pointCount(), 2u);
    EXPECT_EQ(frame.seriesAt(2).colour(), f.series(2).colour());
}

}  // namespace
}  // namespace marvoten
