#include "output/pdf_book_figure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "output/figure_renderer_labels.h"
#include "output/pdf_book_blocks.h"

namespace marvoten {
namespace {

constexpr double kNarrowestRange = 1e-10;
constexpr double kLabelSpacing = 1;  // points between two point labels

struct PagePoint {
    double x = 0;
    double y = 0;
    bool drawable() const { return std::isfinite(x) && std::isfinite(y); }
};

// Page coordinates of the figure's data within the frame L, T, R, B.
class FigureMapping {
public:
    FigureMapping(const FigureSection& figure, PdfFigureMode mode, double L, double T, double R,
                  double B)
        : h_(pdfAxisRange(figure, true)),
          v_(pdfAxisRange(figure, false)),
          logarithmic_(figure.verticalAxis().logarithmic && v_.minimum > 0),
          mode_(mode),
          L_(L),
          T_(T),
          B_(B),
          width_(R - L),
          height_(T - B) {}

    PagePoint operator()(const FigurePoint& p) const {
        const double px = L_ + (p.x - h_.minimum) * width_ / (h_.maximum - h_.minimum);
        const double dy = height_ * share(p.y);
        return {px, mode_ == PdfFigureMode::Upwards ? B_ + dy : T_ - dy};
    }

private:
    // How far up the vertical range a value lies (0 at the minimum, 1 at the
    // maximum); on a logarithmic axis by decades, and none for a value <= 0.
    double share(double y) const {
        if (!logarithmic_) return (y - v_.minimum) / (v_.maximum - v_.minimum);
        if (!(y > 0)) return std::numeric_limits<double>::quiet_NaN();
        return (std::log10(y) - std::log10(v_.minimum)) /
               (std::log10(v_.maximum) - std::log10(v_.minimum));
    }

