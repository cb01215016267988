#include "output/figure_renderer.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "book/line_format.h"
#include "output/figure_renderer_labels.h"

namespace marvoten {
namespace {

constexpr double outerMargin = 8;
constexpr double titleGap = 6;
constexpr double tickLength = 4;
constexpr double labelGap = 3;
constexpr double markerHalf = 1.5;
constexpr double labelSpacing = 4;  // pixels between two point labels, so "142" and "400" never
                                    // read as one  // a 3-pixel square centred on the point
constexpr double legendRowHeight = 16;
constexpr double legendSample = 24;
constexpr double automaticPadding = 0.05;
constexpr double minimumShadedWidth = 3;
constexpr Rgb gridColour{192, 192, 192};
constexpr Rgb borderColour{128, 128, 128};

// Figure sizes in the results window: each page's figures are placed beside or
// below their texts and tables within the 891 x 503 pixels under the tabs.
struct ScreenSize {
    FigureId id;
    FigureSize size;
};
constexpr ScreenSize screenSizes[] = {
    {FigureId::WallShapeFigure, {400, 490}},
    {FigureId::StabilityLoadFigure, {360, 290}},
    {FigureId::SlabLoadFigure, {360, 290}},
    {FigureId::EarthPressureFigure, {440, 230}},
    {FigureId::GroundReactionFigure, {420, 300}},
    {FigureId::LoadDiagramFigure, {560, 490}},
    {FigureId::StemStressFigure, {380, 320}},
    {FigureId::AnchorageFigureL1, {380, 400}},
    {FigureId::AnchorageFigureL2, {380, 400}},
    {FigureId::ToeReactionFigure, {380, 200}},
    {FigureId::KeyFigure, {380, 200}},
};

bool isBlank(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' '; });
}

// Decimals a value format shows ("#,##0" none, "0.00" two); -1 without a pattern.
int formatDecimals(const std::string& format) {
    if (format.find_first_of("0#") == std::string::npos) return -1;
    const auto point = format.find('.');
    if (point == std::string::npos) return 0;
    int d = 0;
    for (std::size_t i = point + 1; i < format.size() && (format[i] == '0' || format[i] == '#');
         ++i)
        ++d;
    return d;
}

// The fewest decimals (up to 9) that show every multiple of `step` exactly.
int decimalsOf(double step) {
    for (int d = 0; d < 9; ++d) {
        const double scaled = step * std::pow(10.0, d);
        if (std::fabs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, scaled)) return d;
    }
    return 9;
}

std::string defaultFormat(int decimals) {
    return decimals <= 0 ? std::string("#,##0")
                         : "#,##0." + std::string(static_cast<std::size_t>(decimals), '0');
}

// The smallest step of the 1-2-5 series not below `raw`.
double niceStep(double raw) {
    const double e = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / e;
    const double nice = f <= 1.000001 ? 1 : f <= 2.000001 ? 2 : f <= 5.000001 ? 5 : 10;
    return nice * e;
}

struct Tick {
    double value;
    std::string label;  // empty for a minor tick
};

class AxisScale {
public:
    AxisScale(const FigureAxis& axis, std::optional<std::pair<double, double>> data)
        : log_(axis.logarithmic),
          inverted_(axis.inverted),
          format_(axis.valueFormat),
          minimumSpacing_(axis.minimumLabelSpacing) {
        hasValues_ = !axis.automatic || data.has_value();
        if (!axis.automatic) {
            min_ = axis.minimum;
            max_ = axis.maximum;
        } else if (data) {
            min_ = data->first;
            max_ = data->second;
            padded_ = true;
        } else {
            min_ = log_ ? 1 : 0;
            max_ = log_ ? 10 : 1;
        }
        if (log_) {
            if (max_ <= 0) max_ = 10;
            if (min_ <= 0) min_ = data && data->first > 0 ? data->first : max_ / 1000;
            if (max_ <= min_ * (1 + 1e-12)) {
                min_ /= 10;
                max_ *= 10;
            }
        } else if (max_ - min_ <= 1e-300) {
            const double pad = min_ == 0 ? 1 : std::fabs(min_) * 0.1;
            min_ -= pad;
            max_ += pad;
        }
        // A range taken from the points leaves a little room beyond the outer
        // points, so that their markers and labels stay inside the plot.
        if (padded_) {
            if (log_) {
                const double f = std::pow(max_ / min_, automaticPadding);
                min_ /= f;
                max_ *= f;
            } else {
                const double pad = (max_ - min_) * automaticPadding;
                min_ -= pad;
                max_ += pad;
            }
        }
    }

