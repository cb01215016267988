#include "calc/ground_reaction.h"

#include <algorithm>
#include <cmath>

#include "calc/load_polygons.h"
#include "calc/ultimate_bearing.h"

namespace marvoten {
namespace {

using Case = GroundReactionCase;

// Steps 1 to 3: resultant, reaction case with its end intensities, widths.
void resultantAndReaction(TAntei& a) {
    const double B = a.baseWidth;
    const double Vo = a.sumV;
    a.noVerticalLoad = Vo <= 0 ? 1 : 0;
    if (a.noVerticalLoad) {
        // Nothing presses the base onto the ground: no resultant, no reaction.
        a.d = a.e = a.q1 = a.q2 = a.Be = a.contactWidth = 0;
        a.reactionCase = Case::Incalculable;
        return;
    }
    a.d = (a.sumMr - a.sumMo) / Vo;
    a.e = B / 2 - a.d;
    const double e = a.e, d = a.d;
    const double absE = std::abs(e);
    a.q1 = a.q2 = 0;
    if (absE <= B / 6) {
        a.reactionCase = Case::Trapezoid;
        a.q1 = (Vo / B) * (1 + 6 * e / B);
        a.q2 = (Vo / B) * (1 - 6 * e / B);
        a.contactWidth = B;
    } else if (absE <= B / 3 && e >= 0) {
        a.reactionCase = Case::ToeTriangle;
        a.q1 = 2 * Vo / (3 * d);
        a.contactWidth = 3 * d;
    } else if (absE <= B / 3) {
        a.reactionCase = Case::HeelTriangle;
        a.q2 = 2 * Vo / (3 * (B - d));
        a.contactWidth = 3 * (B - d);
    } else {
        a.reactionCase = Case::Incalculable;
        a.contactWidth = 0;
    }
    a.Be = e >= 0 ? B - 2 * e : B;
}

void caseFactors(TAntei& a) {
    const bool seismic = a.seismicCase == 1;
    a.allowableReaction = a.allowableBearing * (seismic ? 1.5 : 1.0);
    a.FsRequired = seismic ? 1.2 : 1.5;
    a.bearingSafetyFactor = seismic ? 2.0 : 3.0;
}

void clearKeyQuantities(TAntei& a) {
    a.b1 = a.b2 = a.b3 = a.v1 = a.v2 = a.v3 = 0;
    a.Hk = a.Ht = a.Mkey = 0;
}

// The effective width cut at the key's faces: b1 in front of the key, b2 under
// it, b3 behind it, each carrying its share of Vo.
void slidingWithKey(TAntei& a) {
    const double B = a.baseWidth, Be = a.Be, Vo = a.sumV, Ho = a.sumH;
    const double xkf = a.point(13).x, xkb = a.point(10).x;
    if (a.e >= 0) {
        if (xkb <= Be) {
            a.b1 = xkf, a.b2 = xkb - xkf, a.b3 = Be - xkb;
        } else if (xkf <= Be) {
            a.b1 = xkf, a.b2 = Be - xkf, a.b3 = 0;
        } else {
            a.b1 = Be, a.b2 = 0, a.b3 = 0;
        }
    } else {
        a.b1 = xkf, a.b2 = xkb - xkf, a.b3 = B - xkb;
    }
    a.v1 = a.b1 / Be * Vo;
    a.v2 = a.b2 / Be * Vo;
    a.v3 = a.b3 / Be * Vo;
    const double c = a.bearingCohesion;
    const double tanPhi = std::tan(a.bearingPhi), tanPhiB = std::tan(a.baseFrictionAngle);
    a.Hk = c * a.b1 + a.v1 * tanPhi + (a.v2 + a.v3) * tanPhiB + 0.5 * passiveInChecks(a);
    a.Fs = Ho > 0 ? a.Hk / Ho : 9999.9;
    if (a.Hk == 0 && a.Fs > 0) {
        // No horizontal load and no shear resistance: the key's share is undefined.
        a.keySlidingIncalculable = 1;
        a.Fs = a.Ht = a.Mkey = 0;
        return;
    }
    a.Ht = a.Fs > 0 ? (c * a.b1 + a.v1 * (tanPhi - tanPhiB) + a.v2 * tanPhiB) * Ho / a.Hk : 0.0;
    a.Mkey = a.keyHeight * a.Ht / 2;
}

void sliding(TAntei& a) {
    clearKeyQuantities(a);
    a.keySlidingIncalculable = 0;
    a.Fs = 0;
    if (a.noVerticalLoad) return;
    if (!a.hasShearKey) {
        const double Ho = a.sumH;
        a.Fs = Ho > 0
                   ? (a.frictionCoeff * a.sumV + a.adhesion * a.Be + 0.5 * passiveInChecks(a)) / Ho
                   : 999.9;
        return;
    }
    if (a.Be <= 0) {
        // The resultant at or behind the toe leaves no effective width to share.
        a.keySlidingIncalculable = 1;
        return;
    }
    slidingWithKey(a);
}

double blockArea(double L, double u, double w) {
    return (u + w) / 2 * L;
}

// Centroid distance of a trapezoidal block of length L from its end of intensity
// qn; a block without load has no lever.
double blockLever(double L, double qn, double qfar) {
    const double sum = qfar + qn;
    return sum != 0 ? L * (2 * qfar + qn) / (3 * sum) : 0.0;
}

// Step 8: the toe reaction blocks from the toe end to the design section (Rt)
// and to the stem face (Rf).
void toeReactionBlocks(TAntei& a) {
    const double B = a.baseWidth;
    const double xt = a.point(14).x, xf = a.point(3).x;
    const double halfDepth = (a.baseThickness + a.slabSlopeHeight) / 2;
    const double q1 = a.q1;
    a.Rt = a.Rf = a.at = a.af = 0;
    switch (a.reactionCase) {
        case Case::Trapezoid:
            a.Rt = blockArea(xt, a.qt, q1);
            a.Rf = blockArea(xf, a.qf, q1);
            a.at = blockLever(xt, a.qt, q1) + halfDepth;
            a.af = blockLever(xf, a.qf, q1);
            break;
        case Case::ToeTriangle: {
            const double L = 3 * a.d;
            a.Rt = xt >= L ? blockArea(L, 0, q1) : blockArea(xt, a.qt, q1);
            a.Rf = L <= xf ? blockArea(L, 0, q1) : blockArea(xf, a.qf, q1);
            a.at = L <= xt ? xf - L + 2 * L / 3 : blockLever(xt, a.qt, q1) + halfDepth;
            a.af = L <= xf ? 2 * L / 3 + (xf - L) : blockLever(xf, a.qf, q1);
            break;
        }
        case Case::HeelTriangle: {
            const double L = 3 * (B - a.d);
            if (L > B - xt) {
                a.Rt = blockArea(L - (B - xt), 0, a.qt);
                a.at = halfDepth + (L - (B - xt)) / 3;
            }
            if (L > B - xf) {
                a.Rf = blockArea(L - (B - xf), 0, a.qf);
                a.af = (L - (B - xf)) / 3;
            }
            break;
        }
        case Case::Incalculable:
            break;
    }
}

void toePieces(TAntei& a) {
    static constexpr std::array<std::string_view, 6> selectors{"rc", "rc", "rw", "rw", "r9", "r9"};
    for (std::size_t i = 0; i < toePieceKeys.size(); ++i) {
        const SlabLoad load = slabLoadByKey(a, toePieceKeys[i], "T", selectors[i]);
        a.toePieceWeight[i] = load.weight;
        a.toePieceLever[i] = load.lever;
    }
}

}  // namespace

void computeSectionReactions(TAntei& a) {
    a.qt = reactionIntensity(a, a.point(14).x);
    a.qf = reactionIntensity(a, a.point(3).x);
    a.qb = reactionIntensity(a, a.point(6).x);
    a.qkf = reactionIntensity(a, a.point(13).x);
    a.qkb = reactionIntensity(a, a.point(10).x);
    toeReactionBlocks(a);
    toePieces(a);
}

double passiveInChecks(const TAntei& a) {
    return a.hasPassive ? a.passivePressure : 0.0;
}

double reactionIntensity(const TAntei& a, double x) {
    const double B = a.baseWidth;
    switch (a.reactionCase) {
        case Case::Trapezoid:
            return x <= B ? std::max(0.0, a.q2 + (a.q1 - a.q2) * (B - x) / B) : 0.0;
        case Case::ToeTriangle: {
            const double L = 3 * a.d;
            return x < L ? std::max(0.0, a.q1 * (L - x) / L) : 0.0;
        }
        case Case::HeelTriangle: {
            const double L = 3 * (B - a.d);
            return B - x < L ? std::max(0.0, a.q2 * (L - (B - x)) / L) : 0.0;
        }
        case Case::Incalculable:
            break;
    }
    return 0.0;
}

void computeStability(TAntei& a) {
    resultantAndReaction(a);
    caseFactors(a);
    computeUltimateBearing(a);
    sliding(a);
    computeSectionReactions(a);
}

}  // namespace marvoten
