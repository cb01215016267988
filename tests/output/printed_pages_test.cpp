#include "output/printed_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

#include "output/figure_test_tools.h"
#include "output/page_renderer.h"
#include "output/pdf_book_test_book.h"
#include "output/recording_canvas.h"
#include "support/recorded_calls.h"

namespace marvoten {
namespace {

using P = PrintedPageId;

const std::vector<PrintedPageId> everyPage{
    P::Contents,  P::Conditions,      P::StabilityLoads, P::SlabLoads,  P::EarthPressure,
    P::Stability, P::UltimateBearing, P::LoadDiagram,    P::StemForces, P::StemStress,
    P::Anchorage, P::ToeSlab,         P::ShearKey};

class PrintedPages : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        keyBook_ = new CalculationBook(
            testing::representativeBook(testing::wallWithShearKey(), "突起あり"));
    }
    static void TearDownTestSuite() {
        delete keyBook_;
        keyBook_ = nullptr;
    }
    static const CalculationBook& keyBook() { return *keyBook_; }

    static RecordingCanvas rendered(const PrintedPage& page) {
        RecordingCanvas canvas;
        renderPrintedPage(page, canvas);
        return canvas;
    }

private:
    static CalculationBook* keyBook_;
};
CalculationBook* PrintedPages::keyBook_ = nullptr;

TEST(PrintedBookOrder, ContentsAndTheResultPagesTheKeyPageOnlyWithAKey) {
    EXPECT_EQ(printedBookOrder(true), everyPage);
    std::vector<PrintedPageId> withoutKey(everyPage.begin(), everyPage.end() - 1);
    EXPECT_EQ(printedBookOrder(false), withoutKey);
}

// Every non-empty line of a block is drawn unchanged, one line under the other
// at the frame's font height, from the frame's corner.
TEST_F(PrintedPages, TextFramesKeepEveryLineOfTheirBlock) {
    PrintedBook printed(keyBook());
    std::size_t framesSeen = 0;
    for (PrintedPageId id : everyPage) {
        const PrintedPage& page = printed.fill(id, keyBook(), PrintedPageLabels{});
        const RecordingCanvas canvas = rendered(page);
        std::map<std::pair<double, double>, RecordingCanvas::Text> textAt;
        for (const auto& t : canvas.texts()) textAt.insert({{t.at.x, t.at.y}, t});
        for (const PrintedTextFrame& t : page.texts) {
            const TextBlock& block = keyBook().text(t.source).block(t.block);
            ASSERT_GT(block.lineCount(), 0u) << keyBook().sectionName(t.source);
            EXPECT_EQ(t.frame.lines, block.lines());
            const int px = std::abs(t.frame.fontHeight);
            EXPECT_EQ(t.frame.height, px * int(block.lineCount() + 2));
            for (std::size_t i = 0; i < block.lineCount(); ++i) {
                if (block.line(i).empty()) continue;
                const auto found = textAt.find({t.frame.left, t.frame.top + double(i) * px});
                ASSERT_NE(found, textAt.end())
                    << keyBook().sectionName(t.source) << " line " << i << ": " << block.line(i);
                EXPECT_EQ(found->second.text, block.line(i));
                EXPECT_EQ(found->second.font.pixelSize, px);
                EXPECT_EQ(found->second.font.face, FontFace::Mincho);
            }
            ++framesSeen;
        }
    }
    EXPECT_EQ(framesSeen, 21u);
}

// The printed figures differ from the book's set-up only where the page says so.
TEST_F(PrintedPages, FiguresTakeTheBookSeriesInNumberOrderAndKind) {
    PrintedBook printed(keyBook());
    const std::set<std::pair<FigureId, int>> fastOnPaper{{FigureId::EarthPressureFigure, 2}};
    std::size_t figuresSeen = 0;
    for (PrintedPageId id : everyPage) {
        for (const PrintedFigureFrame& f : printed.fill(id, keyBook(), {}).figures) {
            const auto* figureId = std::get_if<FigureId>(&f.source);
            if (!figureId) continue;
            const FigureSection& book = keyBook().figure(*figureId);
            ASSERT_EQ(f.frame.seriesCount(), book.seriesCount()) << book.name();
            for (int n = 1; n <= book.seriesCount(); ++n) {
                const FigureSeries& from = book.series(n);
                const FigureSeries& to = f.frame.seriesAt(n);
                const SeriesKind expected =
                    fastOnPaper.count({*figureId, n}) ? SeriesKind::FastPolyline : from.kind();
                EXPECT_EQ(to.kind(), expected) << book.name() << " series " << n;
                EXPECT_EQ(to.colour(), from.colour()) << book.name() << " series " << n;
                ASSERT_EQ(to.pointCount(), from.pointCount()) << book.name() << " series " << n;
                for (std::size_t k = 0; k < from.pointCount(); ++k) {
                    EXPECT_EQ(to.points()[k].x, from.points()[k].x);
                    EXPECT_EQ(to.points()[k].y, from.points()[k].y);
                    EXPECT_EQ(to.points()[k].label, from.points()[k].label);
                }
            }
            ++figuresSeen;
        }
    }
    EXPECT_EQ(figuresSeen, 11u);
}

