// Every figure and every PDF page of whole runs of several designs: no text prints
// over another and none leaves its frame. Boxes are measured as the writers
// measure them: the figure renderer's textWidth and font size through the
// recording canvas, the PDF writer's own TextWidth on the page.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

#include "figure_designs.h"
#include "figure_test_tools.h"
#include "output/figure_files.h"
#include "output/figure_renderer.h"
#include "output/page_renderer.h"
#include "output/pdf_book.h"
#include "output/pdf_book_blocks.h"
#include "output/printed_pages.h"
#include "output/recording_canvas.h"
#include "output/wmf_canvas.h"
#include "pdf_book_stream_reader.h"
#include "wmf_file_reader.h"

namespace marvoten {
namespace {

using testing::FigureDesign;

bool overlap(const CanvasRect& a, const CanvasRect& b) {
    return std::min(a.right(), b.right()) - std::max(a.left, b.left) > 1e-6 &&
           std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top) > 1e-6;
}

bool inside(const CanvasRect& r, const CanvasRect& frame) {
    const double e = 1e-6;
    return r.left >= frame.left - e && r.top >= frame.top - e && r.right() <= frame.right() + e &&
           r.bottom() <= frame.bottom() + e;
}

std::string describe(const std::string& text, const CanvasRect& r) {
    std::ostringstream o;
    o << "\"" << text << "\" at (" << r.left << ", " << r.top << ") " << r.width << " x "
      << r.height;
    return o.str();
}

struct Placed {
    std::string text;
    CanvasRect box;
};

// Every pair of texts that print over each other, one line each.
std::string overprints(const std::vector<Placed>& texts) {
    std::string found;
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (overlap(texts[i].box, texts[j].box))
                found += describe(texts[j].text, texts[j].box) + " under " +
                         describe(texts[i].text, texts[i].box) + "\n";
    return found;
}

class LegibleBook : public ::testing::TestWithParam<FigureDesign> {
protected:
    static void SetUpTestSuite() {
        books = new std::vector<CalculationBook>;
        for (const FigureDesign& d : testing::figureDesigns())
            books->push_back(testing::designBook(d));
    }
    static void TearDownTestSuite() { delete books; }
    const CalculationBook& book() const {
        const auto& all = testing::figureDesigns();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (std::string(all[i].name) == GetParam().name) return (*books)[i];
        throw std::logic_error("no such design");
    }
    bool hasShearKey() const { return testing::enteredConditions(GetParam()).hasShearKey == 1; }

