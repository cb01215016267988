#include "model/validation.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <optional>
#include <utility>
#include <vector>

#include "platform/message_text.h"
#include "platform/number_text.h"

namespace marvoten {

namespace messages {
const std::string allowableStressSeismicInNormalRun =
    "[常時計算時]に[許容応力度]が\r[地震時]になっています。\r\r確認して、訂正して下さい。";
const std::string allowableStressNormalInSeismicRun =
    "[地震時計算時]に[許容応力度]が\r[常時]になっています。\r\r確認して、訂正して下さい。";
const std::string surchargeWithUnloadedPressure =
    "[地震時土圧計算法]が[載荷無常時土圧]です。\rしかし、\r\r[②載荷重]が[載荷重有り]"
    "になっています。"
    "\r[②載荷重]を確認してください。\r\r計算は、このまま続行します。";
const std::string embedDepthAboveBearingEmbedDepth =
    "Df(根入地盤への根入れ深さ)が、Df'(支持地盤への根入れ深さ)"
    "より浅いです。\r確認して、訂正して下さい。";
const std::string embedDepthAboveEffectiveDepth =
    "Df(根入地盤への根入れ深さ)が、(3)その他の荷重のHo(有効根入長)"
    "より浅いです。\r確認して、訂正して下さい。";
const std::string embedPhiBelowSeismicAngle =
    "根入れ地盤のφが地震時合成角θ(=arctan kh)より小さく、地震時受働土圧係数を計算できません。"
    "\r確認して、訂正して下さい。";
}  // namespace messages

namespace {

using Field = const NumberField DesignConditions::*;

// One validation: reads fields as numbers on demand, reports a text that is not a
// number once, and collects the verdict.
class Validation {
public:
    Validation(const DesignConditions& d, Dialogs& dialogs) : d_(d), dialogs_(dialogs) {}

    std::optional<double> number(Field f) {
        for (const auto& [field, value] : values_)
            if (field == f) return value;
        std::optional<double> value;
        try {
            value = textToNumber((d_.*f).text, fieldLabel(f));
        } catch (const ConversionError& e) {
            dialogs_.message(MessageKind::Error, e.what());
            notANumber_ = true;
        }
        values_.emplace_back(f, value);
        return value;
    }

