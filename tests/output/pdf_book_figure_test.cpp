#include "output/pdf_book_figure.h"

#include <gtest/gtest.h>

#include <cmath>

#include "book/calculation_book.h"
#include "output/figure_renderer_labels.h"
#include "output/pdf_book_blocks.h"
#include "pdf_book_stream_reader.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using testing::near;

FigureSeries::Setup series(Rgb colour, bool labels) {
    FigureSeries::Setup s;
    s.colour = colour;
    s.labelsShown = labels;
    s.labelDistance = 4;
    return s;
}

// A figure of two labelled series (red, then (128, 0, 255)) and one without labels.
FigureSection testFigure() {
    FigureSection::Setup setup;
    setup.title = "荷重図";
    setup.horizontal.title = "幅(m)";
    setup.vertical.title = "kN/m2";
    setup.series = {series(colours::red, true), series(Rgb{128, 0, 255}, true),
                    series(colours::green, false)};
    return FigureSection("TestFigure", "", "", setup);
}

// The figure drawn in a 200 x 100 frame at dx 0, dy 0: L 45, T 817, R 245, B 717.
class PdfFigure : public ::testing::Test {
protected:
    PdfFigure() {
        pdf.BeginDoc(&memory);
        pdf.Canvas().fontId = kPdfBookFontId;
    }
    testing::PageDrawing draw(PdfFigureMode mode = PdfFigureMode::Upwards) {
        pdfFigure(pdf.Canvas(), mode, figure, 0, 0, 200, 100);
        return testing::readContentStream(pdf.Canvas().streamText());
    }
    std::vector<testing::DrawnText> labels(const testing::PageDrawing& page) {
        std::vector<testing::DrawnText> found;
        for (const auto& t : page.texts)
            if (t.text != "荷重図" && t.text != "幅(m)" && t.text != "kN/m2") found.push_back(t);
        return found;
    }

    TPDFMaker pdf{[] { return std::string("20261210150000"); }};
    TPDFMemoryStream memory;
    FigureSection figure = testFigure();
};

TEST_F(PdfFigure, PointsMapOntoTheFrameUpwardsOrDownwards) {
    struct Case {
        PdfFigureMode mode;
        double x, y, px, py;
    } cases[] = {
        {PdfFigureMode::Upwards, 0, 0, 45, 717},    // lower-left corner
        {PdfFigureMode::Upwards, 50, 25, 95, 742},  // a quarter across, a quarter up
        {PdfFigureMode::Upwards, 200, 100, 245, 817},
        {PdfFigureMode::Downwards, 0, 0, 45, 817},  // height 0 on the top edge
        {PdfFigureMode::Downwards, 50, 25, 95, 792},
        {PdfFigureMode::Downwards, 200, 100, 245, 717},
    };
    for (const Case& c : cases) {
        figure = testFigure();
        figure.setAxisRanges(0, 100, 0, 200);  // vertical first
        figure.series(1).keepInsertionOrder();
        figure.series(1).addPoint(c.x, c.y, " ");
        figure.series(1).addPoint(100, 50, " ");  // the centre in both modes
        pdf.BeginDoc(&memory);
        pdf.Canvas().fontId = kPdfBookFontId;
        auto page = draw(c.mode);
        ASSERT_EQ(page.lines.size(), 1u);
        const auto& l = page.lines[0];
        EXPECT_EQ(l.x1, c.px) << c.x << "," << c.y;
        EXPECT_EQ(l.y1, c.py) << c.x << "," << c.y;
        EXPECT_EQ(l.x2, 145);
        EXPECT_EQ(l.y2, 767);
    }
}

TEST_F(PdfFigure, AnchorageFigureStartsAtTheTopEdgeInTheInvertedMode) {
    CalculationBook book;
    FigureSection& l1 = book.figure(FigureId::AnchorageFigureL1);
    l1.setAxisRanges(0, 7.1, 0, 120);
    l1.series(1).addPoint(0, 0, " ");
    l1.series(1).addPoint(60, 3.55, " ");
    pdfFigure(pdf.Canvas(), PdfFigureMode::Downwards, l1, 280, 250, 220, 200);
    auto page = testing::readContentStream(pdf.Canvas().streamText());
    ASSERT_EQ(page.lines.size(), 1u);
    // L = 325, T = 567, B = 367: height 0 at T, half the height halfway down.
    EXPECT_EQ(page.lines[0].x1, 325);
    EXPECT_EQ(page.lines[0].y1, 567);
    EXPECT_EQ(page.lines[0].x2, 435);
    EXPECT_EQ(page.lines[0].y2, 467);
}