    static std::vector<CalculationBook>* books;
};
std::vector<CalculationBook>* LegibleBook::books = nullptr;

// The point labels follow the series (whose lines end by resetting the clip to the
// plot) and come before the legend's box.
std::vector<RecordingCanvas::Text> pointLabels(const RecordingCanvas& canvas, CanvasRect& plot) {
    std::vector<RecordingCanvas::Text> labels;
    bool afterSeries = false;
    for (const auto& call : canvas.calls()) {
        if (const auto* clip = std::get_if<RecordingCanvas::Clip>(&call)) {
            if (clip->set) plot = clip->rect;
            labels.clear();
            afterSeries = !clip->set;
        } else if (std::holds_alternative<RecordingCanvas::Fill>(call) && afterSeries) {
            afterSeries = false;
        } else if (const auto* t = std::get_if<RecordingCanvas::Text>(&call); t && afterSeries) {
            labels.push_back(*t);
        }
    }
    return labels;
}

TEST_P(LegibleBook, NoFigureTextPrintsOverAnotherOrLeavesItsFrame) {
    int labelsSeen = 0;
    for (std::size_t i = 0; i < figureSectionCount; ++i) {
        const auto id = static_cast<FigureId>(i);
        const FigureSection& figure = book().figure(id);
        const FigureSize size = figureScreenSize(id);
        RecordingCanvas canvas;
        renderFigure(figure, size, canvas, figureRenderOptions(id));
        std::vector<Placed> texts;
        const CanvasRect whole{0, 0, double(size.width), double(size.height)};
        for (const auto& t : canvas.texts()) {
            texts.push_back({t.text, RecordingCanvas::box(t)});
            EXPECT_TRUE(inside(texts.back().box, whole))
                << figure.name() << ": " << describe(t.text, texts.back().box) << " leaves the "
                << size.width << " x " << size.height << " picture";
        }
        const std::string over = overprints(texts);
        EXPECT_TRUE(over.empty()) << figure.name() << ":\n" << over;
        CanvasRect plot;
        for (const auto& t : pointLabels(canvas, plot)) {
            ++labelsSeen;
            EXPECT_TRUE(inside(RecordingCanvas::box(t), plot))
                << figure.name() << ": " << describe(t.text, RecordingCanvas::box(t))
                << " leaves the plot frame " << describe("", plot);
        }
    }
    EXPECT_GT(labelsSeen, 20) << "the figures of a whole run carry their labels";
}

bool holdsDigit(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What a figure draws that can run through a text: every line but the light grid,
// and the point markers (the small fills drawn inside the plot's clip).
struct Strokes {
    std::vector<std::vector<CanvasPoint>> lines;
    std::vector<CanvasRect> marks;
};

constexpr Rgb lightGrid{192, 192, 192};

// The number texts that a stroke runs through, one line each. The box is the text's
// em box less half a pixel on every side, so a line that only grazes it is no fault.
std::string numbersCrossed(const std::vector<Placed>& texts, const Strokes& strokes) {
    std::string found;
    for (const Placed& t : texts) {
        if (!holdsDigit(t.text)) continue;
        const CanvasRect box = grown(t.box, -0.5);
        bool crossed = false;
        for (const auto& line : strokes.lines)
            for (std::size_t k = 1; k < line.size() && !crossed; ++k)
                crossed = crossesInterior(line[k - 1], line[k], box);
        for (const CanvasRect& m : strokes.marks) crossed = crossed || overlapArea(m, box) > 0;
        if (crossed) found += describe(t.text, t.box) + "\n";
    }
    return found;
}

Strokes recordedStrokes(const RecordingCanvas& canvas) {
    Strokes strokes;
    bool clipped = false;
    for (const auto& call : canvas.calls()) {
        if (const auto* clip = std::get_if<RecordingCanvas::Clip>(&call)) clipped = clip->set;
        if (const auto* line = std::get_if<RecordingCanvas::Polyline>(&call);
            line && line->pen.colour != lightGrid)
            strokes.lines.push_back(line->points);
        if (const auto* fill = std::get_if<RecordingCanvas::Fill>(&call); fill && clipped)
            strokes.marks.push_back(fill->rect);
    }
    return strokes;
}

// The texts and strokes of an SVG figure file: <text> placed on its baseline by its
// anchor, <polyline> but the light grid, and the point marks (<rect> inside a clip
// group). Upright texts (the vertical axis title) are left to the recording canvas.
void svgDrawing(const std::string& svg, std::vector<Placed>& texts, Strokes& strokes) {
    const std::regex polyline(R"re(<polyline[^>]*stroke="([^"]*)"[^>]*points="([^"]*)")re");
    const std::regex point(R"re((-?[0-9.]+),(-?[0-9.]+))re");
    for (std::sregex_iterator it(svg.begin(), svg.end(), polyline), end; it != end; ++it) {
        if ((*it)[1] == "#c0c0c0") continue;
        const std::string list = (*it)[2];
        std::vector<CanvasPoint> points;
        for (std::sregex_iterator p(list.begin(), list.end(), point); p != end; ++p)
            points.push_back({std::stod((*p)[1]), std::stod((*p)[2])});
        strokes.lines.push_back(points);
    }
    const std::regex clipped(R"re(<g clip-path[^>]*>([\s\S]*?)</g>)re");
    const std::regex mark(
        R"re(<rect x="([-0-9.]+)" y="([-0-9.]+)" width="([0-9.]+)" height="([0-9.]+)")re");
    for (std::sregex_iterator g(svg.begin(), svg.end(), clipped), end; g != end; ++g) {
        const std::string group = (*g)[1];
        for (std::sregex_iterator m(group.begin(), group.end(), mark); m != end; ++m)
            strokes.marks.push_back(
                {std::stod((*m)[1]), std::stod((*m)[2]), std::stod((*m)[3]), std::stod((*m)[4])});
    }
    const std::regex text(
        R"re(<text x="([-0-9.]+)" y="([-0-9.]+)"( transform="[^"]*")? font-family="[^"]*" font-size="([0-9.]+)"[^>]*text-anchor="(\w+)"[^>]*>([^<]*)</text>)re");
    for (std::sregex_iterator it(svg.begin(), svg.end(), text), end; it != end; ++it) {
        const auto& m = *it;
        if (m[3].matched) continue;
        const double size = std::stod(m[4]);
        const std::string content = m[6];
        const double width = textWidth(content, size);
        const double along = m[5] == "start" ? 0 : m[5] == "middle" ? width / 2 : width;
        texts.push_back(
            {content, {std::stod(m[1]) - along, std::stod(m[2]) - fontAscent * size, width, size}});
    }
}

// "23.81kN/m2" with the base line through it reads "23.01kN/m2": in every figure of
// the book, on the recording canvas and in its SVG file, and on every printed page
// (tables and text frames among them), no line but the light grid and no point mark
// runs through a text that holds a digit.
TEST_P(LegibleBook, NoLineRunsThroughANumberOfAFigure) {
    int numbersSeen = 0;
    auto check = [&](const std::string& where, const std::vector<Placed>& texts,
                     const Strokes& strokes) {
        for (const Placed& t : texts) numbersSeen += holdsDigit(t.text) ? 1 : 0;
        const std::string crossed = numbersCrossed(texts, strokes);
        EXPECT_TRUE(crossed.empty()) << where << ", lines run through:\n" << crossed;
    };
    auto recorded = [&](const std::string& where, const RecordingCanvas& canvas) {
        std::vector<Placed> texts;
        for (const auto& t : canvas.texts()) texts.push_back({t.text, RecordingCanvas::box(t)});
        check(where, texts, recordedStrokes(canvas));
    };
    for (std::size_t i = 0; i < figureSectionCount; ++i) {
        const auto id = static_cast<FigureId>(i);
        const FigureSection& figure = book().figure(id);
        RecordingCanvas canvas;
        renderFigure(figure, figureScreenSize(id), canvas, figureRenderOptions(id));
        recorded(figure.name(), canvas);
    }
    for (const auto& file : figureFiles(hasShearKey(), FigureFileFormat::Svg)) {
        std::vector<Placed> texts;
        Strokes strokes;
        svgDrawing(figureFileBytes(book().figure(file.figure), figureScreenSize(file.figure),
                                   FigureFileFormat::Svg, figureRenderOptions(file.figure)),
                   texts, strokes);
        check(file.name, texts, strokes);
    }
    PrintedBook printed(book());
    for (PrintedPageId page : printedBookOrder(hasShearKey())) {
        RecordingCanvas canvas;
        renderPrintedPage(printed.fill(page, book(), PrintedPageLabels{}), canvas);
        recorded("printed page " + std::to_string(static_cast<int>(page)), canvas);
    }
    EXPECT_GT(numbersSeen, 300) << "the figures of a whole run carry their numbers";
}

// With buoyancy each toe-slab table has two rows more than its layout was drawn for;
// its last rows lay under the white ground of the table beneath it.
TEST_P(LegibleBook, NoPrintedFrameCoversAnother) {
    PrintedBook printed(book());
    for (PrintedPageId id : printedBookOrder(hasShearKey())) {
        const PrintedPage& page = printed.fill(id, book(), PrintedPageLabels{});
        for (std::size_t i = 0; i < page.figures.size(); ++i)
            for (std::size_t j = 0; j < i; ++j) {
                const CanvasRect a = frameRect(page.figures[i].frame);
                const CanvasRect b = frameRect(page.figures[j].frame);
                EXPECT_FALSE(overlap(a, b)) << "printed page " << static_cast<int>(id) << ": "
                                            << describe("", a) << " over " << describe("", b);
            }
        for (const auto& f : page.figures)
            EXPECT_LE(frameRect(f.frame).bottom(), printedPageHeight - 20)
                << "printed page " << static_cast<int>(id) << ": a frame leaves the paper";
    }
}

// The page's texts, each as the PDF writer measures it at its size.
std::vector<Placed> pageTexts(const testing::PageDrawing& page) {
    TPDFMaker measure([] { return std::string("20261211000000"); });
    TPDFMemoryStream memory;
    measure.BeginDoc(&memory);
    TPDFContents& c = measure.Canvas();
    c.fontId = kPdfBookFontId;
    std::vector<Placed> texts;
    for (const auto& t : page.texts) {
        c.fontSize = t.size;
        const double w = pdfTextWidth(c, t.text);
        // Page y upwards: the em box from 0.12 of the size below the baseline.
        texts.push_back({t.text, {t.x, -(t.y + fontAscent * t.size), w, t.size}});
    }
    return texts;
}

TEST_P(LegibleBook, NoPdfTextPrintsOverAnotherOrLeavesThePageFrame) {
    const std::string bytes =
        pdfBookBytes(book(), GetParam().name, hasShearKey(), [] { return std::string(); });
    const auto pages = testing::readPages(bytes);
    ASSERT_GE(pages.size(), 12u);
    // The frame from (45, 817) to (571, 28), in the boxes' downward y.
    const CanvasRect frame{kPdfFrameLeft, -kPdfFrameTop, kPdfFrameRight - kPdfFrameLeft,
                           kPdfFrameTop - kPdfFrameBottom};
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::vector<Placed> texts;
        for (const Placed& t : pageTexts(pages[p])) {
            if (t.text.rfind("Page: ", 0) == 0) continue;  // the footer, under the frame
            texts.push_back(t);
            EXPECT_TRUE(inside(t.box, frame))
                << "page " << p << ": " << describe(t.text, t.box) << " crosses the page frame";
        }
        const std::string over = overprints(texts);
        EXPECT_TRUE(over.empty()) << "page " << p << ":\n" << over;
    }
}

