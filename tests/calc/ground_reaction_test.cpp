#include "calc/ground_reaction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calc/input_gathering.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using marvoten::testing::near;
using Case = GroundReactionCase;

// A wall with B = 6 m exactly: toe 5.0, front batter 0.2, crest 0.8, so the
// design section lies at xt = 5.0 − (0.7 + 0.2)/2 = 4.55 and the stem face at
// xf = 5.0. Loads Vo = 120 kN, Ho = 40 kN; d is set through Mr − Mo.
DesignConditions sixMetreWall() {
    DesignConditions dc;
    dc.baseWidth.text = "6000";
    dc.toeWidth.text = "5000";
    dc.frontBatterWidth.text = "200";
    dc.crestWidth.text = "800";
    dc.hasPassive.on = false;
    return dc;
}

TAntei loaded(const DesignConditions& dc, double d, int seismic = 0) {
    TAntei a;
    gatherInputs(a, dc);
    a.seismicCase = seismic;
    a.sumV = 120;
    a.sumH = 40;
    a.sumMo = 60;
    a.sumMr = 60 + 120 * d;
    return a;
}

TAntei stable(const DesignConditions& dc, double d, int seismic = 0) {
    TAntei a = loaded(dc, d, seismic);
    computeStability(a);
    return a;
}

struct ReactionCaseRow {
    const char* name;
    double d;
    int seismic;
    Case expected;
    double q1, q2, Be, contact;
};

class ReactionCases : public ::testing::TestWithParam<ReactionCaseRow> {};

