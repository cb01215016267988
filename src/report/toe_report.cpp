#include "report/toe_report.h"

#include <optional>
#include <string_view>
#include <vector>

#include "book/line_format.h"
#include "calc/bars.h"
#include "report/stability_figures.h"

namespace marvoten {
namespace {

enum class When { Always, WithBuoyancy, WithoutBuoyancy };

// One report line: a fixed text, or a template with its value.
struct Line {
    When when;
    std::string_view text;
    std::optional<double> value = std::nullopt;
};

void addLines(TextSection& s, const std::vector<Line>& lines, bool buoyancy) {
    for (const Line& l : lines) {
        if (l.when == When::WithBuoyancy && !buoyancy) continue;
        if (l.when == When::WithoutBuoyancy && buoyancy) continue;
        s.addLine(l.value ? formatValue(l.text, *l.value) : std::string(l.text));
    }
}

void writeForcesText(const ToeDesign& t, TextSection& s) {
    const ToeLoads& l = t.loads;
    constexpr When A = When::Always, On = When::WithBuoyancy, Off = When::WithoutBuoyancy;
    s.clear();
    addLines(s,
             {{A, "つま先版の設計"},
              {A, "  つま先版は、たて壁との結合部を固定端"},
              {A, "  とする片持梁として設計する。"},
              {Off, ""},
              {A, "(a)断面力"},
              {A, " ①剪断力(S)は、次式で求める。"},
              {A, "   部材設計の照査位置は、たて壁の前面"},
              {A, "   から底版厚さ(H)のH/2離れた位置とする。"},
              {On, "   S=-Wc-Sv+Qs+Sf+Wf          =0.00kN", t.SHalf},
              {Off, "   S=-Wc-Sv+Qs                =0.00kN", t.SHalf},
              {A, "   ここに"},
              {On, "     Wc(つま先版自重)         =0.00kN", l.WcHalf},
              {Off, "     Wc(自重)                 =0.00kN", l.WcHalf},
              {A, "     Sv(前面土自重)           =0.00kN", l.SvHalf},
              {A, "     Qs(地盤反力)=Ls･(q1+q3)/2=0.00kN", l.QsHalf},
              {A, "       Ls(先端～ H/2部距離)   =0.000m", t.Ls},
              {A, "       q1(先端部地盤反力度)   =0.00kN/m2", l.q1},
              {A, "       q3( H/2部地盤反力度)   =0.00kN/m2", l.q3},
              {On, "     Sf(前面土浮力)  　       =0.00kN", l.SfHalf},
              {On, "     Wf(つま先版浮力)         =0.00kN", l.WfHalf},
              {A, ""},
              {A, " ②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。"},
              {On, "   M=-Wc･x1-Sv･x2+Qs･x3+Sf･x4+Wf･x5=0.00kNm", t.MRoot},
              {Off, "   M=-Wc･x1-Sv･x2+Qs･x3       =0.00kNm", t.MRoot},
              {Off, "   ここに"},
              {On, "     Wc(つま先自重)           =0.00kN", l.WcRoot},
              {Off, "     Wc(自重)                 =0.00kN", l.WcRoot},
              {A, "     Sv(前面土自重)           =0.00kN", l.SvRoot},
              {A, "     Qs(地盤反力)=Lo･(q1+q4)/2=0.00kN", l.QsRoot},
              {A, "       Lo(q1～q4間距離)       =0.000m", t.Lo},
              {A, "       q4(付根部地盤反力度)   =0.00kN/m2", l.q4},
              {On, "     Sf(前面土浮力)  　       =0.00kN", l.SfRoot},
              {On, "     Wf(つま先版浮力)         =0.00kN", l.WfRoot}},
             t.buoyancy);
    s.addLine(fv("     x1=0.000m", l.x1) + fv(":x2=0.000m", l.x2) + fv(":x3=0.000m", l.x3));
    if (t.buoyancy) s.addLine(fv("     x4=0.000m", l.x4) + fv(":x5=0.000m", l.x5));
}

// The bars chosen for the required area, or the shortfall when the tables hold
// no combination above it.
void writeBarLines(const ToeDesign& t, TextSection& s) {
    s.addLine("   配筋は");
    if (!t.bars.found) {
        s.addLine("   必要鉄筋量を上回る鉄筋径、ﾋﾟｯﾁの組合せがなく、");
        s.addLine("   鉄筋量不足である。");
        return;
    }
    s.addLine(fv("   直径=D0mm", t.bars.diameter) + fv(":ﾋﾟｯﾁ=@0mmとする。", t.bars.pitch));
    s.addLine(fv("   使用鉄筋量(A)は0,0mm2", t.bars.providedArea));
    s.addLine(t.barsSufficient() ? "   となり、必要鉄筋量を満足する。"
                                 : "   となり、鉄筋量不足である。");
}

void writeStressLines(const ToeDesign& t, const TAntei& a, TextSection& s) {
    const SectionStresses& st = *t.stresses;
    const ToeShearCheck& c = *t.shear;
    constexpr When A = When::Always;
    addLines(s,
             {{A, "②実応力度の計算"},
              {A, "　応力度は、次式で求める"},
              {A, "　　　　　　　　　　　 2･M"},
              {A, "　σc(圧縮応力度)= ------------ =0.00N/mm2", st.sigmaC},
              {A, "　　　　　　　　　　b･x(d-x/3)"},
              {A, "                          d-x"},
              {A, "  σs(引張応力度)= n･σc･----- =0.00N/mm2", st.sigmaS},
              {A, "                           x"},
              {A, ""},
              {A, "  ここに"},
              {A, "    M(曲げﾓｰﾒﾝﾄ)　　　　　　　=0.00kNm", t.Md},
              {A, "    b(幅)　　　　　　　　　　 =1,000mm"},
              {A, "    d(部材厚-かぶり)　　　　　=0,0mm", t.dRoot * 1000},
              {A, "      15･As         　2b･d"},
              {A, "    x=-----･(-1+√(1+-------))=0mm", st.x},
              {A, "　　　　b　　　　　　 15･As"},
              {A, "③実応力度の計算(剪断：H/2部)"},
              {A, "　τm(平均剪断応力度)=S/(b･d)=0.00N/mm2", c.tauM},
              {A, "　ここに"},
              {A, "　　S(剪断力)　　　　　　　　=0.00kN", t.SHalf},
              {A, "　　d(部材厚-かぶり)　　　　 =0,0mm", t.dHalf * 1000},
              {A, "　なお"},
              {A, "　　Pt(軸方向引張鉄筋比)=A/(b･d)=0.000%", c.Pt},
              {A, ""},
              {A, "④コンクリートの許容剪断応力度(τca)"}},
             false);
    s.addLine("　τca=τa1･Ce･Cpt･Cdc            " + fv("=0.00N/mm2", c.tauCa));
    s.addLine("");
    s.addLine("　ここに");
    s.addLine("　　τa1(許容剪断応力度基準値)　　　" + fv("=0.00N/mm2", a.tauA1));
    s.addLine("　　Ce　(有効高dの補正係数)　　　　 " + fv("=0.000", c.Ce));
    s.addLine("　　Pt　(軸方向引張鉄筋比)　　　　　" + fv("=0.000%", c.Pt));
    s.addLine("　　Cpt (軸方向引張鉄筋比の補正係数)" + fv("=0.000", c.Cpt));
    s.addLine("　　Cdc (剪断ｽﾊﾟﾝ比[a/d]の補正係数) " + fv("=0.000", c.Cdc));
    // A root section without shear has an unbounded shear span.
    s.addLine("　　　a (剪断ｽﾊﾟﾝ:鉛直荷重の合力位置" + (t.a ? fv("=0.000m", *t.a) : "=∞"));
    s.addLine("　　　d (たて壁位置の底版の有効高)　" + fv("=0.000m", t.dRoot));
}

void writeStressText(const ToeDesign& t, const TAntei& a, TextSection& s) {
    constexpr When A = When::Always;
    s.clear();
    addLines(s,
             {{A, "(b)応力度計算"},
              {A, " ①必要鉄筋量の計算"},
              {A, "   固定端における必要鉄筋量(As)"},
              {A, "   は、次式で求める。"},
              {A, "            M"},
              {A, "   As=-------------      =0,0mm2", t.bars.requiredArea},
              {A, "       σsa･(d-x/3)"},
              {A, ""},
              {A, "   ここに"},
              {A, "     M   (曲げﾓｰﾒﾝﾄ)     =0.00kNm", t.Md},
              {A, "     σsa(許容引張応力度)=0N/mm2", a.sigmaSa},
              {A, "     d   (部材厚-かぶり) =0,0mm", t.dRoot * 1000},
              {A, ""},
              {A, "     xは、次式で求める"},
              {A, "                　6･M･15"},
              {A, "     x^3-3d･x^2-(--------)･(x-d)=0"},
              {A, "                  σsa･b"},
              {A, "     上記式を解いてx=0mmを得る。", t.bars.neutralAxis}},
             false);
    writeBarLines(t, s);
    s.addLine("");
    if (t.stresses && t.shear) {
        writeStressLines(t, a, s);
    } else {
        // Without bars (or without an effective depth) there is no section to check.
        s.addLine("②実応力度の計算");
        s.addLine(t.bars.found ? "　有効高(d)が0以下のため、応力度の計算は行わない。"
                               : "　鉄筋量不足のため、応力度の計算は行わない。");
    }
    s.addLine("");
    s.addLine("計算結果を[図][表]に示す。");
}

std::string v2(double v) {
    return formatValue("0.00", v);
}
std::string v3(double v) {
    return formatValue("0.000", v);
}

// The layout of both force tables: 7 rows with the buoyancy rows, 5 without.
void layOut(TableSection& table, bool buoyancy) {
    table.setRowCount(buoyancy ? 7 : 5);
    table.resetCells();
    table.setCell(0, 0, "断面力");
    if (buoyancy) {
        table.setCell(0, 4, "前面土浮力");
        table.setCell(0, 5, "つま先版浮力");
        table.setCell(0, 6, "合計");
    } else {
        table.setCell(0, 4, "合計");
    }
}

void writeHalfDepthTable(const ToeDesign& t, TableSection& table) {
    const ToeLoads& l = t.loads;
    layOut(table, t.buoyancy);
    table.setCell(3, 1, v2(-l.WcHalf));
    table.setCell(3, 2, v2(-l.SvHalf));
    table.setCell(1, 3, v2(l.q1));
    table.setCell(2, 3, v2(l.q3));
    table.setCell(3, 3, v2(l.QsHalf));
    if (t.buoyancy) {
        table.setCell(3, 4, v2(l.SfHalf));
        table.setCell(3, 5, v2(l.WfHalf));
    }
    table.setCell(3, t.buoyancy ? 6 : 4, v2(t.SHalf));
}

void writeRootRow(TableSection& table, int row, double V, double x) {
    table.setCell(3, row, v2(V));
    table.setCell(4, row, v3(x));
    table.setCell(5, row, v2(V * x));
}

void writeRootTable(const ToeDesign& t, TableSection& table) {
    const ToeLoads& l = t.loads;
    layOut(table, t.buoyancy);
    writeRootRow(table, 1, -l.WcRoot, l.x1);
    writeRootRow(table, 2, -l.SvRoot, l.x2);
    table.setCell(1, 3, v2(l.q1));
    table.setCell(2, 3, v2(l.q4));
    writeRootRow(table, 3, l.QsRoot, l.x3);
    if (t.buoyancy) {
        writeRootRow(table, 4, l.SfRoot, l.x4);
        writeRootRow(table, 5, l.WfRoot, l.x5);
    }
    const int total = t.buoyancy ? 6 : 4;
    table.setCell(3, total, v2(t.SRoot));
    if (const auto x = t.rootLever()) table.setCell(4, total, v3(*x));
    table.setCell(5, total, v2(t.MRoot));
}

MemberStressCells stressCells(const ToeDesign& t, const TAntei& a) {
    MemberStressCells c;
    c.M = t.Md;
    c.S = t.SHalf;
    c.bars = t.bars;
    if (t.stresses) c.sigmaC = t.stresses->sigmaC, c.sigmaS = t.stresses->sigmaS;
    if (t.shear) c.tauM = t.shear->tauM, c.tauCa = t.shear->tauCa;
    c.sigmaCa = a.sigmaCa;
    c.sigmaSa = a.sigmaSa;
    c.ok = t.ok;
    return c;
}

// The wall, the reaction under the toe and the main bar along the bottom of the
// base, labelled with the bars and the compression stress.
void writeFigure(const TAntei& a, const PolygonResult& wallBody, const DesignConditions& dc,
                 const TableSection& stresses, FigureSection& f) {
    drawMemberReactionFrame(a, wallBody, dc, f, -0.5, ReactionDiagramMode::ToeSlab);
    const double B = a.baseWidth, c = a.coverSlab;
    FigureSeries& bar = f.series(3);
    bar.addPoint(a.coverStem, c, " ");
    bar.addPoint(B / 2, c, stresses.cell(1, 5) + ":" + stresses.cell(1, 6));
    bar.addPoint(B - a.coverStem, c, " ");
}

}  // namespace

void writeMemberStressTable(const MemberStressCells& c, TableSection& table) {
    const std::string none = "---";
    const auto stress = [&](std::optional<double> v) { return v ? fv("0.00N/mm2", *v) : none; };
    table.setCell(1, 1, fv("0.00kNm", c.M));
    table.setCell(1, 2, fv("0.00kN", c.S));
    table.setCell(1, 3, fv("0mm2", c.bars.requiredArea));
    table.setCell(1, 4, c.bars.found ? fv("0mm2", c.bars.providedArea) : none);
    table.setCell(1, 5, barDesignation(c.bars));
    table.setCell(1, 6, stress(c.sigmaC));
    table.setCell(1, 7, stress(c.sigmaS));
    table.setCell(1, 8, stress(c.tauM));
    table.setCell(2, 6, stress(c.sigmaCa));
    table.setCell(2, 7, stress(c.sigmaSa));
    table.setCell(2, 8, stress(c.tauCa));
    table.setCell(1, 9, c.ok ? "OK" : "不可");
}

void writeToeReport(const ToeDesign& t, const TAntei& a, const PolygonResult& wallBody,
                    const DesignConditions& dc, CalculationBook& book) {
    writeForcesText(t, book.text(TextId::ToeForcesText));
    writeHalfDepthTable(t, book.table(TableId::ToeHalfDepthTable));
    writeRootTable(t, book.table(TableId::ToeRootTable));
    writeMemberStressTable(stressCells(t, a), book.table(TableId::ToeStressTable));
    writeStressText(t, a, book.text(TextId::ToeStressText));
    writeFigure(a, wallBody, dc, book.table(TableId::ToeStressTable),
                book.figure(FigureId::ToeReactionFigure));
}

}  // namespace marvoten
