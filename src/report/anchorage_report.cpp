#include "report/anchorage_report.h"

#include "book/line_format.h"

namespace marvoten {
namespace {

void writeSearchLines(const StemDesign& s, const Anchorage& an, TextBlock& t) {
    const double Hs = s.geometry.Hs;
    t.addLine("   たて壁の主鉄筋の定着位置の計算は、次の２ケース");
    t.addLine("   について行い両者の大きい方を採用する。");
    t.addLine("   ①必要鉄筋量がたて壁付け根の配筋量(As)の1/2となる");
    t.addLine("     位置(L1)に定着長(35φ)を加えた長さ→L1+35φ");
    t.addLine("");
    t.addLine("   ②鉄筋の曲げ引張り応力度が、許容曲げ引張り応力度");
    t.addLine("     の1/2となる位置。→L2");
    t.addLine("     (配筋量はたて壁付け根配筋量(As)の1/2とする)");
    t.addLine("");
    t.addLine("   それぞれの長さの計算式を、次に示す。");
    t.addLine("   (a)ケース① (L1の計算)：図参照");
    t.addLine("       As        My");
    t.addLine("      ----=-------------  ･･････････(1)式");
    t.addLine("       2    σsa･(d-x/3)");
    t.addLine("");
    t.addLine(formatValue("      (1)式を反復計算し解[ y=0.000m]を得る。", Hs - an.L1));
    t.addLine("         従って");
    t.addLine(formatValue("         L1=h(壁高)-y         =0.000m", an.L1));
    t.addLine(formatValue("         L1+35φ              =0.000m", an.L1Anchored));
    t.addLine("         ここに");
    t.addLine(formatValue("            h (壁高)          =0.000m", Hs));
    t.addLine(formatValue("            φ(鉄筋径)        =0mm", s.bars.diameter));
    t.addLine("   (b)ケース② (L2の計算)：図参照");
    t.addLine("");
    t.addLine("       σsa         d-x");
    t.addLine("      ------=n･σc･------ ･･････････(2)式");
    t.addLine("        2            x");
    t.addLine("");
    t.addLine(formatValue("      (2)式を反復計算し解[ y=0.000m]を得る。", Hs - an.L2));
    t.addLine("         従って");
    t.addLine(formatValue("         L2=h(壁高)-y         =0.000m", an.L2));
}

void writeTermLines(const TAntei& a, const StemDesign& s, const Anchorage& an, TextBlock& t) {
    t.addLine("");
    t.addLine("   ここに");
    t.addLine(formatValue("     As  (たて壁つけ根配筋量) =0,0mm2", s.bars.providedArea));
    t.addLine("");
    t.addLine("                      Kh･γs");
    t.addLine("     My  (曲げﾓｰﾒﾝﾄ)=--------･y^3");
    t.addLine("                        6");
    t.addLine(formatValue("     σsa(許容引張応力度)     =0.00N/mm2", a.sigmaSa));
    t.addLine("     d   (計算位置のたて壁有効厚)");
    t.addLine("");
    t.addLine("              2･My");
    t.addLine("     σc=-------------");
    t.addLine("          b･x･(d-x/3)");
    t.addLine("");
    t.addLine("        15･As/2            2･b･d");
    t.addLine("     x=--------･[-1+√(1+---------)]");
    t.addLine("           b              15･As/2");
    t.addLine("");
    t.addLine(formatValue("     Kh  (水平土圧係数)       =0.000", s.K));
    t.addLine(formatValue("     γs (土の単位重量)       =0.00kN/m3", a.backfillUnitWeight));
    t.addLine("     y   (計算位置の天端からの距離)");
    t.addLine("   主鉄筋の固定部から定着位置は(Lo)");
    t.addLine("   両者の大きい方の値を採用する。");
    t.addLine("");
    t.addLine("   従って");
    t.addLine("     Lo(定着長)=Max(L1+35φ,L2)=" + formatValue("0.000m", an.Lo));
}

// The wall outline seen from the top of the back face: X from the back face
// towards the toe negative, Y as depth below the wall top.
void drawOutline(const TAntei& a, const PolygonResult& p, FigureSeries& series) {
    const double X5 = a.point(5).x, H = a.wallHeight;
    series.keepInsertionOrder();
    for (int k = 0; k <= p.q; ++k) series.addPoint(p.xs[k] - X5, H - p.ys[k], "", colours::black);
}

struct CurveFigure {
    FigureId id;
    double horizontalMax;
    double marker;  // x of the red markers: the governing half value
    double length;  // L1 or L2
    std::string lengthLabel;
    std::string halfLabel;
};

}  // namespace

void writeAnchorageText(const TAntei& a, const StemDesign& s, CalculationBook& book) {
    TextSection& section = book.text(TextId::AnchorageText);
    TextBlock& upper = section.upper();
    TextBlock& lower = section.lower();
    upper.clear();
    lower.clear();
    upper.addLine("(f)主鉄筋の定着位置の計算");
    upper.addLine("");
    if (!s.anchorage) {
        upper.addLine("   主鉄筋が決まらないため、定着位置の計算は行わない。");
        return;
    }
    writeSearchLines(s, *s.anchorage, upper);
    writeTermLines(a, s, *s.anchorage, lower);
}

void writeAnchorageTermPlaceholders(CalculationBook& book) {
    TextBlock& lower = book.text(TextId::AnchorageText).lower();
    lower.clear();
    writeTermLines(TAntei{}, StemDesign{}, Anchorage{}, lower);
}

void drawAnchorageFigures(const TAntei& a, const PolygonResult& wallBody,
                          const DesignConditions& dc, const StemDesign& s, CalculationBook& book) {
    const double H = a.wallHeight, Hs = s.geometry.Hs;
    const double depthMax = (H - a.point(12).y) + 0.5;
    const double hMin = -a.point(5).x - 0.5;
    const Rgb markerColour = dc.outputColour == 0 ? colours::blue : colours::black;
    const Rgb lengthColour = dc.outputColour == 0 ? colours::red : colours::black;
    const double As = s.bars.providedArea;
    const Anchorage an = s.anchorage.value_or(Anchorage{});

    const CurveFigure figures[] = {
        {FigureId::AnchorageFigureL1, 1.1 * s.bars.requiredArea / 100, As / 200, an.L1,
         formatValue("L1=0.000m", an.L1), formatValue("As/2=0,0mm2", As / 2)},
        {FigureId::AnchorageFigureL2, a.sigmaSa * 2 / 10 * 1.1, a.sigmaSa / 20, an.L2,
         formatValue("L2=0.000m", an.L2), formatValue("σsa/2=0.00N/mm2", a.sigmaSa / 2)},
    };
    for (const CurveFigure& c : figures) {
        FigureSection& f = book.figure(c.id);
        f.series(2).setColour(markerColour);
        f.clearSeries();
        f.setAxisRanges(-0.5, depthMax, hMin, c.horizontalMax);
        f.series(1).keepInsertionOrder();
        f.series(2).keepInsertionOrder();
        drawOutline(a, wallBody, f.series(1));
        if (!s.anchorage) continue;

        FigureSeries& s2 = f.series(2);
        s2.addPoint(0, Hs, " ");
        s2.addPoint(c.marker, Hs, " ");
        s2.addPoint(c.marker, Hs - c.length, c.lengthLabel, lengthColour);
        s2.addPoint(c.marker, Hs, c.halfLabel, lengthColour);
        for (const AnchorageCurvePoint& p : s.curve) {
            const bool fixedEnd = p.y == Hs;
            if (c.id == FigureId::AnchorageFigureL1) {
                s2.addPoint(p.requiredArea / 100, p.y,
                            fixedEnd ? formatValue("0,0mm2", p.requiredArea) : " ");
            } else if (p.sigmaS) {
                s2.addPoint(*p.sigmaS / 10, p.y,
                            fixedEnd ? formatValue("0.00N/mm2", *p.sigmaS) : " ");
            }
        }
    }
}

}  // namespace marvoten