// Drawn on the page, each figure's series come out as lines in the book's order,
// with point markers on polylines and none on fast polylines.
TEST_F(PrintedPages, FigureSeriesAreDrawnInTheBookOrderOnTheirFrame) {
    CalculationBook book;
    testing::fillFiguresPlausibly(book);
    auto seriesColour = [](std::size_t figure, int n) {
        return Rgb{1, std::uint8_t(10 + figure), std::uint8_t(n)};
    };
    for (std::size_t i = 0; i < figureSectionCount; ++i)
        for (int n = 1; n <= book.figure(FigureId(i)).seriesCount(); ++n)
            book.figure(FigureId(i)).series(n).setColour(seriesColour(i, n));
    PrintedBook printed(book);
    std::size_t figuresSeen = 0;
    for (PrintedPageId id : everyPage) {
        const PrintedPage& page = printed.fill(id, book, {});
        const RecordingCanvas canvas = rendered(page);
        for (const PrintedFigureFrame& f : page.figures) {
            const auto* figureId = std::get_if<FigureId>(&f.source);
            if (!figureId) continue;
            ++figuresSeen;
            const std::size_t fi = std::size_t(*figureId);
            const CanvasRect rect = frameRect(f.frame);
            std::vector<int> order;
            for (const auto& line : canvas.polylines()) {
                if (!rect.contains(line.points.front())) continue;
                for (int n = 1; n <= f.frame.seriesCount(); ++n)
                    if (line.pen.colour == seriesColour(fi, n) &&
                        std::find(order.begin(), order.end(), n) == order.end())
                        order.push_back(n);
            }
            std::vector<int> expected(std::size_t(f.frame.seriesCount()));
            for (int n = 1; n <= f.frame.seriesCount(); ++n) expected[std::size_t(n - 1)] = n;
            EXPECT_EQ(order, expected) << book.figure(*figureId).name();
            for (int n = 1; n <= f.frame.seriesCount(); ++n) {
                std::size_t markers = 0;
                for (const auto& fill : canvas.all<RecordingCanvas::Fill>())
                    if (fill.colour == seriesColour(fi, n) && fill.rect.width == 3) ++markers;
                const bool fast = f.frame.seriesAt(n).kind() == SeriesKind::FastPolyline;
                EXPECT_EQ(markers, fast ? 0u : f.frame.seriesAt(n).pointCount())
                    << book.figure(*figureId).name() << " series " << n;
            }
        }
    }
    EXPECT_EQ(figuresSeen, 11u);
}