    double minimum() const { return min_; }
    double maximum() const { return max_; }
    bool hasValues() const { return hasValues_; }
    bool canShow(double v) const { return std::isfinite(v) && (!log_ || v > 0); }

    // Pixels along the axis: `low` is where the minimum lies unless inverted.
    void place(double low, double high) {
        low_ = low;
        high_ = high;
    }
    double toPixel(double v) const {
        const double t =
            log_ ? (std::log10(v) - std::log10(min_)) / (std::log10(max_) - std::log10(min_))
                 : (v - min_) / (max_ - min_);
        return inverted_ ? high_ + t * (low_ - high_) : low_ + t * (high_ - low_);
    }
    double length() const { return std::fabs(high_ - low_); }

    // Ticks whose labels, `size` pixels across along the axis at the least,
    // keep apart: `horizontal` labels need their own width as well.
    std::vector<Tick> ticks(bool horizontal, double textPixels) const {
        if (!hasValues_ || length() <= 0) return {};
        return log_ ? logTicks(textPixels) : linearTicks(horizontal, textPixels);
    }

private:
    std::string label(double v, int decimals) const {
        return formatValue(format_.empty() ? defaultFormat(decimals) : format_, v);
    }

    std::vector<Tick> linearTicks(bool horizontal, double textPixels) const {
        const double range = max_ - min_;
        const double target =
            horizontal ? std::max(50.0, double(minimumSpacing_)) : 2.5 * textPixels;
        double step = niceStep(range * target / length());
        // A step finer than the format prints would repeat labels.
        const int shown = formatDecimals(format_);
        if (shown >= 0) step = std::max(step, niceStep(std::pow(10.0, -shown)));
        for (int attempt = 0; attempt < 40; ++attempt, step = niceStep(step * 1.5)) {
            std::vector<Tick> ticks;
            const double first = std::ceil(min_ / step - 1e-9);
            const double last = std::floor(max_ / step + 1e-9);
            if (last - first > 200) continue;
            const int decimals = decimalsOf(step);
            for (double k = first; k <= last; ++k) {
                double v = k * step;
                if (std::fabs(v) < step * 1e-9) v = 0;
                ticks.push_back({v, label(v, decimals)});
            }
            if (fits(ticks, horizontal, textPixels)) return ticks;
        }
        return {};
    }

    std::vector<Tick> logTicks(double textPixels) const {
        const int firstDecade = static_cast<int>(std::floor(std::log10(min_) + 1e-9));
        const int lastDecade = static_cast<int>(std::ceil(std::log10(max_) - 1e-9));
        const double eps = 1e-9;
        auto inside = [&](double v) { return v >= min_ * (1 - eps) && v <= max_ * (1 + eps); };
        int decades = 0;
        for (int k = firstDecade; k <= lastDecade; ++k)
            decades += inside(std::pow(10.0, k)) ? 1 : 0;
        // Within less than two decades, 2 and 5 are labelled as well.
        const bool labelTwoFive = decades < 2;
        const double decadePixels = length() / std::max(1e-9, std::log10(max_ / min_));
        const int every = std::max(1, static_cast<int>(std::ceil((textPixels + 4) / decadePixels)));
        std::vector<Tick> ticks;
        for (int k = firstDecade; k <= lastDecade; ++k) {
            for (int m = 1; m <= 9; ++m) {
                const double v = m * std::pow(10.0, k);
                if (!inside(v)) continue;
                const bool labelled = (m == 1 && (k - firstDecade) % every == 0) ||
                                      (labelTwoFive && (m == 2 || m == 5));
                ticks.push_back({v, labelled ? label(v, std::max(0, -k)) : std::string()});
            }
        }
        return ticks;
    }

    bool fits(const std::vector<Tick>& ticks, bool horizontal, double textPixels) const {
        for (std::size_t i = 1; i < ticks.size(); ++i) {
            const double apart = std::fabs(toPixel(ticks[i].value) - toPixel(ticks[i - 1].value));
            const double needed = horizontal
                                      ? std::max(double(minimumSpacing_),
                                                 (textWidth(ticks[i].label, textPixels) +
                                                  textWidth(ticks[i - 1].label, textPixels)) /
                                                         2 +
                                                     6)
                                      : textPixels + 4;
            if (apart + 1e-9 < needed) return false;
        }
        return true;
    }

