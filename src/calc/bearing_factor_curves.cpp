#include "calc/bearing_factor_curves.h"

#include <cmath>

#include "calc/angles.h"
#include "calc/bearing_factors.h"

namespace marvoten {
namespace {

// The window tabulates Nq for a frictional embedment: c = 20 kN/m2 and the
// overburden q = 22.8 kN/m2 only enter the inadmissibility test of that mode.
constexpr double windowEmbedCohesion = 20.0;
constexpr double windowOverburden = 22.8;

double factor(BearingFactorKind kind, int phiDeg, int thetaDeg) {
    const double t = std::tan(radians(thetaDeg));
    const double phi = radians(phiDeg);
    switch (kind) {
        case BearingFactorKind::Nc:
            return NcFactor(t, phi);
        case BearingFactorKind::Nq:
            return NqFactor(windowEmbedCohesion, windowOverburden, t, phi, NqMode::Window);
        case BearingFactorKind::Ngamma:
            return NgammaFactor(phiDeg, t);
    }
    return 0;
}

double stopValue(BearingFactorKind kind) {
    return kind == BearingFactorKind::Ngamma ? 0.0 : kNoBearingFactor;
}

BearingFactorCurve curve(BearingFactorKind kind, int phiDeg) {
    BearingFactorCurve c;
    c.phiDeg = phiDeg;
    double previous = 0;
    for (int theta = 0; theta <= factorMaxTheta; ++theta) {
        const double value = factor(kind, phiDeg, theta);
        if (value == stopValue(kind)) {
            // Nc and Nγ that give out within the first few degrees get no end mark.
            const bool earlyStop = kind != BearingFactorKind::Nq && theta < 5;
            if (!earlyStop) c.endPoint = FactorPoint{theta - 1, previous};
            break;
        }
        c.points.push_back({theta, value});
        previous = value;
    }
    return c;
}

}  // namespace

std::vector<BearingFactorCurve> bearingFactorCurves(BearingFactorKind kind) {
    std::vector<BearingFactorCurve> curves;
    for (int p = 0; p < factorCurveCount; ++p) curves.push_back(curve(kind, 5 * p));
    return curves;
}

}  // namespace marvoten
