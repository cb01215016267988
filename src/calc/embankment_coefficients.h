#pragma once
// Earth-pressure coefficients of a wall of unit height under a raised embankment
// (嵩上げ盛土), as a function of the embankment ratio H1/H for the four usual
// embankment slopes: the trial wedge run on a calculation object of its own, so
// the reference table never depends on the current design.
#include <array>
#include <vector>

namespace marvoten {

// The embankment slopes 1:n of the table, top to bottom.
inline constexpr std::array<double, 4> embankmentSlopes{1.5, 1.8, 2.0, 3.0};

struct CoefficientConditions {
    double gamma = 20;   // backfill unit weight, kN/m3
    double phiDeg = 35;  // backfill shear resistance angle, degrees
    double c = 0;        // backfill cohesion, kN/m2
    bool seismic = false;
    double kh = 0;     // design horizontal seismic coefficient (seismic case)
    double alpha = 0;  // back face angle from the vertical, rad
};

struct EarthPressureCoefficients {
    double Ka = 0;
    double Kah = 0;
    double Kav = 0;
};

struct CoefficientColumn {
    double ratio = 0;  // H1/H
    std::array<EarthPressureCoefficients, embankmentSlopes.size()> bySlope{};
};

// H1/H = 0.0, 0.1, … 1.0 (accumulated in steps of 0.1).
std::vector<CoefficientColumn> embankmentCoefficients(const CoefficientConditions& conditions);

}  // namespace marvoten
