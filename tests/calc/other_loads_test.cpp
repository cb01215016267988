#include "calc/other_loads.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "calc/stability_loads.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using marvoten::testing::near;
constexpr double deg = std::numbers::pi / 180;

TAntei run(const std::function<void(DesignConditions&)>& change = {}) {
    DesignConditions dc;
    if (change) change(dc);
    TAntei a;
    computeStabilityLoads(a, dc);
    return a;
}

double rankineKp(double phi) {
    return std::tan(std::numbers::pi / 4 + phi / 2) * std::tan(std::numbers::pi / 4 + phi / 2);
}

// Start values: φ2 = 25°, γ2 = 18, Ho' = 2.5: Pp = Kp·γ2·Ho²/2 with Rankine's
// Kp = tan²(45° + φ/2).
TEST(PassivePressure, RankineInTheNormalCase) {
    const TAntei a = run();
    const double Kp = rankineKp(25 * deg);
    EXPECT_TRUE(near(a.passiveCoeff, Kp, 1e-12));
    EXPECT_TRUE(near(a.passivePressure, Kp * 18 * 2.5 * 2.5 / 2, 1e-9));
}

TEST(PassivePressure, CohesionAddsTwoCRootKp) {
    const TAntei a = run([](DesignConditions& d) { d.embedCohesion.text = "5"; });
    const double Kp = rankineKp(25 * deg);
    EXPECT_TRUE(near(a.passivePressure, Kp * 18 * 2.5 * 2.5 / 2 + 2 * 5 * std::sqrt(Kp), 1e-9));
}

// The front ground not above the slab top gives no passive depth; only the
// cohesion term remains.
TEST(PassivePressure, NoDepthWithLowFrontGround) {
    const TAntei a = run([](DesignConditions& d) {
        d.effectiveEmbedDepth.text = "0.0";
        d.embedCohesion.text = "5";
    });
    EXPECT_TRUE(near(a.passivePressure, 2 * 5 * std::sqrt(rankineKp(25 * deg)), 1e-12));
}

// Water 1.0 m: a dry layer of 1.5 m over a submerged layer of 1.0 m (γ2 − 9);
// water above Ho': the whole depth is submerged.
TEST(PassivePressure, SubmergedLayer) {
    const double Kp = rankineKp(25 * deg);
    const TAntei wet = run([](DesignConditions& d) {
        d.hasWater.on = true;
        d.waterDepth.text = "1.0";
        d.waterUnitWeight.text = "9.8";
    });
    const double p1 = Kp * 1.5 * 18, p2 = p1 + Kp * 1.0 * 9;
    EXPECT_TRUE(near(wet.passivePressure, p1 * 1.5 / 2 + (p1 + p2) * 1.0 / 2, 1e-9));
    const TAntei deep = run([](DesignConditions& d) {
        d.hasWater.on = true;
        d.waterDepth.text = "3.0";
        d.waterUnitWeight.text = "9.8";
    });
    EXPECT_EQ(deep.passiveDryDepth, 0.0);
    EXPECT_DOUBLE_EQ(deep.passiveWetDepth, 2.5);
    EXPECT_TRUE(near(deep.passivePressure, Kp * 2.5 * 9 * 2.5 / 2, 1e-9));
}

// In the seismic case with θ = 0 (normal pressure with inertia) the seismic
// formula reduces to Rankine's; θ > 0 lowers Kp.
TEST(PassivePressure, SeismicCoefficient) {
    const TAntei withInertia = run([](DesignConditions& d) {
        d.seismicCase = 1;
        d.seismicLoadSet = 0;
        d.kh.text = "0.12";
    });
    EXPECT_TRUE(near(withInertia.passiveCoeff, rankineKp(25 * deg), 1e-12));
    const TAntei seismic = run([](DesignConditions& d) {
        d.seismicCase = 1;
        d.kh.text = "0.12";
    });
    EXPECT_LT(seismic.passiveCoeff, rankineKp(25 * deg));
}

TEST(BackWater, DepthIsMeasuredFromTheReferenceHeight) {
    TKeisu p;
    p.hasWater = 1;
    p.waterDepth = 3;
    p.waterUnitWeight = 10;
    computeBackWater(p, 8, 8);
    EXPECT_DOUBLE_EQ(p.backWaterPressure, 10 * 9 / 2.0);
    EXPECT_DOUBLE_EQ(p.backWaterLever, 1.0);
    EXPECT_DOUBLE_EQ(p.backWaterMoment, 45.0);
    // A section 6 m below the crest of an 8 m wall sees 1 m of the 3 m water.
    computeBackWater(p, 6, 8);
    EXPECT_DOUBLE_EQ(p.backWaterPressure, 5.0);
    computeBackWater(p, 4, 8);
    EXPECT_EQ(p.backWaterPressure, 0.0);
    p.hasWater = 0;
    computeBackWater(p, 8, 8);
    EXPECT_EQ(p.backWaterPressure, 0.0);
}

