#include "calc/stem_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>

#include "calc/ground_reaction.h"
#include "calc/stability_loads.h"
#include "support/design_fixtures.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using marvoten::testing::near;
using marvoten::testing::nearRel;
constexpr double deg = std::numbers::pi / 180;

// Start values: stem Hs = 7.1 m on a base 0.9 m high (H = 8.0 m), crest 0.4 m,
// front batter 0.142 m, vertical back; level backfill γs = 20, φ = 35°, c = 0,
// surcharge q = 10 in the wedge, δ = 2φ/3; γc = 24.5; cover 0.1 m; σsa = 160,
// σca = 8, τa1 = 0.23.
constexpr double Hs = 7.1, gs = 20, q = 10, gc = 24.5;

double crestAndBatter(double y) {
    return 0.4 + 0.142 * y / Hs;  // t(y)
}

// Coulomb for a vertical wall and level backfill:
// Ka = cos²φ / (cos δ · (1 + √(sin(φ+δ)·sin φ / cos δ))²).
double coulombKa() {
    const double phi = 35 * deg, delta = 2 * phi / 3;
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
    return std::cos(phi) * std::cos(phi) / (std::cos(delta) * (1 + root) * (1 + root));
}

// Ph of the wedge over the height y with the surcharge in its weight.
double wedgePh(double y) {
    return coulombKa() * (gs * y * y / 2 + q * y) * std::cos(2 * 35 * deg / 3);
}

// The neutral axis of the section reaching σsa under M: the root in (0, d) of
// x³ − 3d·x² − (6·M·n/(σsa·b))·(x − d) = 0 by bisection; the design's 1 mm step
// search stops within 1 mm below it.
double neutralAxisRoot(double M, double d, double sigmaSa) {
    auto f = [&](double x) {
        return x * x * x - 3 * d * x * x - 6 * M * 15 * (x - d) / (sigmaSa * 1000);
    };
    double lo = 0, hi = d;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (f(mid) > 0 ? lo : hi) = mid;
    }
    return lo;
}

double requiredAreaByHand(double MkNm, double dmm, double sigmaSa = 160) {
    const double M = MkNm * 1e6;
    return M / sigmaSa / (dmm - neutralAxisRoot(M, dmm, sigmaSa) / 3);
}

struct Designed {
    DesignConditions dc;
    TAntei a;
    StemDesign s;
};

std::unique_ptr<Designed> design(const std::function<void(DesignConditions&)>& change = {}) {
    auto w = std::make_unique<Designed>();
    if (change) change(w->dc);
    computeStabilityLoads(w->a, w->dc);
    computeStability(w->a);
    w->s = designStem(w->a);
    return w;
}

TEST(StemSectionForces, FixedEndIsTheCoulombWedgeOverTheStem) {
    const auto w = design();
    const StemSectionForces& F = w->s.fixedEnd.F;
    const double Ph = wedgePh(Hs);
    EXPECT_TRUE(near(F.y, Hs, 1e-12));
    EXPECT_TRUE(near(F.Ph, Ph, 0.01)) << F.Ph << " vs " << Ph;
    EXPECT_TRUE(near(F.h, Hs / 3, 1e-9));
    EXPECT_TRUE(near(F.Mearth, Ph * Hs / 3, 0.02));
    // Kh back-calculated from the triangle: Ph = Kh·γs·Hs²/2.
    EXPECT_TRUE(near(w->s.K, 2 * Ph / (gs * Hs * Hs), 1e-5));
    // Stem above the section: a trapezoid, crest 0.4 m on top, t(Hs) = 0.542 m at the
    // section, centroid y·(b + 2a)/(3(a + b)) above it.
    const double a = 0.4, b = crestAndBatter(Hs);
    EXPECT_TRUE(near(F.t, 0.542, 1e-12));
    EXPECT_TRUE(near(F.Pbody, (a + b) / 2 * Hs * gc, 1e-9));
    EXPECT_TRUE(near(F.yInertia, Hs * (b + 2 * a) / (3 * (a + b)), 1e-9));
    // Normal case, no water: only the earth pressure loads the stem.
    EXPECT_EQ(F.Pinertia, 0.0);
    EXPECT_EQ(F.Mt, 0.0);
    EXPECT_EQ(F.Pwh, 0.0);
    EXPECT_DOUBLE_EQ(F.M, F.Mearth);
    EXPECT_DOUBLE_EQ(F.S, F.Ph);
    // Sh = S − M/d·(tanβ + tanγ), tanβ = 0.142/7.1, tanγ = 0, d = 0.442 m.
    EXPECT_TRUE(near(F.Sh, F.S - F.M / 0.442 * 0.02, 1e-9));
    EXPECT_DOUBLE_EQ(w->s.M0, F.M);
}