    void warnIf(bool condition, const std::string& text) {
        if (condition) dialogs_.message(MessageKind::Warning, text);
    }
    void refuseIf(bool condition, const std::string& text) {
        if (!condition) return;
        dialogs_.message(MessageKind::Error, text);
        refused_ = true;
    }
    Verdict verdict() const {
        return notANumber_ ? Verdict::NotANumber : refused_ ? Verdict::Refused : Verdict::Passed;
    }

private:
    const DesignConditions& d_;
    Dialogs& dialogs_;
    std::vector<std::pair<Field, std::optional<double>>> values_;
    bool refused_ = false;
    bool notANumber_ = false;
};

// When the run reads a field; a field the run leaves alone may hold its placeholder.
enum class ReadWhen { Always, ShearKey, SlopedBackfill, Water, Seismic, SafetyFactorMethod };

bool isRead(ReadWhen when, const DesignConditions& d) {
    switch (when) {
        case ReadWhen::ShearKey:
            return d.hasShearKey == 1;
        case ReadWhen::SlopedBackfill:
            return d.backfillShape == 1 || d.backfillShape == 2;
        case ReadWhen::Water:
            return d.hasWater.on;
        case ReadWhen::Seismic:
            return d.seismicCase == 1;
        case ReadWhen::SafetyFactorMethod:
            return d.overturningMethod == 1;
        default:
            return true;
    }
}

// The values a wall can have, in the editor's units. The bounds are wide enough for
// every wall the guideline covers (a lightweight fill of a few kN/m3, a wall of 30 m,
// rock bearing of 10,000 kN/m2) and narrow enough that the calculation stays finite:
// an angle of friction of 90° or more has no wedge, a weight of 0 or less no load.
// Where a check of its own already guards the lower end (key dimensions, concrete
// weight, a slope ratio or embankment height of 0) the range leaves that end to it, so
// that the user sees one message for one fault.
struct FieldRange {
    Field field;
    double min, max;
    bool minIncluded, maxIncluded;
    ReadWhen when = ReadWhen::Always;
};

constexpr double kOwnCheck = -std::numeric_limits<double>::infinity();
constexpr double kSoilWeightMax = 100;  // kN/m3, five times the densest soil
constexpr double kAngleMax = 90;        // degrees, excluded
constexpr double kCohesionMax = 1000;   // kN/m2
constexpr double kDepthMax = 100;       // m
constexpr double kOutlineMax = 50000;   // mm
constexpr double kStressMax = 1000;     // N/mm2

using D = DesignConditions;
const FieldRange kRanges[] = {
    {&D::backfillUnitWeight, 0, kSoilWeightMax, false, true},
    {&D::backfillPhi, 0, kAngleMax, true, false},
    {&D::backfillCohesion, 0, kCohesionMax, true, true},
    {&D::embedUnitWeight, 0, kSoilWeightMax, false, true},
    {&D::embedDepth, 0, kDepthMax, true, true},
    {&D::embedPhi, 0, kAngleMax, true, false},
    {&D::embedCohesion, 0, kCohesionMax, true, true},
    {&D::allowableBearing, 0, 10000, false, true},
    {&D::frictionCoeff, 0, 2, true, true},
    {&D::adhesion, 0, kCohesionMax, true, true},
    {&D::bearingPhi, 0, kAngleMax, true, false},
    {&D::bearingCohesion, 0, kCohesionMax, true, true},
    {&D::bearingUnitWeight, 0, kSoilWeightMax, false, true},
    {&D::bearingEmbedDepth, 0, kDepthMax, true, true},
    {&D::concreteUnitWeight, kOwnCheck, kSoilWeightMax, true, true},
    {&D::blockLength, 0, 100, false, true},
    {&D::stemHeight, 0, kOutlineMax, false, true},
    {&D::baseThickness, 0, kOutlineMax, false, true},
    {&D::slabSlopeHeight, 0, kOutlineMax, true, true},
    {&D::toeWidth, 0, kOutlineMax, false, true},
    {&D::frontBatterWidth, 0, kOutlineMax, true, true},
    {&D::crestWidth, 0, kOutlineMax, false, true},
    {&D::formworkWidth, 0, kOutlineMax, true, true},
    {&D::baseWidth, 0, kOutlineMax, false, true},
    {&D::keyPosition, kOwnCheck, kOutlineMax, true, true, ReadWhen::ShearKey},
    {&D::keyWidth, kOwnCheck, kOutlineMax, true, true, ReadWhen::ShearKey},
    {&D::keyHeight, kOwnCheck, kOutlineMax, true, true, ReadWhen::ShearKey},
    {&D::slopeRatio, 0, 100, true, true, ReadWhen::SlopedBackfill},
    {&D::embankmentHeight, 0, kOutlineMax, true, true, ReadWhen::SlopedBackfill},
    {&D::surcharge, 0, 1000, true, true},
    {&D::snowOnSlope, 0, 100, true, true},
    {&D::snowOnFlat, 0, 100, true, true},
    {&D::effectiveEmbedDepth, 0, kDepthMax, true, true},
    {&D::waterDepth, 0, kDepthMax, true, true, ReadWhen::Water},
    {&D::waterUnitWeight, 0, kSoilWeightMax, true, true},
    {&D::barrierHeight, 0, 30, true, true},
    {&D::windPressure, 0, 100, true, true},
    {&D::collisionLoad, 0, 10000, true, true},
    {&D::collisionHeight, 0, 30, true, true},
    {&D::kh, 0, 1, true, true, ReadWhen::Seismic},
    {&D::khStandard, 0, 1, true, true, ReadWhen::Seismic},
    {&D::regionFactor, 0, 1, false, true, ReadWhen::Seismic},
    {&D::sigmaCk, 0, 200, false, true},
    {&D::sigmaCa, 0, 200, false, true},
    {&D::sigmaCat, 0, 200, true, true},
    {&D::tauA1, 0, 20, false, true},
    // The allowable bond stress is listed with the design conditions but no check uses
    // it; σck 18 has none, written as 0.
    {&D::tau0, 0, 20, true, true},
    {&D::sigmaSa, 0, kStressMax, false, true},
    {&D::coverStem, 0, kOutlineMax, false, true},
    {&D::coverSlab, 0, kOutlineMax, false, true},
    {&D::safetyFactorNormal, 0, 100, false, true, ReadWhen::SafetyFactorMethod},
    {&D::safetyFactorSeismic, 0, 100, false, true, ReadWhen::SafetyFactorMethod},
};

std::string boundText(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

bool inside(const FieldRange& r, double v) {
    const bool aboveMin = r.minIncluded ? v >= r.min : v > r.min;
    const bool belowMax = r.maxIncluded ? v <= r.max : v < r.max;
    return aboveMin && belowMax;
}

}  // namespace

std::string rangeMessage(const NumberField DesignConditions::*field, const std::string& text) {
    for (const FieldRange& r : kRanges) {
        if (r.field != field) continue;
        const std::string lower =
            r.min == kOwnCheck ? std::string()
                               : boundText(r.min) + (r.minIncluded ? " 以上 " : " より大きく ");
        return fieldLabel(field) + "：'" + echoText(text) + "' は範囲外です。\r" + lower +
               boundText(r.max) + (r.maxIncluded ? " 以下" : " 未満") + "の値を入力して下さい。";
    }
    return {};
}

namespace {

void checkRanges(const DesignConditions& d, Validation& v) {
    for (const FieldRange& r : kRanges) {
        if (!isRead(r.when, d)) continue;
        if (const auto value = v.number(r.field))
            v.refuseIf(!inside(r, *value), rangeMessage(r.field, (d.*r.field).text));
    }
}

// The bars lie `cover` inside the face; a cover as thick as the thinnest section of its
// member leaves that section no effective depth d = t − cover, and the member design
// would print negative bar areas and stresses. The stem is thinnest at its crest, the
// toe slab at its end, the key across its width.
// A thickness below `refusedBelow` (or of 0 or less) is refused by its own check,
// which is the one message for it.
struct CoverLimit {
    Field cover;
    Field thickness;
    const char* member;
    ReadWhen when;
    double refusedBelow;
};
const CoverLimit kCoverLimits[] = {
    {&D::coverStem, &D::crestWidth, "縦壁", ReadWhen::Always, 0},
    {&D::coverSlab, &D::baseThickness, "つま先版", ReadWhen::Always, 0},
    {&D::coverSlab, &D::keyWidth, "突起", ReadWhen::ShearKey, 10},
};

void checkCovers(const DesignConditions& d, Validation& v) {
    for (const CoverLimit& c : kCoverLimits) {
        if (!isRead(c.when, d)) continue;
        const auto cover = v.number(c.cover), t = v.number(c.thickness);
        if (cover && t && *t > 0 && *t >= c.refusedBelow)
            v.refuseIf(*cover >= *t, fieldLabel(c.cover) + "：'" + echoText((d.*c.cover).text) +
                                         "' では" + c.member + "の有効高が 0 以下になります。\r" +
                                         "かぶりは" + fieldLabel(c.thickness) + " " +
                                         boundText(*t) + " より小さくして下さい。");
    }
}

}  // namespace

Verdict checkConditions(const DesignConditions& d, int allowableStressLoadCase, Dialogs& dialogs) {
    using D = DesignConditions;
    Validation v(d, dialogs);
    constexpr int kSlope = 1, kEmbankment = 2;
    constexpr int kNormal = 0, kSeismic = 1;

    if (auto c = v.number(&D::backfillCohesion))
        v.warnIf(*c > 20, "粘着力が過大です。修正する事をお勧めします。");
    if (auto cb = v.number(&D::adhesion))
        v.warnIf(*cb > 20, "付着力が過大です。修正する事をお勧めします。");

    if (d.hasShearKey == 1) {
        if (auto x = v.number(&D::keyPosition)) v.refuseIf(*x < 0, "突起位置を再確認して下さい。");
        if (auto w = v.number(&D::keyWidth)) v.refuseIf(*w < 10, "突起幅を再確認して下さい。");
        if (auto h = v.number(&D::keyHeight)) v.refuseIf(*h < 10, "突起高を再確認して下さい。");
    }
    if (auto gc = v.number(&D::concreteUnitWeight))
        v.refuseIf(*gc < 2, "コンクリート重量を再確認して下さい。");

    if (d.backfillShape == kSlope) {
        const auto n = v.number(&D::slopeRatio);
        if (n) v.refuseIf(*n == 0, "法面勾配を設定して下さい。");
        // A slope 1:n stands at arctan(1/n); the backfill cannot stand steeper than φ.
        // A ratio of 0 has no angle and is already refused above.
        const auto phi = v.number(&D::backfillPhi);
        if (n && phi && *n != 0)
            v.refuseIf(*phi * std::numbers::pi / 180 <= std::atan(1 / *n),
                       "剪断抵抗角より法面勾配が大きいです。修正して下さい。");
    }
    if (d.backfillShape == kEmbankment) {
        if (auto n = v.number(&D::slopeRatio)) v.refuseIf(*n == 0, "法面勾配を設定して下さい。");
        if (auto h = v.number(&D::embankmentHeight))
            v.refuseIf(*h == 0, "盛土高を設定して下さい。");
    }

    {
        const auto front = v.number(&D::frontBatterWidth), crest = v.number(&D::crestWidth),
                   toe = v.number(&D::toeWidth), base = v.number(&D::baseWidth);
        if (front && crest && toe && base)
            v.refuseIf(std::fabs(*front + *crest + *toe - *base) >= 1,
                       "擁壁形状(幅)を再確認して下さい。");
    }

    v.refuseIf(d.seismicCase == kNormal && allowableStressLoadCase == kSeismic,
               messages::allowableStressSeismicInNormalRun);
    v.refuseIf(d.seismicCase == kSeismic && allowableStressLoadCase == kNormal,
               messages::allowableStressNormalInSeismicRun);
    v.warnIf(d.seismicCase == kSeismic && d.seismicLoadSet == 0 && d.hasSurcharge.on,
             messages::surchargeWithUnloadedPressure);

    const auto df = v.number(&D::embedDepth);
    if (auto dfb = v.number(&D::bearingEmbedDepth); df && dfb)
        v.refuseIf(*df < *dfb, messages::embedDepthAboveBearingEmbedDepth);

    // Wall height in mm (stem + rise of the slab's top + base) against depths in m.
    const auto wallHeight = [&v]() -> std::optional<double> {
        const auto stem = v.number(&D::stemHeight), slab = v.number(&D::slabSlopeHeight),
                   base = v.number(&D::baseThickness);
        if (!stem || !slab || !base) return std::nullopt;
        return *stem + *slab + *base;
    };
    if (d.hasPassive.on) {
        const auto ho = v.number(&D::effectiveEmbedDepth);
        if (df && ho) v.refuseIf(*df < *ho, messages::embedDepthAboveEffectiveDepth);
        const auto slab = v.number(&D::slabSlopeHeight), base = v.number(&D::baseThickness);
        if (slab && base && ho)
            v.refuseIf(*slab + *base > 1000 * *ho, "有効根入長は底版厚以上にして下さい。");
        if (const auto h = wallHeight(); h && ho)
            v.refuseIf(*h < 1000 * *ho, "有効根入長は擁壁天端以下にして下さい。");
    }
    if (d.hasWater.on) {
        const auto h1 = v.number(&D::waterDepth);
        if (const auto h = wallHeight(); h && h1)
            v.refuseIf(*h < 1000 * *h1, "地下水位は擁壁天端以下にして下さい。");
    }
    // The seismic passive coefficient needs √(sin φ2 · sin(φ2 − θ) / cos θ): below the
    // seismic angle θ = arctan kh the embedment ground has no passive resistance to give.
    if (d.seismicCase == kSeismic && d.seismicLoadSet != 0) {
        const auto phi2 = v.number(&D::embedPhi), kh = v.number(&D::kh);
        if (phi2 && kh)
            v.refuseIf(*phi2 * std::numbers::pi / 180 < std::atan(*kh),
                       messages::embedPhiBelowSeismicAngle);
    }
    checkCovers(d, v);
    checkRanges(d, v);
    return v.verdict();
}

bool validateConditions(const DesignConditions& d, int allowableStressLoadCase, Dialogs& dialogs) {
    return checkConditions(d, allowableStressLoadCase, dialogs) != Verdict::Passed;
}

}  // namespace marvoten
