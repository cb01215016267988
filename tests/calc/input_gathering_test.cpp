#include "calc/input_gathering.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "calc/bars.h"
#include "platform/number_text.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using marvoten::testing::near;
using D = DesignConditions;

TAntei gathered(const DesignConditions& dc) {
    TAntei a;
    gatherInputs(a, dc);
    return a;
}

::testing::AssertionResult at(const TTeisu& t, int i, double x, double y) {
    const WallPoint& p = t.point(i);
    if (std::fabs(p.x - x) <= 1e-9 && std::fabs(p.y - y) <= 1e-9)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "P" << i << " = (" << p.x << ", " << p.y << "), expected (" << x << ", " << y << ")";
}

// The start values: t = 0.7, s = 0.2, Hs = 7.1, Lt = 3.5, bf = 0.142, bc = 0.4,
// wf = 0.1, B = 4.042, Ho = 2.5, no water, level backfill.
TEST(WallPoints, StartValuesGiveTheWorkedExample) {
    const TAntei a = gathered(DesignConditions{});
    EXPECT_EQ(a.shapeType, 2);
    EXPECT_TRUE(near(a.wallHeight, 8.0, 1e-12));
    EXPECT_TRUE(at(a, 0, 0, 0));
    EXPECT_TRUE(at(a, 1, 0, 0.7));
    EXPECT_TRUE(at(a, 2, 3.4, 0.9));
    EXPECT_TRUE(at(a, 3, 3.5, 0.9));
    EXPECT_TRUE(at(a, 4, 3.642, 8.0));
    EXPECT_TRUE(at(a, 5, 4.042, 8.0));
    EXPECT_TRUE(at(a, 6, 4.042, 0.9));
    // h_m = 0.45 lies between wf and Lt: the toe section is on the sloped top.
    EXPECT_TRUE(at(a, 14, 3.05, 0.7 + 0.2 * 3.05 / 3.4));
    EXPECT_TRUE(at(a, 19, 3.05, 0));
    EXPECT_TRUE(at(a, 24, 0, 2.5));
    EXPECT_TRUE(at(a, 25, 3.5, 2.5));
    EXPECT_TRUE(at(a, 26, 3.5 + 1.6 * 0.142 / 7.1, 2.5));
    EXPECT_TRUE(near(a.point(26).x, 3.532, 1e-12));
    EXPECT_TRUE(at(a, 30, 3.05, 2.5));
    EXPECT_TRUE(at(a, 15, 0, 0));
    EXPECT_TRUE(at(a, 16, 4.042, 0));
    EXPECT_TRUE(at(a, 21, 4.042, 8.0));
    EXPECT_TRUE(at(a, 23, 4.042, 8.0));
    // No key: its points stay at the origin.
    for (int i : {10, 11, 12, 13}) EXPECT_TRUE(at(a, i, 0, 0));
}

TEST(InputGathering, ConvertsUnitsAndDerivesValues) {
    const TAntei a = gathered(DesignConditions{});
    const double deg = std::numbers::pi / 180;
    EXPECT_DOUBLE_EQ(a.backfillPhi, 35 * deg);
    EXPECT_EQ(a.bearingPhiDeg, 35);
    EXPECT_EQ(a.embedPhiDeg, 25);
    EXPECT_DOUBLE_EQ(a.coverSlab, 0.11);
    EXPECT_EQ(a.backfillShape, 1);
    EXPECT_EQ(a.slopeAngle, 0.0);
    EXPECT_EQ(a.seismicCombination, 0);
    EXPECT_EQ(a.kh, 0.0);
    EXPECT_DOUBLE_EQ(a.baseFrictionAngle, 35 * deg);
    EXPECT_DOUBLE_EQ(a.embedUnitWeightEff, 18.0);
    EXPECT_TRUE(near(a.backBatterWidth, 0, 1e-12));
    // The collision load is off: the block length is not taken over as the
    // collision's, but the ultimate bearing capacity takes it in every run.
    EXPECT_EQ(a.blockLength, 0.0);
    EXPECT_DOUBLE_EQ(a.bearingBlockLength, 5.0);
    EXPECT_EQ(a.FmRequired, 0.0);
}

struct Variation {
    const char* name;
    std::function<void(D&)> change;
    std::function<void(const TAntei&)> check;
};

class InputVariation : public ::testing::TestWithParam<Variation> {};

TEST_P(InputVariation, Holds) {
    D dc;
    GetParam().change(dc);
    GetParam().check(gathered(dc));
}

const double kh12 = std::atan(0.12);

