#include "output/figure_renderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "book/calculation_book.h"
#include "book/line_format.h"
#include "output/recording_canvas.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using testing::near;

constexpr FigureSize smallSize{300, 200};

FigureSection figureWith(std::vector<FigureSeries::Setup> series, FigureAxis vertical = {},
                         FigureAxis horizontal = {}, std::string title = "図",
                         TitleAlignment alignment = TitleAlignment::Centre) {
    FigureSection::Setup setup;
    setup.title = std::move(title);
    setup.titleAlignment = alignment;
    setup.vertical = std::move(vertical);
    setup.horizontal = std::move(horizontal);
    setup.series = std::move(series);
    return FigureSection("TestFigure", "", "", std::move(setup));
}

FigureSeries::Setup line(Rgb colour = colours::red, int width = 1) {
    FigureSeries::Setup s;
    s.colour = colour;
    s.lineWidth = width;
    return s;
}

FigureSeries::Setup labelled(int distance) {
    FigureSeries::Setup s = line();
    s.labelsShown = true;
    s.labelDistance = distance;
    return s;
}

// The series lines: what is drawn inside the plot's clip.
std::vector<RecordingCanvas::Polyline> seriesLines(const RecordingCanvas& canvas) {
    std::vector<RecordingCanvas::Polyline> out;
    for (const auto& p : canvas.polylines())
        if (p.clipped) out.push_back(p);
    return out;
}

std::vector<CanvasPoint> seriesPath(const FigureSection& f,
                                    const FigureRenderOptions& options = {}) {
    RecordingCanvas canvas;
    renderFigure(f, smallSize, canvas, options);
    std::vector<CanvasPoint> path;
    for (const auto& l : seriesLines(canvas))
        for (const auto& p : l.points)
            if (path.empty() || !(path.back() == p)) path.push_back(p);
    return path;
}

// One figure per behaviour: the pixel path of series 1 must run as stated.
struct PathCase {
    const char* name;
    bool inverted;
    bool logarithmic;
    bool keepInsertion;
    std::vector<std::pair<double, double>> points;  // in the order added
    std::vector<std::pair<double, double>> drawnOrder;
};

class SeriesPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(SeriesPath, FollowsAxesAndPointOrder) {
    const PathCase& c = GetParam();
    FigureAxis vertical;
    vertical.inverted = c.inverted;
    vertical.logarithmic = c.logarithmic;
    FigureAxis horizontal;
    horizontal.setRange(0, 10);
    if (c.logarithmic)
        vertical.setRange(1, 1000);
    else
        vertical.setRange(0, 10);
    FigureSection f = figureWith({line()}, vertical, horizontal);
    if (c.keepInsertion) f.series(1).keepInsertionOrder();
    for (auto [x, y] : c.points) f.series(1).addPoint(x, y, " ");
    const auto path = seriesPath(f);
    ASSERT_EQ(path.size(), c.points.size());
    // Each segment runs the way its data runs: right for rising x, up for rising
    // y (down on an inverted axis).
    for (std::size_t i = 1; i < path.size(); ++i) {
        const auto& from = c.drawnOrder[i - 1];
        const auto& to = c.drawnOrder[i];
        EXPECT_EQ(path[i].x > path[i - 1].x, to.first > from.first) << "segment " << i;
        EXPECT_EQ(path[i].y > path[i - 1].y, (to.second > from.second) == c.inverted)
            << "segment " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Renderer, SeriesPath,
                         ::testing::Values(PathCase{"RisingValuesGoUp",
                                                    false,
                                                    false,
                                                    true,
                                                    {{1, 1}, {2, 5}, {3, 9}},
                                                    {{1, 1}, {2, 5}, {3, 9}}},
                                           PathCase{"InvertedAxisRunsDownwards",
                                                    true,
                                                    false,
                                                    true,
                                                    {{1, 1}, {2, 5}, {3, 9}},
                                                    {{1, 1}, {2, 5}, {3, 9}}},
                                           PathCase{"LogAxisRisingValuesGoUp",
                                                    false,
                                                    true,
                                                    true,
                                                    {{1, 1}, {2, 10}, {3, 100}},
                                                    {{1, 1}, {2, 10}, {3, 100}}},
                                           PathCase{"SortedSeriesDrawsAscendingX",
                                                    false,
                                                    false,
                                                    false,
                                                    {{8, 1}, {2, 5}, {5, 9}},
                                                    {{2, 5}, {5, 9}, {8, 1}}},
                                           PathCase{"InsertionOrderKept",
                                                    false,
                                                    false,
                                                    true,
                                                    {{8, 1}, {2, 5}, {5, 9}},
                                                    {{8, 1}, {2, 5}, {5, 9}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Renderer, LogAxisPlacesDecadesEvenlyAndLabelsThem) {
    FigureAxis vertical;
    vertical.setRange(1, 1000);
    vertical.logarithmic = true;
    FigureAxis horizontal;
    horizontal.setRange(0, 10);
    FigureSection f = figureWith({line()}, vertical, horizontal);
    f.series(1).keepInsertionOrder();
    for (auto [x, y] : {std::pair{1.0, 1.0}, {2.0, 10.0}, {3.0, 100.0}, {4.0, 1000.0}})
        f.series(1).addPoint(x, y, " ");
    RecordingCanvas canvas;
    renderFigure(f, smallSize, canvas);
    const auto path = seriesPath(f);
    ASSERT_EQ(path.size(), 4u);
    const double decade = path[0].y - path[1].y;
    EXPECT_GT(decade, 10);
    EXPECT_TRUE(near(path[1].y - path[2].y, decade, 0.01));
    EXPECT_TRUE(near(path[2].y - path[3].y, decade, 0.01));
    // Each decade's value label sits level with its point.
    const char* labels[] = {"1", "10", "100", "1,000"};
    for (int i = 0; i < 4; ++i) {
        const auto found = canvas.textsEqual(labels[i]);
        ASSERT_FALSE(found.empty()) << labels[i];
        EXPECT_TRUE(near(found.back().at.y, path[i].y, 0.01)) << labels[i];
    }
    for (const auto& t : canvas.texts()) {
        if (t.anchor.horizontal != HorizontalAnchor::Right) continue;
        EXPECT_TRUE(t.text == "1" || t.text == "10" || t.text == "100" || t.text == "1,000")
            << "three decades need no 2 and 5 labels: " << t.text;
    }
}

TEST(Renderer, LogAxisBreaksTheLineAtValuesItCannotShow) {
    FigureAxis vertical;
    vertical.setRange(1, 100);
    vertical.logarithmic = true;
    FigureSection f = figureWith({line()}, vertical);
    f.series(1).keepInsertionOrder();
    for (auto [x, y] : {std::pair{1.0, 2.0}, {2.0, 5.0}, {3.0, 0.0}, {4.0, 20.0}, {5.0, 50.0}})
        f.series(1).addPoint(x, y, " ");
    RecordingCanvas canvas;
    renderFigure(f, smallSize, canvas);
    const auto lines = seriesLines(canvas);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points.size(), 2u);
    EXPECT_EQ(lines[1].points.size(), 2u);
}

TEST(Renderer, NotANumberIsAGapInTheLine) {
    FigureSection f = figureWith({line()});
    f.series(1).keepInsertionOrder();
    f.series(1).addPoint(0, 0, " ");
    f.series(1).addPoint(1, 1, " ");
    f.series(1).addPoint(2, std::numeric_limits<double>::quiet_NaN(), " ");
    f.series(1).addPoint(3, 0, " ");
    f.series(1).addPoint(4, 1, " ");
    RecordingCanvas canvas;
    renderFigure(f, smallSize, canvas);
    EXPECT_EQ(seriesLines(canvas).size(), 2u);
}

// Label placement: its distance above the point, below it when negative; the
// y value for an empty label; nothing for " ".
struct LabelCase {
    const char* name;
    int distance;
    const char* label;
    const char* shown;  // nullptr: nothing shown
    int rise;           // where it stands: above its point (below when negative)
};

class PointLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(PointLabel, IsPlacedAndWordedAsStated) {
    const LabelCase& c = GetParam();
    FigureAxis axis;
    axis.setRange(0, 20);
    FigureSection f = figureWith({labelled(c.distance)}, axis, axis);
    f.series(1).setLabelFont(11, colours::blue);
    f.series(1).addPoint(5, 12.5, c.label);
    RecordingCanvas canvas;
    renderFigure(f, smallSize, canvas);
    const auto path = seriesPath(f);
    ASSERT_EQ(path.size(), 0u) << "one point draws no line";
    // The marker is centred on the point.
    std::vector<RecordingCanvas::Fill> markers;
    for (const auto& fill : canvas.all<RecordingCanvas::Fill>())
        if (fill.colour == colours::red) markers.push_back(fill);
    ASSERT_EQ(markers.size(), 1u);
    const CanvasPoint point{markers[0].rect.left + markers[0].rect.width / 2,
                            markers[0].rect.top + markers[0].rect.height / 2};
    std::vector<RecordingCanvas::Text> labels;
    for (const auto& t : canvas.texts())
        if (t.font.colour == colours::blue) labels.push_back(t);
    if (!c.shown) {
        EXPECT_TRUE(labels.empty());
        return;
    }
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].text, c.shown);
    EXPECT_EQ(labels[0].font.pixelSize, 15) << "11 points at 96 per inch";
    EXPECT_TRUE(near(labels[0].at.x, point.x, 1e-9));
    EXPECT_TRUE(near(labels[0].at.y, point.y - c.rise, 1e-9));
    EXPECT_EQ(labels[0].anchor.horizontal, HorizontalAnchor::Centre);
    EXPECT_EQ(labels[0].anchor.vertical,
              c.distance >= 0 ? VerticalAnchor::Bottom : VerticalAnchor::Top);
}

INSTANTIATE_TEST_SUITE_P(Renderer, PointLabel,
                         ::testing::Values(LabelCase{"AboveThePoint", 8, "Pv", "Pv", 8},
                                           LabelCase{"NegativeDistanceBelow", -14, "q1=80.2",
                                                     "q1=80.2", -14},
                                           // Off its own mark, with the clearance.
                                           LabelCase{"AtThePoint", 0, "Ph", "Ph", 3},
                                           LabelCase{"EmptyLabelShowsY", 4, "", "12.5", 4},
                                           LabelCase{"BlankShowsNothing", 4, " ", nullptr, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Renderer, PolylineSegmentsTakeTheirPointColourAndFastPolylinesTheSeriesColour) {
    FigureSeries::Setup fast = line(colours::green, 2);
    fast.kind = SeriesKind::FastPolyline;
    FigureSection f = figureWith({line(colours::red, 2), fast});
    for (int n : {1, 2}) {
        f.series(n).keepInsertionOrder();
        f.series(n).addPoint(0, n, " ");
        f.series(n).addPoint(1, n, " ", colours::blue);
        f.series(n).addPoint(2, n, " ");
    }
    RecordingCanvas canvas;
    renderFigure(f, smallSize, canvas);
    const auto lines = seriesLines(canvas);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].pen, (Pen{colours::blue, 2})) << "segment to the blue point";
    EXPECT_EQ(lines[1].pen, (Pen{colours::red, 2}));
    EXPECT_EQ(lines[2].pen, (Pen{colours::green, 2}));
    EXPECT_EQ(lines[2].points.size(), 3u);
}

TEST(Renderer, TitleAlignmentAndGround) {
    for (auto alignment : {TitleAlignment::Centre, TitleAlignment::Left}) {
        FigureSection f = figureWith({line()}, {}, {}, "図", alignment);
        RecordingCanvas canvas;
        renderFigure(f, smallSize, canvas);
        const auto* ground = std::get_if<RecordingCanvas::Fill>(&canvas.calls().front());
        ASSERT_NE(ground, nullptr);
        EXPECT_EQ(ground->colour, colours::white);
        EXPECT_EQ(ground->rect, (CanvasRect{0, 0, 300, 200}));
        const auto title = canvas.textsEqual("図");
        ASSERT_EQ(title.size(), 1u);
        if (alignment == TitleAlignment::Left) {
            EXPECT_EQ(title[0].anchor.horizontal, HorizontalAnchor::Left);
            EXPECT_LT(title[0].at.x, 20);
        } else {
            EXPECT_EQ(title[0].anchor.horizontal, HorizontalAnchor::Centre);
            EXPECT_EQ(title[0].at.x, 150);
        }
    }
}

TEST(Renderer, AxisTitlesAndValueFormat) {
    FigureAxis vertical;
    vertical.title = "土圧(kN)";
    vertical.valueFormat = "#,##0";
    vertical.setRange(0, 3000);
    FigureAxis horizontal;
    horizontal.title = "すべり角（度）";
    horizontal.valueFormat = "0";
    horizontal.minimumLabelSpacing = 40;
    horizontal.setRange(30, 80);
    FigureSection f = figureWith({line()}, vertical, horizontal);
    RecordingCanvas canvas;
    renderFigure(f, {440, 230}, canvas);
    const auto vTitle = canvas.textsEqual("土圧(kN)");
    ASSERT_EQ(vTitle.size(), 1u);
    EXPECT_EQ(vTitle[0].angle, 90);
    EXPECT_EQ(canvas.textsEqual("すべり角（度）").size(), 1u);
    EXPECT_FALSE(canvas.textsEqual("1,000").empty());
    EXPECT_FALSE(canvas.textsEqual("3,000").empty());
    // Horizontal value labels: whole degrees, at least 40 pixels apart.
    std::vector<double> xs;
    for (const auto& t : canvas.texts()) {
        if (t.anchor.vertical != VerticalAnchor::Top ||
            t.anchor.horizontal != HorizontalAnchor::Centre)
            continue;
        if (t.text.find_first_not_of("0123456789") != std::string::npos) continue;
        xs.push_back(t.at.x);
    }
    ASSERT_GE(xs.size(), 3u);
    for (std::size_t i = 1; i < xs.size(); ++i) EXPECT_GE(xs[i] - xs[i - 1], 40);
}

TEST(Renderer, ValueFormatWithoutDecimalsNeverRepeatsALabel) {
    FigureAxis axis;
    axis.valueFormat = "#,##0";
    axis.setRange(0, 3.5);
    FigureSection f = figureWith({line()}, axis, axis);
    RecordingCanvas canvas;
    renderFigure(f, smallSize, canvas);
    std::vector<std::string> seen;
    for (const auto& t : canvas.texts())
        if (t.anchor.horizontal == HorizontalAnchor::Right) seen.push_back(t.text);
    EXPECT_EQ(seen, (std::vector<std::string>{"0", "1", "2", "3"}));
}

TEST(Renderer, LoadDiagramLegendListsTheTitledSeries) {
    CalculationBook book;
    const FigureSection& f = book.figure(FigureId::LoadDiagramFigure);
    RecordingCanvas canvas;
    renderFigure(f, figureScreenSize(FigureId::LoadDiagramFigure), canvas);
    const char* titles[] = {"擁壁", "地盤反力",  "すべり面",   "載荷重",   "地表",    "土圧",
                            "水圧", "中央1/3点", "土圧作用点", "Ph作用点", "Pv作用点"};
    for (const char* t : titles)
        EXPECT_EQ(canvas.textsEqual(t).size(), std::string(t) == "中央1/3点" ? 2u : 1u) << t;
    // A sample line per entry in the series' colour and width, top to bottom.
    std::vector<RecordingCanvas::Polyline> samples;
    for (const auto& p : canvas.polylines())
        if (!p.clipped && p.points.size() == 2 && p.points[0].y == p.points[1].y &&
            p.points[1].x - p.points[0].x == 24)
            samples.push_back(p);
    ASSERT_EQ(samples.size(), 12u);
    EXPECT_EQ(samples[0].pen, (Pen{colours::black, 2}));
    EXPECT_EQ(samples[1].pen.colour, (Rgb{128, 0, 255}));
    for (std::size_t i = 1; i < samples.size(); ++i)
        EXPECT_GT(samples[i].points[0].y, samples[i - 1].points[0].y);
    // Other figures have no legend.
    RecordingCanvas other;
    renderFigure(book.figure(FigureId::AnchorageFigureL1),
                 figureScreenSize(FigureId::AnchorageFigureL1), other);
    EXPECT_TRUE(other.textsEqual("必要鉄筋量").empty());
}

TEST(Renderer, LabelOnlySeriesDrawsNoLineAndAxesCanBeHidden) {
    FigureSection f = figureWith({labelled(0)});
    f.series(1).addPoint(0, 0, "A");
    f.series(1).addPoint(1, 1, "B");
    FigureRenderOptions options;
    options.labelOnlySeries = {1};
    options.axesShown = false;
    RecordingCanvas canvas;
    renderFigure(f, smallSize, canvas, options);
    EXPECT_TRUE(seriesLines(canvas).empty());
    for (const auto& fill : canvas.all<RecordingCanvas::Fill>())
        EXPECT_EQ(fill.colour, colours::white) << "no markers";
    EXPECT_EQ(canvas.textsEqual("A").size(), 1u);
    EXPECT_EQ(canvas.texts().size(), 3u) << "title and the two labels, no value labels";
}

TEST(Renderer, ScreenSizesFitTheResultsWindow) {
    for (std::size_t i = 0; i < figureSectionCount; ++i) {
        const FigureSize s = figureScreenSize(static_cast<FigureId>(i));
        EXPECT_GT(s.width, 100);
        EXPECT_LE(s.width, 891);
        EXPECT_GT(s.height, 100);
        EXPECT_LE(s.height, 553 - 2 * 25) << "below the page tabs and sub-tabs";
    }
}

}  // namespace
}  // namespace marvoten

