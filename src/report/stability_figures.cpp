#include "report/stability_figures.h"

#include <algorithm>
#include <cmath>

#include "book/line_format.h"
#include "calc/angles.h"

namespace marvoten {
namespace {

using Case = GroundReactionCase;

// A stroke from the base down to the diagram, labelled at its lower end.
void fixedEndMark(FigureSeries& s, double x, double q, const std::string& label) {
    s.addPoint(x, -q / 100, " ");
    s.addPoint(x, 0, " ");
    s.addPoint(x, -q / 100, label);
}

// The same stroke labelled at mid-height.
void frontMark(FigureSeries& s, double x, double q, const std::string& label) {
    s.addPoint(x, -q / 100, " ");
    s.addPoint(x, 0, " ");
    s.addPoint(x, -q / 200, label);
    s.addPoint(x, -q / 100, " ");
}

struct Mark {
    double x;
    double q;
    bool front;
};

std::vector<Mark> marksOf(const TAntei& a, ReactionDiagramMode mode) {
    switch (mode) {
        case ReactionDiagramMode::ToeSlab:
            return {{a.point(3).x, a.qf, false}};
        case ReactionDiagramMode::ShearKey:
            return {{a.point(13).x, a.qkf, true}, {a.point(10).x, a.qkb, false}};
        case ReactionDiagramMode::Stability:
            break;
    }
    return {};
}

void addMark(FigureSeries& s, const Mark& m, ReactionDiagramMode mode) {
    const std::string label =
        formatValue(mode == ReactionDiagramMode::ToeSlab ? "0.00kN/m2" : "0.00", m.q);
    if (m.front) {
        frontMark(s, m.x, m.q, label);
    } else {
        fixedEndMark(s, m.x, m.q, label);
    }
}

bool colourOutput(const DesignConditions& dc) {
    return dc.outputColour == 0;
}

// The height of soil of unit weight gs that weighs as much as the intensity q;
// none without a soil weight.
double soilHeight(double q, double gs) {
    return gs > 0 ? q / gs : 0.0;
}

}  // namespace

void drawReactionDiagram(FigureSeries& s, const TAntei& a, ReactionDiagramMode mode) {
    const double B = a.baseWidth;
    const bool toeSlab = mode == ReactionDiagramMode::ToeSlab;
    const std::string q1Label = formatValue(toeSlab ? "0.00" : "0.00kN/m2", a.q1);
    const std::string q2Label = toeSlab ? std::string(" ") : formatValue("0.00kN/m2", a.q2);
    const std::vector<Mark> marks = marksOf(a, mode);
    switch (a.reactionCase) {
        case Case::Trapezoid:
            s.addPoint(0, 0, " ");
            s.addPoint(0, -a.q1 / 100, q1Label);
            for (const Mark& m : marks) addMark(s, m, mode);
            s.addPoint(B, -a.q2 / 100, q2Label);
            s.addPoint(B, 0, " ");
            break;
        case Case::ToeTriangle: {
            const double L = 3 * a.d;
            s.addPoint(0, 0, " ");
            s.addPoint(0, -a.q1 / 100, q1Label);
            for (const Mark& m : marks)
                if (m.x < L) addMark(s, m, mode);
            s.addPoint(L, 0, "0.0kN/m2");
            break;
        }
        case Case::HeelTriangle: {
            const double L = 3 * (B - a.d);
            s.addPoint(B - L, 0, mode == ReactionDiagramMode::Stability ? "0.0kN/m2" : " ");
            for (const Mark& m : marks)
                if (m.x > B - L) addMark(s, m, mode);
            s.addPoint(B, -a.q2 / 100, q2Label);
            s.addPoint(B, 0, " ");
            break;
        }
        case Case::Incalculable:
            break;
    }
}

void addWallOutline(FigureSeries& series, const PolygonResult& p) {
    for (int k = 0; k <= p.q; ++k)
        series.addPoint(p.xs[static_cast<std::size_t>(k)], p.ys[static_cast<std::size_t>(k)], "");
}

std::string SurfaceLine::labelAt(int k) const {
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (labelIndex[i] == k) return labels[i];
    return " ";
}

SurfaceLine surfaceLine(const TTeisu& t, const DesignConditions& dc, SurfaceKind kind) {
    const double gs = t.backfillUnitWeight;
    const double Le = t.embankmentLength, He = t.embankmentHeight;
    const bool snowOnSlope = dc.hasSnow.on && t.snowOnSlope > 0;
    double hs = 0, hf = 0, s = 0, ys = 0;
    if (kind == SurfaceKind::Surcharge) {
        const double surcharge = dc.hasSurcharge.on ? t.surcharge : 0.0;
        const double slopeSurcharge = dc.surchargeZone == 1 ? surcharge : 0.0;
        const double snowSlope = dc.hasSnow.on ? t.snowOnSlope : 0.0;
        const double snowFlat = dc.hasSnow.on ? t.snowOnFlat : 0.0;
        hs = soilHeight(slopeSurcharge + snowSlope, gs);
        hf = soilHeight(surcharge + snowFlat, gs);
        if (dc.surchargeZone == 0 && !snowOnSlope) s = Le, ys = He;
    }
    auto label = [gs](double h) {
        return h * gs > 0 ? formatValue("0.00kN/m2", h * gs) : std::string(" ");
    };
    SurfaceLine line;
    std::vector<SurfacePoint>& p = line.points;
    switch (t.backfillShape) {
        case 2:
            p = {{s, ys}, {s, ys + hs}, {100, 100 * std::tan(t.slopeAngle) + hs}};
            line.labels[0] = label(hs);
            break;
        case 3:
            p = {{s, ys}, {s, ys + hs}, {Le, He + hs}, {Le, He + hf}, {100, He + hf}};
            line.labels = {label(hs), label(hf)};
            line.labelIndex[1] = 3;
            break;
        default:
            p = {{s, 0}, {s, hf}, {100, hf}};
            line.labels[0] = label(hf);
            break;
    }
    const double x0 = t.point(5).x, y0 = t.wallHeight;
    for (SurfacePoint& q : p) q.x += x0, q.y += y0;
    return line;
}

void drawMemberReactionFrame(const TAntei& a, const PolygonResult& wallBody,
                             const DesignConditions& dc, FigureSection& f, double left,
                             ReactionDiagramMode mode) {
    f.series(1).setColour(colours::black);
    f.series(3).setColour(colours::black);
    f.series(2).setColour(colourOutput(dc) ? colours::purple : colours::black);
    f.clearSeries();
    f.setAxisRanges(-a.q1 / 100 - 0.5, a.point(3).y + 0.5, left, a.baseWidth + 0.5);
    f.series(1).keepInsertionOrder();
    addWallOutline(f.series(1), wallBody);
    drawReactionDiagram(f.series(2), a, mode);
}

void writeGroundReactionFigure(const TAntei& a, const PolygonResult& wallBody,
                               const DesignConditions& dc, CalculationBook& book) {
    FigureSection& f = book.figure(FigureId::GroundReactionFigure);
    f.series(1).setColour(colours::black);
    f.series(2).setColour(colourOutput(dc) ? colours::purple : colours::black);
    f.clearSeries();
    if (a.reactionCase == Case::Incalculable) return;
    f.setAxisRanges(-a.q1 / 100 - 0.5, a.point(3).y + 0.5, -1, a.baseWidth + 0.5);
    f.series(1).keepInsertionOrder();
    addWallOutline(f.series(1), wallBody);
    drawReactionDiagram(
        f.series(2), a,
        a.hasShearKey ? ReactionDiagramMode::ShearKey : ReactionDiagramMode::Stability);
}

void writeLoadSummary(const TAntei& a, const DesignConditions& dc, CalculationBook& book) {
    TextSection& t = book.text(TextId::LoadSummaryText);
    t.clear();
    const double delta = degrees(a.wallFrictionAngle);
    for (std::string line :
         {std::string("荷重概要"), std::string("①角度"),
          formatValue("  φ(剪断抵抗角)  =0.00度", degrees(a.backfillPhi)),
          formatValue("  ω(すべり面角)  =0.00度", degrees(a.slipAngle)),
          formatValue("  α(背面角)      =0.00度", degrees(a.backFaceAngle)),
          std::string("    (安定計算時 α=0.00度)"), formatValue("  δ(壁面摩擦角)  =0.00度", delta),
          formatValue("  α+δ(土圧角度) =0.00度", delta), std::string(), std::string("②土圧"),
          formatValue("  Ph(水平土圧)    =0.00kN", a.earthPressureH),
          formatValue("  Pv(鉛直土圧)    =0.00kN", a.earthPressureV), std::string(),
          std::string("③地盤反力"), formatValue("  つま先先端部    =0.00kN/m2", a.q1),
          formatValue("  つま先固定部    =0.00kN/m2", a.qf),
          formatValue("  たて壁後面部    =0.00kN/m2", a.qb), std::string()})
        t.addLine(std::move(line));
    if (dc.hasWater.on) {
        t.addLine("④地下水");
        t.addLine(formatValue("  Pw(水圧)        =0.00kN", a.backWaterPressure));
    } else {
        t.addLine("④地下水          :なし");
    }
}

namespace {

void setLoadDiagramColours(FigureSection& f, bool colour) {
    using namespace colours;
    static constexpr std::array<Rgb, 13> seriesColours{
        black, purple, red, lime, maroon, blue, aqua, black, black, red, red, red, maroon};
    f.setTitleColour(colour ? blue : black);
    for (int n = 1; n <= 13; ++n) {
        f.series(n).setColour(colour ? seriesColours[static_cast<std::size_t>(n - 1)] : black);
        f.series(n).setLabelColour(black);
    }
    if (!colour) return;
    f.series(2).setLabelColour(purple);
    f.series(3).setLabelColour(red);
    f.series(4).setLabelColour(lime);
    f.series(7).setLabelColour(aqua);
}

void addSurface(FigureSeries& series, const SurfaceLine& line) {
    for (std::size_t k = 0; k < line.points.size(); ++k)
        series.addPoint(line.points[k].x, line.points[k].y, line.labelAt(static_cast<int>(k)));
}

void drawSlipLine(FigureSeries& s, const TAntei& a, double r2) {
    const double B = a.baseWidth, omega = a.slipAngle, Ls = a.slipLength;
    s.addPoint(B, 0, formatValue("ω=0.00度", degrees(omega)));
    s.addPoint(r2, Ls * std::sin(omega), " ");
    if (a.crackDepth > 0)
        s.addPoint(r2, a.crackDepth + Ls * std::sin(omega), formatValue("Zc=0.00m", a.crackDepth));
}

void drawEarthPressure(FigureSeries& s, const TAntei& a, bool colour) {
    const WallPoint& P5 = a.point(5);
    const double tanAlpha = std::tan(a.backFaceAngle);
    s.keepInsertionOrder();
    s.addPoint(P5.x, P5.y, " ");
    if (a.wedgeCase == 0)
        s.addPoint(P5.x + soilHeight(a.surcharge, a.backfillUnitWeight) / 100, a.wallHeight, " ");
    const double hc = a.crackHeight;
    if (hc > 0)
        s.addPoint(P5.x + tanAlpha * hc, P5.y - hc, formatValue("Hc=0.00m", hc),
                   colour ? PointColour(colours::blue) : seriesColourDefault);
    s.addPoint(P5.x + tanAlpha * P5.y + a.earthPressureH / 100, a.earthPressureV / 100, " ");
    s.addPoint(P5.x + tanAlpha * P5.y, 0, " ");
}

void drawPressurePoints(FigureSection& f, const TAntei& a) {
    const double xP = a.pressureX, yP = a.pressureHeight;
    FigureSeries& ph = f.series(11);
    ph.keepInsertionOrder();
    ph.addPoint(xP + 0.2, yP + 0.2, " ");
    ph.addPoint(xP, yP, " ");
    ph.addPoint(xP + a.earthPressureH / 100, yP, formatValue("Ph=0.00kN", a.earthPressureH));
    FigureSeries& pv = f.series(12);
    pv.keepInsertionOrder();
    pv.addPoint(xP - 0.2, yP + 0.2, " ");
    pv.addPoint(xP, yP, " ");
    pv.addPoint(xP, yP + a.earthPressureV / 100, formatValue("Pv=0.00kN", a.earthPressureV));
}

void drawResultant(FigureSection& f, const TAntei& a) {
    FigureSeries& r = f.series(10);
    r.keepInsertionOrder();
    r.addPoint(a.d - 0.2, 0.2, "");
    r.addPoint(a.d, 0, "");
    r.addPoint(a.d + a.sumH / 1000, a.sumV / 1000, "");
    const double B = a.baseWidth;
    for (auto [n, x] : {std::pair{8, B / 3}, std::pair{9, 2 * B / 3}}) {
        f.series(n).addPoint(x, 0, " ");
        f.series(n).addPoint(x, 0.2, " ");
    }
}

void drawWater(FigureSeries& s, const TAntei& a) {
    const double B = a.baseWidth, H1 = a.waterDepth, p = H1 * a.waterUnitWeight;
    s.keepInsertionOrder();
    s.addPoint(B, 0, " ");
    s.addPoint(B, H1, " ");
    s.addPoint(B + p / 10, 0, formatValue("0.00kN/m2", p));
    s.addPoint(B, 0, " ");
}

}  // namespace

void drawLoadDiagram(const TAntei& a, const PolygonResult& wallBody, const DesignConditions& dc,
                     CalculationBook& book, double r2, double H, double w) {
    FigureSection& f = book.figure(FigureId::LoadDiagramFigure);
    const double gs = a.backfillUnitWeight;
    const double top = a.backfillShape == 2
                           ? std::tan(a.slopeAngle) * w + H + soilHeight(a.surcharge, gs) + 0.5
                           : H + a.embankmentHeight + soilHeight(a.surcharge, gs) + 1;
    f.setAxisRanges(std::min(-a.q1 / 100, -a.q2 / 100) - 0.5, top, -0.5, w + a.point(5).x + 1);
    f.clearSeries();
    const bool colour = colourOutput(dc);
    setLoadDiagramColours(f, colour);

    f.series(1).keepInsertionOrder();
    addWallOutline(f.series(1), wallBody);
    drawSlipLine(f.series(3), a, r2);
    addSurface(f.series(4), surfaceLine(a, dc, SurfaceKind::Surcharge));
    addSurface(f.series(5), surfaceLine(a, dc, SurfaceKind::Ground));
    drawPressurePoints(f, a);
    drawResultant(f, a);
    drawReactionDiagram(f.series(2), a, ReactionDiagramMode::Stability);
    drawEarthPressure(f.series(6), a, colour);
    if (a.waterDepth > 0) drawWater(f.series(7), a);
    if (dc.hasPassive.on) {
        FigureSeries& ground = f.series(13);
        ground.keepInsertionOrder();
        ground.addPoint(-10, a.point(24).y, "");
        ground.addPoint(a.point(26).x, a.point(24).y, "");
    }
}

}  // namespace marvoten
