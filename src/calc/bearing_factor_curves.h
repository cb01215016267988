#pragma once
// The bearing capacity factors Nc, Nq and Nγ over the load inclination θ = 0 … 50°
// for φ = 0, 5, … 45°, as the reference curves of the coefficient window show them.
// A curve runs while its factor has an admissible slip surface; the last admissible
// point becomes the curve's end mark, except where Nc or Nγ gives out before 5°.
#include <optional>
#include <vector>

namespace marvoten {

enum class BearingFactorKind { Nc, Nq, Ngamma };

struct FactorPoint {
    int thetaDeg = 0;
    double value = 0;
};

struct BearingFactorCurve {
    int phiDeg = 0;
    std::vector<FactorPoint> points;  // θ = 0, 1, … while admissible
    std::optional<FactorPoint> endPoint;
};

inline constexpr int factorCurveCount = 10;  // φ = 0 … 45
inline constexpr int factorMaxTheta = 50;    // degrees

std::vector<BearingFactorCurve> bearingFactorCurves(BearingFactorKind kind);

}  // namespace marvoten