    bool log_;
    bool inverted_;
    std::string format_;
    int minimumSpacing_;
    bool hasValues_ = false;
    bool padded_ = false;
    double min_ = 0;
    double max_ = 1;
    double low_ = 0;
    double high_ = 1;
};

// Cuts segments to a rectangle and joins what is left into
// polylines of one colour each.
class PolylineBuilder {
public:
    PolylineBuilder(Canvas& canvas, CanvasRect guard, int width, LineDash dash)
        : canvas_(canvas), guard_(guard), width_(width), dash_(dash) {}
    ~PolylineBuilder() { flush(); }

    void segment(CanvasPoint a, CanvasPoint b, Rgb colour) {
        const auto span = spanInside(a, b, guard_);
        if (!span) return flush();
        const CanvasPoint ca = pointAlong(a, b, span->enter);
        const CanvasPoint cb = pointAlong(a, b, span->leave);
        if (!points_.empty() && (colour_ != colour || !(points_.back() == ca))) flush();
        if (points_.empty()) points_.push_back(ca);
        points_.push_back(cb);
        colour_ = colour;
        if (span->leave != 1) flush();
    }
    void flush() {
        if (points_.size() >= 2) canvas_.polyline(points_, Pen{colour_, width_, dash_});
        points_.clear();
    }

private:
    Canvas& canvas_;
    CanvasRect guard_;
    int width_;
    LineDash dash_;
    std::vector<CanvasPoint> points_;
    Rgb colour_;
};

std::optional<std::pair<double, double>> dataRange(const FigureDrawing& figure, bool horizontal,
                                                   bool positiveOnly) {
    std::optional<std::pair<double, double>> range;
    for (const auto& s : *figure.series)
        for (const auto& p : s.points()) {
            const double v = horizontal ? p.x : p.y;
            if (!std::isfinite(v) || (positiveOnly && v <= 0)) continue;
            if (!range) range = std::make_pair(v, v);
            range->first = std::min(range->first, v);
            range->second = std::max(range->second, v);
        }
    return range;
}

class Renderer {
public:
    Renderer(const FigureDrawing& figure, FigureSize size, Canvas& canvas,
             const FigureRenderOptions& options)
        : figure_(figure),
          size_(size),
          canvas_(canvas),
          options_(options),
          x_(*figure.horizontal, dataRange(figure, true, figure.horizontal->logarithmic)),
          y_(*figure.vertical, dataRange(figure, false, figure.vertical->logarithmic)) {}

    void render() {
        canvas_.fillRectangle({0, 0, double(size_.width), double(size_.height)}, colours::white);
        if (options_.borderShown)
            frame({0.5, 0.5, size_.width - 1.0, size_.height - 1.0}, borderColour);
        layOut();
        drawTitle();
        drawShadedRanges();
        if (options_.axesShown) drawAxes();
        drawSeries();
        drawLabels();
        if (figure_.legendShown) drawLegend();
    }

private:
    Font font(int pixels, Rgb colour = colours::black) const {
        return Font{options_.face, pixels, colour, false};
    }

    void drawShadedRanges() {
        for (const auto& r : options_.shadedRanges) {
            const double a = std::clamp(x_.toPixel(r.from), plot_.left, plot_.right());
            const double b = std::clamp(x_.toPixel(r.to), plot_.left, plot_.right());
            // A range of one sampled value still shows, as a narrow band.
            const double width = std::max(std::abs(b - a), minimumShadedWidth);
            canvas_.fillRectangle({(a + b - width) / 2, plot_.top, width, plot_.height}, r.colour);
        }
    }

    void frame(const CanvasRect& r, Rgb colour) {
        canvas_.polyline({{r.left, r.top},
                          {r.right(), r.top},
                          {r.right(), r.bottom()},
                          {r.left, r.bottom()},
                          {r.left, r.top}},
                         Pen{colour, 1});
    }

    std::vector<const FigureSeries*> legendEntries() const {
        std::vector<const FigureSeries*> entries;
        for (const auto& s : *figure_.series)
            if (!s.legendTitle().empty()) entries.push_back(&s);
        return entries;
    }
    double legendWidth() const {
        double text = 0;
        for (const auto* s : legendEntries())
            text = std::max(text, textWidth(s->legendTitle(), figureLegendTextPixels));
        return 8 + legendSample + 6 + text + 8;
    }