// The sections above the fixed end with the fixed-end coefficient (start values,
// stemPressureMethod 1): Ph = Kh·γs·y²/2 at y/3, the surcharge being in Kh.
TEST(StemSectionForces, BackCalculatedSectionsUseTheFixedEndCoefficient) {
    const auto w = design();
    const double Kh = 2 * wedgePh(Hs) / (gs * Hs * Hs);
    for (int i = 1; i < 4; ++i) {
        const StemSectionForces& F = w->s.quarterPoints[static_cast<std::size_t>(i)].F;
        const double y = Hs - Hs / 4 * i;
        const double Ph = Kh * gs * y * y / 2;
        EXPECT_TRUE(near(F.y, y, 1e-12));
        EXPECT_TRUE(near(F.Ph, Ph, 0.01)) << "y = " << y;
        EXPECT_TRUE(near(F.h, y / 3, 1e-9));
        EXPECT_TRUE(near(F.M, Ph * y / 3, 0.01));
    }
    // At Hs/2: Ph = 129.06·(1/2)² = 32.27 kN, M = 32.27·1.1833 = 38.18 kN·m.
    EXPECT_TRUE(near(w->s.quarterPoints[2].F.Ph, 32.26, 0.02));
}

// stemPressureMethod 0: every section has its own wedge, which carries the
// surcharge as a load of the wedge: Ph(y) = Ka·(γs·y²/2 + q·y)·cos δ.
TEST(StemSectionForces, TrialWedgeAtEverySection) {
    const auto w = design([](DesignConditions& d) { d.stemPressureMethod = 0; });
    for (int i = 0; i < 4; ++i) {
        const StemSectionForces& F = w->s.quarterPoints[static_cast<std::size_t>(i)].F;
        EXPECT_TRUE(near(F.Ph, wedgePh(F.y), 0.01)) << "y = " << F.y;
        EXPECT_TRUE(near(F.h, F.y / 3, 1e-9));
    }
}

// The fixed-end column is the trial wedge whatever the method.
TEST(StemSectionForces, FixedEndColumnIgnoresTheMethod) {
    const auto back = design();
    const auto wedge = design([](DesignConditions& d) { d.stemPressureMethod = 0; });
    EXPECT_DOUBLE_EQ(back->s.quarterPoints[0].F.Ph, wedge->s.quarterPoints[0].F.Ph);
    EXPECT_DOUBLE_EQ(back->s.quarterPoints[0].F.M, back->s.fixedEnd.F.M);
}

// Water 3.0 m deep above the base bottom, γw = 10: at the fixed end (0.9 m above the
// base bottom) Hw = 2.1 m, Pwh = 10·2.1²/2 = 22.05 kN at 0.7 m, Pwm = 15.435 kN·m;
// the section Hs/4 below the top lies above the water.
TEST(StemSectionForces, WaterOnTheBackFace) {
    const auto w = design([](DesignConditions& d) {
        d.hasWater.on = true;
        d.waterDepth.text = "3.0";
        d.waterUnitWeight.text = "10";
    });
    const StemSectionForces& F = w->s.fixedEnd.F;
    EXPECT_TRUE(near(F.Hw, 2.1, 1e-9));
    EXPECT_TRUE(near(F.Pwh, 22.05, 1e-9));
    EXPECT_TRUE(near(F.yWater, 0.7, 1e-9));
    EXPECT_TRUE(near(F.Pwm, 15.435, 1e-9));
    EXPECT_DOUBLE_EQ(F.M, F.Mearth + F.Pwm);
    EXPECT_DOUBLE_EQ(F.S, F.Ph + F.Pwh);
    EXPECT_EQ(w->s.quarterPoints[3].F.Pwh, 0.0);
}