// B/6 = 1 and B/3 = 2 exactly; q by hand from Vo = 120 over B = 6.
INSTANTIATE_TEST_SUITE_P(
    GroundReaction, ReactionCases,
    ::testing::Values(
        ReactionCaseRow{"CentredLoad", 3.0, 0, Case::Trapezoid, 20, 20, 6, 6},
        // e = B/6: still a trapezoid, q1 = 2Vo/B = 40 and q2 = 0
        ReactionCaseRow{"EccentricityExactlySixth", 2.0, 0, Case::Trapezoid, 40, 0, 4, 6},
        // e = B/3: a toe triangle over 3d = 3, q1 = 2Vo/(3d) = 80
        ReactionCaseRow{"SeismicEccentricityExactlyThird", 1.0, 1, Case::ToeTriangle, 80, 0, 2, 3},
        // e = −B/3: the triangle at the heel, q2 = 2Vo/(3(B − d)) = 80, Be = B
        ReactionCaseRow{"NegativeEccentricityThird", 5.0, 1, Case::HeelTriangle, 0, 80, 6, 3},
        ReactionCaseRow{"NegativeBeyondSixth", 4.5, 0, Case::HeelTriangle, 0, 240.0 / 4.5, 6, 4.5},
        ReactionCaseRow{"BeyondThird", 0.9, 1, Case::Incalculable, 0, 0, 6 - 2 * 2.1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(ReactionCases, CaseIntensitiesAndWidths) {
    const ReactionCaseRow& row = GetParam();
    const TAntei a = stable(sixMetreWall(), row.d, row.seismic);
    EXPECT_EQ(a.reactionCase, row.expected);
    EXPECT_TRUE(near(a.d, row.d, 1e-12));
    EXPECT_TRUE(near(a.e, 3.0 - row.d, 1e-12));
    EXPECT_TRUE(near(a.q1, row.q1, 1e-9));
    EXPECT_TRUE(near(a.q2, row.q2, 1e-9));
    EXPECT_TRUE(near(a.Be, row.Be, 1e-12));
    EXPECT_TRUE(near(a.contactWidth, row.contact, 1e-12));
}

TEST(GroundReaction, CaseFactorsFollowTheLoadCase) {
    const TAntei normal = stable(sixMetreWall(), 3.0, 0);
    EXPECT_DOUBLE_EQ(normal.allowableReaction, 300);
    EXPECT_DOUBLE_EQ(normal.FsRequired, 1.5);
    EXPECT_DOUBLE_EQ(normal.bearingSafetyFactor, 3.0);
    const TAntei seismic = stable(sixMetreWall(), 3.0, 1);
    EXPECT_DOUBLE_EQ(seismic.allowableReaction, 450);
    EXPECT_DOUBLE_EQ(seismic.FsRequired, 1.2);
    EXPECT_DOUBLE_EQ(seismic.bearingSafetyFactor, 2.0);
}

TEST(Sliding, WithoutKeyPassiveCountsOnlyWhenSwitchedOn) {
    DesignConditions dc = sixMetreWall();
    TAntei a = loaded(dc, 2.0);
    a.passivePressure = 50;
    computeStability(a);
    EXPECT_TRUE(near(a.Fs, 0.6 * 120 / 40, 1e-12)) << "Pp must not count with passive pressure off";

    dc.hasPassive.on = true;
    dc.adhesion.text = "5";
    a = loaded(dc, 2.0);
    a.adhesion = 5;
    a.passivePressure = 50;
    computeStability(a);
    // (μ·Vo + Cb·Be + 0.5·Pp)/Ho = (72 + 5·4 + 25)/40
    EXPECT_TRUE(near(a.Fs, 117.0 / 40, 1e-12));

    a = loaded(dc, 2.0);
    a.sumH = 0;
    computeStability(a);
    EXPECT_DOUBLE_EQ(a.Fs, 999.9);
}

DesignConditions keyed(const char* position, const char* width) {
    DesignConditions dc = sixMetreWall();
    dc.hasShearKey = 1;
    dc.keyPosition.text = position;
    dc.keyWidth.text = width;
    dc.keyHeight.text = "500";
    dc.bodyKind = 1;  // precast: φb = 2φ/3
    return dc;
}

struct KeyCutRow {
    const char* name;
    const char* position;
    double d;
    double b1, b2, b3;
};

class KeyCuts : public ::testing::TestWithParam<KeyCutRow> {};

// Key 0.5 m wide; Be = B − 2e = 2d for e ≥ 0, B for e < 0.
INSTANTIATE_TEST_SUITE_P(
    Sliding, KeyCuts,
    ::testing::Values(KeyCutRow{"KeyInsideBe", "1000", 2.0, 1.0, 0.5, 2.5},     // Be = 4
                      KeyCutRow{"KeyAcrossEndOfBe", "3800", 2.0, 3.8, 0.2, 0},  // Be = 4
                      KeyCutRow{"KeyBeyondBe", "4000", 1.8, 3.6, 0, 0},         // Be = 3.6
                      KeyCutRow{"ResultantBehindCentre", "4000", 3.5, 4.0, 0.5, 1.5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(KeyCuts, EffectiveWidthCutAtTheKeyFaces) {
    const KeyCutRow& row = GetParam();
    const TAntei a = stable(keyed(row.position, "500"), row.d);
    EXPECT_TRUE(near(a.b1, row.b1, 1e-12));
    EXPECT_TRUE(near(a.b2, row.b2, 1e-12));
    EXPECT_TRUE(near(a.b3, row.b3, 1e-12));
    EXPECT_TRUE(near(a.v1 + a.v2 + a.v3, 120 * (row.b1 + row.b2 + row.b3) / a.Be, 1e-9));
    EXPECT_TRUE(near(a.v1, row.b1 / a.Be * 120, 1e-9));
}

TEST(Sliding, KeyBeyondBeCarriesTheWholeLoadOnTheGround) {
    const TAntei a = stable(keyed("4000", "500"), 1.8);
    const double tanPhi = std::tan(35 * std::numbers::pi / 180);
    const double tanPhiB = std::tan(35 * std::numbers::pi / 180 * 2 / 3);
    EXPECT_TRUE(near(a.v1, 120, 1e-9));
    EXPECT_TRUE(near(a.Hk, 84.0249045852, 1e-8));  // 120·tan 35°
    EXPECT_TRUE(near(a.Fs, 2.1006226146, 1e-8));
    // Ht = v1·(tanφ − tanφb)·Ho/Hk, Mkey = hk·Ht/2
    EXPECT_TRUE(near(a.Ht, 120 * (tanPhi - tanPhiB) * 40 / a.Hk, 1e-9));
    EXPECT_TRUE(near(a.Ht, 15.3582833435, 1e-8));
    EXPECT_TRUE(near(a.Mkey, 3.8395708359, 1e-8));
}

TEST(Sliding, KeyWithoutHorizontalLoad) {
    TAntei a = loaded(keyed("1000", "500"), 2.0);
    a.sumH = 0;
    computeStability(a);
    EXPECT_DOUBLE_EQ(a.Fs, 9999.9);
    EXPECT_EQ(a.keySlidingIncalculable, 0);
    EXPECT_DOUBLE_EQ(a.Ht, 0);  // Ho = 0 puts no force on the key
}

bool allFinite(const TAntei& a) {
    for (double v : {a.d,        a.e,       a.q1,
                     a.q2,       a.Be,      a.contactWidth,
                     a.Fs,       a.b1,      a.b2,
                     a.b3,       a.v1,      a.v2,
                     a.v3,       a.Hk,      a.Ht,
                     a.Mkey,     a.qt,      a.qf,
                     a.qb,       a.qkf,     a.qkb,
                     a.Rt,       a.Rf,      a.at,
                     a.af,       a.qu,      a.meanBasePressure,
                     a.tanTheta, a.ubKappa, a.Nc,
                     a.Nq,       a.Ngamma})
        if (!std::isfinite(v)) return false;
    return true;
}

TEST(GroundReactionUndefined, NoVerticalLoadIsIncalculableAndFinite) {
    TAntei a = loaded(sixMetreWall(), 2.0);
    a.sumV = 0;
    computeStability(a);
    EXPECT_EQ(a.noVerticalLoad, 1);
    EXPECT_EQ(a.reactionCase, Case::Incalculable);
    EXPECT_EQ(a.ultimateBearingIncalculable, 1);
    EXPECT_TRUE(allFinite(a));
}

TEST(GroundReactionUndefined, KeyWithoutResistanceOrLoadIsIncalculable) {
    DesignConditions dc = keyed("1000", "500");
    dc.bearingPhi.text = "0";
    TAntei a = loaded(dc, 2.0);
    a.sumH = 0;
    computeStability(a);
    EXPECT_EQ(a.keySlidingIncalculable, 1);
    EXPECT_DOUBLE_EQ(a.Fs, 0);
    EXPECT_TRUE(allFinite(a));
}

TEST(GroundReactionUndefined, KeyWithResultantAtTheToeHasNoEffectiveWidth) {
    const TAntei a = stable(keyed("1000", "500"), 0.0);  // e = B/2, Be = 0
    EXPECT_EQ(a.reactionCase, Case::Incalculable);
    EXPECT_EQ(a.keySlidingIncalculable, 1);
    EXPECT_EQ(a.ultimateBearingIncalculable, 1);
    EXPECT_TRUE(allFinite(a));
}

// xt = 4.55, xf = 5.0, H/2 = 0.45.
TEST(SectionReactions, TrapezoidBlocks) {
    const TAntei a = stable(sixMetreWall(), 2.0);  // q1 = 40, q2 = 0
    EXPECT_TRUE(near(a.qt, 40 * 1.45 / 6, 1e-9));
    EXPECT_TRUE(near(a.qf, 40.0 / 6, 1e-9));
    EXPECT_TRUE(near(a.qb, 0, 1e-12));
    EXPECT_TRUE(near(a.Rt, (40 * 1.45 / 6 + 40) / 2 * 4.55, 1e-9));
    EXPECT_TRUE(near(a.at, 3.1881431767, 1e-9));  // 4.55·89.6667/149 + 0.45
    EXPECT_TRUE(near(a.Rf, 116.6666666667, 1e-9));
    EXPECT_TRUE(near(a.af, 3.0952380952, 1e-9));  // 5·86.667/140
}

TEST(SectionReactions, ToeTriangleShorterThanTheSection) {
    const TAntei a = stable(sixMetreWall(), 1.0, 1);  // L = 3, q1 = 80
    EXPECT_TRUE(near(a.qt, 0, 1e-12));
    EXPECT_TRUE(near(a.Rt, 120, 1e-9));
    EXPECT_TRUE(near(a.Rf, 120, 1e-9));
    EXPECT_TRUE(near(a.at, 4.0, 1e-12));  // xf − L + 2L/3
    EXPECT_TRUE(near(a.af, 4.0, 1e-12));
}

TEST(SectionReactions, HeelTriangleReachesUnderTheToe) {
    const TAntei a = stable(sixMetreWall(), 5.0, 1);  // L = 3 from the heel, q2 = 80
    EXPECT_TRUE(near(a.qt, 80 * 1.55 / 3, 1e-9));
    EXPECT_TRUE(near(a.qf, 80 * 2.0 / 3, 1e-9));
    EXPECT_TRUE(near(a.Rt, 1.55 * (80 * 1.55 / 3) / 2, 1e-9));
    EXPECT_TRUE(near(a.at, 0.45 + 1.55 / 3, 1e-12));
    EXPECT_TRUE(near(a.Rf, 2.0 * (80 * 2.0 / 3) / 2, 1e-9));
    EXPECT_TRUE(near(a.af, 2.0 / 3, 1e-12));
}

TEST(SectionReactions, HeelTriangleBehindTheToeSections) {
    // A toe of 1.0 m under a 4.8 m thick stem: B − xf = 5.0. With d = 4.9 the heel
    // triangle is L = 3·(B − d) = 3.3 long and stops short of the stem face, so the
    // toe pieces carry no reaction at all.
    DesignConditions dc = sixMetreWall();
    dc.toeWidth.text = "1000";
    dc.crestWidth.text = "4800";
    const TAntei a = stable(dc, 4.9, 1);
    ASSERT_EQ(a.reactionCase, Case::HeelTriangle);
    EXPECT_EQ(a.qt, 0.0);
    EXPECT_EQ(a.qf, 0.0);
    EXPECT_EQ(a.Rt, 0.0);
    EXPECT_EQ(a.Rf, 0.0);
    EXPECT_EQ(a.af, 0.0);
    // d = 5.5: e = −2.5 lies beyond B/3 and the reaction cannot be computed.
    EXPECT_EQ(stable(sixMetreWall(), 5.5, 1).reactionCase, Case::Incalculable);
}

// The toe slab of the start values: 3.5 × 0.7 below, the slope rising 0.2 to
// x = 3.4 and the flat 0.1 strip; area 2.81 m2, centroid 1.824614 m from the tip.
TEST(ToePieces, ConcreteOfTheToeSlabToTheStemFace) {
    TAntei a;
    gatherInputs(a, DesignConditions{});
    a.sumV = 300;
    a.sumMr = 600;
    computeStability(a);
    EXPECT_TRUE(near(a.toePieceWeight[1], 2.81 * 24.5, 1e-9));
    EXPECT_TRUE(near(a.toePieceLever[1], 3.5 - 5.1271667 / 2.81, 1e-6));
    // Without water nothing lies below the water level.
    EXPECT_DOUBLE_EQ(a.toePieceWeight[2], 0);
    EXPECT_DOUBLE_EQ(a.toePieceWeight[5], 0);
}

}  // namespace
}  // namespace marvoten