    PdfAxisRange h_;
    PdfAxisRange v_;
    bool logarithmic_;
    PdfFigureMode mode_;
    double L_, T_, B_, width_, height_;
};

TPDFColor pdfColour(Rgb rgb) {
    return TPDFColor{rgb.r, rgb.g, rgb.b};
}

bool drawnLabel(const std::string& label) {
    return !label.empty() && label != " ";
}

void drawPolyline(TPDFContents& c, const std::vector<PagePoint>& points) {
    for (std::size_t i = 1; i < points.size(); ++i) {
        const PagePoint& a = points[i - 1];
        const PagePoint& b = points[i];
        if (a.drawable() && b.drawable()) c.DrawLine(a.x, a.y, b.x, b.y);
    }
}

// The points in the placement's coordinates (y downwards: the page's y negated).
std::vector<std::optional<CanvasPoint>> placementPoints(const std::vector<PagePoint>& at) {
    std::vector<std::optional<CanvasPoint>> flipped;
    for (const PagePoint& p : at)
        flipped.push_back(p.drawable() ? std::optional(CanvasPoint{p.x, -p.y}) : std::nullopt);
    return flipped;
}

// The em box of a label set on the baseline at (x, y), in the placement's
// coordinates (y downwards: the page's y negated).
CanvasRect labelBox(double x, double baseline, double width, double size) {
    return {x, -(baseline + fontAscent * size), width, size};
}

// The first label sits 2 points above its point. A later label that would run into
// its neighbour's (the two points closer than half the label's width) is lifted by
// 8 points, unless the label drawn before it was lifted already: alternating keeps
// a dense row of labels readable without climbing out of the figure. A label on an
// upright dimension line stands beside it instead. The placement step then keeps
// every label clear of the others, of its own dimension line and of the frame.
void collectLabels(TPDFContents& c, const FigureSeries& series, const std::vector<PagePoint>& at,
                   const CanvasRect& frame, std::vector<LabelRequest>& requests,
                   std::vector<std::string>& labels) {
    const auto flipped = placementPoints(at);
    bool raised = false;
    for (std::size_t i = 0; i < at.size(); ++i) {
        const std::string& label = series.points()[i].label;
        if (!drawnLabel(label) || !at[i].drawable()) continue;
        const double width = pdfTextWidth(c, label);
        const double size = c.fontSize;
        double lift = 2;
        if (i > 0) {
            const PagePoint& prev = at[i - 1];
            const double distance = std::hypot(at[i].x - prev.x, at[i].y - prev.y);
            const bool crowded = at[i].x != prev.x && 2 * distance < width;
            lift = crowded && !raised ? 8 : 1;
            raised = lift == 8;
        }
        if (!grown(frame, 0.5).contains(*flipped[i])) continue;
        LabelRequest r;
        r.point = *flipped[i];
        r.box = labelBox(at[i].x - width / 2, at[i].y + lift, width, size);
        r.dimensionLine = dimensionLineAt(flipped, i);
        r.outline = closedOutline(flipped);
        if (r.dimensionLine && runsUpright(*r.dimensionLine))
            r.box = dimensionLabelBox(*r.dimensionLine, r.point, width, size,
                                      series.labelDistance() < 0 ? -2 : 2);
        requests.push_back(std::move(r));
        labels.push_back(label);
    }
}

constexpr double kFigureFontSize = 8;
constexpr double kTitleRise = 3;        // the title's baseline above the frame
constexpr double kAxisTitleDrop = 10;   // the horizontal-axis title's baseline below it
constexpr double kAxisTitleOffset = 2;  // the vertical-axis title right of the frame

struct VerticalTitle {
    double x = 0, y = 0;
    bool beside = true;
};

// Right of the frame, halfway up, where it fits inside the page frame; else over
// the frame's right end on the title's line ("高さ(m)" beside the anchorage
// figures ran across the page frame).
VerticalTitle verticalTitle(TPDFContents& c, const FigureSection& figure, double R, double T,
                            double B) {
    const double width = pdfTextWidth(c, figure.verticalAxis().title);
    if (R + kAxisTitleOffset + width <= kPdfFrameRight - 1)
        return {R + kAxisTitleOffset, (B + T) / 2, true};
    return {R - width, T + kTitleRise, false};
}

}  // namespace

PdfFigureExtent pdfFigureExtent(TPDFContents& c, const FigureSection& figure, double dx,
                                double width) {
    c.fontSize = kFigureFontSize;
    const double R = kPdfFrameLeft + dx + width;
    const VerticalTitle v = verticalTitle(c, figure, R, kPdfFrameTop, kPdfFrameTop);
    const bool titled =
        !figure.title().empty() || (!v.beside && !figure.verticalAxis().title.empty());
    PdfFigureExtent e;
    e.above = titled ? kTitleRise + fontAscent * kFigureFontSize : 0;
    e.below = figure.horizontalAxis().title.empty()
                  ? 0
                  : kAxisTitleDrop + (1 - fontAscent) * kFigureFontSize;
    e.width = width;
    if (v.beside && !figure.verticalAxis().title.empty())
        e.width += kAxisTitleOffset + pdfTextWidth(c, figure.verticalAxis().title);
    return e;
}

PdfAxisRange pdfAxisRange(const FigureSection& figure, bool horizontal) {
    const FigureAxis& axis = horizontal ? figure.horizontalAxis() : figure.verticalAxis();
    PdfAxisRange range{axis.minimum, axis.maximum};
    if (axis.automatic) {
        bool any = false;
        for (const FigureSeries& series : figure.allSeries()) {
            for (const FigurePoint& p : series.points()) {
                const double v = horizontal ? p.x : p.y;
                if (!std::isfinite(v) || (axis.logarithmic && v <= 0)) continue;
                range.minimum = any ? std::min(range.minimum, v) : v;
                range.maximum = any ? std::max(range.maximum, v) : v;
                any = true;
            }
        }
        if (!any) range = {};
    }
    if (!(range.maximum - range.minimum >= kNarrowestRange))
        range.maximum = range.minimum + kNarrowestRange;
    return range;
}

void pdfFigure(TPDFContents& c, PdfFigureMode mode, const FigureSection& figure, double dx,
               double dy, double width, double height) {
    const double L = kPdfFrameLeft + dx;
    const double T = kPdfFrameTop - dy;
    const double R = L + width;
    const double B = T - height;

    c.fontSize = kFigureFontSize;
    c.lineWidth = 0.75;
    pdfText(c, figure.title(), L, T + kTitleRise);
    const std::string& hTitle = figure.horizontalAxis().title;
    pdfText(c, hTitle, (L + R) / 2 - pdfTextWidth(c, hTitle) / 2, B - kAxisTitleDrop);
    const VerticalTitle v = verticalTitle(c, figure, R, T, B);
    pdfText(c, figure.verticalAxis().title, v.x, v.y);

    c.strokeColor = TPDFColor{};
    c.DrawRect(true, L, T, R, B);

    c.lineWidth = 0.2;
    const FigureMapping map(figure, mode, L, T, R, B);
    std::vector<std::vector<PagePoint>> mapped;
    for (const FigureSeries& series : figure.allSeries()) {
        std::vector<PagePoint> points;
        if (series.pointCount() >= 2)
            for (const FigurePoint& p : series.points()) points.push_back(map(p));
        if (!points.empty()) {
            c.strokeColor = pdfColour(series.colour());
            drawPolyline(c, points);
        }
        mapped.push_back(std::move(points));
    }
    const CanvasRect frame{L, -T, width, height};
    std::vector<LabelRequest> requests;
    std::vector<std::string> labels;
    for (std::size_t s = 0; s < mapped.size(); ++s) {
        const FigureSeries& series = figure.allSeries()[s];
        if (series.labelsShown() && !mapped[s].empty())
            collectLabels(c, series, mapped[s], frame, requests, labels);
    }
    const CanvasRect inner{L + 1, -T + 1, width - 2, height - 2};
    LabelObstacles drawn;
    for (const auto& points : mapped) drawn.addLine(placementPoints(points));
    const std::vector<CanvasRect> boxes = placeLabels(requests, drawn, inner, kLabelSpacing);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        pdfText(c, labels[i], boxes[i].left, -boxes[i].top - fontAscent * c.fontSize);

    c.RestoreState();
}

}  // namespace marvoten
