#include "calc/self_weight.h"

#include "calc/load_polygons.h"

namespace marvoten {

void computeBodyWeight(TAntei& a) {
    const PolygonResult body = polygonProperties(a, "W_A");
    a.bodyWeight = body.bodyArea() * a.concreteUnitWeight;
    a.bodyInertia = a.bodyWeight * a.khInertia;
    a.bodyCentroidX = body.centroidX;
    a.bodyCentroidY = body.centroidY;
    a.bodyMomentV = a.bodyWeight * a.bodyCentroidX;
    a.bodyMomentH = a.bodyInertia * a.bodyCentroidY;
}

void computeFrontSoilWeight(TAntei& a) {
    const PolygonResult soil = polygonProperties(a, "TS_A");
    a.frontSoilWeight = soil.bodyArea() * a.backfillUnitWeight;
    a.frontSoilInertia = a.frontSoilWeight * a.khInertia;
    a.frontSoilCentroidX = soil.centroidX;
    a.frontSoilCentroidY = soil.centroidY;
    a.soilSurchargeLoad = 0;
    a.soilSurchargeLever = 0;
}

void computeBuoyancy(TAntei& a) {
    const PolygonResult body = polygonProperties(a, "W_FA");
    a.bodyBuoyancy = body.bodyArea() * unitWeightOf(a, "rw");
    a.bodyBuoyancyX = body.centroidX;
    a.bodyBuoyancyMoment = a.bodyBuoyancy * a.bodyBuoyancyX;
    const PolygonResult soil = polygonProperties(a, "TS_FA");
    a.soilBuoyancy = soil.bodyArea() * unitWeightOf(a, "r9");
    a.soilBuoyancyX = soil.centroidX;
    a.soilBuoyancyMoment = a.soilBuoyancy * a.soilBuoyancyX;
    a.buoyancy = a.bodyBuoyancy + a.soilBuoyancy;
    a.buoyancyMoment = a.bodyBuoyancyMoment + a.soilBuoyancyMoment;
    a.buoyancyX = a.buoyancy != 0 ? a.buoyancyMoment / a.buoyancy : 0.0;
}

}  // namespace marvoten