INSTANTIATE_TEST_SUITE_P(
    Derived, InputVariation,
    ::testing::Values(
        Variation{"PrecastBodyTakesTwoThirdsOfPhi", [](D& d) { d.bodyKind = 1; },
                  [](const TAntei& a) { EXPECT_TRUE(near(a.baseFrictionAngle, 0.40724, 5e-6)); }},
        Variation{"SeismicPressureOnly",
                  [](D& d) {
                      d.seismicCase = 1;
                      d.seismicLoadSet = 2;
                      d.kh.text = "0.12";
                  },
                  [](const TAntei& a) {
                      EXPECT_EQ(a.seismicCombination, 4);
                      EXPECT_EQ(a.khInertia, 0.0);
                      EXPECT_DOUBLE_EQ(a.seismicAngle, kh12);
                  }},
        Variation{"SeismicNormalPressureWithInertia",
                  [](D& d) {
                      d.seismicCase = 1;
                      d.seismicLoadSet = 0;
                      d.kh.text = "0.12";
                  },
                  [](const TAntei& a) {
                      EXPECT_EQ(a.seismicCombination, 1);
                      EXPECT_DOUBLE_EQ(a.khInertia, 0.12);
                      EXPECT_EQ(a.seismicAngle, 0.0);
                  }},
        Variation{"SeismicPressureWithInertia",
                  [](D& d) {
                      d.seismicCase = 1;
                      d.kh.text = "0.12";
                  },
                  [](const TAntei& a) {
                      EXPECT_EQ(a.seismicCombination, 2);
                      EXPECT_DOUBLE_EQ(a.khInertia, 0.12);
                      EXPECT_DOUBLE_EQ(a.seismicAngle, kh12);
                  }},
        Variation{"WaterBelowEmbedmentDepth",
                  [](D& d) {
                      d.hasWater.on = true;
                      d.waterDepth.text = "0.5";
                  },
                  [](const TAntei& a) {
                      // ((2.5 − 0.5)·18 + 0.5·9) / 2.5
                      EXPECT_DOUBLE_EQ(a.embedUnitWeightEff, (2.0 * 18 + 0.5 * 9) / 2.5);
                      EXPECT_DOUBLE_EQ(a.bearingUnitWeightEff, 10.0);
                  }},
        Variation{"WaterAboveEmbedmentDepth",
                  [](D& d) {
                      d.hasWater.on = true;
                      d.waterDepth.text = "3.0";
                  },
                  [](const TAntei& a) { EXPECT_DOUBLE_EQ(a.embedUnitWeightEff, 9.0); }},
        Variation{"Embankment",
                  [](D& d) {
                      d.backfillShape = 2;
                      d.slopeRatio.text = "1.5";
                      d.embankmentHeight.text = "2000";
                  },
                  [](const TAntei& a) {
                      EXPECT_EQ(a.backfillShape, 3);
                      EXPECT_DOUBLE_EQ(a.embankmentHeight, 2.0);
                      EXPECT_DOUBLE_EQ(a.embankmentLength, 3.0);
                      EXPECT_DOUBLE_EQ(a.slopeAngle, std::atan(1 / 1.5));
                      // The back face is vertical: the slope starts at the crest's back
                      // edge and the break point lies beyond the base.
                      EXPECT_TRUE(at(a, 22, 4.042, 8.0));
                      EXPECT_TRUE(at(a, 23, 4.042, 8.0));
                  }},
        Variation{"ZeroSlopeRatioGivesNoSlope",
                  [](D& d) {
                      d.backfillShape = 1;
                      d.slopeRatio.text = "0";
                  },
                  [](const TAntei& a) { EXPECT_EQ(a.slopeAngle, 0.0); }},
        Variation{"SurchargeOnTheWholeSurface", [](D& d) { d.surchargeZone = 1; },
                  [](const TAntei& a) { EXPECT_DOUBLE_EQ(a.surchargeOnSlope, 10.0); }},
        Variation{"CollisionTakesTheBlockLength", [](D& d) { d.hasCollision.on = true; },
                  [](const TAntei& a) { EXPECT_DOUBLE_EQ(a.blockLength, 5.0); }},
        Variation{"SafetyFactorMethodTakesTheNormalFactor",
                  [](D& d) {
                      d.overturningMethod = 1;
                      d.safetyFactorNormal.text = "1.5";
                      d.safetyFactorSeismic.text = "1.2";
                  },
                  [](const TAntei& a) { EXPECT_DOUBLE_EQ(a.FmRequired, 1.5); }},
        Variation{"SafetyFactorMethodTakesTheSeismicFactor",
                  [](D& d) {
                      d.overturningMethod = 1;
                      d.safetyFactorNormal.text = "1.5";
                      d.safetyFactorSeismic.text = "1.2";
                      d.seismicCase = 1;
                      d.kh.text = "0.12";
                  },
                  [](const TAntei& a) {
                      EXPECT_EQ(a.overturningMethod, 1);
                      EXPECT_DOUBLE_EQ(a.FmRequired, 1.2);
                  }},
        Variation{"OptionsOfTheChecksAndTheMembers",
                  [](D& d) {
                      d.hasShearKey = 1;
                      d.hasPassive.on = false;
                      d.stemPressureMethod = 0;
                      d.buoyancyInSlab.on = true;
                      d.toeRebar.mode = 2;
                      d.toeRebar.diameter.text = "25mm";
                  },
                  [](const TAntei& a) {
                      EXPECT_EQ(a.hasShearKey, 1);
                      EXPECT_EQ(a.hasPassive, 0);
                      EXPECT_EQ(a.stemPressureMethod, 0);
                      EXPECT_EQ(a.buoyancyInSlab, 1);
                      EXPECT_EQ(a.toeBars.mode, 2);
                      EXPECT_EQ(TTekkin::diameters[a.toeBars.diameterRow], 25);
                      EXPECT_EQ(a.stemBars, BarChoice{});
                  }},
        Variation{"ShearKeyPoints",
                  [](D& d) {
                      d.hasShearKey = 1;
                      d.keyPosition.text = "800";
                      d.keyWidth.text = "500";
                      d.keyHeight.text = "400";
                  },
                  [](const TAntei& a) {
                      EXPECT_TRUE(at(a, 10, 1.3, 0));
                      EXPECT_TRUE(at(a, 11, 1.3, -0.4));
                      EXPECT_TRUE(at(a, 12, 0.8, -0.4));
                      EXPECT_TRUE(at(a, 13, 0.8, 0));
                  }},
        Variation{"HoNotAboveSlabTopLeavesFrontGroundAtOrigin",
                  [](D& d) { d.effectiveEmbedDepth.text = "0.9"; },
                  [](const TAntei& a) {
                      for (int i : {24, 25, 26, 30}) EXPECT_TRUE(at(a, i, 0, 0));
                  }},
        Variation{"ToeSectionBeyondTheToe",
                  [](D& d) {
                      d.toeWidth.text = "300";
                      d.frontBatterWidth.text = "142";
                      d.baseWidth.text = "842";
                      d.formworkWidth.text = "100";
                  },
                  [](const TAntei& a) {
                      // h_m = 0.45 ≥ Lt = 0.3: the section sits at the stem's front foot.
                      EXPECT_TRUE(at(a, 14, 0.3, 0.9));
                  }},
        Variation{"ToeSectionOnTheLevelStrip", [](D& d) { d.formworkWidth.text = "500"; },
                  [](const TAntei& a) { EXPECT_TRUE(at(a, 14, 3.05, 0.9)); }}),
    [](const ::testing::TestParamInfo<Variation>& info) { return info.param.name; });

