#include "calc/bearing_factors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "support/test_support.h"

namespace marvoten {
namespace {

using testing::near;
using testing::nearRel;

constexpr double kPi = std::numbers::pi;
double rad(double deg) {
    return deg * kPi / 180;
}

// Without inclination Nq and Nc are the Prandtl–Reissner factors.
TEST(BearingFactors, VerticalLoadGivesPrandtlReissner) {
    for (int phiDeg = 5; phiDeg <= 45; phiDeg += 5) {
        SCOPED_TRACE(phiDeg);
        double phi = rad(phiDeg);
        double Nq = std::exp(kPi * std::tan(phi)) * std::pow(std::tan(rad(45) + phi / 2), 2);
        double Nc = (Nq - 1) / std::tan(phi);
        EXPECT_TRUE(nearRel(NqFactor(0, 0, 0, phi, NqMode::Run), Nq, 1e-12));
        EXPECT_TRUE(nearRel(NqFactor(20, 22.8, 0, phi, NqMode::Window), Nq, 1e-12));
        EXPECT_TRUE(nearRel(NcFactor(0, phi), Nc, 1e-12));
        // Below 0.00001 an inclination counts as none.
        EXPECT_TRUE(nearRel(NcFactor(0.000009, phi), Nc, 1e-12));
    }
    EXPECT_TRUE(near(NqFactor(0, 0, 0, rad(30), NqMode::Run), 18.40, 0.005));
    EXPECT_TRUE(near(NcFactor(0, rad(30)), 30.14, 0.005));
}

TEST(BearingFactors, NoFrictionGivesTheCohesiveGroundValues) {
    EXPECT_DOUBLE_EQ(NcFactor(0, 0), 5.14);
    EXPECT_DOUBLE_EQ(NqFactor(0, 0, 0, 0, NqMode::Run), 1);
    EXPECT_DOUBLE_EQ(NgammaFactor(0, 0), 0);
    // An inclined load on φ = 0: Nc has no admissible slip surface; Nq's slip line stands at
    // its steepest (the unbounded sin θ / sin φ is limited to 1) and Nq stays 1.
    EXPECT_DOUBLE_EQ(NcFactor(0.1, 0), kNoBearingFactor);
    EXPECT_DOUBLE_EQ(NqFactor(0, 10, 0.1, 0, NqMode::Run), 1);
    EXPECT_DOUBLE_EQ(NqFactor(5, 10, 0.1, 0, NqMode::Run), kNoBearingFactor);
}

// The bisection ends on the slip line where the horizontal share |Hc/Nc| of the capacity
// equals the load inclination.
TEST(BearingFactors, InclinedNcLiesOnTheSlipLineOfTheInclination) {
    struct Case {
        double phiDeg, thetaDeg;
    };
    for (Case c : {Case{20, 10}, Case{30, 10}, Case{30, 25}, Case{35, 40}, Case{45, 5}}) {
        SCOPED_TRACE(::testing::Message() << "phi " << c.phiDeg << " theta " << c.thetaDeg);
        double phi = rad(c.phiDeg), y = std::tan(rad(c.thetaDeg));
        double x = 0;
        double value = NcFactor(y, phi, &x);
        double s = std::sin(phi), t = std::tan(phi);
        double e = std::exp(2 * (phi / 2 + 3 * kPi / 4 - x) * t);
        double Nc = ((1 + s * std::sin(2 * x - phi)) / (1 - s) * e - 1) / t;
        double Hc = s * std::cos(2 * x - phi) / (1 - s) * e / t;
        EXPECT_TRUE(near(std::fabs(Hc / Nc), y, 1e-5));
        EXPECT_TRUE(nearRel(value, Nc, 1e-12));
        EXPECT_LT(value, NcFactor(0, phi));
        EXPECT_LE(x, phi + kPi / 2);
    }
}

TEST(BearingFactors, NcWithoutAdmissibleSlipLineIsTheStopValue) {
    // φ = 30°: at 42° the root still lies below φ + 90°, at 42.3° just beyond it.
    double x = 0;
    EXPECT_GT(NcFactor(std::tan(rad(42)), rad(30), &x), 0);
    EXPECT_LT(x, rad(120));
    EXPECT_DOUBLE_EQ(NcFactor(std::tan(rad(42.3)), rad(30), &x), kNoBearingFactor);
    EXPECT_GT(x, rad(120));
    EXPECT_DOUBLE_EQ(NcFactor(std::tan(rad(45)), rad(30)), kNoBearingFactor);
    // So steep that |Hc/Nc| never reaches the inclination inside the admissible range: the
    // bracket search gives up (unbounded, it would never end).
    EXPECT_DOUBLE_EQ(NcFactor(std::tan(rad(70)), rad(11)), kNoBearingFactor);
    EXPECT_DOUBLE_EQ(NcFactor(std::tan(rad(89)), rad(43)), kNoBearingFactor);
    EXPECT_DOUBLE_EQ(NcFactor(std::numeric_limits<double>::quiet_NaN(), rad(30)), kNoBearingFactor);
}

TEST(BearingFactors, NqSteeperThanFriction) {
    double phi = rad(30);
    // Frictional embedment (cE = 0), θ = 35° > φ: x = 60° + (90° + 35°)/2 = 122.5°,
    // ψ = 150° − 122.5° = 27.5°; Nq = (1 + 0.5·sin 215°)/0.5 · e^(2·0.479966·0.577350)
    // = 1.426424 · 1.740577 = 2.482800.
    EXPECT_TRUE(near(NqFactor(0, 22.8, std::tan(rad(35)), phi, NqMode::Run), 2.482800, 1e-6));
    EXPECT_DOUBLE_EQ(NgammaFactor(30, std::tan(rad(35))), 0);

    // Cohesive embedment cE = 20, q = 22.8: the limiting slip line x = φ + 90° = 120°,
    // ψ = 30°, e^(2ψ·t) = e^0.604600 = 1.830519; Nq = (1 − 0.25)/0.5 · 1.830519 = 2.745779,
    // Nc' = 1.745779/0.577350 = 3.023778, Hq = −0.866025 · 1.830519 = −1.585276,
    // Hc = −2.745779; r = |1.14·Hq + Hc| / (1.14·Nq + Nc') = 4.552994 / 6.153967 = 0.739847.
    EXPECT_TRUE(near(NqFactor(20, 22.8, 0.7398, phi, NqMode::Run), 2.745779, 1e-6));
    EXPECT_DOUBLE_EQ(NqFactor(20, 22.8, 0.7399, phi, NqMode::Run), kNoBearingFactor);
    EXPECT_DOUBLE_EQ(NqFactor(20, 22.8, 0.7, phi, NqMode::Window), kNoBearingFactor);
    // Up to tan φ (+0.00001) the frictional slip line holds, cohesion or not.
    double x = 0;
    double atLimit = NqFactor(20, 22.8, std::tan(phi), phi, NqMode::Window, &x);
    EXPECT_TRUE(near(x, rad(60) + (kPi / 2 + phi) / 2, 1e-12));
    EXPECT_GT(atLimit, 1);
}

double fittedNgamma30(double thetaDeg) {
    double d = thetaDeg;
    return -1.66667e-4 * d * d * d + 0.0202667 * d * d - 0.954976 * d + 15.3262;
}

TEST(BearingFactors, NgammaOfTabulatedAnglesIsTheFittedCurve) {
    struct Case {
        int phiDeg;
        double constant;
    };
    for (Case c : {Case{5, 0.17}, Case{10, 0.56}, Case{15, 1.4}, Case{20, 3.16}, Case{25, 6.92},
                   Case{30, 15.3262}, Case{35, 35.1881}, Case{40, 86.4625}}) {
        SCOPED_TRACE(c.phiDeg);
        EXPECT_TRUE(near(NgammaFactor(c.phiDeg, 0), c.constant, 1e-12));
    }
    for (double thetaDeg : {5.0, 10.0, 20.0, 29.0}) {
        SCOPED_TRACE(thetaDeg);
        EXPECT_TRUE(
            near(NgammaFactor(30, std::tan(rad(thetaDeg))), fittedNgamma30(thetaDeg), 1e-9));
        // A load leaning the other way is as unfavourable (the curve is not extrapolated to
        // negative θ, which would give more than the vertical-load value).
        EXPECT_TRUE(
            near(NgammaFactor(30, -std::tan(rad(thetaDeg))), fittedNgamma30(thetaDeg), 1e-9));
    }
    EXPECT_DOUBLE_EQ(NgammaFactor(30, std::tan(rad(31))), 0);
    EXPECT_DOUBLE_EQ(NgammaFactor(30, -std::tan(rad(31))), 0);
    // φ = 5°: −0.016·3 + 0.17
    EXPECT_TRUE(near(NgammaFactor(5, std::tan(rad(3))), 0.122, 1e-12));
}

// φ = 32° is not tabulated: the slip-surface closed form. Without inclination the slip line
// is x = 45° + φ/2 = a2, so ψ = π/2, cos x = sin a1, sin x = cos a1 and x − φ = a1.
TEST(BearingFactors, NgammaOfOtherAnglesIsTheClosedForm) {
    double phi = rad(32), t = std::tan(phi);
    double a1 = kPi / 4 - phi / 2, a2 = kPi / 4 + phi / 2, a3 = 3 * kPi / 4 + phi / 2;
    double D = 1 + 9 * t * t;
    double A = std::exp(1.5 * kPi * t) * (std::pow(std::cos(a1), 2) * std::sin(a1) +
                                          std::pow(std::tan(a2), 2) * std::pow(std::sin(a1), 3) -
                                          (std::sin(a3) + 3 * t * std::cos(a3)) / D);
    double B = (1 + std::cos(a1) + 3 * t * std::sin(a1) - std::exp(3 * t * a1)) / D;
    double expected = std::cos(a1) / (2 * std::cos(phi)) *
                      (std::cos(a1) / (std::sin(a1) * std::cos(phi)) * (A + B) - std::cos(a1));
    double Ngamma = NgammaFactor(32, 0);
    EXPECT_TRUE(nearRel(Ngamma, expected, 1e-12));
    EXPECT_TRUE(near(Ngamma, 20.39, 0.005));
    // Between the fitted values of its neighbours, and falling with the inclination.
    EXPECT_GT(Ngamma, NgammaFactor(30, 0));
    EXPECT_LT(Ngamma, NgammaFactor(35, 0));
    double inclined = NgammaFactor(32, std::tan(rad(10)));
    EXPECT_GT(inclined, 0);
    EXPECT_LT(inclined, Ngamma);
    // No slip surface once the inclination reaches tan φ.
    EXPECT_DOUBLE_EQ(NgammaFactor(32, t), 0);
    EXPECT_DOUBLE_EQ(NgammaFactor(32, -t), 0);
}

}  // namespace
}  // namespace marvoten