// Every coordinate a metafile draws lies inside its picture: polylines, filled
// rectangles and text positions. The lines of the wall, load and reaction figures
// ran to x = 1,426 in a 560-wide picture and relied on the clip.
TEST_P(LegibleBook, EveryMetafileDrawsInsideItsPicture) {
    for (const auto& file : figureFiles(true, FigureFileFormat::Metafile)) {
        const FigureSize size = figureScreenSize(file.figure);
        const auto wmf = testing::readWmf(figureFileBytes(book().figure(file.figure), size,
                                                          FigureFileFormat::Metafile,
                                                          figureRenderOptions(file.figure)));
        ASSERT_TRUE(wmf.ok()) << file.name;
        auto inPicture = [&](int x, int y) {
            return x >= 0 && y >= 0 && x <= size.width && y <= size.height;
        };
        ASSERT_FALSE(wmf.polylines.empty()) << file.name;
        for (const auto& line : wmf.polylines)
            for (const auto& [x, y] : line.points)
                EXPECT_TRUE(inPicture(x, y)) << file.name << ": line to (" << x << ", " << y << ")";
        for (const auto& r : wmf.records)
            if (r.function == wmf::Rectangle)
                EXPECT_TRUE(inPicture(r.words[3], r.words[2]) && inPicture(r.words[1], r.words[0]))
                    << file.name << ": rectangle to (" << r.words[1] << ", " << r.words[0] << ")";
        for (const auto& t : wmf.texts)
            EXPECT_TRUE(inPicture(t.x, t.y))
                << file.name << ": text at (" << t.x << ", " << t.y << ")";
    }
}