// 30 kN on a block of L = 5 m: 6.00 kN per metre at H + H3 = 8.0 + 0.6.
TEST(LoadTotals, CollisionIsSpreadOverTheBlock) {
    const TAntei a = run([](DesignConditions& d) {
        d.hasCollision.on = true;
        d.collisionLoad.text = "30";
        d.collisionHeight.text = "0.6";
    });
    EXPECT_DOUBLE_EQ(a.collisionForce, 6.0);
    EXPECT_DOUBLE_EQ(a.collisionLever, 8.6);
    EXPECT_DOUBLE_EQ(a.collisionMoment, 6.0 * 8.6);
}

// Without the collision option the block length is 0 and the division uses 1 m.
TEST(LoadTotals, CollisionWithoutBlockLengthUsesOneMetre) {
    const TAntei a = run([](DesignConditions& d) { d.collisionLoad.text = "30"; });
    EXPECT_DOUBLE_EQ(a.collisionForce, 30.0);
}

TEST(LoadTotals, WindOnTheNoiseBarrier) {
    const TAntei a = run([](DesignConditions& d) {
        d.hasWind.on = true;
        d.barrierHeight.text = "2.0";
        d.windPressure.text = "1.0";
    });
    EXPECT_DOUBLE_EQ(a.windForce, 2.0);
    EXPECT_DOUBLE_EQ(a.windLever, 9.0);
    EXPECT_DOUBLE_EQ(a.windMoment, 18.0);
}

// The start values carry the body, the front soil and the earth pressure; the
// passive pressure is listed but not added to ΣH.
TEST(LoadTotals, StartValues) {
    const TAntei a = run();
    EXPECT_TRUE(near(a.sumV, a.bodyWeight + a.frontSoilWeight + a.earthPressureV, 1e-9));
    EXPECT_TRUE(near(a.sumH, a.earthPressureH, 1e-12));
    EXPECT_GT(a.passivePressure, 0.0);
    EXPECT_TRUE(near(a.earthPressureMomentV, a.earthPressureV * 4.042, 1e-9));
    EXPECT_TRUE(near(a.earthPressureMomentH, a.earthPressureH * 8.0 / 3, 1e-9));
    EXPECT_TRUE(near(a.sumMo, a.earthPressureMomentH, 1e-9));
}

TEST(LoadTotals, BuoyancyLightensAndWaterPushes) {
    const TAntei dry = run();
    const TAntei wet = run([](DesignConditions& d) {
        d.hasWater.on = true;
        d.waterDepth.text = "0.5";
        d.waterUnitWeight.text = "9.8";
    });
    // Water within the base: the body's uplift is 4.042·0.5·9.8; no soil under water.
    EXPECT_TRUE(near(wet.bodyBuoyancy, 4.042 * 0.5 * 9.8, 1e-9));
    EXPECT_EQ(wet.soilBuoyancy, 0.0);
    EXPECT_DOUBLE_EQ(wet.backWaterPressure, 9.8 * 0.25 / 2);
    EXPECT_TRUE(near(wet.sumV,
                     wet.bodyWeight + wet.frontSoilWeight + wet.earthPressureV - wet.bodyBuoyancy,
                     1e-9));
    EXPECT_TRUE(near(wet.sumH, wet.earthPressureH + wet.backWaterPressure, 1e-9));
    EXPECT_LT(wet.sumMr, dry.sumMr);
}

// Start values, level backfill, c = 0: the coarse pass stops at ω = φ + 84·0.005 rad
// (59.06°) and the fine pass at once, so the last trial is one fine step further and
// its slip line runs from the heel to the surface at H = 8 m: L = 8/sin(ω + 0.00001)
// = 9.326735 m. Its reach behind the back face is r1 = L·cos ω = 4.794659 m (the back
// face is vertical), and r2 = r1 + B = 8.836659 m.
TEST(StabilityLoads, SlipLineReach) {
    TAntei a;
    const SlipLineReach r = computeStabilityLoads(a, DesignConditions{});
    EXPECT_TRUE(near(a.slipAngle, 35 * std::numbers::pi / 180 + 84 * 0.005, 1e-12));
    EXPECT_TRUE(near(a.slipLength, 9.326735058, 1e-8));
    EXPECT_TRUE(near(r.r1, 4.794658901, 1e-8));
    EXPECT_TRUE(near(r.r2, 8.836658901, 1e-8));
}

}  // namespace
}  // namespace marvoten
