#include "calc/trial_wedge.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "calc/load_polygons.h"
#include "calc/other_loads.h"
#include "calc/search_limit.h"

namespace marvoten {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double coarseStep = 0.005;
constexpr double fineStep = 0.00001;
constexpr double searchEnd = pi / 2 - 0.005;     // last slip angle tried
constexpr double noPressureEnd = pi / 2 - 0.01;  // a maximum beyond it is no pressure
// From φ ≥ 0 the coarse pass tries at most searchEnd / coarseStep ≈ 313 angles and the
// fine pass, which starts one coarse step below the coarse maximum, at most
// (searchEnd + coarseStep) / fineStep ≈ 157,000; the figure's curve at most 32.
constexpr long coarseTrials = 400;
constexpr long fineTrials = 160000;
constexpr long curveTrials = 100;

double safeDivide(double a, double b) {
    return b != 0 ? a / b : 0.0;
}

int wedgeCaseAt(const TPa& p, const WedgeSetup& s, double omega) {
    int c = 1;
    if (s.shape == 2) c = 2;
    if (s.shape == 3) {
        c = s.breakAngle >= omega ? 3 : 2;
        if (s.breakAngle < 0) c = 3;
        if (s.embankmentHeight == 0) c = 1;
    }
    if (c == 1 && p.surchargeTreatment == 1) c = 0;
    return c;
}

// Tension crack depth Zc under the loads q_w + w_s on the wedge top.
double crackDepthUnder(const TPa& p, double h, double loads) {
    const double gs = p.backfillUnitWeight;
    const double z = std::tan(pi / 4 + p.backfillPhi / 2) * safeDivide(2 * p.backfillCohesion, gs) -
                     safeDivide(loads, gs);
    return std::min(h, std::max(0.0, z));
}

// Weight of the wedge cut at ω (case already set), W = Wd − Uv.
void wedgeWeight(TPa& p, const WedgeSetup& s, double omega) {
    const double h = s.h, He = s.embankmentHeight, alpha = s.alpha;
    const double tanA = std::tan(alpha), tanW = std::tan(omega);
    const double beta = p.slopeAngle;
    const int c = p.wedgeCase;
    const bool inertiaOnly = p.seismicCombination == 1;  // normal pressure: no loads on the wedge
    p.slopeTopWidth = 0;
    p.levelTopWidth = 0;
    p.crackDepth = 0;
    p.slipLength = 0;
    p.wedgeUplift = p.backWaterThrust / tanW;

    // The crack always takes the full surcharge q, also on a slope loaded with q_s.
    double loads = 0;
    if (!inertiaOnly && c != 0) loads = p.surcharge + (c == 2 ? p.snowOnSlope : p.snowOnFlat);
    const double Zc = crackDepthUnder(p, h, loads);
    double L = 0;
    if (c == 2) {
        L = (std::cos(alpha - beta) * h / std::cos(alpha) - std::cos(beta) * Zc) /
            std::sin(omega - beta);
    } else if (c == 3) {
        L = (h + He - Zc) / std::sin(omega);
    } else {
        L = (h - Zc) / std::sin(omega);
    }
    p.crackDepth = Zc;
    p.slipLength = L;

    const WallPoint V1{-h * tanA, h};
    const WallPoint V3{L * std::cos(omega), L * std::sin(omega) + Zc};
    const WallPoint V4{L * std::cos(omega), L * std::sin(omega)};
    WallPoint V2 = V1;
    if (c == 3) {
        p.slopeTopWidth = He / std::tan(beta);
        p.levelTopWidth = (h + He - Zc) / tanW + tanA * h - p.slopeTopWidth;
        V2 = {V3.x - p.levelTopWidth, h + He};
    } else if (!inertiaOnly && (c == 0 || c == 1)) {
        p.levelTopWidth = (tanA + 1 / tanW) * h - Zc / tanW;
    } else if (!inertiaOnly && c == 2) {
        p.slopeTopWidth = tanA * h + std::cos(omega) * L;
    }

    PolygonBuffer b;
    const WallPoint V[] = {{0, 0}, V1, V2, V3, V4, {0, 0}};
    b.n = 5;
    for (std::size_t k = 0; k < 6; ++k) {
        b.x[k] = V[k].x;
        b.y[k] = V[k].y;
    }
    const double soil = polygonAreaCentroid(b).area * p.backfillUnitWeight;
    double Wd = soil;
    if (!inertiaOnly) {
        const double flat = (p.surcharge + p.snowOnFlat) * p.levelTopWidth;
        const double slope = (p.surchargeOnSlope + p.snowOnSlope) * p.slopeTopWidth;
        if (c == 1) Wd = soil + flat;
        if (c == 2) Wd = soil + slope;
        if (c == 3) Wd = soil + slope + flat;
    }
    p.wedgeWeightDry = Wd;
    p.wedgeWeight = Wd - p.wedgeUplift;
}

void clearPressure(TPa& p) {
    p.earthPressure = p.earthPressureH = p.earthPressureV = 0;
    p.pressureCoeff = p.pressureCoeffH = p.pressureCoeffV = 0;
    p.pressureHeight = p.wallFrictionAngle = p.slipAngle = 0;
    p.slopeTopWidth = p.levelTopWidth = p.slipLength = 0;
}

// The thrust with the separately added surcharge, from the coefficient of a wedge
// searched without it; h is the height without the crack reduction.
double withSeparateSurcharge(const TPa& p, double P, double h) {
    const double gs = p.backfillUnitWeight;
    const double K = safeDivide(2 * P, h * h * gs);
    const double Q = p.surcharge + p.snowOnFlat;
    const double ad = p.backFaceAngle + p.wallFrictionAngle;
    const double Ph = h * h * gs * std::cos(ad) * K / 2 + h * std::cos(ad) * K * Q;
    const double Pv = h * h * gs * std::sin(ad) * K / 2 + h * std::sin(ad) * K * Q;
    return std::sqrt(Ph * Ph + Pv * Pv);
}

}  // namespace

