#include "report/earth_pressure_report.h"

#include "book/line_format.h"
#include "calc/angles.h"

namespace marvoten {
namespace {

// Seismic earth pressure (combinations 2 and 4) prints the Mononobe–Okabe form.
bool seismicPressure(const TAntei& a) {
    return a.seismicCombination == 2 || a.seismicCombination == 4;
}

}  // namespace

void writeEarthPressureText(const TAntei& a, CalculationBook& book) {
    TextSection& t = book.text(TextId::EarthPressureText);
    t.clear();
    t.addLine("１．土圧計算");
    t.addLine("    土圧は試行くさび法により求める。");
    t.addLine("");
    t.addLine("最大土圧(Pa)は、次式で求める。");
    t.addLine("");
    if (!seismicPressure(a)) {
        t.addLine("    W･sin(ω-φ)-c･L･cosφ");
        t.addLine(formatValue("Pa=------------------------=0.00kN", a.earthPressure));
        t.addLine("      cos(ω-φ-α-δ)");
        t.addLine("");
    } else {
        t.addLine("    W･secθsin(ω-φ+θ)-c･L･cosφ");
        t.addLine(formatValue("Pa=-------------------------------=0.00kN", a.earthPressure));
        t.addLine("           cos(ω-φ-α-δ)");
        t.addLine("");
        t.addLine("ここに");
        t.addLine(formatValue("  θ=Arctan(kh)           =0.00度", degrees(a.seismicAngle)));
        t.addLine(formatValue("  Kh(水平震度)            =0.00", a.kh));
    }
    t.addLine("");
    if (a.surcharge > 0)
        t.addLine(formatValue("q(載荷重)                 =0.00kN/m2", a.surcharge));
    t.addLine("ω(すべり角)を変化させ、最大土圧を求める。");
    t.addLine("計算結果は、下記のとおり。(図参照)");
    t.addLine("");
    t.addLine(formatValue("  W (すべり土塊の重量)    =0.00kN", a.reportedWedgeWeight));
    if (a.reportedWedgeUplift > 0) {
        t.addLine("    W=Wd-Uv");
        t.addLine(formatValue("      Wd(浮力無視重量)    =0.00kN", a.reportedWedgeWeightDry));
        t.addLine("               γw･Hw^2");
        t.addLine(formatValue("      Uv(浮力)=---------  =0.00kN", a.reportedWedgeUplift));
        t.addLine("                2･tanω");
        t.addLine(formatValue("       γw(水の単位重量)  =0.00kN/m3", a.waterUnitWeight));
        t.addLine(formatValue("        Hw(水深)          =0.000m", a.waterDepth));
    }
    t.addLine(formatValue("  ω(すべり角)            =0.00度", degrees(a.slipAngle)));
    t.addLine(formatValue("  φ(背面土剪断抵抗角)    =0.00度", degrees(a.backfillPhi)));
    t.addLine(formatValue("  α(壁面が鉛直となす角)  =0.00度;α(壁面が鉛直となす角)=-0.00度",
                          degrees(a.backFaceAngle)));
    t.addLine("    (安定計算時α=0度)");
    t.addLine(formatValue("  δ(壁面摩擦角)          =0.00度", degrees(a.wallFrictionAngle)));
    t.addLine(formatValue("  c (粘着力)              =0.00kN/m2", a.backfillCohesion));
    if (a.backfillCohesion > 0) {
        t.addLine("              2･C     π   φ     Q");
        t.addLine(formatValue("  Zc(粘着高)=----･tan(---＋---)- --- =0.00m", a.crackDepth));
        t.addLine("              γs      4    2    γs");
    }
    if (a.crackHeight > 0)
        t.addLine(formatValue("  hc       =Cosα･Cosβ/Cos(α+β)･Zc=0.00m", a.crackHeight));
    t.addLine(formatValue("  Ｌ(滑り面長)            =0.000m", a.slipLength));
    t.addLine(formatValue("Ph(水平土圧)=Pa･cosδ     =0.00kN", a.earthPressureH));
    t.addLine(formatValue("Pv(鉛直土圧)=Pa･sinδ     =0.00kN", a.earthPressureV));
    t.addLine(formatValue("y(水平土圧の作用点)       =0.000m", a.pressureY));
    t.addLine(formatValue("x(鉛直土圧の作用点)       =0.000m", a.pressureX));
}

void drawSlipAngleCurve(const SlipAngleCurve& curve, const TAntei& a, const DesignConditions& dc,
                        CalculationBook& book) {
    FigureSection& f = book.figure(FigureId::EarthPressureFigure);
    FigureSeries& line = f.series(1);
    FigureSeries& marker = f.series(2);
    line.clear();
    marker.clear();
    f.setVerticalRange(0, 1.1 * a.earthPressure);
    const bool colour = dc.outputColour == 0;
    f.setTitleColour(colour ? colours::maroon : colours::black);
    line.setColour(colour ? colours::red : colours::black);
    line.setLabelColour(colours::black);
    // Black-and-white output draws the critical-angle mark black as well; its own
    // series colour is what the PDF book strokes it with.
    const Rgb pointColour = colour ? colours::blue : colours::black;
    marker.setColour(colour ? colours::green : colours::black);
    for (const SlipCurvePoint& p : curve.points)
        line.addPoint(p.omega, p.P, formatValue("0", degrees(p.omega)), pointColour);
    marker.addPoint(curve.critical.omega, 0, formatValue("0.00度", degrees(curve.critical.omega)),
                    pointColour);
    marker.addPoint(curve.critical.omega, curve.critical.P, formatValue("0.00kN", curve.critical.P),
                    pointColour);
}

}  // namespace marvoten