// libwmf sizes a picture by what it draws: the load diagram came out squeezed to a
// third of its width while its lines ran far outside the frame.
TEST(MetafileReader, ShowsTheLoadDiagramAtItsFullWidth) {
    MARVOTEN_ASSERT_INSTALLED("wmf2svg");
    const auto& design = testing::figureDesigns()[2];  // the sloped seismic backfill
    const CalculationBook book = testing::designBook(design);
    const FigureSize size = figureScreenSize(FigureId::LoadDiagramFigure);
    testing::TempFolder folder;
    const auto wmfPath = folder.path() / "load.wmf", svgPath = folder.path() / "load.svg";
    testing::writeBytes(wmfPath, figureFileBytes(book.figure(FigureId::LoadDiagramFigure), size,
                                                 FigureFileFormat::Metafile));
    ASSERT_EQ(testing::runQuietly("wmf2svg -o " + testing::shellQuoted(svgPath) + " " +
                                  testing::shellQuoted(wmfPath)),
              0);
    // The first rectangle is the figure's white ground, which covers the whole picture.
    const std::string svg = testing::readBytes(svgPath);
    std::smatch ground;
    ASSERT_TRUE(std::regex_search(
        svg, ground, std::regex(R"re(<rect x="([-0-9.]+)" y="[-0-9.]+" width="([0-9.]+)")re")));
    EXPECT_LT(std::stod(ground[1]), 0.02 * size.width);
    EXPECT_GT(std::stod(ground[2]), 0.98 * size.width);
}

