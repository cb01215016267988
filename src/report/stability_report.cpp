#include "report/stability_report.h"

#include <cmath>
#include <initializer_list>

#include "book/line_format.h"
#include "calc/angles.h"
#include "report/stability_figures.h"

namespace marvoten {
namespace {

using Case = GroundReactionCase;

constexpr std::array<const char*, 4> headingTexts{"1.滑動に対する安定", "2.転倒に対する安定",
                                                  "3.支持力に対する安定", "4.鉛直支持力の照査"};

// The closing lines of a value the formulas cannot give.
void cannotCompute(TextSection& t, std::initializer_list<std::string> reason) {
    t.addLines(reason);
    t.addLine("  設計条件を変更して再計算して下さい。");
    t.addLine("  判定：不可(計算不能)");
}

const char* const noVerticalLoadReason = "  全鉛直荷重(Vo)が0以下になりましたので";

// The allowable eccentricity's lines of the load case: B/6 normal, B/3 seismic.
struct EccentricityLimit {
    const char* zoneLine;
    const char* widthLine;
    const char* conditionLine;
    const char* withinTemplate;
    const char* withinVerdict;
    const char* beyondTemplate;
    const char* beyondVerdict;
};

constexpr EccentricityLimit normalLimit{
    "  転倒に対する安定条件として、合力Rの作用点は常時は底版中央の",
    "  底版幅1/3の範囲内になければならない。",
    "  すなわち、偏心距離(e)は、式|e|≦B/6を満足しなければならない。",
    "  |e|≦B/6       =0.000m",
    "  判定：OK(中央1/3以内)",
    "  |e|>B/6        =0.000m",
    "  判定：不可(中央1/3以外)"};

constexpr EccentricityLimit seismicLimit{
    "  転倒に対する安定条件として、合力Rの作用点は地震時は底版中央の",
    "  底版幅2/3の範囲内になければならない。",
    "  すなわち、偏心距離(e)は、式|e|≦B/3を満足しなければならない。",
    "  |e|≦B/3     =0.000m",
    "  判定：OK(中央2/3以内)",
    "  |e|>B/3      =0.000m",
    "  判定：不可(中央2/3以外)"};

void eccentricityVerdict(const TAntei& a, const StabilityVerdicts& v, TextSection& t) {
    const EccentricityLimit& limit = a.seismicCase == 1 ? seismicLimit : normalLimit;
    t.addLines({"", limit.zoneLine, limit.widthLine, limit.conditionLine, ""});
    const bool ok = v.eccentricityWithinLimit;
    t.addLine(fv(ok ? limit.withinTemplate : limit.beyondTemplate, v.allowableEccentricity));
    t.addLine(ok ? limit.withinVerdict : limit.beyondVerdict);
}

void eccentricityMethod(const TAntei& a, const StabilityVerdicts& v, TextSection& t) {
    t.addLines({"2.転倒に対する安定計算",
                "  擁壁底面つま先から合力Rの作用点までの距離(d)は、次式で求める。", "",
                "      Mr - Mo",
                a.noVerticalLoad ? std::string("  d=-----------                        =計算不能")
                                 : "  d=-----------                        =" + fv("0.000m", a.d),
                "         Vo", "", "  ここに",
                fv("    Mr(擁壁底面つま先回りの抵抗ﾓｰﾒﾝﾄ)  =#,0.00kNm", a.sumMr),
                fv("    Mo(擁壁底面つま先回りの転倒ﾓｰﾒﾝﾄ)  =#,0.00kNm", a.sumMo),
                fv("    Vo(擁壁底面における全鉛直荷重)     =#,0.00kN", a.sumV)});
    if (a.noVerticalLoad)
        return cannotCompute(t, {"", noVerticalLoadReason, "  合力Rの作用点が求まりません。"});
    t.addLine("  合力Rの作用点の底版中央からの偏心距離(e)は、次式で求める。");
    t.addLine("  e=B/2-d        =" + fv("0.000m;-0.000m", a.e));
    eccentricityVerdict(a, v, t);
}

void safetyFactorMethod(const TAntei& a, const StabilityVerdicts& v, TextSection& t) {
    const double F = a.FmRequired;
    const bool computable = a.sumMo != 0;
    const double Fm = v.overturningSafetyFactor;
    t.addLines({"2.転倒に対する安定計算", "  転倒に対する安全率(Fm)は、次式で求める。", "",
                "         Mr",
                computable ? fv("  Fm=-----------                       =0.000", Fm)
                           : std::string("  Fm=-----------                       =計算不能"),
                "         Mo", "", "  ここに",
                fv("    Mr(擁壁底版つま先回りの抵抗ﾓｰﾒﾝﾄ)  =0,0.00kNm", a.sumMr),
                fv("    Mo(擁壁底版つま先回りの転倒ﾓｰﾒﾝﾄ)  =0,0.00kNm", a.sumMo), "",
                fv("  転倒に対する安定条件として、0.0≦Fmを満足しなければならない。", F), ""});
    if (!computable)
        return cannotCompute(t, {"  転倒ﾓｰﾒﾝﾄ(Mo)が0のため、安全率が計算出来ません。"});
    if (v.overturningSafetyFactorMet)
        t.addLines({fv("  0.0≦Fm", F) + fv("(=0.000)", Fm), "  判定：OK(安全率を満たす)"});
    else
        t.addLines({fv("  0.0>Fm", F) + fv("(=0.000)", Fm), "  判定：不可(安全率不足)"});
}

void incalculableReactionLines(TextSection& t) {
    t.addLines(
        {"", "  偏心距離が[B/3]をオーバーしましたので", "  設計条件を変更して再計算して下さい。",
         "", "  　地盤反力が計算出来ませんので、これ", "  以降の構造計算結果は使用できません。"});
}

void reactionFormula(const TAntei& a, TextSection& t) {
    const double B = a.baseWidth;
    const std::string VoLine = fv("    Vo(擁壁底面における全鉛直荷重)   =#,0.00kN", a.sumV);
    const std::string dLine = fv("    d (つま先～合力作用位置間の距離) =0.000m", a.d);
    switch (a.reactionCase) {
        case Case::Trapezoid:
            t.addLines({"         Vo      6･e", "  q1,q2=---･(1±-----)", "         B        B",
                        fv("    q1(つま先での地盤反力度)         =0.00kN/m2", a.q1),
                        fv("    q2(かかとでの地盤反力度)         =0.00kN/m2", a.q2), "", "  ここに",
                        VoLine, fv("    B (擁壁の底版幅)                 =0.000m", B),
                        "    e (偏心距離)                     =" + fv("0.000m;-0.000m", a.e)});
            break;
        case Case::ToeTriangle:
            t.addLines({"      2･Vo", fv("  q=-------                          =0.00kN/m2", a.q1),
                        "      3･d", "", "  ここに", VoLine, dLine});
            break;
        case Case::HeelTriangle:
            t.addLines({"      2･Vo", fv("  q=-------                          =0.00kN/m2", a.q2),
                        "      3･d", "", "  ここに", VoLine, dLine,
                        fv("    d (踵　　～合力作用位置間の距離) =0.000m", B - a.d)});
            break;
        case Case::Incalculable:
            break;
    }
}

void allowableReactionCheck(const TAntei& a, const StabilityVerdicts& v, TextSection& t) {
    const double qa = a.allowableReaction;
    t.addLines({"", "  q1,q2は次式を満足しなければならない。",
                "  q1,q2≦qa0(地盤の許容鉛直支持力度)=" + fv("0kN/m2", qa), ""});
    t.addLine(v.bearing ? "  判定：OK(許容鉛直支持力度内)" : "  判定：不可(許容鉛直支持力度外)");
    t.addLine((v.toeReactionWithinAllowable ? "    q1(つま先での地盤反力度)≦qa0(="
                                            : "    q1(つま先での地盤反力度)＞qa0(=") +
              fv("0kN/m2)", qa));
    t.addLine((v.heelReactionWithinAllowable ? "    q2(かかとでの地盤反力度)≦qa0(="
                                             : "    q2(かかとでの地盤反力度)＞qa0(=") +
              fv("0kN/m2)", qa));
}

void slidingVerdict(const TAntei& a, const StabilityVerdicts& v, TextSection& t) {
    t.addLine(fv("  安全率Fsは0.0を下回ってはならい。", a.FsRequired));
    t.addLine(v.sliding ? fv("  判定：OK(Fs≧0.0)", a.FsRequired)
                        : fv("  判定：不可(安全率不足)<0.0", a.FsRequired));
}

void slidingWithoutKey(const TAntei& a, const StabilityVerdicts& v, TextSection& t, bool withPp) {
    const bool finite = a.sumH > 0;
    t.addLines({"1.滑動に対する安定", "  滑動に対する安全率(Fs)は、次式で求める。", ""});
    if (withPp) {
        t.addLines({"      Vo･μ+Cb･Be+0.5･Pp",
                    finite ? fv("  Fs=--------------------                =0.00", a.Fs)
                           : std::string("  Fs=--------------------                =∞"),
                    "            Ho"});
    } else {
        t.addLines({"      Vo･μ+Cb･Be",
                    finite ? fv("  Fs=--------------                      =0.00", a.Fs)
                           : std::string("  Fs=--------------                      =∞"),
                    "         Ho"});
    }
    t.addLines({"", "  ここに", fv("    Vo (擁壁底面における全鉛直荷重)      =#,0.00kN", a.sumV),
                fv("    Ho (擁壁底面における全水平荷重)      =0.00kN", a.sumH),
                fv("    μ (擁壁底面と地盤の間の摩擦係数)    =0.00", a.frictionCoeff),
                fv("    Cb (擁壁底面と地盤の間の付着力)      =0.00kN/m2", a.adhesion),
                fv("    Be (有効載荷幅)                      =0.000m", a.Be),
                "       (偏心距離>0なら、有効載荷幅=底版幅(B)-2×偏心距離(e))",
                "       (偏心距離<0なら、有効載荷幅=底版幅(B)とする"});
    if (withPp)
        t.addLine(fv("    Pp (受働土圧)                        =0.00kN", v.passiveInChecks));
    t.addLine("");
    slidingVerdict(a, v, t);
}

void slidingWithKey(const TAntei& a, const StabilityVerdicts& v, TextSection& t, bool withPp) {
    const bool computable = !a.keySlidingIncalculable;
    t.addLines({"1.滑動に対する安定", "  滑動に対する安全率(Fs)は、次式で求める。", "",
                !computable ? std::string("  Fs=Hk/Ho                                =計算不能")
                : a.sumH > 0 ? fv("  Fs=Hk/Ho                                =0.00", a.Fs)
                             : std::string("  Fs=Hk/Ho                                =∞"),
                "", "  ここに",
                (withPp ? "    Hk=c･b1+v1･tanφ+(v2+v3)･tanφb+0.5･Pp="
                        : "    Hk=c･b1+v1･tanφ+(v2+v3)･tanφb       =") +
                    fv("0.00kN", a.Hk),
                "    Hk(擁壁底面と地盤間の剪断抵抗力)",
                fv("    Ho(擁壁底面における全水平荷重)        =0.00kN", a.sumH),
                fv("    Be(有効載荷幅)                        =0.000m", a.Be),
                fv("    b1(擁壁底面前端～突起前面までの距離)  =0.000m", a.b1),
                fv("    b2(有効載荷幅内の突起幅)              =0.000m", a.b2),
                fv("    b3(突起背面～有効載荷幅後方までの距離)=0.000m", a.b3),
                "    v1～v3(b1～b3に作用する鉛直荷重で,vi=bi/B'･Vo)",
                "    Vo(擁壁底面における全鉛直荷重)        =" + fv("#,0.00", a.sumV) + "kN",
                fv("    φ (基礎地盤の剪断抵抗角)           　=0度", a.bearingPhiDeg),
                fv("    φb(擁壁底面と地盤との間の摩擦角)     =0度", degrees(a.baseFrictionAngle)),
                fv("    c  (基礎地盤の粘着力)                 =0.00kN/m2", a.bearingCohesion)});
    if (withPp)
        t.addLine(fv("    Pp (受働土圧)                         =0.00kN", v.passiveInChecks));
    if (!computable)
        return cannotCompute(
            t, {"  剪断抵抗力(Hk)と全水平荷重(Ho)がともに0のため、安全率が計算出来ません。"});
    slidingVerdict(a, v, t);
}

void unitWeightLines(const TAntei& a, TextSection& t) {
    const std::string g1 =
        fv("    γ1(支持地盤の土の単位重量)　　　　　　　　　=0.00kN/m3", a.bearingUnitWeight);
    const std::string g2 =
        fv("    γ2(根入れ地盤の土の単位重量)　　　　　　　　=0.00kN/m3", a.embedUnitWeight);
    if (a.hasWater) {
        t.addLines(
            {g1 + fv("(水中単位重量:0.00kN/m3)", a.bearingUnitWeightEff),
             g2 + fv("(水中単位重量:0.00kN/m3)", a.embedUnitWeightEff),
             "       (ただし、地下水位以下では水中単位重量を用いる。単位重量は水深で加重計算。)"});
    } else {
        t.addLines({g1, g2, "       (ただし、地下水位以下では水中単位重量を用いる。)"});
    }
}

void ultimateBearingFormula(const TAntei& a, TextSection& t) {
    t.addLines({fv("  qu = α･κ･c･Nc･Sc+κ･q･Nq･Sq+1/2･γ1･β･Be･Nγ･Sγ=#,0.00kN/m2", a.qu), "",
                "  ここに",
                fv("    qu (偏心傾斜を考慮した地盤の極限支持力度)　　=#,0.00kN/m2", a.qu)});
    unitWeightLines(a, t);
    t.addLines(
        {fv("    Df (基礎の有効根入れ深さ)　　　　　　　　　　=0.000m", a.embedDepth),
         "    Df'(支持地盤あるいは支持地盤と同程度良質な地盤に根入れした深さ)=" +
             fv("0.000m", a.bearingEmbedDepth),
         fv("    c  (支持地盤の粘着力)　　　　　　　　　　　　=0.00kN/m2", a.bearingCohesion),
         fv("    q  (上載荷重)　　　　　　　　　　　 =γ2･Df　=0.00kN/m2", a.ubOverburden),
         fv("    Be (偏心を考慮した基礎の有効載荷幅)=B－2･eB　=0.000m", a.Be),
         fv("    　B (基礎幅)　　　　　　　　　　　　　　　　 =0.000m", a.baseWidth),
         "　　　eB(荷重の偏心量)　　　　　　　　　　　　　 =" + fv("0.000m", a.e),
         "    α(基礎の形状係数=1+0.3･Be/L)　　　　　　　　=" + fv("0.00", a.ubAlpha),
         "    β(基礎の形状係数=1-0.4･Be/L)　　　　　　　　=" + fv("0.00", a.ubBeta),
         fv("    　Ｌ(ブロック長:伸縮目地間隔)　　　　　　　　=0.000m", a.bearingBlockLength),
         "　　　　　　　　　　　　　　(Be/L>1の場合は,Be/L =1 とする)",
         "    κ(根入れ効果に対する割増し係数=1+0.3･Df'/Be)=" + fv("0.000", a.ubKappa),
         "    Nc,Nq,Nγ(荷重の傾斜を考慮した支持力係数)",
         "      地盤の剪断抵抗角φおよび荷重の傾斜(tanθ)から求められる。",
         fv("      Nc　　　　　　　　　　　　　　　　　　　　 =0.0", a.Nc),
         fv("      Nq　　　　　　　　　　　　　　　　　　　　 =0.0", a.Nq),
         fv("      Nγ　　　　　　　　　　　　　　　　　　　  =0.0", a.Ngamma),
         fv("      φ(支持地盤の剪断抵抗角)　　　　　　　　　 =0.0度", a.bearingPhiDeg),
         fv("      tanθ(荷重の傾斜) = HB／V　　　　　　　　　=0.000", a.tanTheta) +
             fv("(=0.0度)", degrees(std::atan(a.tanTheta))),
         fv("        HB(基礎底面に作用する水平力)　　　　　　 =0.00kN", a.sumH),
         fv("        V (基礎底面に作用する鉛直力)　　　　　　 =#,0.00kN", a.sumV),
         "    Sc,Sq,Sr(支持力係数の寸法効果に関する補正係数",
         "      Sc =c'^λ　　　　　　　　　　　　　　　　  =" + fv("0.000", a.Sc),
         "      Sq =q'^ｖ　　　　　　　　　　　　　　　　  =" + fv("0.000", a.Sq),
         "      Sγ=B'^μ　　　　　　　　　　　　　　　　  =" + fv("0.000", a.Sgamma),
         "      λ,ｖ,μ(寸法効果の程度を表す係数)= -1/3",
         "      c'= c/10　　　　　　　　　　　　　　　　　 =" + fv("0.000", a.cStar) +
             " (但し,1≦c'≦10)",
         "      q'= q/10　　　　　　　　　　　　　　　　　 =" + fv("0.000", a.qStar) +
             " (但し,1≦q'≦10)",
         "      B'=Be/1　　　　　　　　　　　　　　　　　  =" + fv("0.000", a.BStar) +
             " (但し,1≦B')",
         ""});
}

void bearingLines(const TAntei& a, const StabilityVerdicts& v, TextSection& t) {
    t.addLines({"3.支持地盤の支持力に対する安定", "  地盤反力度(q)は、次式で求める。", ""});
    if (a.noVerticalLoad) {
        t.addLines({"  q              =計算不能",
                    fv("    Vo(擁壁底面における全鉛直荷重)   =#,0.00kN", a.sumV),
                    fv("    B (擁壁の底版幅)                 =0.000m", a.baseWidth), "",
                    noVerticalLoadReason});
        t.addLines({"  設計条件を変更して再計算して下さい。", "",
                    "  　地盤反力が計算出来ませんので、これ",
                    "  以降の構造計算結果は使用できません。", "  判定：不可(計算不能)"});
        return;
    }
    if (a.reactionCase == Case::Incalculable) {
        t.addLines({"  q              =計算不能",
                    fv("    Vo(擁壁底面における全鉛直荷重)   =#,0.00kN", a.sumV),
                    fv("    B (擁壁の底版幅)                 =0.000m", a.baseWidth),
                    "    e (偏心距離)                     =" + fv("0.000m;-0.000m", a.e)});
        incalculableReactionLines(t);
        t.addLine("  判定：不可(偏心距離オーバー)");
        return;
    }
    reactionFormula(a, t);
    allowableReactionCheck(a, v, t);
}

void ultimateBearingLines(const TAntei& a, const StabilityVerdicts& v, TextSection& t) {
    t.addLines({"4.鉛直支持力の照査", "", "  極限支持力の計算"});
    if (a.ultimateBearingIncalculable) {
        t.addLines({"  極限支持力度(qu)は、次式で求める。", "", "  qu             =計算不能", "",
                    "  ここに",
                    fv("    Vo(基礎底面に作用する鉛直力)　　　　　　　　=#,0.00kN/m", a.sumV),
                    fv("    Be(荷重の偏心を考慮した擁壁底面の有効載荷幅)=0.000m", a.Be), ""});
        return cannotCompute(
            t, {a.sumV <= 0 ? noVerticalLoadReason : "  有効載荷幅(Be)が0以下になりましたので",
                "  極限支持力が計算出来ません。"});
    }
    t.addLines({"  極限支持力度(qu)は、次式で求める。", ""});
    ultimateBearingFormula(a, t);
    const double n = a.bearingSafetyFactor;
    t.addLines(
        {"  鉛直地盤反力度は、次式を満足しなければならない。", "", "     Vo           qu",
         "    ---- ≦ qa = ----", "     Be            n", "", "  ここに",
         fv("    Vo(基礎底面に作用する鉛直力)　　　　　　　　=#,0.00kN/m", a.sumV),
         fv("    Be(荷重の偏心を考慮した擁壁底面の有効載荷幅)=0.000m", a.Be),
         fv("    Vo/Be　　　　　　　　　　　　　　　　　　　 =0.00kN/m2", a.meanBasePressure),
         fv("    qa(荷重の偏心傾斜を考慮した許容鉛直支持力度)=0.00kN/m2",
            v.allowableUltimateBearing),
         fv("    　qu(地盤の極限支持力度)　　　　　　　　　　=#,0.00kN/m2", a.qu),
         a.seismicCase == 1 ? fv("    　n (安全率:地震時)　　　　　　　　　　　　 =0", n)
                            : fv("    　n (安全率:常時)　　　　　　　　　　　　　 =0", n),
         ""});
    t.addLine(v.ultimateBearing ? "  判定：OK(許容鉛直支持力度内)"
                                : "  判定：不可(許容鉛直支持力度外)");
}

void slidingLines(const TAntei& a, const StabilityVerdicts& v, TextSection& t) {
    if (a.noVerticalLoad) {
        t.addLines({"1.滑動に対する安定", "", noVerticalLoadReason,
                    "  設計条件を変更して再計算して下さい。", "",
                    "  　地盤反力が計算出来ませんので、滑動", "  に対する安定計算ができません。",
                    "  判定：不可(計算不能)"});
        return;
    }
    if (a.reactionCase == Case::Incalculable) {
        t.addLines({"1.滑動に対する安定", "", "  偏心距離が[B/3]をオーバーしましたので",
                    "  設計条件を変更して再計算して下さい。", "",
                    "  　地盤反力が計算出来ませんので、滑動", "  に対する安定計算ができません。"});
        return;
    }
    // The formula carries 0.5･Pp exactly when the resistance includes it. With the
    // passive option off, a Pp from cohesion alone is listed among the loads but
    // does not resist sliding; a formula showing it would not give the printed Fs.
    const bool withPp = a.hasPassive;
    if (a.hasShearKey)
        slidingWithKey(a, v, t, withPp);
    else
        slidingWithoutKey(a, v, t, withPp);
}

}  // namespace

void StabilityHeadings::set(StabilityCheck c, bool ok) {
    const auto i = static_cast<std::size_t>(c);
    headings[i].text = std::string(headingTexts[i]) + "( " + (ok ? "OK" : "NO") + " )";
    headings[i].colour = ok ? colours::blue : colours::red;
}

bool writeOverturningText(const TAntei& a, const StabilityVerdicts& v, TextSection& t) {
    t.clear();
    if (a.overturningMethod == 1)
        safetyFactorMethod(a, v, t);
    else
        eccentricityMethod(a, v, t);
    return v.overturning;
}

bool writeBearingText(const TAntei& a, const StabilityVerdicts& v, TextSection& t) {
    t.clear();
    bearingLines(a, v, t);
    return v.bearing;
}

bool writeUltimateBearingText(const TAntei& a, const StabilityVerdicts& v, TextSection& t) {
    t.clear();
    ultimateBearingLines(a, v, t);
    return v.ultimateBearing;
}

bool writeSlidingText(const TAntei& a, const StabilityVerdicts& v, TextSection& t) {
    t.clear();
    slidingLines(a, v, t);
    return v.sliding;
}

void writeStabilityReport(const TAntei& a, const StabilityVerdicts& v,
                          const PolygonResult& wallBody, const DesignConditions& dc,
                          CalculationBook& book, StabilityHeadings& headings) {
    headings.set(StabilityCheck::Overturning,
                 writeOverturningText(a, v, book.text(TextId::OverturningText)));
    headings.set(StabilityCheck::Bearing, writeBearingText(a, v, book.text(TextId::BearingText)));
    headings.set(StabilityCheck::UltimateBearing,
                 writeUltimateBearingText(a, v, book.text(TextId::UltimateBearingText)));
    headings.set(StabilityCheck::Sliding, writeSlidingText(a, v, book.text(TextId::SlidingText)));
    writeGroundReactionFigure(a, wallBody, dc, book);
    writeLoadSummary(a, dc, book);
}

}  // namespace marvoten