// Seismic case with inertia (load set 1, kh = 0.2): Pinertia = Pbody·kh at the
// centroid of the stem above the section.
TEST(StemSectionForces, InertiaOfTheStemInTheSeismicCase) {
    const auto w = design([](DesignConditions& d) {
        d.seismicCase = 1;
        d.seismicLoadSet = 1;
        d.kh.text = "0.2";
    });
    const StemSectionForces& F = w->s.fixedEnd.F;
    const double Pbody = (0.4 + 0.542) / 2 * Hs * gc;  // 81.93 kN
    EXPECT_TRUE(near(F.Pinertia, Pbody * 0.2, 1e-9));
    EXPECT_TRUE(near(F.Mt, F.Pinertia * F.yInertia, 1e-12));
    EXPECT_DOUBLE_EQ(F.M, F.Mearth + F.Mt);
    EXPECT_DOUBLE_EQ(F.S, F.Ph + F.Pinertia);
}

// Fixed end of the start values: M = Ph·Hs/3 = 305.45 kN·m on d = 442 mm.
// As = M/(σsa·(d − x/3)) ≈ 5,059 mm²: at 125 mm D22, D25 (3,096.8, 4,053.6) are too
// small, D29 gives 8·642.4 = 5,139.2 mm²; at 250 mm even D32 (3,176.8) is too small.
// Stresses with that area: x = n·As/b·(−1 + √(1 + 2bd/(n·As))),
// σc = 2M/(b·x·(d − x/3)), σs = n·σc·(d − x)/x; τm = Sh/(b·d); Ce(442) by the table,
// Pt = 1.163 % gives Cpt = 1.5.
TEST(StemDesign, FixedEndBarsAndStressesOfTheStartValues) {
    const auto w = design();
    const double M = wedgePh(Hs) * Hs / 3, d = 442;
    const StemSectionCheck& c = w->s.fixedEnd;
    EXPECT_TRUE(near(c.d, d, 1e-9));
    EXPECT_TRUE(near(w->s.bars.requiredArea, requiredAreaByHand(M, d), 5));
    EXPECT_TRUE(near(w->s.bars.requiredArea, 5059, 1));
    EXPECT_TRUE(w->s.bars.found);
    EXPECT_EQ(w->s.bars.diameter, 29);
    EXPECT_EQ(w->s.bars.pitch, 125);
    EXPECT_TRUE(near(w->s.bars.providedArea, 5139.2, 1e-9));
    EXPECT_TRUE(w->s.barsSufficient());

    const double As = 5139.2, n = 15, b = 1000;
    const double x = n * As / b * (-1 + std::sqrt(1 + 2 * b * d / (n * As)));
    const double sigmaC = 2 * M * 1e6 / (b * x * (d - x / 3));
    const double sigmaS = n * sigmaC * (d - x) / x;
    ASSERT_TRUE(c.hasBars());
    EXPECT_TRUE(nearRel(c.stresses->x, x, 1e-9));
    EXPECT_TRUE(near(c.stresses->sigmaC, sigmaC, 0.005)) << c.stresses->sigmaC;
    EXPECT_TRUE(near(c.stresses->sigmaS, sigmaS, 0.05)) << c.stresses->sigmaS;
    EXPECT_TRUE(near(sigmaC, 8.31, 0.005));
    const double Sh = wedgePh(Hs) - M / 0.442 * 0.02;
    EXPECT_TRUE(near(c.tauM, Sh / d, 1e-5));
    const double Ce = 1.4 + (d - 300) / 700 * (1.0 - 1.4);
    EXPECT_TRUE(near(c.Ce, Ce, 1e-12));
    EXPECT_TRUE(near(c.Pt, As / (b * d), 1e-15));
    EXPECT_DOUBLE_EQ(c.Cpt, 1.5);
    EXPECT_TRUE(near(c.tauA, 0.23 * Ce * 1.5, 1e-12));
    // σc = 8.31 exceeds σca = 8.0 while σs and τm are within theirs.
    EXPECT_FALSE(c.ok);
}