// Where paper differs from the screen: a wider slab outline, the critical slip
// angle as a plain line, the load diagram's water pressure without labels and
// its resultant named in the legend.
TEST_F(PrintedPages, PrintedFiguresDifferWhereThePageSaysSo) {
    PrintedBook printed(keyBook());
    auto frameOf = [&](PrintedPageId page, FigureId id) -> const ReportFigure& {
        for (const PrintedFigureFrame& f : printed.page(page).figures)
            if (f.source == std::variant<FigureId, TableId>(id)) return f.frame;
        throw std::logic_error("no such frame");
    };
    const ReportFigure& slab = frameOf(P::SlabLoads, FigureId::SlabLoadFigure);
    EXPECT_EQ(keyBook().figure(FigureId::SlabLoadFigure).series(3).lineWidth(), 1);
    EXPECT_EQ(slab.seriesAt(3).lineWidth(), 2);
    const ReportFigure& slip = frameOf(P::EarthPressure, FigureId::EarthPressureFigure);
    EXPECT_FALSE(slip.seriesAt(2).labelsShown());
    EXPECT_EQ(slip.horizontalLabelsFromSeries, 1);
    const ReportFigure& loads = frameOf(P::LoadDiagram, FigureId::LoadDiagramFigure);
    EXPECT_TRUE(loads.legendShown);
    EXPECT_TRUE(keyBook().figure(FigureId::LoadDiagramFigure).series(7).labelsShown());
    EXPECT_FALSE(loads.seriesAt(7).labelsShown());
    EXPECT_EQ(loads.seriesAt(10).legendTitle(), "合力作用点");
    EXPECT_EQ(loads.seriesAt(11).legendTitle(), "Ph作用点");
    const ReportFigure& l1 = frameOf(P::Anchorage, FigureId::AnchorageFigureL1);
    EXPECT_EQ(l1.title, "L1（高さ～必要鉄筋量）");
    EXPECT_EQ(l1.horizontal.title, "×10 必要鉄筋量(mm2)");
    EXPECT_TRUE(l1.vertical.inverted) << "height runs downwards";
    EXPECT_FALSE(frameOf(P::Stability, FigureId::GroundReactionFigure).legendShown);
}

// The correction-factor tables need 34 pixels for their two rows; the page
// gives each 50 whatever that drawing needed. Other tables keep their height.
TEST_F(PrintedPages, CorrectionTablesEndFiftyPixelsHigh) {
    struct Case {
        PrintedPageId page;
        TableId table;
        int drawnHeight;
        int height;
    };
    const Case cases[] = {
        {P::Conditions, TableId::CeTable, 34, 50},
        {P::Conditions, TableId::CptTable, 34, 50},
        {P::Conditions, TableId::CdcTable, 34, 50},
        {P::StemForces, TableId::StemForcesTable, 5 * 14 + 14 * 12, 5 * 14 + 14 * 12},
        {P::EarthPressure, TableId::LoadListTable, 5 * 11 + 11 * 11, 5 * 11 + 11 * 11},
    };
    PrintedBook printed(keyBook());
    for (const Case& c : cases) {
        const PrintedPage& page = printed.fill(c.page, keyBook(), {});
        const auto frame = std::find_if(page.figures.begin(), page.figures.end(), [&](auto& f) {
            return f.source == std::variant<FigureId, TableId>(c.table);
        });
        ASSERT_NE(frame, page.figures.end());
        TDrawKekka drawer;
        ReportFigure alone = ReportFigure::tableFrame(0, 0, "");
        drawer.drawTableFigure(keyBook().table(c.table), alone, 1, 2, 3);
        EXPECT_EQ(alone.height, c.drawnHeight) << keyBook().sectionName(c.table);
        EXPECT_EQ(frame->frame.height, c.height) << keyBook().sectionName(c.table);
        // The frame's white ground on the page is as high as the frame.
        const RecordingCanvas canvas = rendered(page);
        const auto fills = canvas.all<RecordingCanvas::Fill>();
        EXPECT_TRUE(std::any_of(fills.begin(), fills.end(), [&](const auto& f) {
            return f.rect == frameRect(frame->frame) && f.colour == colours::white;
        })) << keyBook().sectionName(c.table);
        // Rules without point markers; the title above the grid, inside the frame.
        EXPECT_FALSE(std::any_of(fills.begin(), fills.end(), [&](const auto& f) {
            return f.rect.width == 3 && frameRect(frame->frame).contains({f.rect.left, f.rect.top});
        })) << keyBook().sectionName(c.table);
        const CanvasPoint titleAt{frame->frame.left + frame->frame.width / 2.0,
                                  frame->frame.top + 1.0};
        const auto title = canvas.textsEqual(frame->frame.title);
        EXPECT_TRUE(std::any_of(title.begin(), title.end(), [&](const auto& t) {
            return t.at == titleAt;
        })) << frame->frame.title;
        for (const auto& line : canvas.polylines()) {
            if (frameRect(frame->frame).contains(line.points.front())) {
                EXPECT_GT(line.points.front().y, titleAt.y + 13) << "a rule under the title";
            }
        }
    }
}

struct BandCase {
    PrintedPageId page;
    const char* title;
    double titleX;
    int titlePixels;
    const char* pageNumber;  // "" none
};

