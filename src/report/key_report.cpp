#include "report/key_report.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "book/line_format.h"
#include "calc/angles.h"
#include "report/stability_figures.h"
#include "report/toe_report.h"

namespace marvoten {
namespace {

void add(TextSection& s, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) s.addLine(line);
}

void writeForcesText(const KeyDesign& k, const TAntei& a, TextSection& s) {
    const KeySliding& sl = k.sliding;
    s.clear();
    add(s, {"突起の設計",
            "",
            "(a)断面力",
            "　①突起に加わる水平力(Ht)は、次式で求める。",
            "　　Ht={c･b1+v1･(tanφ-tanφb)+v2･tanφb}･Ho/Hk",
            fv("　　　=0.00kN", k.Ht),
            "",
            "　　ここに",
            fv("　　　b1(擁壁底面前端～突起前面の距離)=0.000m", sl.b1),
            fv("　　　b2(有効載荷幅内の突起幅)　　　　=0.000m", sl.b2),
            "　　　v1=b1/Be･Vo　　　　　　　　　　 =" + fv("0.00kN", sl.v1),
            "　　　v2=b2/Be･Vo　　　　　　　　　　 =" + fv("0.00kN", sl.v2),
            "　　　　v1(b1に作用する鉛直荷重)",
            "　　　　v2(b2に作用する鉛直荷重)",
            "　　　Be(有効載荷幅)　　　　　　　　　=" + fv("0.000m", sl.Be),
            fv("　　　Vo(擁壁底面における全鉛直荷重)　=0.00kN", sl.Vo),
            fv("　　　φ (基礎地盤の剪断抵抗角)　　 　=0度", a.bearingPhiDeg),
            fv("　　　φb(擁壁底面と地盤間の摩擦角)　 =0度", degrees(a.baseFrictionAngle)),
            fv("　　　c (基礎地盤の粘着力)　　　　　　=0.00kN/m2", a.bearingCohesion),
            fv("　　　Ho(擁壁底面における全水平荷重)　=0.00kN", sl.Ho),
            fv("　　　Hk(擁壁底面と地盤間の剪断抵抗力)=0.00kN", sl.Hk),
            "",
            "　②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。",
            "　　　　　H",
            fv("　　　M= ---･Ht =0.00kNm", k.M),
            "　　　　　2",
            "　　ここに",
            fv("　　　H (突起の高さ)　　　　=0.000m", k.keyHeight),
            fv("　　　Ht(突起に加わる水平力)=0.00kN", k.Ht),
            ""});
}

// The chosen bars, or the shortfall when the tables hold no combination above
// the required area. A given pitch and diameter below the requirement is a
// shortfall too.
void writeBarLines(const KeyDesign& k, TextSection& s) {
    s.addLine("　　実際に使用する鉄筋量、鉄筋直径及び");
    s.addLine("　　鉄筋ピッチを求める。");
    if (k.hasKey && !k.bars.found) {
        s.addLine("　　必要鉄筋量を上回る鉄筋径、ﾋﾟｯﾁの組合せがなく、");
        s.addLine("　　鉄筋量不足である。");
        return;
    }
    s.addLine(fv("　　直径=D0mm", k.bars.diameter) + fv(":ﾋﾟｯﾁ=@0mm", k.bars.pitch));
    s.addLine(fv("　　に設定すれば、使用鉄筋量は0,0mm2", k.bars.providedArea));
    s.addLine(k.bars.requiredArea <= k.bars.providedArea ? "　　になり、必要鉄筋量を満足する。"
                                                         : "　　になり、鉄筋量不足である。");
}

struct ShownStresses {
    double sigmaC = 0, sigmaS = 0, tauM = 0;
};

// Without a key the member values are the toe slab's (0 where the toe has none);
// a key's own values need its stresses.
ShownStresses shownStresses(const KeyDesign& k, const ToeDesign& toe) {
    if (!k.hasKey)
        return {toe.stresses ? toe.stresses->sigmaC : 0.0,
                toe.stresses ? toe.stresses->sigmaS : 0.0, toe.shear ? toe.shear->tauM : 0.0};
    return {k.stresses->sigmaC, k.stresses->sigmaS, k.stresses->tau};
}

void writeStressLines(const KeyDesign& k, const ToeDesign& toe, const TAntei& a, TextSection& s) {
    const ShownStresses st = shownStresses(k, toe);
    const KeyShearCheck c = k.shear.value_or(KeyShearCheck{});
    add(s, {"②実応力度の計算",
            "  応力度は、次式で求める",
            "　　　　　 2M",
            fv("　σc= ------------ =0.00N/mm2", st.sigmaC),
            "　　　　b･x(d-x/3)",
            "　　　　　　　d-x",
            fv("　σs= n･σc･------ =0.00N/mm2", st.sigmaS),
            "　　　　　　　 x",
            fv("　τm= S/(b･d)　　　=0.00N/mm2", st.tauM),
            "",
            "　ここに",
            fv("　　S(剪断力)　　　 =0.00kN", k.Ht),
            "　　　 n･As           2b･d",
            "　　x=-----･(-1+√(1+------)),n=15",
            "　　　　b             n･As",
            "  なお",
            fv("　Pt(軸方向引張鉄筋比)=A/(b･d)=0.000%", c.Pt),
            "③コンクリートの許容剪断応力度(τca)",
            "　τca=τa1･Ce･Cpt･Cdc        " + fv("=0.00N/mm2", c.tauCa),
            "　ここに",
            "　　τa1(許容剪断応力度基準値)" + fv("=0.00N/mm2", a.tauA1),
            "　　Ce　(有効高dの補正係数)　　　　 " + fv("=0.000", c.Ce),
            "　　Pt　(軸方向引張鉄筋比)　　　　　" + fv("=0.000%", c.Pt),
            "　　Cpt (軸方向引張鉄筋比の補正係数)" + fv("=0.000", c.Cpt),
            "　　Cdc (剪断ｽﾊﾟﾝ比[a/d]の補正係数) " + fv("=0.000", c.Cdc),
            "　　　a (剪断ｽﾊﾟﾝ:荷重の合力位置)　 " + fv("=0.000m", k.a),
            "　　　d (突起の有効高)　　　　　　　" + fv("=0.000m", k.d)});
}

void writeStressText(const KeyDesign& k, const ToeDesign& toe, const TAntei& a, TextSection& s) {
    s.clear();
    add(s,
        {"(b)応力度計算", "　①必要鉄筋量の計算", "　　必要鉄筋量(As)は、次式で求める。",
         "　　　　　　 M", fv("　　As= --------------    =0mm2", k.bars.requiredArea),
         "　　　　 σsa･(d-x/3)", "　　ここに", fv("　　　M   (曲げﾓｰﾒﾝﾄ)　　 =0.00kNm", k.M),
         fv("　　　σsa(許容引張応力度)=0.00N/mm2", a.sigmaSa),
         fv("　　　d   (部材厚-かぶり) =0.000m", k.d), "　　　xは、次式で求める",
         "　　　　　　　　　 6･M･15", "　　　x^3-3d･x^2-(--------)･(x-d)=0",
         "　　　　　　　　　 σsa･b", fv("　　　上記式を解いてx=0mmを得る。", k.bars.neutralAxis)});
    writeBarLines(k, s);
    if (!k.hasKey || (k.stresses && k.shear)) {
        writeStressLines(k, toe, a, s);
    } else {
        // Without bars (or without an effective depth) there is no section to check.
        s.addLine("②実応力度の計算");
        s.addLine(k.bars.found ? "　有効高(d)が0以下のため、応力度の計算は行わない。"
                               : "　鉄筋量不足のため、応力度の計算は行わない。");
    }
    s.addLine("　計算結果を[図][表]に示す。");
}

MemberStressCells stressCells(const KeyDesign& k, const TAntei& a) {
    MemberStressCells c;
    c.M = k.M;
    c.S = k.Ht;
    c.bars = k.bars;
    if (k.stresses)
        c.sigmaC = k.stresses->sigmaC, c.sigmaS = k.stresses->sigmaS, c.tauM = k.stresses->tau;
    if (k.shear) c.tauCa = k.shear->tauCa;
    c.sigmaCa = a.sigmaCa;
    c.sigmaSa = a.sigmaSa;
    c.ok = k.ok;
    return c;
}

// The wall, the reaction with the marks at the key's faces, and the key's bar
// down its front face, along its bottom and up its back face.
void writeFigure(const TAntei& a, const PolygonResult& wallBody, const DesignConditions& dc,
                 const TableSection& table, FigureSection& f) {
    drawMemberReactionFrame(a, wallBody, dc, f, -1, ReactionDiagramMode::ShearKey);
    const double c = a.coverSlab;
    const double front = a.point(13).x + c, back = a.point(11).x - c;
    const double top = a.point(1).y - c, bottom = a.point(12).y + c;
    FigureSeries& bar = f.series(3);
    bar.addPoint(front, top, " ");
    bar.addPoint(front, bottom, " ");
    bar.addPoint(back, bottom, table.cell(1, 5) + ":" + table.cell(1, 6));
    bar.addPoint(back, top, " ");
}

}  // namespace

void writeKeyReport(const KeyDesign& k, const ToeDesign& toe, const TAntei& a,
                    const PolygonResult& wallBody, const DesignConditions& dc,
                    CalculationBook& book) {
    if (k.hasKey) {
        writeMemberStressTable(stressCells(k, a), book.table(TableId::KeyTable));
        writeFigure(a, wallBody, dc, book.table(TableId::KeyTable),
                    book.figure(FigureId::KeyFigure));
    } else {
        book.figure(FigureId::KeyFigure).clearSeries();
    }
    writeForcesText(k, a, book.text(TextId::KeyForcesText));
    writeStressText(k, toe, a, book.text(TextId::KeyStressText));
}

}  // namespace marvoten