TEST_F(PdfFigure, AutomaticAxesSpanAllPointsOfTheFigure) {
    figure.series(1).addPoint(-2, 3, " ");
    figure.series(1).addPoint(2, 5, " ");
    figure.series(2).addPoint(6, 11, " ");  // drawn or not, its point widens the ranges
    auto page = draw();
    ASSERT_EQ(page.lines.size(), 1u);
    // x -2..6 over 200 points, y 3..11 over 100.
    EXPECT_EQ(page.lines[0].x1, 45);
    EXPECT_EQ(page.lines[0].y1, 717);
    EXPECT_EQ(page.lines[0].x2, 145);
    EXPECT_EQ(page.lines[0].y2, 742);
}

TEST_F(PdfFigure, AllPointsOnOneLevelLieOnTheBottomEdgeWithoutInvalidNumbers) {
    figure.series(1).addPoint(0, 5, " ");
    figure.series(1).addPoint(10, 5, " ");
    auto page = draw();
    ASSERT_EQ(page.lines.size(), 1u);
    EXPECT_EQ(page.lines[0].y1, 717);
    EXPECT_EQ(page.lines[0].y2, 717);
    EXPECT_EQ(page.lines[0].x2, 245);
    const std::string& stream = pdf.Canvas().streamText();
    EXPECT_FALSE(testing::showsNonFinite(stream));
}

TEST_F(PdfFigure, APointWithoutANumberBreaksItsLineAndLeavesTheRangeAlone) {
    figure.series(1).keepInsertionOrder();
    figure.series(1).addPoint(0, 0, "A");
    figure.series(1).addPoint(std::nan(""), 1, "B");
    figure.series(1).addPoint(10, 10, "C");
    figure.series(1).addPoint(20, 10, "D");
    auto page = draw();
    ASSERT_EQ(page.lines.size(), 1u) << "only C to D";
    EXPECT_EQ(page.lines[0].x1, 145);  // x 0..20 from the numbers alone
    EXPECT_EQ(page.lines[0].x2, 245);
    EXPECT_FALSE(page.hasText("B"));
    EXPECT_TRUE(page.hasText("A"));
}

TEST_F(PdfFigure, TitlesFrameClipAndSeriesColoursAndWidths) {
    figure.setAxisRanges(0, 100, 0, 200);
    figure.series(1).addPoint(0, 0, "A");
    figure.series(1).addPoint(100, 50, "B");
    figure.series(2).addPoint(0, 100, " ");
    figure.series(2).addPoint(200, 0, " ");
    figure.series(2).setColour(Rgb{128, 0, 255});
    auto page = draw();

    auto title = page.textsEqualTo("荷重図");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_EQ(title[0].x, 45);
    EXPECT_EQ(title[0].y, 820);
    EXPECT_EQ(title[0].size, 8);
    // "幅(m)": one full-width and three half-width characters at 8 points,
    // 8 + 3 x 3.832 = 19.496 wide, centred on x 145.
    auto hTitle = page.textsEqualTo("幅(m)");
    ASSERT_EQ(hTitle.size(), 1u);
    EXPECT_TRUE(near(hTitle[0].x, 145 - 9.748, 0.006));
    EXPECT_EQ(hTitle[0].y, 707);
    auto vTitle = page.textsEqualTo("kN/m2");
    ASSERT_EQ(vTitle.size(), 1u);
    EXPECT_EQ(vTitle[0].x, 247);
    EXPECT_EQ(vTitle[0].y, 767);

    ASSERT_EQ(page.rects.size(), 1u);
    const auto& frame = page.rects[0];
    EXPECT_TRUE(frame.clip);
    EXPECT_EQ(frame.width, 0.75);
    EXPECT_EQ(std::vector<double>({frame.x1, frame.y1, frame.x2, frame.y2}),
              std::vector<double>({45, 817, 245, 717}));
    ASSERT_EQ(page.saves.size(), 1u);
    ASSERT_EQ(page.restores.size(), 1u);
    EXPECT_LT(page.saves[0], frame.order);

    ASSERT_EQ(page.lines.size(), 2u);
    EXPECT_EQ(page.lines[0].colour, "1 0 0");
    EXPECT_EQ(page.lines[1].colour, "0.5 0 1");
    for (const auto& l : page.lines) {
        EXPECT_EQ(l.width, 0.2);
        EXPECT_GT(l.order, frame.order);
        EXPECT_LT(l.order, page.restores[0]) << "lines are clipped to the frame";
    }
    for (const auto& t : labels(page)) {
        EXPECT_GT(t.order, frame.order);
        EXPECT_LT(t.order, page.restores[0]) << "labels are clipped to the frame";
    }
    EXPECT_EQ(labels(page).size(), 2u) << "A and B; the blank labels draw nothing";
}

