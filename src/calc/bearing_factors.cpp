#include "calc/bearing_factors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "calc/angles.h"
#include "calc/search_limit.h"

namespace marvoten {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTiny = 0.00001;
constexpr double kBracketStep = 0.034906585039886591538;  // 2° in radians

// The slip surface of trial angle x: the active wedge's slip line leaves the footing edge at
// angle x, followed by a logarithmic spiral through ψ. Nq and the horizontal capacity Hc
// (per unit cohesion) of that surface, for a ground of shear resistance angle φ.
struct SlipSurface {
    double phi;
    double s = std::sin(phi);
    double t = std::tan(phi);

    double psi(double x) const { return phi / 2 + 3 * kPi / 4 - x; }
    double Nq(double x) const {
        return (1 + s * std::sin(2 * x - phi)) / (1 - s) * std::exp(2 * psi(x) * t);
    }
    double Nc(double x) const { return (Nq(x) - 1) / t; }
    double Hq(double x) const {
        return s * std::cos(2 * x - phi) / (1 - s) * std::exp(2 * psi(x) * t);
    }
    double Hc(double x) const { return Hq(x) / t; }
};

// Nq without inclination: the Prandtl–Reissner value.
double classicalNq(double phi) {
    double s = std::sin(phi);
    return std::exp(kPi * std::tan(phi)) * (1 + s) / (1 - s);
}

// Fitted Nγ curves over the inclination θd (degrees), coefficients from the highest power down.
struct NgammaCurve {
    int phiDeg;
    std::vector<double> coefficients;
};

const std::array<NgammaCurve, 8>& ngammaCurves() {
    static const std::array<NgammaCurve, 8> curves{{
        {5, {-0.016, 0.17}},
        {10, {-0.0006, -0.033, 0.56}},
        {15, {-5.33333e-5, 0.0016, -0.0886667, 1.4}},
        {20, {-1.73333e-5, 6.93333e-4, -0.00636667, -0.153333, 3.16}},
        {25, {2.66667e-8, -7.33333e-6, 2.56667e-4, 0.00338333, -0.402433, 6.92}},
        {30, {-1.66667e-4, 0.0202667, -0.954976, 15.3262}},
        {35, {2.02667e-7, -2.34769e-5, 0.00104456, -0.0225236, 0.270397, -3.06442, 35.1881}},
        {40, {-2.62564e-7, 2.52587e-5, -0.00183524, 0.137808, -5.66993, 86.4625}},
    }};
    return curves;
}

double evaluateCurve(const std::vector<double>& coefficients, double thetaDeg) {
    double sum = 0;
    int power = static_cast<int>(coefficients.size()) - 1;
    for (double c : coefficients) sum += c * std::pow(thetaDeg, power--);
    return sum;
}

// Closed form of Nγ for the slip surface of angle x (from NqFactor) under inclination y.
double closedFormNgamma(double phi, double y, double x) {
    double t = std::tan(phi);
    double a1 = kPi / 4 - phi / 2;
    double a2 = kPi / 4 + phi / 2;
    double a3 = 3 * kPi / 4 + phi / 2;
    double psi = a3 - x;
    double D = 1 + 9 * t * t;
    double sinA1 = std::sin(a1);
    double cosA1 = std::cos(a1);
    double tanA2 = std::tan(a2);
    double A =
        std::exp(3 * psi * t) * (cosA1 * cosA1 * sinA1 + tanA2 * tanA2 * sinA1 * sinA1 * sinA1 -
                                 (std::sin(a3) + 3 * t * std::cos(a3)) / D);
    double Bgamma = (1 + std::sin(x) + 3 * t * std::cos(x) - std::exp(3 * t * (kPi / 2 - x))) / D;
    double K = std::cos(x - phi) / (2 * std::cos(phi) * (1 + y * std::tan(x)));
    return K * (std::cos(x - phi) / (std::cos(x) * std::cos(phi)) * (A + Bgamma) - std::sin(x));
}

void store(double* angle, double value) {
    if (angle) *angle = value;
}

}  // namespace