WedgeSetup wedgeSetup(const TPa& p, int mode, int shape, double embankmentHeight, double h,
                      double hRef) {
    WedgeSetup s;
    s.mode = mode;
    s.shape = shape;
    s.embankmentHeight = embankmentHeight;
    s.h = h;
    s.hRef = hRef;
    s.alpha = (mode == wedgeModeStability || mode == wedgeModeStem) ? p.backFaceAngle : 0.0;
    if (shape == 3) {
        if (p.slopeAngle == 0) {
            s.shape = 1;
        } else {
            const double l = embankmentHeight / std::tan(p.slopeAngle) - h * std::tan(s.alpha);
            s.breakAngle = l != 0 ? std::atan((h + embankmentHeight) / l) : 0.0;
        }
    }
    return s;
}

double wallFriction(const TPa& p, int /*mode*/) {
    const double phi = p.backfillPhi;
    if (p.seismicCombination == 2 || p.seismicCombination == 4) return phi / 2;
    return p.wallFrictionRatio == 0 ? 2 * phi / 3 : phi / 2;
}

double wedgeThrust(TPa& p, const WedgeSetup& s, double omega) {
    p.wedgeCase = wedgeCaseAt(p, s, omega);
    // A slip line along the surface cuts no wedge.
    const double rise = p.wedgeCase == 2 ? std::sin(omega - p.slopeAngle) : std::sin(omega);
    if (!(rise > 0)) return 0.0;
    const double delta = wallFriction(p, s.mode);
    wedgeWeight(p, s, omega);
    const double phi = p.backfillPhi, theta = p.seismicAngle;
    const double driving = p.wedgeWeight / std::cos(theta) * std::sin(omega - phi + theta) -
                           std::cos(phi) * p.backfillCohesion * p.slipLength;
    return std::max(0.0, driving) / std::cos(omega - phi - s.alpha - delta);
}

namespace {

// The thrust followed upwards in coarse steps from `start` while ω < `end` (and, with
// `alsoAtEnd`, once more at `end` itself) until it falls: the angle of the coarse
// maximum, or none when it never fell.
std::optional<double> coarseMaximum(TPa& p, const WedgeSetup& s, double start, double end,
                                    bool alsoAtEnd) {
    double Pa = 0;
    double omega = start;
    TrialCounter trials(Search::SlipAngle, coarseTrials);
    while (omega < end) {
        trials.next();
        const double P = wedgeThrust(p, s, omega);
        if (Pa > P) return omega - coarseStep;
        Pa = std::max(P, Pa);
        omega += coarseStep;
    }
    if (alsoAtEnd && Pa > wedgeThrust(p, s, end)) return omega - coarseStep;
    return std::nullopt;
}

// The fine pass looks only upwards from the coarse maximum. The search ends at the
// trial whose thrust fell; the critical angle is the one before it.
struct FineMaximum {
    double Pa = 0;
    double lastTrial = 0;
    double slipAngle = 0;
};
FineMaximum fineMaximum(TPa& p, const WedgeSetup& s, double start) {
    FineMaximum m;
    double omega = start;
    TrialCounter trials(Search::SlipAngle, fineTrials);
    while (omega < searchEnd) {
        trials.next();
        const double P = wedgeThrust(p, s, omega);
        if (m.Pa > P) break;
        m.Pa = std::max(P, m.Pa);
        omega += fineStep;
    }
    m.lastTrial = omega;
    m.slipAngle = omega - fineStep;
    return m;
}

// With a seismic angle θ the wedge can slide from ω = φ − θ on, where sin(ω − φ + θ)
// turns positive. Leaning into the fill, the back face can then carry its largest
// thrust below φ. The search from φ is kept as it is; the angles below φ are searched
// on their own, and they decide only where they give the larger thrust.
std::optional<FineMaximum> maximumBelowPhi(TPa& p, const WedgeSetup& s) {
    const double phi = p.backfillPhi;
    const double start = phi - p.seismicAngle;
    if (!(start < phi)) return std::nullopt;
    const std::optional<double> coarse = coarseMaximum(p, s, start, phi, true);
    if (!coarse) return std::nullopt;
    return fineMaximum(p, s, *coarse);
}

}  // namespace

