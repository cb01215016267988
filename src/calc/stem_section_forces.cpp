#include "calc/stem_section_forces.h"

#include "calc/load_polygons.h"
#include "calc/other_loads.h"
#include "calc/trial_wedge.h"

namespace marvoten {

StemGeometry stemGeometry(const TTeisu& t) {
    const WallPoint &P3 = t.point(3), &P4 = t.point(4), &P5 = t.point(5), &P6 = t.point(6);
    StemGeometry g;
    g.Hs = P4.y - P3.y;
    g.H = P4.y;
    g.crest = P5.x - P4.x;
    g.batters = (P4.x - P3.x) + (P6.x - P5.x);
    g.tanBeta = (P4.x - P3.x) / g.Hs;
    g.tanGamma = (P6.x - P5.x) / g.Hs;
    return g;
}

StemSectionForces stemSectionForces(TAntei& a, double y, StemPressure method, double fixedEndKh) {
    const StemGeometry g = stemGeometry(a);
    StemSectionForces F;
    F.y = y;

    if (method == StemPressure::wedge || a.stemPressureMethod == 0) {
        trialWedge(a, wedgeModeStem, a.backfillShape, a.embankmentHeight, y, g.H);
        F.Ph = a.earthPressureH;
        F.h = a.pressureHeight;
    } else {
        const BackCalculatedPressure p = backCalculatedPressure(a, fixedEndKh, y);
        F.Ph = p.P;
        F.h = p.lever;
    }
    F.Pa = a.earthPressure;
    F.Pv = a.earthPressureV;
    F.Kh = a.pressureCoeffH;
    F.Kv = a.pressureCoeffV;
    F.W = a.reportedWedgeWeight;
    F.omega = a.slipAngle;
    F.delta = a.wallFrictionAngle;
    F.L = a.slipLength;
    F.Zc = a.crackDepth;
    F.hc = a.crackHeight;
    F.Mearth = F.Ph * F.h;

    const AreaCentroid slice = stemSliceProperties(a, y);
    F.Pbody = slice.area * a.concreteUnitWeight;
    F.Pinertia = F.Pbody * a.khInertia;  // khInertia is 0 in the normal case
    F.yInertia = slice.y;
    F.Mt = F.Pinertia * F.yInertia;

    computeBackWater(a, y, g.H);
    F.Hw = a.backWaterDepth;
    F.Pwh = a.backWaterPressure;
    F.yWater = a.backWaterLever;
    F.Pwm = a.backWaterMoment;

    F.M = F.Mearth + F.Mt + F.Pwm;
    F.S = F.Ph + F.Pinertia + F.Pwh;
    F.t = g.thickness(y);
    F.Sh = F.S - F.M / (F.t - a.coverStem) * (g.tanBeta + g.tanGamma);
    return F;
}

}  // namespace marvoten
