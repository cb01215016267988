#include "calc/ultimate_bearing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "support/test_support.h"

namespace marvoten {
namespace {

using marvoten::testing::near;

// Vo = 200 kN on Be = 3 m without inclination; φ = 35°, c = cE = 0, γ1' = 19,
// γ2' = 18, Df = 2.5 m, Df' = 0.6 m, L = 5 m, normal case (n = 3).
TAntei bearingCase() {
    TAntei a;
    a.sumV = 200;
    a.sumH = 0;
    a.Be = 3;
    a.bearingSafetyFactor = 3;
    a.bearingPhi = 35 * std::numbers::pi / 180;
    a.bearingPhiDeg = 35;
    a.bearingUnitWeightEff = 19;
    a.embedUnitWeightEff = 18;
    a.embedDepth = 2.5;
    a.bearingEmbedDepth = 0.6;
    a.bearingBlockLength = 5;
    return a;
}

TEST(UltimateBearing, LevelLoadOnFrictionalGround) {
    TAntei a = bearingCase();
    computeUltimateBearing(a);
    EXPECT_TRUE(near(a.ubAlpha, 1.18, 1e-12));
    EXPECT_TRUE(near(a.ubBeta, 0.76, 1e-12));
    EXPECT_TRUE(near(a.ubKappa, 1.06, 1e-12));
    EXPECT_TRUE(near(a.ubOverburden, 45, 1e-12));
    EXPECT_TRUE(near(a.cStar, 1, 1e-12));
    EXPECT_TRUE(near(a.qStar, 4.5, 1e-12));
    EXPECT_TRUE(near(a.BStar, 3, 1e-12));
    EXPECT_TRUE(near(a.Sc, 1, 1e-12));
    EXPECT_TRUE(near(a.Sq, 0.6057068642, 1e-9));
    EXPECT_TRUE(near(a.Sgamma, 0.6933612744, 1e-9));
    // Prandtl–Reissner: Nq = e^(π·tanφ)·tan²(45° + φ/2), Nc = (Nq − 1)/tanφ
    EXPECT_TRUE(near(a.Nq, 33.2960914914, 1e-8));
    EXPECT_TRUE(near(a.Nc, 46.1235986890, 1e-8));
    EXPECT_TRUE(near(a.Ngamma, 35.1881, 1e-9));  // fitted curve at θ = 0
    // κ·q·Nq·Sq + ½·γ1'·β·B*·Nγ·Sγ
    EXPECT_TRUE(near(a.qu, 1490.4600212907, 1e-7));
    EXPECT_TRUE(near(a.meanBasePressure, 200.0 / 3, 1e-12));
    EXPECT_TRUE(ultimateBearingPasses(a));
}

TEST(UltimateBearing, ClampsOfShapeScaleAndWidth) {
    TAntei a = bearingCase();
    a.Be = 6;                 // Be/L = 1.2 counts as 1
    a.embedDepth = 6;         // q = 108 > 100
    a.bearingCohesion = 150;  // c/10 = 15 > 10
    computeUltimateBearing(a);
    EXPECT_TRUE(near(a.ubAlpha, 1.3, 1e-12));
    EXPECT_TRUE(near(a.ubBeta, 0.6, 1e-12));
    EXPECT_TRUE(near(a.qStar, 10, 1e-12));
    EXPECT_TRUE(near(a.Sq, std::pow(10.0, -1.0 / 3), 1e-12));
    EXPECT_TRUE(near(a.cStar, 10, 1e-12));

    a = bearingCase();
    a.Be = 0.8;
    computeUltimateBearing(a);
    EXPECT_TRUE(near(a.BStar, 1, 1e-12));
    EXPECT_TRUE(near(a.Sgamma, 1, 1e-12));
    EXPECT_TRUE(near(a.ubKappa, 1 + 0.3 * 0.6 / 0.8, 1e-12));
}

TEST(UltimateBearing, ShortBlockClampsTheShapeFactors) {
    TAntei a = bearingCase();
    a.bearingBlockLength = 2;
    computeUltimateBearing(a);
    EXPECT_TRUE(near(a.ubAlpha, 1.3, 1e-12));  // Be/L = 1.5 counts as 1
    EXPECT_TRUE(near(a.ubBeta, 0.6, 1e-12));
}

TEST(UltimateBearing, CheckAtTheLimitPassesAndBelowFails) {
    TAntei a = bearingCase();
    computeUltimateBearing(a);
    a.meanBasePressure = a.qu / 3;
    EXPECT_TRUE(ultimateBearingPasses(a));
    a.meanBasePressure = std::nextafter(a.qu / 3, 1e9);
    EXPECT_FALSE(ultimateBearingPasses(a));
}

TEST(UltimateBearing, NoLoadOrNoWidthCannotBeComputed) {
    for (auto [Vo, Be] : {std::pair{0.0, 3.0}, std::pair{200.0, 0.0}}) {
        TAntei a = bearingCase();
        a.sumV = Vo;
        a.Be = Be;
        computeUltimateBearing(a);
        EXPECT_EQ(a.ultimateBearingIncalculable, 1);
        EXPECT_FALSE(ultimateBearingPasses(a));
        EXPECT_DOUBLE_EQ(a.qu, 0);
        EXPECT_DOUBLE_EQ(a.meanBasePressure, 0);
    }
}

}  // namespace
}  // namespace marvoten
