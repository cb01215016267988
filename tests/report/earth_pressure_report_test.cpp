#include "report/earth_pressure_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "calc/design_run.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using marvoten::testing::near;
constexpr double deg = std::numbers::pi / 180;

struct Written {
    DesignConditions dc;
    TAntei a;
    SlipAngleCurve curve;
    CalculationBook book;
};

std::unique_ptr<Written> write(const std::function<void(DesignConditions&)>& change = {}) {
    auto w = std::make_unique<Written>();
    if (change) change(w->dc);
    const DesignRun run = runStages(w->dc);
    w->a = run.a;
    w->curve = run.slipCurve;
    writeEarthPressureText(w->a, w->book);
    drawSlipAngleCurve(w->curve, w->a, w->dc, w->book);
    return w;
}

// The line that starts with `prefix`, or empty.
std::string lineStarting(const TextSection& t, const std::string& prefix) {
    for (const std::string& l : t.upper().lines())
        if (l.rfind(prefix, 0) == 0) return l;
    return {};
}

// The number between the last "=" and the unit.
double valueOf(const std::string& line) {
    return std::stod(line.substr(line.rfind('=') + 1));
}

// Start values: Coulomb for φ = 35°, δ = 2φ/3, vertical back, level ground with the
// surcharge in the wedge: Pa = Ka·(γH²/2 + q·H), γ = 20, H = 8, q = 10.
TEST(EarthPressureText, StartValuesShowTheCoulombThrust) {
    const auto w = write();
    const TextSection& t = w->book.text(TextId::EarthPressureText);
    const double phi = 35 * deg, delta = 2 * phi / 3;
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
    const double Ka = std::cos(phi) * std::cos(phi) / (std::cos(delta) * (1 + root) * (1 + root));
    const double Pa = Ka * (20 * 64 / 2.0 + 10 * 8);
    EXPECT_EQ(t.line(0), "１．土圧計算");
    EXPECT_EQ(lineStarting(t, "    W･"), "    W･sin(ω-φ)-c･L･cosφ");
    EXPECT_TRUE(near(valueOf(lineStarting(t, "Pa=---")), Pa, 0.01));
    EXPECT_EQ(lineStarting(t, "q(載荷重)"), "q(載荷重)                 =10.00kN/m2");
    EXPECT_EQ(lineStarting(t, "  φ("), "  φ(背面土剪断抵抗角)    =35.00度");
    EXPECT_EQ(lineStarting(t, "  α("), "  α(壁面が鉛直となす角)  =0.00度");
    EXPECT_EQ(lineStarting(t, "  δ("), "  δ(壁面摩擦角)          =23.33度");
    EXPECT_TRUE(near(valueOf(lineStarting(t, "Ph(")), Pa * std::cos(delta), 0.01));
    EXPECT_EQ(lineStarting(t, "y(水平土圧の作用点)"), "y(水平土圧の作用点)       =2.667m");
    EXPECT_EQ(lineStarting(t, "x(鉛直土圧の作用点)"), "x(鉛直土圧の作用点)       =4.042m");
    // No water, no cohesion, no crack: their lines are absent.
    EXPECT_EQ(lineStarting(t, "    W=Wd-Uv"), "");
    EXPECT_EQ(lineStarting(t, "  Zc"), "");
    EXPECT_EQ(lineStarting(t, "  hc"), "");
    EXPECT_EQ(lineStarting(t, "ここに"), "");
}

TEST(EarthPressureText, SeismicPressureShowsTheSeismicFormula) {
    const auto w = write([](DesignConditions& d) {
        d.seismicCase = 1;
        d.seismicLoadSet = 1;
        d.kh.text = "0.12";
    });
    const TextSection& t = w->book.text(TextId::EarthPressureText);
    EXPECT_EQ(lineStarting(t, "    W･"), "    W･secθsin(ω-φ+θ)-c･L･cosφ");
    // arctan 0.12 = 6.843°
    EXPECT_EQ(lineStarting(t, "  θ="), "  θ=Arctan(kh)           =6.84度");
    EXPECT_EQ(lineStarting(t, "  Kh("), "  Kh(水平震度)            =0.12");
    // Seismic earth pressure takes δ = φ/2.
    EXPECT_EQ(lineStarting(t, "  δ("), "  δ(壁面摩擦角)          =17.50度");
}

TEST(EarthPressureText, WaterAndCohesionLines) {
    const auto w = write([](DesignConditions& d) {
        d.hasWater.on = true;
        d.waterDepth.text = "2.0";
        d.waterUnitWeight.text = "9.8";
        d.backfillCohesion.text = "5";
        d.considerZc.on = true;
    });
    const TextSection& t = w->book.text(TextId::EarthPressureText);
    EXPECT_EQ(lineStarting(t, "    W=Wd-Uv"), "    W=Wd-Uv");
    EXPECT_EQ(lineStarting(t, "        Hw("), "        Hw(水深)          =2.000m");
    // Zc = 2c/γ·tan(45° + φ/2) − q/γ = 0.5·tan 62.5° − 0.5 = 0.4605 m.
    EXPECT_EQ(lineStarting(t, "  Zc("), "  Zc(粘着高)=----･tan(---＋---)- --- =0.46m");
    EXPECT_EQ(lineStarting(t, "  hc"), "  hc       =Cosα･Cosβ/Cos(α+β)･Zc=0.46m");
}

TEST(SlipAngleCurve, DrawnFromPhiWithTheCriticalAngleMarked) {
    const auto w = write();  // the run has drawn the curve once
    const std::size_t pointsOfTheFirstDrawing =
        w->book.figure(FigureId::EarthPressureFigure).series(1).pointCount();
    drawSlipAngleCurve(w->curve, w->a, w->dc, w->book);
    const FigureSection& f = w->book.figure(FigureId::EarthPressureFigure);
    const auto& curve = f.series(1).points();
    ASSERT_GE(curve.size(), 2u);
    EXPECT_DOUBLE_EQ(curve[0].x, 35 * deg);
    EXPECT_EQ(curve[0].label, "35");
    EXPECT_EQ(curve[1].label, "38");  // 35° + 0.05 rad = 37.86°
    EXPECT_EQ(f.series(1).pointColour(curve[0]), colours::blue);
    EXPECT_EQ(f.series(1).colour(), colours::red);
    const auto& marker = f.series(2).points();
    ASSERT_EQ(marker.size(), 2u);
    EXPECT_DOUBLE_EQ(marker[0].x, w->a.slipAngle);
    EXPECT_TRUE(near(std::stod(marker[0].label), w->a.slipAngle / deg, 0.005));
    EXPECT_EQ(marker[0].label.substr(marker[0].label.size() - 3), "度");
    EXPECT_EQ(marker[0].label.find('.'), marker[0].label.size() - 6);  // two decimals
    // The marker's thrust at ω; Pa is that of the last trial, one fine step further.
    EXPECT_TRUE(near(marker[1].y, w->a.earthPressure, 1e-4));
    EXPECT_DOUBLE_EQ(f.verticalAxis().maximum, 1.1 * w->a.earthPressure);
    // Running it twice leaves no stale points.
    EXPECT_EQ(f.series(1).pointCount(), pointsOfTheFirstDrawing);
}

}  // namespace
}  // namespace marvoten