// With black-and-white output every line, mark and text of every figure is black:
// in the files and on the screen (the renderer's own white ground and grey grid
// aside) and in the PDF book. The critical-angle mark of the slip-angle curve
// stayed blue in the files and green in the PDF.
TEST(BlackAndWhiteOutput, DrawsEveryFigureBlack) {
    const FigureDesign design{"BlackAndWhite", [](DesignConditionsEditor& e) {
                                  e.choose(Choice::HasShearKey, 1);
                                  e.setOption(Option::HasWater, true);
                                  e.choose(Choice::OutputColour, 1);
                              }};
    const CalculationBook book = testing::designBook(design);
    const Rgb renderersOwn[] = {colours::white, Rgb{192, 192, 192}, Rgb{128, 128, 128}};
    auto neutral = [&](Rgb c) {
        return c == colours::black || std::find(std::begin(renderersOwn), std::end(renderersOwn),
                                                c) != std::end(renderersOwn);
    };
    for (std::size_t i = 0; i < figureSectionCount; ++i) {
        const auto id = static_cast<FigureId>(i);
        RecordingCanvas canvas;
        renderFigure(book.figure(id), figureScreenSize(id), canvas, figureRenderOptions(id));
        for (const auto& p : canvas.polylines())
            EXPECT_TRUE(neutral(p.pen.colour)) << book.figure(id).name() << " line";
        for (const auto& f : canvas.all<RecordingCanvas::Fill>())
            EXPECT_TRUE(neutral(f.colour)) << book.figure(id).name() << " mark";
        for (const auto& t : canvas.texts())
            EXPECT_EQ(t.font.colour, colours::black) << book.figure(id).name() << ": " << t.text;
    }
    for (const auto& page :
         testing::readPages(pdfBookBytes(book, "", true, [] { return std::string(); })))
        for (const auto& l : page.lines) EXPECT_EQ(l.colour, "0 0 0");
}

INSTANTIATE_TEST_SUITE_P(Designs, LegibleBook, ::testing::ValuesIn(testing::figureDesigns()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace marvoten
