#include "calc/stability_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace marvoten {
namespace {

// A 3 m base under a trapezoidal reaction that passes every check by a margin:
// e = 0.2 m, Fm = 2.5 against 1.5, q1/q2 = 120/80 kN/m2 against 300, Fs = 2.0
// against 1.5.
TAntei passingWall() {
    TAntei a;
    a.baseWidth = 3.0;
    a.e = 0.2;
    a.sumMr = 250;
    a.sumMo = 100;
    a.FmRequired = 1.5;
    a.q1 = 120;
    a.q2 = 80;
    a.allowableReaction = 300;
    a.Fs = 2.0;
    a.FsRequired = 1.5;
    return a;
}

struct CheckCase {
    const char* what;
    std::function<void(TAntei&)> change;
    bool sliding, overturning, bearing;
};

class StabilityChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(StabilityChecks, EachVerdictAtItsBoundary) {
    TAntei a = passingWall();
    GetParam().change(a);
    EXPECT_EQ(slidingPasses(a), GetParam().sliding) << "sliding";
    EXPECT_EQ(overturningPasses(a), GetParam().overturning) << "overturning";
    EXPECT_EQ(bearingPasses(a), GetParam().bearing) << "bearing";
    const StabilityVerdicts v = judgeStability(a);
    EXPECT_EQ(v.sliding, GetParam().sliding) << "judged sliding";
    EXPECT_EQ(v.overturning, GetParam().overturning) << "judged overturning";
    EXPECT_EQ(v.bearing, GetParam().bearing) << "judged bearing";
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, StabilityChecks,
    ::testing::Values(
        CheckCase{"margins", [](TAntei&) {}, true, true, true},
        CheckCase{"e exactly B/6", [](TAntei& a) { a.e = 0.5; }, true, true, true},
        CheckCase{"e just beyond B/6", [](TAntei& a) { a.e = std::nextafter(0.5, 1.0); }, true,
                  false, true},
        CheckCase{"negative e exactly -B/6", [](TAntei& a) { a.e = -0.5; }, true, true, true},
        CheckCase{"seismic e exactly B/3",
                  [](TAntei& a) {
                      a.seismicCase = 1;
                      a.e = 1.0;
                  },
                  true, true, true},
        CheckCase{"seismic e just beyond B/3",
                  [](TAntei& a) {
                      a.seismicCase = 1;
                      a.e = std::nextafter(1.0, 2.0);
                  },
                  true, false, true},
        CheckCase{"Fm exactly the required",
                  [](TAntei& a) {
                      a.overturningMethod = 1;
                      a.FmRequired = 2.5;
                  },
                  true, true, true},
        CheckCase{"Fm just short",
                  [](TAntei& a) {
                      a.overturningMethod = 1;
                      a.FmRequired = std::nextafter(2.5, 3.0);
                  },
                  true, false, true},
        CheckCase{"no overturning moment",
                  [](TAntei& a) {
                      a.overturningMethod = 1;
                      a.sumMo = 0;
                  },
                  true, false, true},
        CheckCase{"q1 exactly qa0", [](TAntei& a) { a.q1 = 300; }, true, true, true},
        CheckCase{"q1 beyond qa0", [](TAntei& a) { a.q1 = std::nextafter(300.0, 400.0); }, true,
                  true, false},
        CheckCase{"q2 beyond qa0", [](TAntei& a) { a.q2 = 301; }, true, true, false},
        CheckCase{"Fs exactly the required", [](TAntei& a) { a.Fs = 1.5; }, true, true, true},
        CheckCase{"Fs just short", [](TAntei& a) { a.Fs = std::nextafter(1.5, 0.0); }, false, true,
                  true},
        CheckCase{"shear key whose resistance cannot be computed",
                  [](TAntei& a) {
                      a.hasShearKey = 1;
                      a.keySlidingIncalculable = 1;
                  },
                  false, true, true},
        CheckCase{"resultant beyond the middle two thirds",
                  [](TAntei& a) {
                      a.reactionCase = GroundReactionCase::Incalculable;
                      a.e = 1.2;
                  },
                  false, false, false},
        CheckCase{"no vertical load", [](TAntei& a) { a.noVerticalLoad = 1; }, false, false,
                  false}),
    [](const auto& info) {
        std::string name;
        for (char c : std::string(info.param.what)) name += std::isalnum(c) ? c : '_';
        return name;
    });

TEST(StabilityChecks, LimitsTheVerdictsCompareAgainst) {
    TAntei a = passingWall();
    EXPECT_DOUBLE_EQ(allowableEccentricity(a), 0.5);
    a.seismicCase = 1;
    EXPECT_DOUBLE_EQ(allowableEccentricity(a), 1.0);
    EXPECT_DOUBLE_EQ(overturningSafetyFactor(a), 2.5);
    a.sumMo = 0;
    EXPECT_EQ(overturningSafetyFactor(a), 0.0) << "not computable without an overturning moment";
}

// The judgement carries the limits the book prints: B/6 = 0.5 m, Fm = 250/100,
// qa = qu/n = 600/3 = 200 kN/m2 against Vo/Be = 200 exactly (passes), and Pp only
// while passive pressure is switched on.
TEST(StabilityChecks, JudgementCarriesTheLimitsItComparedAgainst) {
    TAntei a = passingWall();
    a.qu = 600;
    a.bearingSafetyFactor = 3;
    a.meanBasePressure = 200;
    a.passivePressure = 12;
    StabilityVerdicts v = judgeStability(a);
    EXPECT_DOUBLE_EQ(v.allowableEccentricity, 0.5);
    EXPECT_TRUE(v.eccentricityWithinLimit);
    EXPECT_DOUBLE_EQ(v.overturningSafetyFactor, 2.5);
    EXPECT_TRUE(v.toeReactionWithinAllowable);
    EXPECT_TRUE(v.heelReactionWithinAllowable);
    EXPECT_DOUBLE_EQ(v.allowableUltimateBearing, 200);
    EXPECT_TRUE(v.ultimateBearing) << "Vo/Be exactly qa";
    EXPECT_EQ(v.passiveInChecks, 0.0) << "passive pressure switched off";

    a.meanBasePressure = std::nextafter(200.0, 300.0);
    a.q2 = 301;
    a.hasPassive = 1;
    v = judgeStability(a);
    EXPECT_FALSE(v.ultimateBearing) << "Vo/Be just beyond qa";
    EXPECT_TRUE(v.toeReactionWithinAllowable);
    EXPECT_FALSE(v.heelReactionWithinAllowable);
    EXPECT_EQ(v.passiveInChecks, 12.0);
    a.ultimateBearingIncalculable = 1;
    a.meanBasePressure = 100;
    EXPECT_FALSE(judgeStability(a).ultimateBearing) << "capacity not computable";
}

}  // namespace
}  // namespace marvoten
