#include "calc/stability_loads.h"

#include <cmath>

#include "calc/input_gathering.h"
#include "calc/other_loads.h"
#include "calc/self_weight.h"
#include "calc/trial_wedge.h"

namespace marvoten {

void computeActivePressure(TAntei& a) {
    a.earthPressureH = 0;
    a.earthPressureV = 0;
    a.pressureHeight = 0;
    a.pressureX = 0;
    const double H = a.wallHeight;
    trialWedge(a, wedgeModeStability, a.backfillShape, a.embankmentHeight, H, H);
    a.pressureY = a.pressureHeight;
    a.pressureX = a.point(5).x + std::tan(a.backFaceAngle) * (H - a.pressureHeight);
}

SlipLineReach computeStabilityLoads(TAntei& a, const DesignConditions& dc) {
    gatherInputs(a, dc);
    computeBodyWeight(a);
    computeActivePressure(a);
    SlipLineReach reach;
    const double run = std::cos(a.slipAngle) * a.slipLength;
    reach.r1 = run + (a.point(6).x - a.point(5).x);
    reach.r2 = run + a.baseWidth;

    computeFrontSoilWeight(a);
    a.soilSurchargeX = a.soilSurchargeLoad != 0 ? a.soilSurchargeLever + a.point(6).x : 0.0;
    computePassive(a);
    const double top = a.wallHeight;
    computeBackWater(a, top, top);
    computeBuoyancy(a);
    computeLoadTotals(a);
    return reach;
}

}  // namespace marvoten