// Water rule W at its boundaries: at the base thickness, exactly at the slab top
// t + s = 0.9 (still on the sloped top), just above it (on the stem), and above Ho.
struct WaterCase {
    const char* name;
    const char* H1;
    WallPoint P15, P16, P31, P27;
};

class WaterLine : public ::testing::TestWithParam<WaterCase> {};

TEST_P(WaterLine, FollowsTheWaterLevel) {
    D dc;
    dc.hasWater.on = true;
    dc.waterDepth.text = GetParam().H1;
    const TAntei a = gathered(dc);
    const WaterCase& c = GetParam();
    EXPECT_TRUE(at(a, 15, c.P15.x, c.P15.y));
    EXPECT_TRUE(at(a, 16, c.P16.x, c.P16.y));
    EXPECT_TRUE(at(a, 31, c.P31.x, c.P31.y));
    EXPECT_TRUE(at(a, 27, c.P27.x, c.P27.y));
}

INSTANTIATE_TEST_SUITE_P(
    RuleW, WaterLine,
    ::testing::Values(
        WaterCase{"WithinBase", "0.5", {0, 0.5}, {4.042, 0.5}, {0, 0.5}, {0, 0.5}},
        WaterCase{"AtBaseThickness", "0.7", {0, 0.7}, {4.042, 0.7}, {0, 0.7}, {0, 0.7}},
        // (Lt − wf)·d/s = 3.4·0.2/0.2
        WaterCase{"AtSlabTop", "0.9", {3.4, 0.9}, {4.042, 0.9}, {3.4, 0.9}, {0, 0.9}},
        // 3.5 + 0.142·0.1/7.1 = 3.502
        WaterCase{"OnTheStem", "1.0", {3.502, 1.0}, {4.042, 1.0}, {3.502, 1.0}, {0, 1.0}},
        // The front water stands at Ho = 2.5, the back water at H1 = 3.
        WaterCase{"AboveHo",
                  "3.0",
                  {3.5 + 0.142 * 1.6 / 7.1, 2.5},
                  {4.042, 3.0},
                  {3.5 + 0.142 * 1.6 / 7.1, 3.0},
                  {0, 2.5}}),
    [](const ::testing::TestParamInfo<WaterCase>& info) { return info.param.name; });

