#include "calc/ultimate_bearing.h"

#include <algorithm>
#include <cmath>

#include "calc/bearing_factors.h"

namespace marvoten {
namespace {

void clearResults(TAntei& a) {
    a.ubAlpha = a.ubBeta = a.ubKappa = a.ubOverburden = a.tanTheta = 0;
    a.cStar = a.qStar = a.BStar = a.Sc = a.Sq = a.Sgamma = 0;
    a.Nc = a.Nq = a.Ngamma = a.qu = a.meanBasePressure = 0;
}

}  // namespace

void computeUltimateBearing(TAntei& a) {
    clearResults(a);
    const double Vo = a.sumV, Ho = a.sumH, Be = a.Be;
    // Without a load on an effective width there is no pressure to check.
    a.ultimateBearingIncalculable = Vo <= 0 || Be <= 0 ? 1 : 0;
    if (a.ultimateBearingIncalculable) return;

    const double L = a.bearingBlockLength;
    const double c = a.bearingCohesion;
    const double shape = std::min(Be / L, 1.0);
    a.ubAlpha = 1 + 0.3 * shape;
    a.ubBeta = 1 - 0.4 * shape;
    a.ubKappa = 1 + 0.3 * a.bearingEmbedDepth / Be;
    a.ubOverburden = a.embedUnitWeightEff * a.embedDepth;
    a.tanTheta = Ho / Vo;
    const double q = a.ubOverburden;
    a.cStar = std::min(std::max(c / 10, 1.0), 10.0);
    a.qStar = std::min(std::max(q / 10, 1.0), 10.0);
    a.BStar = std::max(Be, 1.0);
    a.Sc = std::pow(a.cStar, -1.0 / 3.0);
    a.Sq = std::pow(a.qStar, -1.0 / 3.0);
    a.Sgamma = std::pow(a.BStar, -1.0 / 3.0);
    a.Nc = NcFactor(a.tanTheta, a.bearingPhi);
    a.Nq = NqFactor(a.embedCohesion, q, a.tanTheta, a.bearingPhi, NqMode::Run);
    a.Ngamma = NgammaFactor(a.bearingPhiDeg, a.tanTheta);
    a.qu = a.ubAlpha * a.ubKappa * c * a.Nc * a.Sc + a.ubKappa * q * a.Nq * a.Sq +
           0.5 * a.bearingUnitWeightEff * a.ubBeta * a.BStar * a.Ngamma * a.Sgamma;
    a.meanBasePressure = Vo / Be;
}

double allowableUltimateBearing(const TAntei& a) {
    return a.qu / a.bearingSafetyFactor;
}

bool ultimateBearingPasses(const TAntei& a) {
    return !a.ultimateBearingIncalculable && allowableUltimateBearing(a) >= a.meanBasePressure;
}

}  // namespace marvoten
