#include "report/wall_shape_figure.h"

#include <algorithm>

#include "book/line_format.h"
#include "report/stability_figures.h"

namespace marvoten {
namespace {

enum class MarkKind { Start, Joint, End };

struct Offset {
    double along;
    double across;
};

constexpr double barb = 0.03;
constexpr double extension = 0.3;

std::vector<Offset> markOffsets(MarkKind kind) {
    std::vector<Offset> o{{0, 0}, {0, extension}, {0, -extension}, {0, 0}};
    switch (kind) {
        case MarkKind::Start:
            o.insert(o.end(), {{barb, barb}, {0, 0}, {barb, -barb}, {0, 0}});
            break;
        case MarkKind::Joint:
            o.insert(o.end(), {{-barb, barb},
                               {0, 0},
                               {barb, barb},
                               {0, 0},
                               {barb, -barb},
                               {0, 0},
                               {-barb, -barb},
                               {0, 0}});
            break;
        case MarkKind::End:
            o.insert(o.end(), {{-barb, barb}, {0, 0}, {-barb, -barb}, {0, 0}});
            break;
    }
    return o;
}

struct Chain {
    FigureSeries& series;
    ChainOrientation orientation;
    double y0, x0;

    void point(double along, double across, const std::string& label) {
        if (orientation == ChainOrientation::Horizontal) {
            series.addPoint(along, y0 + across, label);
        } else {
            series.addPoint(x0 + across, along, label);
        }
    }
    void mark(double s, MarkKind kind) {
        for (const Offset& o : markOffsets(kind)) point(s + o.along, o.across, " ");
    }
};

}  // namespace

void drawDimensionChain(FigureSeries& series, ChainOrientation orientation,
                        const std::vector<double>& lengths, double y0, double x0, double k) {
    series.clear();
    series.keepInsertionOrder();
    series.setColour(colours::black);
    if (lengths.empty() || (lengths.size() == 1 && lengths[0] == 0)) return;
    const bool horizontal = orientation == ChainOrientation::Horizontal;
    series.setLabelDistance(horizontal ? 2 : -4);
    Chain chain{series, orientation, y0, x0};
    double s = horizontal ? x0 : y0;
    chain.mark(s, MarkKind::Start);
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const double a = lengths[i];
        chain.point(s + a / k, 0, a == 0 ? std::string(" ") : formatValue("0,0", a * 1000));
        s += a;
        chain.mark(s, i + 1 == lengths.size() ? MarkKind::End : MarkKind::Joint);
    }
}

namespace {

std::vector<double> stemTopWidths(const TTeisu& t) {
    const double x3 = t.point(3).x, x4 = t.point(4).x, x5 = t.point(5).x, x6 = t.point(6).x;
    std::vector<double> widths;
    if (x3 < x4) widths.push_back(x4 - x3);
    widths.push_back(x5 - x4);
    if (x5 < x6) widths.push_back(x6 - x5);
    return widths;
}

void drawDimensions(const TAntei& a, const DesignConditions& dc, FigureSection& f) {
    using O = ChainOrientation;
    const auto P = [&a](int i) { return a.point(i); };
    const double B = P(9).x, H = P(4).y, t = P(1).y, s = P(2).y - P(1).y, Hs = P(4).y - P(3).y;
    const double kh = -P(12).y;
    const bool embankment = a.backfillShape == 3;
    const bool key = dc.hasShearKey == 1;
    if (embankment) {
        drawDimensionChain(f.series(4), O::Vertical, {H, a.embankmentHeight}, 0, B + 2, 3);
        drawDimensionChain(f.series(11), O::Horizontal, {a.embankmentLength},
                           H + a.embankmentHeight + 0.5, P(5).x, 2);
    } else {
        drawDimensionChain(f.series(4), O::Vertical, {H}, 0, B + 2, 3);
    }
    if (key) {
        drawDimensionChain(f.series(5), O::Vertical, {kh, t, s, Hs}, -kh, B + 1, 2);
    } else {
        drawDimensionChain(f.series(5), O::Vertical, {t, s, Hs}, 0, B + 1, 2);
    }
    drawDimensionChain(f.series(6), O::Horizontal, stemTopWidths(a), H + 0.5, P(3).x, 2);
    const std::vector<double> toe = P(2).x >= P(3).x
                                        ? std::vector<double>{P(3).x - P(1).x}
                                        : std::vector<double>{P(2).x - P(1).x, P(3).x - P(2).x};
    drawDimensionChain(f.series(7), O::Horizontal, toe, P(2).y + 0.5, P(1).x, 2);
    drawDimensionChain(f.series(9), O::Horizontal, {B}, key ? -1.5 : -1.0, 0, 2);
    if (key)
        drawDimensionChain(f.series(10), O::Horizontal, {P(12).x - P(0).x, P(11).x - P(12).x},
                           P(12).y - 0.5, P(0).x, 2);
    if (dc.hasPassive.on) drawDimensionChain(f.series(12), O::Vertical, {P(24).y}, 0, -1, 2);
}

}  // namespace

void drawWallShapeFigure(const TAntei& a, const PolygonResult& wallBody, const DesignConditions& dc,
                         CalculationBook& book) {
    FigureSection& f = book.figure(FigureId::WallShapeFigure);
    f.series(1).setColour(colours::black);
    f.series(3).setColour(colours::black);
    f.series(2).setColour(dc.outputColour == 0 ? colours::maroon : colours::black);
    f.clearSeries();

    const bool embankment = a.backfillShape == 3;
    const double B = a.baseWidth;
    const double top = a.wallHeight + 1.5 + (embankment ? a.embankmentHeight : 0.0);
    const double right =
        embankment ? std::max(B + 2.8, a.point(5).x + a.embankmentLength + 1) : B + 2.8;
    f.setAxisRanges(a.point(12).y - 2, top, -1.8, right);

    f.series(1).keepInsertionOrder();
    addWallOutline(f.series(1), wallBody);
    for (const SurfacePoint& p : surfaceLine(a, dc, SurfaceKind::Ground).points)
        f.series(2).addPoint(p.x, p.y, "");
    if (dc.hasPassive.on) {
        FigureSeries& ground = f.series(3);
        ground.keepInsertionOrder();
        ground.addPoint(-10, a.point(24).y, "");
        ground.addPoint(a.point(26).x, a.point(24).y, "");
    }
    drawDimensions(a, dc, f);
}

}  // namespace marvoten
