#include "calc/other_loads.h"

#include <algorithm>
#include <cmath>

namespace marvoten {

void computeBackWater(TPa& p, double h, double hRef) {
    const double Hw = p.hasWater == 1 ? std::max(0.0, p.waterDepth - (hRef - h)) : 0.0;
    p.backWaterDepth = Hw;
    p.backWaterPressure = p.waterUnitWeight * Hw * Hw / 2;
    p.backWaterLever = Hw / 3;
    p.backWaterMoment = p.backWaterPressure * Hw / 3;
}

void computePassive(TTeisu& t) {
    const double phi2 = t.embedPhi;
    const double theta = t.seismicAngle;
    if (t.seismicCase == 1) {
        const double c = std::cos(phi2 - theta);
        const double root =
            1 - std::sqrt(std::sin(phi2) * std::sin(phi2 - theta) / std::cos(theta));
        t.passiveCoeff = c * c / (std::cos(theta) * std::cos(theta) * root * root);
    } else {
        t.passiveCoeff = (1 + std::sin(phi2)) / (1 - std::sin(phi2));
    }
    const double Kp = t.passiveCoeff;
    const double Ho = t.point(24).y;
    const double g2 = t.embedUnitWeight;
    const double cohesionTerm = 2 * t.embedCohesion * std::sqrt(Kp);
    t.passiveDepth = Ho;
    if (t.hasWater == 1) {
        const double h1 = std::max(0.0, Ho - t.waterDepth);  // dry layer
        const double h2 = std::min(t.waterDepth, Ho);        // submerged layer
        const double p1 = Kp * h1 * g2;
        const double p2 = p1 + Kp * h2 * (g2 - 9.0);
        t.passiveDryDepth = h1;
        t.passiveWetDepth = h2;
        t.passivePressure = cohesionTerm + p1 * h1 / 2 + (p1 + p2) * h2 / 2;
    } else {
        t.passivePressure = Ho * Ho * Kp * g2 / 2 + cohesionTerm;
    }
}

void computeLoadTotals(TAntei& a) {
    const double H = a.wallHeight;
    a.windForce = a.barrierHeight * a.windPressure;
    a.windLever = a.barrierHeight / 2 + H;
    a.windMoment = a.windForce * a.windLever;
    // Without the collision load the block length is 0: spread over at least 1 m.
    a.collisionForce = a.collisionLoad / std::max(1.0, a.blockLength);
    a.collisionLever = H + a.collisionHeight;
    a.collisionMoment = a.collisionForce * a.collisionLever;

    a.frontSoilMomentV = a.frontSoilWeight * a.frontSoilCentroidX;
    a.frontSoilMomentH = a.frontSoilInertia * a.frontSoilCentroidY;
    a.earthPressureMomentV = a.earthPressureV * a.pressureX;
    a.earthPressureMomentH = a.earthPressureH * a.pressureY;
    const double surchargeLever =
        a.soilSurchargeLoad != 0 ? a.soilSurchargeLever + a.point(6).x : 0.0;

    a.sumV = a.bodyWeight + a.frontSoilWeight + a.earthPressureV + a.soilSurchargeLoad -
             (a.bodyBuoyancy + a.soilBuoyancy);
    // The passive pressure is listed but not added.
    a.sumH = a.bodyInertia + a.frontSoilInertia + a.earthPressureH + a.backWaterPressure +
             a.windForce + a.collisionForce;
    a.sumMr = a.bodyMomentV + a.frontSoilMomentV + a.earthPressureMomentV +
              a.soilSurchargeLoad * surchargeLever - (a.bodyBuoyancyMoment + a.soilBuoyancyMoment);
    a.sumMo = a.bodyMomentH + a.frontSoilMomentH + a.earthPressureMomentH + a.backWaterMoment +
              a.windMoment + a.collisionMoment;
}

}  // namespace marvoten