    // Title on top, horizontal axis below, vertical axis on the left, legend on
    // the right; the plot takes the rest.
    void layOut() {
        const double axisText = figureAxisTextPixels;
        const double margin = options_.verticalMargin;
        double top = margin + (figure_.title.empty() ? 0 : figureTitlePixels + titleGap);
        double bottom = size_.height - margin;
        double left = figureSideMargin;
        double right = size_.width - figureSideMargin;
        if (options_.axesShown) {
            top = std::max(top, outerMargin + axisText / 2);  // room for the top value label
            if (!figure_.horizontal->title.empty()) bottom -= axisText + labelGap;
            bottom -= tickLength + labelGap + axisText;
            if (!figure_.vertical->title.empty()) left += axisText + labelGap;
            right -= 12;  // half of the last value label
        }
        if (figure_.legendShown && !legendEntries().empty()) right -= legendWidth() + outerMargin;
        bottom = std::max(bottom, top + 10);
        y_.place(bottom, top);
        yTicks_ = options_.axesShown ? y_.ticks(false, axisText) : std::vector<Tick>{};
        if (options_.axesShown) {
            double widest = 0;
            for (const auto& t : yTicks_) widest = std::max(widest, textWidth(t.label, axisText));
            left += widest + labelGap + tickLength;
        }
        right = std::max(right, left + 10);
        x_.place(left, right);
        if (options_.axesShown)
            xTicks_ = options_.horizontalLabelsFromSeries > 0
                          ? pointLabelTicks(options_.horizontalLabelsFromSeries)
                          : x_.ticks(true, axisText);
        plot_ = {left, top, right - left, bottom - top};
    }

    // The series' own point texts along the horizontal axis, left to right,
    // each kept only when it stands clear of the one before.
    std::vector<Tick> pointLabelTicks(int number) const {
        std::vector<Tick> ticks;
        if (number > static_cast<int>(figure_.series->size())) return ticks;
        std::vector<FigurePoint> points =
            (*figure_.series)[static_cast<std::size_t>(number - 1)].points();
        std::stable_sort(points.begin(), points.end(),
                         [](const auto& a, const auto& b) { return a.x < b.x; });
        const double low = std::min(x_.toPixel(x_.minimum()), x_.toPixel(x_.maximum())) - 0.5;
        const double high = std::max(x_.toPixel(x_.minimum()), x_.toPixel(x_.maximum())) + 0.5;
        const double spacing = figure_.horizontal->minimumLabelSpacing;
        for (const auto& p : points) {
            if (!x_.canShow(p.x) || isBlank(p.label)) continue;
            const double px = x_.toPixel(p.x);
            if (px < low || px > high) continue;
            if (!ticks.empty()) {
                const double apart = px - x_.toPixel(ticks.back().value);
                const double needed =
                    std::max(spacing, (textWidth(p.label, figureAxisTextPixels) +
                                       textWidth(ticks.back().label, figureAxisTextPixels)) /
                                              2 +
                                          6);
                if (apart < needed) continue;
            }
            ticks.push_back({p.x, p.label});
        }
        return ticks;
    }

    void drawTitle() {
        if (figure_.title.empty()) return;
        const bool left = figure_.titleAlignment == TitleAlignment::Left;
        canvas_.text(
            {left ? outerMargin : size_.width / 2.0, outerMargin}, std::string(figure_.title),
            font(figureTitlePixels, figure_.titleColour),
            {left ? HorizontalAnchor::Left : HorizontalAnchor::Centre, VerticalAnchor::Top});
    }

    void drawAxes() {
        const Font text = font(figureAxisTextPixels);
        for (const auto& t : xTicks_) {
            if (t.label.empty()) continue;
            const double px = x_.toPixel(t.value);
            canvas_.line({px, plot_.top}, {px, plot_.bottom()}, Pen{gridColour, 1});
        }
        for (const auto& t : yTicks_) {
            if (t.label.empty()) continue;
            const double py = y_.toPixel(t.value);
            canvas_.line({plot_.left, py}, {plot_.right(), py}, Pen{gridColour, 1});
        }
        frame(plot_, colours::black);
        for (const auto& t : xTicks_) {
            const double px = x_.toPixel(t.value);
            canvas_.line({px, plot_.bottom()}, {px, plot_.bottom() + tickLength},
                         Pen{colours::black, 1});
            if (!t.label.empty())
                canvas_.text({px, plot_.bottom() + tickLength + labelGap}, t.label, text,
                             {HorizontalAnchor::Centre, VerticalAnchor::Top});
        }
        for (const auto& t : yTicks_) {
            const double py = y_.toPixel(t.value);
            const double tick = t.label.empty() ? tickLength / 2 : tickLength;
            canvas_.line({plot_.left - tick, py}, {plot_.left, py}, Pen{colours::black, 1});
            if (!t.label.empty())
                canvas_.text({plot_.left - tickLength - labelGap, py}, t.label, text,
                             {HorizontalAnchor::Right, VerticalAnchor::Middle});
        }
        if (!figure_.horizontal->title.empty())
            canvas_.text({plot_.left + plot_.width / 2, size_.height - outerMargin},
                         figure_.horizontal->title, text,
                         {HorizontalAnchor::Centre, VerticalAnchor::Bottom});
        if (!figure_.vertical->title.empty())
            canvas_.text({outerMargin, plot_.top + plot_.height / 2}, figure_.vertical->title, text,
                         {HorizontalAnchor::Centre, VerticalAnchor::Top}, 90);
    }

