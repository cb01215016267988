#pragma once
// Active earth pressure by the trial-wedge method (試行くさび法): for a run of slip
// angles ω a soil wedge is cut off behind the back face by a straight slip line;
// its weight, with the surcharge and snow on its top and less the water uplift on
// the slip line, goes into the wedge equilibrium, and the largest thrust is Pa.
#include <vector>

#include "calc/calculation_object.h"

namespace marvoten {

// Mode 0: the wall over its full height (stability); mode 2: the stem above a
// section (stem design).
inline constexpr int wedgeModeStability = 0;
inline constexpr int wedgeModeStem = 2;

// What one search holds fixed: the wedge height h below the top of the back face,
// the reference height of the water depth, the backfill shape as searched (an
// embankment on level ground counts as level), α and the angle under which the
// embankment's break point is seen from the bottom of the back face.
struct WedgeSetup {
    int mode = wedgeModeStability;
    int shape = 1;  // 1 level, 2 slope, 3 embankment
    double embankmentHeight = 0;
    double h = 0;
    double hRef = 0;
    double alpha = 0;
    double breakAngle = 0;
};
WedgeSetup wedgeSetup(const TPa& p, int mode, int shape, double embankmentHeight, double h,
                      double hRef);

// δ: 2φ/3 or φ/2 by the chosen ratio; φ/2 with seismic earth pressure.
double wallFriction(const TPa& p, int mode);

// The thrust P(ω) of one trial; sets wedgeCase, the crack depth, slip length, top
// widths and wedge weights of that trial.
double wedgeThrust(TPa& p, const WedgeSetup& setup, double omega);

// The search: water on the back face, coarse pass in steps of 0.005 rad from φ, fine
// pass in steps of 0.00001 rad upwards from the coarse maximum, and under a seismic
// angle θ the same passes over φ − θ ≤ ω < φ, the larger thrust deciding; then Pa, its
// components, coefficients and height of application. Without active pressure every
// result is 0.
void trialWedge(TPa& p, int mode, int shape, double embankmentHeight, double h, double hRef);

// P = h'²·γs·K/2 plus the separately added surcharge part, with its lever above the
// section; h' = h − hc.
struct BackCalculatedPressure {
    double P = 0;
    double lever = 0;
};
BackCalculatedPressure backCalculatedPressure(const TPa& p, double K, double h);

// The thrust over the slip angle for the report's figure: ω from φ (from φ − θ when
// the critical angle lies below φ) in steps of 0.05 rad, with the separately added surcharge
// included in case 0, and the thrust at the critical angle of the search `p` holds.
struct SlipCurvePoint {
    double omega = 0;
    double P = 0;
};
struct SlipAngleCurve {
    std::vector<SlipCurvePoint> points;
    SlipCurvePoint critical;
};
SlipAngleCurve slipAngleCurve(const TPa& p, int mode, int shape, double embankmentHeight, double h,
                              double hRef);

}  // namespace marvoten
