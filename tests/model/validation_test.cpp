#include "model/validation.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/test_support.h"

namespace marvoten {
namespace {

using D = DesignConditions;
constexpr auto W = MessageKind::Warning;
constexpr auto E = MessageKind::Error;

const std::string kM1 =
    "[常時計算時]に[許容応力度]が\r[地震時]になっています。\r\r確認して、訂正して下さい。";
const std::string kM2 =
    "[地震時計算時]に[許容応力度]が\r[常時]になっています。\r\r確認して、訂正して下さい。";
const std::string kM3 =
    "[地震時土圧計算法]が[載荷無常時土圧]です。\rしかし、\r\r[②載荷重]が[載荷重有り]"
    "になっています。\r"
    "[②載荷重]を確認してください。\r\r計算は、このまま続行します。";
const std::string kM4 =
    "Df(根入地盤への根入れ深さ)が、Df'(支持地盤への根入れ深さ)"
    "より浅いです。\r確認して、訂正して下さい。";
const std::string kM5 =
    "Df(根入地盤への根入れ深さ)が、(3)その他の荷重のHo(有効根入長)"
    "より浅いです。\r確認して、訂正して下さい。";
const std::string kSlope = "法面勾配を設定して下さい。";

struct Message {
    MessageKind kind;
    std::string text;
};

struct Case {
    const char* name;
    std::function<void(D&)> change;
    int stressCase;  // load case of the allowable-stress table
    std::vector<Message> messages;
    bool refused;
};

void shearKey(D& d, const char* x, const char* w, const char* h) {
    d.hasShearKey = 1;
    d.keyPosition.text = x;
    d.keyWidth.text = w;
    d.keyHeight.text = h;
}
void slope(D& d, const char* n, const char* phi) {
    d.backfillShape = 1;
    d.slopeRatio.text = n;
    d.backfillPhi.text = phi;
}
void seismic(D& d) {
    d.seismicCase = 1;
}

TEST(ValidateConditions, EachCheckInOrderWithItsMessageAndEffect) {
    const Case cases[] = {
        {"start values pass", [](D&) {}, 0, {}, false},
        {"1 cohesion 25 warns",
         [](D& d) { d.backfillCohesion.text = "25"; },
         0,
         {{W, "粘着力が過大です。修正する事をお勧めします。"}},
         false},
        {"1 cohesion 20 is allowed", [](D& d) { d.backfillCohesion.text = "20"; }, 0, {}, false},
        {"2 adhesion 20.5 warns",
         [](D& d) { d.adhesion.text = "20.5"; },
         0,
         {{W, "付着力が過大です。修正する事をお勧めします。"}},
         false},
        {"3 key position",
         [](D& d) { shearKey(d, "-1", "500", "400"); },
         0,
         {{E, "突起位置を再確認して下さい。"}},
         true},
        {"4 key width",
         [](D& d) { shearKey(d, "0", "9.9", "400"); },
         0,
         {{E, "突起幅を再確認して下さい。"}},
         true},
        {"5 key height, and a key of 10 has no depth under the cover",
         [](D& d) { shearKey(d, "800", "10", "9"); },
         0,
         {{E, "突起高を再確認して下さい。"},
          {E,
           "鉄筋かぶり 底版(mm)：'110' では突起の有効高が 0 以下になります。\r"
           "かぶりは突起 (2)幅(mm) 10 より小さくして下さい。"}},
         true},
        {"3-5 not without a key",
         [](D& d) {
             shearKey(d, "-1", "0", "0");
             d.hasShearKey = 0;
         },
         0,
         {},
         false},
        {"6 concrete unit weight",
         [](D& d) { d.concreteUnitWeight.text = "1.9"; },
         0,
         {{E, "コンクリート重量を再確認して下さい。"}},
         true},
        {"7 slope ratio 0, check 8 not repeated",
         [](D& d) { slope(d, "0", "35"); },
         0,
         {{E, kSlope}},
         true},
        {"8 slope 1:1.0 (45°) steeper than φ 35",
         [](D& d) { slope(d, "1.0", "35"); },
         0,
         {{E, "剪断抵抗角より法面勾配が大きいです。修正して下さい。"}},
         true},
        {"8 slope 1:1.0 with φ 46 passes", [](D& d) { slope(d, "1.0", "46"); }, 0, {}, false},
        {"8 slope 1:1.5 (33.7°) with φ 35 passes",
         [](D& d) { slope(d, "1.5", "35"); },
         0,
         {},
         false},
        {"9 embankment without slope ratio",
         [](D& d) {
             d.backfillShape = 2;
             d.slopeRatio.text = "0";
             d.embankmentHeight.text = "2000";
         },
         0,
         {{E, kSlope}},
         true},
        {"10 embankment without height",
         [](D& d) {
             d.backfillShape = 2;
             d.slopeRatio.text = "1.0";
             d.embankmentHeight.text = "0.0";
         },
         0,
         {{E, "盛土高を設定して下さい。"}},
         true},
        {"11 base width 4043.5",
         [](D& d) { d.baseWidth.text = "4043.5"; },
         0,
         {{E, "擁壁形状(幅)を再確認して下さい。"}},
         true},
        {"11 base width 4042.9 within 1 mm",
         [](D& d) { d.baseWidth.text = "4042.9"; },
         0,
         {},
         false},
        {"12 normal run, seismic stresses", [](D&) {}, 1, {{E, kM1}}, true},
        {"13 seismic run, normal stresses", seismic, 0, {{E, kM2}}, true},
        {"12/13 seismic run, seismic stresses", seismic, 1, {}, false},
        {"14 unloaded normal pressure with a surcharge warns",
         [](D& d) {
             seismic(d);
             d.seismicLoadSet = 0;
         },
         1,
         {{W, kM3}},
         false},
        {"14 not without a surcharge",
         [](D& d) {
             seismic(d);
             d.seismicLoadSet = 0;
             d.hasSurcharge.on = false;
         },
         1,
         {},
         false},
        {"15 Df shallower than Df'",
         [](D& d) {
             d.embedDepth.text = "0.5";
             d.hasPassive.on = false;
         },
         0,
         {{E, kM4}},
         true},
        {"16 Df shallower than Ho",
         [](D& d) { d.effectiveEmbedDepth.text = "3.0"; },
         0,
         {{E, kM5}},
         true},
        {"17 Ho above the slab",
         [](D& d) { d.effectiveEmbedDepth.text = "0.8"; },
         0,
         {{E, "有効根入長は底版厚以上にして下さい。"}},
         true},
        {"17 Ho at the slab top passes",
         [](D& d) { d.effectiveEmbedDepth.text = "0.9"; },
         0,
         {},
         false},
        {"18 Ho above the crest",
         [](D& d) {
             d.embedDepth.text = "9";
             d.effectiveEmbedDepth.text = "8.5";
         },
         0,
         {{E, "有効根入長は擁壁天端以下にして下さい。"}},
         true},
        {"18 Ho at the crest passes",
         [](D& d) {
             d.embedDepth.text = "9";
             d.effectiveEmbedDepth.text = "8.0";
         },
         0,
         {},
         false},
        {"16-18 skipped without passive pressure",
         [](D& d) {
             d.hasPassive.on = false;
             d.effectiveEmbedDepth.text = "9";  // above the crest and deeper than Df
             d.embedDepth.text = "0.6";
         },
         0,
         {},
         false},
        {"19 water above the crest",
         [](D& d) {
             d.hasWater.on = true;
             d.waterDepth.text = "8.1";
         },
         0,
         {{E, "地下水位は擁壁天端以下にして下さい。"}},
         true},
        {"19 water at the crest passes",
         [](D& d) {
             d.hasWater.on = true;
             d.waterDepth.text = "8.0";
         },
         0,
         {},
         false},
        {"11 and 12: two messages, then refused",
         [](D& d) { d.baseWidth.text = "4043.5"; },
         1,
         {{E, "擁壁形状(幅)を再確認して下さい。"}, {E, kM1}},
         true},
        {"1, 2 and 14 warn in a row, the run goes on",
         [](D& d) {
             d.backfillCohesion.text = "30";
             d.adhesion.text = "30";
             seismic(d);
             d.seismicLoadSet = 0;
         },
         1,
         {{W, "粘着力が過大です。修正する事をお勧めします。"},
          {W, "付着力が過大です。修正する事をお勧めします。"},
          {W, kM3}},
         false},
        {"a needed text that is not a number names its field",
         [](D& d) { slope(d, "1.0", "abc"); },
         0,
         {{E, "裏込め土 φ(角度)：'abc' は数値ではありません"}},
         true},
        {"a field needed by several checks is reported once",
         [](D& d) {
             d.hasWater.on = true;
             d.waterDepth.text = "1";
             d.stemHeight.text = "7,100";
         },
         0,
         {{E, "たて壁高さ(mm)：'7,100' は数値ではありません"}},
         true},
        {"a level backfill does not read the slope ratio",
         [](D& d) { d.slopeRatio.text = "-"; },
         0,
         {},
         false},
    };
    for (const auto& c : cases) {
        D d;
        c.change(d);
        testing::FakeDialogs dialogs;
        EXPECT_EQ(validateConditions(d, c.stressCase, dialogs), c.refused) << c.name;
        ASSERT_EQ(dialogs.messages.size(), c.messages.size()) << c.name;
        for (std::size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(dialogs.messages[i].kind, c.messages[i].kind) << c.name << " #" << i;
            EXPECT_EQ(dialogs.messages[i].text, c.messages[i].text) << c.name << " #" << i;
        }
    }
}

// A text that is not a number is its own verdict, ahead of a refusal found in
// the same validation: the command line ends such a run as an error, not a refusal.
TEST(CheckConditions, TellsATextThatIsNoNumberFromARefusal) {
    struct VerdictCase {
        const char* name;
        std::function<void(D&)> change;
        Verdict verdict;
    };
    const std::vector<VerdictCase> cases{
        {"start values", [](D&) {}, Verdict::Passed},
        {"base width off by more than 1 mm", [](D& d) { d.baseWidth.text = "5000"; },
         Verdict::Refused},
        {"a checked text that is no number", [](D& d) { d.frontBatterWidth.text = "abc"; },
         Verdict::NotANumber},
        {"both",
         [](D& d) {
             d.frontBatterWidth.text = "abc";
             d.concreteUnitWeight.text = "1";
         },
         Verdict::NotANumber},
    };
    for (const auto& c : cases) {
        D d;
        c.change(d);
        testing::FakeDialogs dialogs;
        EXPECT_EQ(checkConditions(d, 0, dialogs), c.verdict) << c.name;
        EXPECT_EQ(validateConditions(d, 0, dialogs), c.verdict != Verdict::Passed) << c.name;
    }
}

// Values no wall can have are refused with the field, the text and the range; the
// bounds themselves follow the inclusive flags of the range table.
TEST(ValueRanges, OutsideValuesAreRefusedNamingFieldTextAndRange) {
    struct RangeCase {
        const char* name;
        NumberField D::*field;
        const char* text;
        std::function<void(D&)> setting;  // what makes the run read the field
        const char* message;              // empty: passes
    };
    const auto always = [](D&) {};
    const auto seismic = [](D& d) {
        d.seismicCase = 1;
        d.embedPhi.text = "60";  // above the seismic angle of kh = 1.5
    };
    const auto key = [](D& d) {
        d.hasShearKey = 1;
        d.keyPosition.text = "800";
        d.keyWidth.text = "500";
        d.keyHeight.text = "400";
    };
    const auto safetyFactors = [](D& d) {
        d.overturningMethod = 1;
        d.safetyFactorNormal.text = "1.5";
        d.safetyFactorSeismic.text = "1.2";
    };
    const RangeCase cases[] = {
        {"φ 0 is a soil without friction", &D::backfillPhi, "0", always, ""},
        {"φ just below 90", &D::backfillPhi, "89.9", always, ""},
        {"φ 90 has no wedge", &D::backfillPhi, "90", always,
         "裏込め土 φ(角度)：'90' は範囲外です。\r0 以上 90 未満の値を入力して下さい。"},
        {"φ negative", &D::backfillPhi, "-1e9", always,
         "裏込め土 φ(角度)：'-1e9' は範囲外です。\r0 以上 90 未満の値を入力して下さい。"},
        {"bearing φ 90", &D::bearingPhi, "90", always,
         "支持地盤 φ(角度)：'90' は範囲外です。\r0 以上 90 未満の値を入力して下さい。"},
        {"unit weight 0 weighs nothing", &D::backfillUnitWeight, "0", always,
         "裏込め土 γs(kN/m3)：'0' は範囲外です。\r0 より大きく 100 以下の値を入力して下さい。"},
        {"unit weight 100", &D::bearingUnitWeight, "100", always, ""},
        {"unit weight 1e17", &D::embedUnitWeight, "1e17", always,
         "根入れ地盤 γ2(kN/m3)：'1e17' は範囲外です。\r0 より大きく 100 "
         "以下の値を入力して下さい。"},
        {"concrete 1e17: its own check guards the lower end only", &D::concreteUnitWeight, "1e17",
         always, "γc(kN/m3)：'1e17' は範囲外です。\r100 以下の値を入力して下さい。"},
        {"base thickness 0", &D::baseThickness, "0", always,
         "底板厚(mm)：'0' は範囲外です。\r0 より大きく 50000 以下の値を入力して下さい。"},
        {"slab slope 0 is a level slab", &D::slabSlopeHeight, "0", always, ""},
        {"tiny positive cover", &D::coverSlab, "1e-300", always, ""},
        {"cohesion negative", &D::bearingCohesion, "-0.1", always,
         "支持地盤 c(kN/m2)：'-0.1' は範囲外です。\r0 以上 1000 以下の値を入力して下さい。"},
        {"kh 1 in a seismic run", &D::kh, "1", seismic, ""},
        {"kh above 1 in a seismic run", &D::kh, "1.5", seismic,
         "設計震度 kh：'1.5' は範囲外です。\r0 以上 1 以下の値を入力して下さい。"},
        {"kh is not read in a normal run", &D::kh, "1.5", always, ""},
        {"key width huge", &D::keyWidth, "1e9", key,
         "突起 (2)幅(mm)：'1e9' は範囲外です。\r50000 以下の値を入力して下さい。"},
        {"key fields are not read without a key", &D::keyWidth, "1e9", always, ""},
        {"safety factor 0 with the safety-factor method", &D::safetyFactorNormal, "0",
         safetyFactors,
         "安全率 常時：'0' は範囲外です。\r0 より大きく 100 以下の値を入力して下さい。"},
        {"placeholder safety factor with the eccentricity method", &D::safetyFactorNormal, "-",
         always, ""},
        // Regression: a cover as thick as its member left no effective depth, and the
        // book printed negative bar areas, "x=-550mm" and a verdict that contradicted
        // its own text. The message names the field and the member.
        {"stem cover just under the crest", &D::coverStem, "399", always, ""},
        {"stem cover equal to the crest", &D::coverStem, "400", always,
         "鉄筋かぶり 縦壁(mm)：'400' では縦壁の有効高が 0 以下になります。\r"
         "かぶりは天端幅(mm) 400 より小さくして下さい。"},
        {"stem cover 1000", &D::coverStem, "1000", always,
         "鉄筋かぶり 縦壁(mm)：'1000' では縦壁の有効高が 0 以下になります。\r"
         "かぶりは天端幅(mm) 400 より小さくして下さい。"},
        {"slab cover 600 on a 700 base", &D::coverSlab, "600", always, ""},
        {"slab cover 700", &D::coverSlab, "700", always,
         "鉄筋かぶり 底版(mm)：'700' ではつま先版の有効高が 0 以下になります。\r"
         "かぶりは底板厚(mm) 700 より小さくして下さい。"},
        {"slab cover 600 on a key of 500", &D::coverSlab, "600", key,
         "鉄筋かぶり 底版(mm)：'600' では突起の有効高が 0 以下になります。\r"
         "かぶりは突起 (2)幅(mm) 500 より小さくして下さい。"},
        {"slab cover 499 on a key of 500", &D::coverSlab, "499", key, ""},
    };
    for (const auto& c : cases) {
        D d;
        c.setting(d);
        (d.*c.field).text = c.text;
        testing::FakeDialogs dialogs;
        const Verdict verdict = checkConditions(d, d.seismicCase, dialogs);
        if (std::string(c.message).empty()) {
            EXPECT_EQ(verdict, Verdict::Passed) << c.name;
            EXPECT_TRUE(dialogs.messages.empty()) << c.name << ": " << dialogs.messages[0].text;
            continue;
        }
        EXPECT_EQ(verdict, Verdict::Refused) << c.name;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.name;
        EXPECT_EQ(dialogs.messages[0].kind, E) << c.name;
        EXPECT_EQ(dialogs.messages[0].text, c.message) << c.name;
    }
}

// Regression: kh = 1 (θ = 45°) with φ2 = 25° took the square root of a negative number
// and printed Kp as "NAN". Normal earth pressure with inertia has no seismic angle.
TEST(SeismicPassive, AnEmbedmentAngleBelowTheSeismicAngleIsRefused) {
    struct SeismicCase {
        const char* kh;
        const char* embedPhi;
        int loadSet;
        bool refused;
    };
    const SeismicCase cases[] = {
        {"1", "25", 1, true},     {"1", "44.9", 2, true},    {"1", "45.1", 1, false},
        {"0.12", "6.8", 1, true}, {"0.12", "6.9", 1, false}, {"1", "25", 0, false},
    };
    for (const auto& c : cases) {
        D d;
        d.seismicCase = 1;
        d.seismicLoadSet = c.loadSet;
        d.kh.text = c.kh;
        d.embedPhi.text = c.embedPhi;
        testing::FakeDialogs dialogs;
        EXPECT_EQ(checkConditions(d, 1, dialogs), c.refused ? Verdict::Refused : Verdict::Passed)
            << c.kh << " " << c.embedPhi;
        if (c.refused) {
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_EQ(dialogs.messages[0].text, messages::embedPhiBelowSeismicAngle);
        }
    }
}

// A value caught by a check of its own is reported once, by that check.
TEST(ValueRanges, OneMessageForOneFault) {
    const std::vector<std::pair<std::function<void(D&)>, std::string>> cases{
        {[](D& d) { d.concreteUnitWeight.text = "0"; }, "コンクリート重量を再確認して下さい。"},
        {[](D& d) {
             d.hasShearKey = 1;
             d.keyPosition.text = "-1";
             d.keyWidth.text = "500";
             d.keyHeight.text = "400";
         },
         "突起位置を再確認して下さい。"},
        {[](D& d) {
             d.backfillShape = 1;
             d.slopeRatio.text = "0";
         },
         kSlope},
    };
    for (const auto& [change, message] : cases) {
        D d;
        change(d);
        testing::FakeDialogs dialogs;
        EXPECT_EQ(checkConditions(d, 0, dialogs), Verdict::Refused) << message;
        ASSERT_EQ(dialogs.messages.size(), 1u) << message;
        EXPECT_EQ(dialogs.messages[0].text, message);
    }
}

TEST(ValueRanges, EveryNumberFieldHasARangeAndItsStartValuesAndListsPass) {
    for (const auto& f : numberFields())
        EXPECT_FALSE(rangeMessage(f.member, "x").empty()) << f.name << " has no range";
    const std::vector<std::pair<NumberField D::*, const std::vector<std::string>*>> lists{
        {&D::concreteUnitWeight, &items::concreteUnitWeight},
        {&D::blockLength, &items::blockLength},
        {&D::waterUnitWeight, &items::waterUnitWeight},
        {&D::barrierHeight, &items::barrierHeight},
        {&D::windPressure, &items::windPressure},
        {&D::collisionLoad, &items::collisionLoad},
        {&D::collisionHeight, &items::collisionHeight},
        {&D::regionFactor, &items::regionFactor},
    };
    for (const auto& [field, values] : lists)
        for (const std::string& value : *values) {
            D d;
            (d.*field).text = value;
            testing::FakeDialogs dialogs;
            EXPECT_EQ(checkConditions(d, 0, dialogs), Verdict::Passed) << value;
        }
    for (const std::string& n : items::slopeRatio) {
        D d;
        d.backfillShape = 2;
        d.slopeRatio.text = n;
        d.embankmentHeight.text = "2000";
        testing::FakeDialogs dialogs;
        EXPECT_EQ(checkConditions(d, 0, dialogs), Verdict::Passed) << n;
    }
}

}  // namespace
}  // namespace marvoten