// The band texts at their places, the page number at the foot; the toe slab and
// key pages show the numbers the labels hold at the time of filling.
TEST_F(PrintedPages, TitleBandAndPageNumber) {
    const BandCase cases[] = {
        {P::Contents, "目　　次", 76 + 304, 19, ""},
        {P::Conditions, "Ⅰ．設計条件", 92, 16, "1"},
        {P::EarthPressure, "Ⅱ-3．荷重計算(土圧等)", 92, 16, "4"},
        {P::UltimateBearing, "Ⅲ-1．安定計算（極限支持力）", 92, 16, "6"},
        {P::Anchorage, "Ⅳ-1-3．構造計算：たて壁(鉄筋定着長)", 92, 16, "10"},
        {P::ToeSlab, "Ⅳ-2-1．構造計算：底版(つま先版)", 92, 16, "11"},
        {P::ShearKey, "Ⅳ-2-2．構造計算：底版(突起)", 92, 16, "12"},
    };
    PrintedBook printed(keyBook());
    for (const BandCase& c : cases) {
        const RecordingCanvas canvas = rendered(printed.fill(c.page, keyBook(), {}));
        const auto title = canvas.textsEqual(c.title);
        ASSERT_EQ(title.size(), 1u) << c.title;
        EXPECT_EQ(title[0].at, (CanvasPoint{c.titleX, 50})) << c.title;
        EXPECT_EQ(title[0].font.pixelSize, c.titlePixels) << c.title;
        std::vector<std::string> atFoot;
        for (const auto& t : canvas.texts())
            if (t.at == CanvasPoint{410, 1072}) atFoot.push_back(t.text);
        EXPECT_EQ(atFoot, *c.pageNumber ? std::vector<std::string>{c.pageNumber}
                                        : std::vector<std::string>{})
            << c.title;
    }
    const auto product =
        rendered(printed.fill(P::Conditions, keyBook(), {})).textsEqual("Marvoten Ver3.1");
    ASSERT_EQ(product.size(), 1u);
    EXPECT_EQ(product[0].at, (CanvasPoint{556, 62}));
    EXPECT_EQ(product[0].font.pixelSize, 11);

    PrintedPageLabels afterRun;
    setCalculatedPageLabels(afterRun, true);
    EXPECT_EQ(printed.fill(P::ToeSlab, keyBook(), afterRun).pageNumber->text, "P11");
    EXPECT_EQ(printed.fill(P::ShearKey, keyBook(), afterRun).pageNumber->text, "P12");
    EXPECT_EQ(printed.fill(P::StemForces, keyBook(), afterRun).pageNumber->text, "8");
}

// A page is filled afresh every time: twice from the same book it draws the same;
// from a book the next run wrote it draws that book and nothing of the last one.
TEST_F(PrintedPages, RefillingDrawsTheCurrentBookOnly) {
    PrintedBook printed(keyBook());
    for (PrintedPageId id : everyPage) {
        const auto first = testing::recordedCalls(rendered(printed.fill(id, keyBook(), {})));
        const auto second = testing::recordedCalls(rendered(printed.fill(id, keyBook(), {})));
        EXPECT_EQ(first, second) << int(id);
    }
    // The start values (no key) give other stability results than the wall with a key.
    const CalculationBook plainBook = testing::representativeBook(DesignConditions{}, "");
    const auto keyPage =
        testing::recordedCalls(rendered(printed.fill(P::Stability, keyBook(), {})));
    const RecordingCanvas refilled = rendered(printed.fill(P::Stability, plainBook, {}));
    EXPECT_NE(testing::recordedCalls(refilled), keyPage);
    const auto& plainLines = plainBook.text(TextId::SlidingText).upper().lines();
    std::size_t differing = 0;
    for (const std::string& line : keyBook().text(TextId::SlidingText).upper().lines()) {
        if (line.empty() || std::count(plainLines.begin(), plainLines.end(), line)) continue;
        EXPECT_TRUE(refilled.textsEqual(line).empty()) << line;
        ++differing;
    }
    EXPECT_GT(differing, 0u);
    for (const std::string& line : plainLines)
        if (!line.empty()) {
            EXPECT_FALSE(refilled.textsEqual(line).empty()) << line;
        }
}

}  // namespace
}  // namespace marvoten