// The anchorage of the start values: case ① where the required area first falls
// below As/2 (the back-calculated moment Kh·γs·y³/6), case ② where the stress with
// As/2 first falls below 80 N/mm². Lo decides the quarter-point pitches.
TEST(StemDesign, AnchorageOfTheStartValuesSetsTheQuarterPointPitch) {
    const auto w = design();
    ASSERT_TRUE(w->s.anchorage);
    const Anchorage& an = *w->s.anchorage;
    ASSERT_TRUE(an.foundL1 && an.foundL2);
    const double Kh = 2 * wedgePh(Hs) / (gs * Hs * Hs), As = 5139.2;
    auto A = [&](double y) {
        return requiredAreaByHand(Kh * gs * y * y * y / 6, 1000 * (crestAndBatter(y) - 0.1));
    };
    const double y1 = Hs - an.L1;
    EXPECT_LT(A(y1), As / 2 + 1) << "y = " << y1;  // met at y1 (to the 1 mm search) ...
    EXPECT_GT(A(y1 + 0.01), As / 2 - 1);           // ... and not one step lower
    EXPECT_TRUE(near(an.Lo, std::max(an.L2, an.L1 + 35 * 29 / 1000.0), 1e-12));

    for (int i = 0; i < 4; ++i) {
        const StemSectionCheck& c = w->s.quarterPoints[static_cast<std::size_t>(i)];
        const bool aboveAnchorage = Hs - an.Lo > c.F.y;
        EXPECT_EQ(c.pitch, aboveAnchorage ? 250 : 125) << "y = " << c.F.y;
        EXPECT_TRUE(near(c.providedArea, aboveAnchorage ? 2569.6 : 5139.2, 1e-9));
    }
    // Lo ≈ 2.8 m: 5.325 m keeps 125 mm, 3.55 m and 1.775 m show 250 mm.
    EXPECT_EQ(w->s.quarterPoints[1].pitch, 125);
    EXPECT_EQ(w->s.quarterPoints[2].pitch, 250);
}

class NoBars : public ::testing::TestWithParam<testing::NoBarsCase> {};

TEST_P(NoBars, NoStressIsComputedAndEverySectionFails) {
    const auto w = design([&](DesignConditions& d) { GetParam().applyTo(d); });
    EXPECT_FALSE(w->s.bars.found);
    EXPECT_FALSE(w->s.barsSufficient());
    EXPECT_FALSE(w->s.anchorage);
    EXPECT_TRUE(w->s.curve.empty());
    EXPECT_FALSE(w->s.fixedEnd.hasBars());
    EXPECT_FALSE(w->s.fixedEnd.ok);
    for (const StemSectionCheck& s : w->s.quarterPoints) {
        EXPECT_FALSE(s.hasBars());
        EXPECT_FALSE(s.ok);
        EXPECT_EQ(s.providedArea, 0.0);
        EXPECT_TRUE(std::isfinite(s.required.As) && std::isfinite(s.tauM) && std::isfinite(s.Ce));
    }
}

INSTANTIATE_TEST_SUITE_P(Choices, NoBars, ::testing::ValuesIn(testing::noBarsCases),
                         testing::noBarsCaseName);

}  // namespace
}  // namespace marvoten