TEST_F(PdfFigure, SinglePointSeriesDrawsNeitherLineNorLabel) {
    figure.setAxisRanges(0, 100, 0, 200);
    figure.series(1).addPoint(50, 50, "単独");
    figure.series(3).addPoint(0, 0, "見えない");  // labels not shown for this series
    figure.series(3).addPoint(200, 100, "見えない");
    auto page = draw();
    EXPECT_FALSE(page.hasText("単独"));
    EXPECT_FALSE(page.hasText("見えない"));
    ASSERT_EQ(page.lines.size(), 1u);
    EXPECT_EQ(page.lines[0].colour, "0 0.5 0") << "only the green series";
}

// Labels "AB" are 2 x 0.479 x 8 = 7.664 points wide and centred on their point; a
// label is crowded when the points are less than 3.832 apart on the page. The
// first label sits 2 points up; crowded labels are raised every other time, and
// labels that would still print over each other are moved apart.
struct LabelBox {
    double left, bottom, right, top;  // page points; the em box from 0.12 below the baseline
};

LabelBox boxOf(const testing::DrawnText& t, double width) {
    return {t.x, t.y - 0.12 * t.size, t.x + width, t.y + 0.88 * t.size};
}

bool overlap(const LabelBox& a, const LabelBox& b) {
    return std::min(a.right, b.right) - std::max(a.left, b.left) > 1e-6 &&
           std::min(a.top, b.top) - std::max(a.bottom, b.bottom) > 1e-6;
}

TEST_F(PdfFigure, CrowdedLabelsAreRaisedEveryOtherTimeAndNeverPrintOverEachOther) {
    struct Case {
        const char* what;
        std::vector<double> xs;     // page x of each point, all at y 767
        std::vector<double> lifts;  // where the labels stay clear of each other as raised
    } cases[] = {
        {"a row of crowded labels", {100, 102, 104, 106}, {}},
        // Raised by 1 they would touch the line through the points: they keep clear
        // of it as the first does.
        {"labels far enough apart", {100, 110, 120}, {2, 2, 2}},
        {"just crowded", {100, 103.7}, {}},
        {"just not crowded", {100, 103.9}, {}},
        {"one crowded pair among spaced labels", {100, 120, 121, 140}, {}},
    };
    const double width = 7.664;
    for (const Case& c : cases) {
        figure = testFigure();
        figure.setAxisRanges(0, 100, 0, 200);  // page x = 45 + x, y = 717 + y
        for (double x : c.xs) figure.series(1).addPoint(x - 45, 50, "AB");
        pdf.BeginDoc(&memory);
        pdf.Canvas().fontId = kPdfBookFontId;
        auto drawn = labels(draw());
        ASSERT_EQ(drawn.size(), c.xs.size()) << c.what;
        EXPECT_TRUE(near(drawn[0].x, c.xs[0] - width / 2, 0.006)) << c.what;
        EXPECT_TRUE(near(drawn[0].y, 769, 1e-9)) << c.what;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ(drawn[i].size, 8);
            if (!c.lifts.empty()) {
                EXPECT_TRUE(near(drawn[i].x, c.xs[i] - width / 2, 0.006)) << c.what << " " << i;
                EXPECT_TRUE(near(drawn[i].y, 767 + c.lifts[i], 1e-9)) << c.what << " " << i;
            }
            const LabelBox b = boxOf(drawn[i], width);
            const CanvasRect cleared =
                grown({b.left, b.bottom, width, b.top - b.bottom}, labelClearance - 1e-6);
            EXPECT_FALSE(crossesInterior({c.xs.front(), 767}, {c.xs.back(), 767}, cleared))
                << c.what << " " << i << ": the line through the points runs through it";
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(overlap(boxOf(drawn[i], width), boxOf(drawn[j], width)))
                    << c.what << ": labels " << j << " and " << i;
        }
    }
}

