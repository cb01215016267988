#include "model/design_conditions.h"

#include <algorithm>

namespace marvoten {

namespace items {
const std::vector<std::string> backfillSoilType{"砂、砂礫", "砂質土", "粘性土(wL<50%)"};
const std::vector<std::string> wallFrictionRatio{"2/3", "1/2"};
const std::vector<std::string> bodyKind{"場所打", "既製品"};
const std::vector<std::string> hasShearKey{"無し", "有り"};
const std::vector<std::string> backfillShape{"平坦", "法面", "盛土"};
const std::vector<std::string> surchargeZone{"平坦部", "全面"};
const std::vector<std::string> loadOnVirtualBack{"載荷有", "載荷無"};
const std::vector<std::string> surchargeTreatment{"土塊に含み計算", "別途計算し加算"};
const std::vector<std::string> stemPressureMethod{"試行くさび法", "逆算土圧係数"};
const std::vector<std::string> seismicCase{"常時", "地震時"};
const std::vector<std::string> seismicLoadSet{"常時土圧   +躯体慣性力", "地震時土圧+躯体慣性力",
                                              "地震時土圧のみ"};
const std::vector<std::string> rebarMode{"自動設定", "ﾋﾟｯﾁ@を指定", "径(D)を指定", "ﾋﾟｯﾁ径を指定"};
const std::vector<std::string> rebarPitch{"-",     "50mm",  "75mm",  "100mm", "125mm", "150mm",
                                          "175mm", "200mm", "225mm", "250mm", "275mm", "300mm"};
const std::vector<std::string> rebarDiameter{"-",    "6mm",  "10mm", "13mm", "16mm",
                                             "19mm", "22mm", "25mm", "29mm", "32mm",
                                             "35mm", "38mm", "41mm", "51mm"};
const std::vector<std::string> outputColour{"ｶﾗｰ", "白黒"};
const std::vector<std::string> overturningMethod{"許容偏心量法", "安全率法"};

const std::vector<std::string> concreteUnitWeight{"23.0", "23.5", "24.5", "25.0"};
const std::vector<std::string> blockLength{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
const std::vector<std::string> slopeRatio{"1.0", "1.1", "1.2", "1.3", "1.4", "1.5", "1.6",
                                          "1.7", "1.8", "1.9", "2.0", "2.1", "2.2", "2.3",
                                          "2.4", "2.5", "2.6", "2.8", "2.9", "3.0"};
const std::vector<std::string> waterUnitWeight{"9.8", "10.0"};
const std::vector<std::string> barrierHeight{"1.0", "2.0", "3.0", "4.0", "5.0"};
const std::vector<std::string> windPressure{"1.0", "2.0"};
const std::vector<std::string> collisionLoad{"30", "50", "55"};
const std::vector<std::string> collisionHeight{"0.6", "0.675", "0.76"};
const std::vector<std::string> khStandard{"0.12", "0.15", "0.16", "0.18", "0.20", "0.24"};
const std::vector<std::string> regionFactor{"1.0", "0.85", "0.70"};
}  // namespace items

const std::vector<NumberFieldInfo>& numberFields() {
    using D = DesignConditions;
    // Labels name the field as the editor shows it; where two groups use the same
    // label, the group comes first.
    static const std::vector<NumberFieldInfo> fields{
        {"backfillUnitWeight", "裏込め土 γs(kN/m3)", &D::backfillUnitWeight},
        {"backfillPhi", "裏込め土 φ(角度)", &D::backfillPhi},
        {"backfillCohesion", "裏込め土 c(kN/m2)", &D::backfillCohesion},
        {"embedUnitWeight", "根入れ地盤 γ2(kN/m3)", &D::embedUnitWeight},
        {"embedDepth", "根入れ地盤 Df(m)", &D::embedDepth},
        {"embedPhi", "根入れ地盤 φ(角度)", &D::embedPhi},
        {"embedCohesion", "根入れ地盤 c(kN/m2)", &D::embedCohesion},
        {"allowableBearing", "支持地盤 ｑa0(kN/m2)", &D::allowableBearing},
        {"frictionCoeff", "支持地盤 μ(係数)", &D::frictionCoeff},
        {"adhesion", "支持地盤 Cb(kN/m2)", &D::adhesion},
        {"bearingPhi", "支持地盤 φ(角度)", &D::bearingPhi},
        {"bearingCohesion", "支持地盤 c(kN/m2)", &D::bearingCohesion},
        {"bearingUnitWeight", "支持地盤 γ1(kN/m3)", &D::bearingUnitWeight},
        {"bearingEmbedDepth", "支持地盤 Df'(m)", &D::bearingEmbedDepth},
        {"concreteUnitWeight", "γc(kN/m3)", &D::concreteUnitWeight},
        {"blockLength", "擁壁ﾌﾞﾛｯｸ長 Ｌ(m)", &D::blockLength},
        {"stemHeight", "たて壁高さ(mm)", &D::stemHeight},
        {"baseThickness", "底板厚(mm)", &D::baseThickness},
        {"slabSlopeHeight", "底版勾配高さ(mm)", &D::slabSlopeHeight},
        {"toeWidth", "つま先版幅(mm)", &D::toeWidth},
        {"frontBatterWidth", "前面勾配幅(mm)", &D::frontBatterWidth},
        {"crestWidth", "天端幅(mm)", &D::crestWidth},
        {"formworkWidth", "型枠ｾｯﾄ幅(mm)", &D::formworkWidth},
        {"baseWidth", "底版幅(mm)", &D::baseWidth},
        {"keyPosition", "突起 (1)位置(mm)", &D::keyPosition},
        {"keyWidth", "突起 (2)幅(mm)", &D::keyWidth},
        {"keyHeight", "突起 (3)高さ(mm)", &D::keyHeight},
        {"slopeRatio", "法勾配(１：n)", &D::slopeRatio},
        {"embankmentHeight", "盛土高(mm)", &D::embankmentHeight},
        {"surcharge", "載荷重 ｑ(kN/m2)", &D::surcharge},
        {"snowOnSlope", "雪荷重 法面部 SW(kN/m2)", &D::snowOnSlope},
        {"snowOnFlat", "雪荷重 平坦部 SW(kN/m2)", &D::snowOnFlat},
        {"effectiveEmbedDepth", "Ho(有効根入深m)", &D::effectiveEmbedDepth},
        {"waterDepth", "H1(水深m)", &D::waterDepth},
        {"waterUnitWeight", "γw(重量kN/m3)", &D::waterUnitWeight},
        {"barrierHeight", "H2(遮音壁高m)", &D::barrierHeight},
        {"windPressure", "風荷重 P(荷重強度kN/m2)", &D::windPressure},
        {"collisionLoad", "P(衝突荷重kN)", &D::collisionLoad},
        {"collisionHeight", "H3(作用高さm)", &D::collisionHeight},
        {"kh", "設計震度 kh", &D::kh},
        {"khStandard", "設計震度 標準値", &D::khStandard},
        {"regionFactor", "設計震度 補正係数", &D::regionFactor},
        {"sigmaCk", "σck", &D::sigmaCk},
        {"sigmaCa", "σca", &D::sigmaCa},
        {"sigmaCat", "σcat", &D::sigmaCat},
        {"tauA1", "τa1", &D::tauA1},
        {"tau0", "τo", &D::tau0},
        {"sigmaSa", "σsa", &D::sigmaSa},
        {"coverStem", "鉄筋かぶり 縦壁(mm)", &D::coverStem},
        {"coverSlab", "鉄筋かぶり 底版(mm)", &D::coverSlab},
        {"safetyFactorNormal", "安全率 常時", &D::safetyFactorNormal},
        {"safetyFactorSeismic", "安全率 地震時", &D::safetyFactorSeismic},
    };
    return fields;
}

std::string fieldLabel(const NumberField DesignConditions::*member) {
    for (const auto& f : numberFields())
        if (f.member == member) return f.label;
    return {};
}

int listPosition(const std::vector<std::string>& items, const std::string& text, int lastSelected) {
    const auto it = std::find(items.begin(), items.end(), text);
    return it == items.end() ? lastSelected : static_cast<int>(it - items.begin());
}

}  // namespace marvoten