double NcFactor(double tanTheta, double phi, double* angle) {
    double y = std::fabs(tanTheta);
    double x0 = phi / 2 + kPi / 4;
    store(angle, x0);
    if (!std::isfinite(y) || !std::isfinite(phi)) return kNoBearingFactor;
    if (phi < kTiny) return y < kTiny ? 5.14 : kNoBearingFactor;
    if (y < kTiny) return (classicalNq(phi) - 1) / std::tan(phi);

    const SlipSurface slip{phi};
    auto F = [&](double x) { return y - std::fabs(slip.Hc(x) / slip.Nc(x)); };

    // The slip line is admissible up to φ + π/2. Once a trial angle beyond that limit still
    // has F ≥ 0, any root lies further out and is inadmissible: the search stops one step past
    // the limit (half a step of margin, so that rounding of the accumulated trial angle does
    // not decide), which also ends it for inclinations so steep that F never turns negative.
    double limit = phi + kPi / 2;
    double hi = x0;
    // From x0 = φ/2 + π/4 to one step past φ + π/2 are at most 48 steps of 2° for φ < 90°;
    // the bisection halves an interval below π to 10⁻⁶ in about 22 steps.
    TrialCounter bracket(Search::BearingSlipLine, 100);
    TrialCounter bisection(Search::BearingSlipLine, 200);
    do {
        bracket.next();
        hi += kBracketStep;
        if (hi > limit + 1.5 * kBracketStep) return kNoBearingFactor;
    } while (!(F(hi) < 0));

    double lo = x0;
    double fa = F(x0);
    double prev = hi;
    double root;
    for (;;) {
        bisection.next();
        double mid = (lo + hi) / 2;
        double fm = F(mid);
        if (std::fabs(mid - prev) <= 0.000001) {
            root = (mid + prev) / 2;
            break;
        }
        prev = mid;
        if (fa * fm < 0) {
            hi = mid;
        } else {
            lo = mid;
            fa = fm;
        }
    }
    store(angle, root);
    return root <= limit ? slip.Nc(root) : kNoBearingFactor;
}

double NqFactor(double cE, double q, double tanTheta, double phi, NqMode mode, double* angle) {
    double y = std::fabs(tanTheta);
    double theta = std::atan(y);
    const SlipSurface slip{phi};
    double x0 = phi / 2 + kPi / 4;
    store(angle, x0);
    if (phi < kTiny && y < kTiny) return 1;
    if (y < kTiny) return classicalNq(phi);

    if (cE < kTiny || y <= slip.t + kTiny) {
        // sin θ / sin φ is unbounded for φ = 0; the slip line then stands at its steepest.
        // The lower bound only keeps the arcsine defined for a negative φ.
        double ratio = std::clamp(std::sin(theta) / slip.s, -1.0, 1.0);
        double x = x0 + (std::asin(ratio) + theta) / 2;
        store(angle, x);
        return slip.Nq(x);
    }

    // The inclination exceeds the friction: only the embedment's cohesion can hold it, up to
    // the ratio r of horizontal to vertical capacity of the limiting slip line.
    double x = phi + kPi / 2;
    store(angle, x);
    if (mode == NqMode::Window || phi < kTiny) return kNoBearingFactor;
    double Nq = slip.Nq(x);
    double NcDash = (Nq - 1) / slip.t;
    double Hq = slip.Hq(x);
    double Hc = Hq / slip.t;
    double r = std::fabs(((q / cE) * Hq + Hc) / ((q / cE) * Nq + NcDash));
    return y >= r ? kNoBearingFactor : Nq;
}

double NgammaFactor(int phiDeg, double tanTheta) {
    double phi = radians(phiDeg);
    // The capacity depends on the size of the inclination, not its direction, as for Nc, Nq
    // and the closed form: a load leaning towards the backfill gets no more than a vertical one.
    double thetaDeg = degrees(std::atan(std::fabs(tanTheta)));
    if (phi < kTiny) return 0;
    for (const NgammaCurve& curve : ngammaCurves()) {
        if (curve.phiDeg == phiDeg) {
            return thetaDeg <= phiDeg ? evaluateCurve(curve.coefficients, thetaDeg) : 0;
        }
    }
    double y = std::fabs(tanTheta);
    if (y + kTiny >= std::tan(phi)) return 0;
    double x;
    if (NqFactor(0, 0, tanTheta, phi, NqMode::Run, &x) < 0) return 0;
    return closedFormNgamma(phi, y, x);
}

}  // namespace marvoten