TEST_F(PdfFigure, ALabelOnTopOfAnotherMovesClearOfItAndOfTheLine) {
    // Same page x, one point up: the second label would print over the first, and
    // the short upright line between the points (x 95, from 767 to 768) would run
    // into both. Each stands clear of the line, the second one point of paper away
    // from the first, near its point.
    figure.setAxisRanges(0, 100, 0, 200);
    figure.series(1).keepInsertionOrder();
    figure.series(1).addPoint(50, 50, "AB");
    figure.series(1).addPoint(50, 51, "CD");
    auto drawn = labels(draw());
    ASSERT_EQ(drawn.size(), 2u);
    const double width = 7.664;
    const LabelBox line{95 - labelClearance, 767 - labelClearance, 95 + labelClearance,
                        768 + labelClearance};
    for (const auto& t : drawn) EXPECT_FALSE(overlap(boxOf(t, width), line)) << t.text;
    LabelBox apart = boxOf(drawn[0], width);
    apart = {apart.left - 1, apart.bottom - 1, apart.right + 1, apart.top + 1};
    EXPECT_FALSE(overlap(boxOf(drawn[1], width), apart));
    const LabelBox second = boxOf(drawn[1], width);
    EXPECT_LT(std::hypot((second.left + second.right) / 2 - 95, second.bottom - 768), 16);
}

TEST_F(PdfFigure, DistanceIsMeasuredOnThePageNotAlongTheAxis) {
    // 2 points apart across and 10 up: 10.2 apart, not crowded, so raised by 1; the
    // line rising to its point then takes it 2 points higher, clear of the line.
    figure.setAxisRanges(0, 100, 0, 200);
    figure.series(1).addPoint(50, 50, "AB");
    figure.series(1).addPoint(52, 60, "CD");
    auto drawn = labels(draw());
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[1].y, 777 + 1 + 2);
}

// A logarithmic vertical axis from 1 to 100 in the 100-point frame: a decade is 50
// points; a value of 0 cannot be shown and breaks the line.
TEST(PdfFigureAxis, LogarithmicVerticalAxisSpacesTheDecadesEvenly) {
    FigureSection::Setup setup;
    setup.vertical.logarithmic = true;
    setup.series = {series(colours::red, false)};
    FigureSection f("TestFigure", "", "", setup);
    f.setAxisRanges(1, 100, 0, 200);
    f.series(1).keepInsertionOrder();
    for (auto [x, y] : {std::pair{0.0, 1.0}, {100.0, 10.0}, {200.0, 100.0}, {200.0, 0.0}})
        f.series(1).addPoint(x, y, " ");
    TPDFMaker pdf{[] { return std::string("20261210150000"); }};
    TPDFMemoryStream memory;
    pdf.BeginDoc(&memory);
    pdf.Canvas().fontId = kPdfBookFontId;
    pdfFigure(pdf.Canvas(), PdfFigureMode::Upwards, f, 0, 0, 200, 100);
    const auto page = testing::readContentStream(pdf.Canvas().streamText());
    ASSERT_EQ(page.lines.size(), 2u) << "nothing to the point at 0";
    EXPECT_TRUE(near(page.lines[0].y1, 717, 1e-9));
    EXPECT_TRUE(near(page.lines[0].y2, 767, 1e-9));
    EXPECT_TRUE(near(page.lines[1].y2, 817, 1e-9));
}

// Labels that would run past the frame are moved inside it rather than cut by the
// clip: "237.18kN/m2" at the frame's left edge lost its first two characters.
TEST_F(PdfFigure, ALabelAtTheFrameEdgeIsMovedInsideTheFrame) {
    figure.setAxisRanges(0, 100, 0, 200);
    figure.series(1).keepInsertionOrder();
    figure.series(1).addPoint(0, 0, "237.18kN/m2");
    figure.series(1).addPoint(200, 100, "D29@125:8.31N/mm2");
    auto drawn = labels(draw());
    ASSERT_EQ(drawn.size(), 2u);
    for (const auto& t : drawn) {
        const double width = pdf.Canvas().TextWidth(t.text);
        EXPECT_GE(t.x, 45) << t.text;
        EXPECT_LE(t.x + width, 245) << t.text;
        EXPECT_GE(t.y - 0.12 * 8, 717) << t.text;
        EXPECT_LE(t.y + 0.88 * 8, 817) << t.text;
    }
}

}  // namespace
}  // namespace marvoten