    bool labelOnly(std::size_t index) const {
        const int number = static_cast<int>(index) + 1;
        return std::find(options_.labelOnlySeries.begin(), options_.labelOnlySeries.end(),
                         number) != options_.labelOnlySeries.end();
    }

    std::optional<CanvasPoint> pixel(const FigurePoint& p) const {
        if (!x_.canShow(p.x) || !y_.canShow(p.y)) return std::nullopt;
        return CanvasPoint{x_.toPixel(p.x), y_.toPixel(p.y)};
    }

    // Each series in its point order. A polyline's segment takes the colour of
    // the point it runs to, and every point gets a marker; a fast polyline is
    // one line in the series colour. A point that cannot be shown breaks the line.
    void drawSeries() {
        // Lines and marks are cut to the plot before they reach a canvas: a metafile
        // reader sizes the picture by what it draws, not by the clip, and squeezed a
        // figure whose lines ran far beyond it. The clip stays for the screen.
        const CanvasRect guard = seriesGuard();
        canvas_.setClip(guard);
        const auto& all = *figure_.series;
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (labelOnly(i)) continue;
            const FigureSeries& s = all[i];
            const bool fast = s.kind() == SeriesKind::FastPolyline;
            {
                PolylineBuilder lines(canvas_, guard, s.lineWidth(), s.dash());
                std::optional<CanvasPoint> previous;
                for (const auto& p : s.points()) {
                    const auto at = pixel(p);
                    if (!at)
                        lines.flush();
                    else if (previous)
                        lines.segment(*previous, *at, fast ? s.colour() : s.pointColour(p));
                    previous = at;
                }
            }
            if (fast) continue;
            for (const auto& p : s.points()) {
                const auto at = pixel(p);
                if (at && guard.contains(*at)) canvas_.fillRectangle(markAt(*at), s.pointColour(p));
            }
        }
        canvas_.resetClip();
    }

    // The plot and a pixel around it: what the series may draw on.
    CanvasRect seriesGuard() const {
        return {plot_.left - 1, plot_.top - 1, plot_.width + 2, plot_.height + 2};
    }
    // The square mark of a point, cut to the guard.
    CanvasRect markAt(CanvasPoint p) const {
        return intersection({p.x - markerHalf, p.y - markerHalf, 2 * markerHalf, 2 * markerHalf},
                            seriesGuard());
    }

    // Every line and point mark the series draw, where labels must not stand.
    LabelObstacles drawnStrokes() const {
        LabelObstacles drawn;
        const CanvasRect guard = seriesGuard();
        const auto& all = *figure_.series;
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (labelOnly(i)) continue;
            std::vector<std::optional<CanvasPoint>> at;
            for (const auto& p : all[i].points()) at.push_back(pixel(p));
            drawn.addLine(at);
            if (all[i].kind() == SeriesKind::FastPolyline) continue;
            for (const auto& p : at)
                if (p && guard.contains(*p)) drawn.marks.push_back(markAt(*p));
        }
        return drawn;
    }

    // A label stands its distance above the point, or below it for a negative
    // distance, centred on it; one on a vertical dimension line stands beside the
    // line. The placement step then keeps every label clear of the others and of
    // every line and mark, inside the plot, and a corner's number outside its outline.
    void drawLabels() {
        const CanvasRect shown{plot_.left - 0.5, plot_.top - 0.5, plot_.width + 1,
                               plot_.height + 1};
        struct Drawn {
            std::string text;
            Font font;
            bool above;
        };
        std::vector<LabelRequest> requests;
        std::vector<Drawn> drawn;
        const auto& all = *figure_.series;
        for (std::size_t i = 0; i < all.size(); ++i) {
            const FigureSeries& s = all[i];
            if (!s.labelsShown()) continue;
            const Font labelFont = font(labelPixelSize(s.labelFontSize()), s.labelColour());
            const double d = s.labelDistance();
            std::vector<std::optional<CanvasPoint>> at;
            for (const auto& p : s.points()) at.push_back(pixel(p));
            const std::vector<CanvasPoint> outline = closedOutline(at);
            for (std::size_t k = 0; k < at.size(); ++k) {
                if (!at[k] || !shown.contains(*at[k])) continue;
                const std::string text = s.shownLabel(s.points()[k]);
                if (isBlank(text)) continue;
                const double width = textWidth(text, labelFont.pixelSize);
                const double height = labelFont.pixelSize;
                LabelRequest r;
                r.point = *at[k];
                r.fixed = labelOnly(i);
                r.dimensionLine = r.fixed ? std::nullopt : dimensionLineAt(at, k);
                r.outline = outline;
                if (r.dimensionLine) {
                    r.box = dimensionLabelBox(*r.dimensionLine, r.point, width, height, d);
                } else {
                    r.box =
                        anchoredTextBox({r.point.x, r.point.y - d}, width, height,
                                        {HorizontalAnchor::Centre,
                                         d >= 0 ? VerticalAnchor::Bottom : VerticalAnchor::Top});
                }
                requests.push_back(std::move(r));
                drawn.push_back({text, labelFont, d >= 0});
            }
        }
        const CanvasRect frame =
            options_.axesShown
                ? CanvasRect{plot_.left + 1, plot_.top + 1, plot_.width - 2, plot_.height - 2}
                : CanvasRect{0, 0, double(size_.width), double(size_.height)};
        const std::vector<CanvasRect> boxes =
            placeLabels(requests, drawnStrokes(), frame, labelSpacing);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const CanvasRect& b = boxes[i];
            const double x = b.left + b.width / 2;
            canvas_.text({x, drawn[i].above ? b.bottom() : b.top}, drawn[i].text, drawn[i].font,
                         {HorizontalAnchor::Centre,
                          drawn[i].above ? VerticalAnchor::Bottom : VerticalAnchor::Top});
        }
    }

    void drawLegend() {
        const auto entries = legendEntries();
        if (entries.empty()) return;
        const CanvasRect box{size_.width - outerMargin - legendWidth(), plot_.top, legendWidth(),
                             6 + legendRowHeight * entries.size()};
        canvas_.fillRectangle(box, colours::white);
        frame(box, colours::black);
        const Font text = font(figureLegendTextPixels);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const double y = box.top + 3 + legendRowHeight * (i + 0.5);
            canvas_.line({box.left + 8, y}, {box.left + 8 + legendSample, y},
                         Pen{entries[i]->colour(), entries[i]->lineWidth(), entries[i]->dash()});
            canvas_.text({box.left + 8 + legendSample + 6, y}, entries[i]->legendTitle(), text,
                         {HorizontalAnchor::Left, VerticalAnchor::Middle});
        }
    }

    const FigureDrawing& figure_;
    FigureSize size_;
    Canvas& canvas_;
    const FigureRenderOptions& options_;
    AxisScale x_;
    AxisScale y_;
    std::vector<Tick> xTicks_;
    std::vector<Tick> yTicks_;
    CanvasRect plot_;
};

}  // namespace

FigureDrawing figureDrawing(const FigureSection& figure) {
    return FigureDrawing{figure.title(),           figure.titleAlignment(), figure.titleColour(),
                         &figure.horizontalAxis(), &figure.verticalAxis(),  figure.legendShown(),
                         &figure.allSeries()};
}

FigureSize figureScreenSize(FigureId id) {
    for (const auto& s : screenSizes)
        if (s.id == id) return s.size;
    return {400, 300};
}

FigureRenderOptions figureRenderOptions(FigureId id) {
    FigureRenderOptions options;
    if (id == FigureId::EarthPressureFigure) options.horizontalLabelsFromSeries = 1;
    return options;
}

int labelPixelSize(int points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

void renderFigure(const FigureDrawing& figure, FigureSize size, Canvas& canvas,
                  const FigureRenderOptions& options) {
    Renderer(figure, size, canvas, options).render();
}

void renderFigure(const FigureSection& figure, FigureSize size, Canvas& canvas,
                  const FigureRenderOptions& options) {
    renderFigure(figureDrawing(figure), size, canvas, options);
}

}  // namespace marvoten
