#include "output/page_renderer.h"

#include <cstdlib>
#include <variant>

#include "output/figure_renderer.h"

namespace marvoten {
namespace {

// Hands a frame's drawing on to the page's canvas, moved to the frame's place.
class OffsetCanvas : public Canvas {
public:
    OffsetCanvas(Canvas& page, CanvasPoint origin) : page_(page), origin_(origin) {}

    void fillRectangle(const CanvasRect& rect, Rgb colour) override {
        page_.fillRectangle(moved(rect), colour);
    }
    void polyline(const std::vector<CanvasPoint>& points, const Pen& pen) override {
        std::vector<CanvasPoint> out;
        out.reserve(points.size());
        for (const CanvasPoint& p : points) out.push_back(moved(p));
        page_.polyline(out, pen);
    }
    void text(CanvasPoint at, const std::string& utf8, const Font& font, TextAnchor anchor,
              int angleDegrees) override {
        page_.text(moved(at), utf8, font, anchor, angleDegrees);
    }
    void setClip(const CanvasRect& rect) override { page_.setClip(moved(rect)); }
    void resetClip() override { page_.resetClip(); }

private:
    CanvasPoint moved(CanvasPoint p) const { return {p.x + origin_.x, p.y + origin_.y}; }
    CanvasRect moved(const CanvasRect& r) const {
        return {r.left + origin_.x, r.top + origin_.y, r.width, r.height};
    }

    Canvas& page_;
    CanvasPoint origin_;
};

Font minchoFont(int pixels) {
    return Font{FontFace::Mincho, pixels, colours::black, false};
}

void drawPageText(const PageText& t, Canvas& canvas) {
    canvas.text(t.at, t.text, minchoFont(t.pixels), {HorizontalAnchor::Left, VerticalAnchor::Top});
}

void drawTitleBand(const PrintedPage& page, Canvas& canvas) {
    const CanvasRect& b = page.band;
    canvas.polyline({{b.left, b.top},
                     {b.right(), b.top},
                     {b.right(), b.bottom()},
                     {b.left, b.bottom()},
                     {b.left, b.top}},
                    Pen{colours::black, 1});
    drawPageText(page.title, canvas);
    if (page.productLine) drawPageText(*page.productLine, canvas);
}

// One printed line per book line, a line as high as the font; an empty line
// only takes its room.
void drawTextFrame(const ReportTextFrame& frame, Canvas& canvas) {
    const int pixels = std::abs(frame.fontHeight);
    const Font font{frame.face, pixels, colours::black, false};
    for (std::size_t i = 0; i < frame.lines.size(); ++i)
        if (!frame.lines[i].empty())
            canvas.text({double(frame.left), double(frame.top) + double(i) * pixels},
                        frame.lines[i], font, {HorizontalAnchor::Left, VerticalAnchor::Top});
}

void drawFigureFrame(const ReportFigure& frame, Canvas& canvas) {
    if (frame.width <= 0 || frame.height <= 0) return;
    OffsetCanvas moved(canvas, {double(frame.left), double(frame.top)});
    renderFigure(frame.drawing(), frame.size(), moved, frame.renderOptions());
}

// A table frame is sized for its rows alone plus a few pixels each, so its title
// takes a strip of its own at the top and the grid the rest; a chart title with
// its margins would squeeze a two-row table into half its rows' height.
constexpr int tableTitlePixels = 13;
constexpr int tableTitleStrip = tableTitlePixels + 2;

void drawTableGrid(const ReportFigure& frame, Canvas& canvas) {
    const int gridHeight = frame.height - tableTitleStrip;
    if (frame.width <= 0 || gridHeight <= 0) return;
    canvas.fillRectangle(frameRect(frame), colours::white);
    FigureDrawing grid = frame.drawing();
    grid.title = {};
    OffsetCanvas moved(canvas, {double(frame.left), double(frame.top + tableTitleStrip)});
    renderFigure(grid, {frame.width, gridHeight}, moved, frame.renderOptions());
}

void drawTableTitle(const ReportFigure& frame, Canvas& canvas) {
    canvas.text({frame.left + frame.width / 2.0, frame.top + 1.0}, frame.title,
                minchoFont(tableTitlePixels), {HorizontalAnchor::Centre, VerticalAnchor::Top});
}

bool isTable(const PrintedFigureFrame& f) {
    return std::holds_alternative<TableId>(f.source);
}

}  // namespace

CanvasRect frameRect(const ReportFigure& frame) {
    return {double(frame.left), double(frame.top), double(frame.width), double(frame.height)};
}

void renderPrintedPage(const PrintedPage& page, Canvas& canvas) {
    canvas.fillRectangle({0, 0, double(printedPageWidth), double(printedPageHeight)},
                         colours::white);
    for (const PrintedFigureFrame& f : page.figures)
        isTable(f) ? drawTableGrid(f.frame, canvas) : drawFigureFrame(f.frame, canvas);
    for (const PrintedFigureFrame& f : page.figures)
        if (isTable(f)) drawTableTitle(f.frame, canvas);
    drawTitleBand(page, canvas);
    for (const PrintedTextFrame& t : page.texts) drawTextFrame(t.frame, canvas);
    for (const PageText& label : page.labels) drawPageText(label, canvas);
    if (page.pageNumber) drawPageText(*page.pageNumber, canvas);
}

}  // namespace marvoten