// Every number field the gathering reads, set to "abc" in turn (with the options
// that make it read), stops the gathering with a message naming that field.
struct FieldCase {
    NumberField D::*field;
    std::function<void(D&)> enable;
};

std::vector<FieldCase> gatheredFields() {
    auto none = [](D&) {};
    auto seismic = [](D& d) { d.seismicCase = 1; };
    auto collision = [](D& d) { d.hasCollision.on = true; };
    auto water = [](D& d) { d.hasWater.on = true; };
    auto embankment = [](D& d) {
        d.backfillShape = 2;
        d.slopeRatio.text = "1.5";
    };
    auto key = [](D& d) { d.hasShearKey = 1; };
    auto safetyFactorMethod = [](D& d) { d.overturningMethod = 1; };
    auto seismicSafetyFactor = [](D& d) {
        d.overturningMethod = 1;
        d.seismicCase = 1;
    };
    return {
        {&D::backfillUnitWeight, none},
        {&D::backfillCohesion, none},
        {&D::backfillPhi, none},
        {&D::waterUnitWeight, none},
        {&D::concreteUnitWeight, none},
        {&D::sigmaCk, none},
        {&D::sigmaCa, none},
        {&D::sigmaCat, none},
        {&D::tauA1, none},
        {&D::tau0, none},
        {&D::sigmaSa, none},
        {&D::coverStem, none},
        {&D::coverSlab, none},
        {&D::allowableBearing, none},
        {&D::frictionCoeff, none},
        {&D::adhesion, none},
        {&D::embedCohesion, none},
        {&D::bearingCohesion, none},
        {&D::bearingPhi, none},
        {&D::embedPhi, none},
        {&D::bearingUnitWeight, none},
        {&D::embedUnitWeight, none},
        {&D::embedDepth, none},
        {&D::bearingEmbedDepth, none},
        {&D::surcharge, none},
        {&D::snowOnSlope, none},
        {&D::snowOnFlat, none},
        {&D::kh, seismic},
        {&D::barrierHeight, none},
        {&D::windPressure, none},
        {&D::collisionHeight, none},
        {&D::collisionLoad, none},
        {&D::blockLength, collision},
        {&D::blockLength, none},
        {&D::waterDepth, water},
        {&D::slopeRatio, embankment},
        {&D::embankmentHeight, embankment},
        {&D::stemHeight, none},
        {&D::baseThickness, none},
        {&D::slabSlopeHeight, none},
        {&D::toeWidth, none},
        {&D::frontBatterWidth, none},
        {&D::crestWidth, none},
        {&D::formworkWidth, none},
        {&D::baseWidth, none},
        {&D::keyPosition, key},
        {&D::keyWidth, key},
        {&D::keyHeight, key},
        {&D::effectiveEmbedDepth, none},
        {&D::safetyFactorNormal, safetyFactorMethod},
        {&D::safetyFactorSeismic, seismicSafetyFactor},
    };
}

TEST(InputGathering, EveryNumberTextThatIsNotANumberNamesItsField) {
    for (const FieldCase& c : gatheredFields()) {
        D dc;
        c.enable(dc);
        (dc.*c.field).text = "abc";
        const std::string label = fieldLabel(c.field);
        TAntei a;
        EXPECT_TRUE(marvoten::testing::throwsWithMessage<ConversionError>(
            [&] { gatherInputs(a, dc); }, label + "：'abc' は数値ではありません"))
            << label;
    }
}

TEST(InputGathering, DecimalPhiOfTheGroundIsNotAWholeNumber) {
    for (auto field : {&D::bearingPhi, &D::embedPhi}) {
        D dc;
        (dc.*field).text = "35.5";
        TAntei a;
        EXPECT_TRUE(marvoten::testing::throwsWithMessage<ConversionError>(
            [&] { gatherInputs(a, dc); }, fieldLabel(field) + "：'35.5' は整数ではありません"));
    }
}

// Options that are off are not read, so a stale text there does not stop the run.
TEST(InputGathering, FieldsOfOptionsThatAreOffAreNotRead) {
    D dc;
    dc.slopeRatio.text = "-";
    dc.kh.text = "abc";
    dc.waterDepth.text = "abc";
    dc.keyPosition.text = "abc";
    dc.safetyFactorNormal.text = "abc";
    dc.safetyFactorSeismic.text = "abc";
    TAntei a;
    EXPECT_NO_THROW(gatherInputs(a, dc));
}

}  // namespace
}  // namespace marvoten