namespace marvoten {
namespace {

// The slip-angle curve runs in radians; its axis reads the points' degree labels.
TEST(Renderer, SlipAngleAxisShowsThePointLabelsKeptApart) {
    CalculationBook book;
    FigureSection& f = book.figure(FigureId::EarthPressureFigure);
    for (int i = 0; i < 20; ++i) {
        const double omega = 0.5 + 0.05 * i;
        f.series(1).addPoint(omega, 100 - 50 * (omega - 1) * (omega - 1),
                             formatValue("0", omega * 180 / 3.14159265358979), colours::blue);
    }
    RecordingCanvas canvas;
    renderFigure(f, figureScreenSize(FigureId::EarthPressureFigure), canvas,
                 figureRenderOptions(FigureId::EarthPressureFigure));
    std::vector<RecordingCanvas::Text> axis;
    for (const auto& t : canvas.texts())
        if (t.anchor.horizontal == HorizontalAnchor::Centre &&
            t.anchor.vertical == VerticalAnchor::Top && t.angle == 0 && t.text != f.title())
            axis.push_back(t);
    ASSERT_GE(axis.size(), 4u);
    EXPECT_EQ(axis[0].text, "29") << "0.5 rad";
    for (std::size_t i = 1; i < axis.size(); ++i) {
        EXPECT_GE(axis[i].at.x - axis[i - 1].at.x, 40);
        EXPECT_LT(axis[i].at.x - axis[i - 1].at.x, 80) << "no label dropped that would fit";
    }
    EXPECT_TRUE(canvas.textsEqual("1").empty()) << "no radian values";
}

}  // namespace
}  // namespace marvoten