void trialWedge(TPa& p, int mode, int shape, double embankmentHeight, double h, double hRef) {
    const WedgeSetup s = wedgeSetup(p, mode, shape, embankmentHeight, h, hRef);
    computeBackWater(p, h, hRef);
    p.backWaterThrust = p.backWaterPressure;

    std::optional<FineMaximum> best;
    const std::optional<double> coarse = coarseMaximum(p, s, p.backfillPhi, searchEnd, false);
    if (coarse && *coarse <= noPressureEnd) best = fineMaximum(p, s, *coarse);
    const std::optional<FineMaximum> below = maximumBelowPhi(p, s);
    if (below && below->Pa > 0 && (!best || below->Pa > best->Pa)) best = below;
    if (!best) {
        clearPressure(p);
        return;
    }
    p.slipAngle = best->slipAngle;
    // The thrust, and the wedge weights the book prints, of the trial that ended the
    // search: one fine step past the critical angle.
    double Pa = wedgeThrust(p, s, best->lastTrial);

    const double alpha = s.alpha, beta = p.slopeAngle, gs = p.backfillUnitWeight;
    p.crackHeight = p.considerZc == 1
                        ? std::cos(alpha) * std::cos(beta) / std::cos(alpha + beta) * p.crackDepth
                        : 0.0;
    const double delta = wallFriction(p, mode);
    p.wallFrictionAngle = delta;
    const double hd = h - p.crackHeight;
    // A crack down the whole height leaves no pressure diagram: no earth pressure acts,
    // though the cohesion-weakened wedge still has a positive thrust.
    if (hd <= 0) Pa = 0;
    p.pressureCoeff = safeDivide(2 * Pa, hd * hd * gs);
    p.pressureCoeffH = std::cos(alpha + delta) * p.pressureCoeff;
    p.pressureCoeffV = std::sin(alpha + delta) * p.pressureCoeff;
    const double Kh = p.pressureCoeffH, Kv = p.pressureCoeffV;
    if (p.wedgeCase == 0) {
        const double Q = p.surcharge + p.snowOnFlat;
        const double A = hd * hd * Kh * gs / 2;
        p.earthPressureH = A + Kh * Q * hd;
        p.earthPressureV = hd * hd * Kv * gs / 2 + Kv * Q * hd;
        Pa = std::sqrt(p.earthPressureH * p.earthPressureH + p.earthPressureV * p.earthPressureV);
        p.pressureHeight = safeDivide(A * hd / 3 + hd * hd * Kh * Q / 2, p.earthPressureH);
    } else {
        p.earthPressureH = hd * hd * Kh * gs / 2;
        p.earthPressureV = hd * hd * Kv * gs / 2;
        p.pressureHeight = hd / 3;
    }
    p.earthPressure = Pa;
    p.reportedWedgeWeight = p.wedgeWeight;
    p.reportedWedgeWeightDry = p.wedgeWeightDry;
    p.reportedWedgeUplift = p.wedgeUplift;
}

BackCalculatedPressure backCalculatedPressure(const TPa& p, double K, double h) {
    const double hd = std::max(0.0, h - p.crackHeight);
    const double f = hd * hd * p.backfillUnitWeight * K / 2;
    double g = 0;
    if (p.surchargeTreatment == 1 && p.backfillShape == 1)
        g = hd * K * (p.surcharge + p.snowOnFlat);
    if (p.surchargeTreatment == 1 && p.backfillShape == 2)
        g = hd * K * (p.surcharge + p.snowOnSlope);
    BackCalculatedPressure r;
    r.P = f + g;
    r.lever = r.P != 0 ? (hd * f / 3 + hd * g / 2) / r.P : 0.0;
    return r;
}

SlipAngleCurve slipAngleCurve(const TPa& saved, int mode, int shape, double embankmentHeight,
                              double h, double hRef) {
    // Each trial writes its wedge into the object: the curve's trials work on a copy.
    TPa p = saved;
    const WedgeSetup s = wedgeSetup(p, mode, shape, embankmentHeight, h, hRef);
    auto thrustAt = [&](double omega) {
        const double P = wedgeThrust(p, s, omega);
        return p.wedgeCase == 0 ? withSeparateSurcharge(saved, P, h) : P;
    };
    SlipAngleCurve curve;
    const double end = searchEnd + (s.alpha <= 0 ? s.alpha : 0.0);
    TrialCounter trials(Search::SlipAngleCurve, curveTrials);
    // A critical angle below φ is shown on a curve that starts where the wedge can slide.
    const double start = saved.slipAngle < saved.backfillPhi
                             ? saved.backfillPhi - saved.seismicAngle
                             : saved.backfillPhi;
    for (double omega = start; omega < end; omega += 0.05) {
        trials.next();
        curve.points.push_back({omega, thrustAt(omega)});
    }
    curve.critical = {saved.slipAngle, thrustAt(saved.slipAngle)};
    return curve;
}

}  // namespace marvoten
