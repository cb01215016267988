#include "calc/embankment_coefficients.h"

#include <cmath>

#include "calc/angles.h"
#include "calc/calculation_object.h"
#include "calc/input_gathering.h"
#include "calc/trial_wedge.h"

namespace marvoten {
namespace {

constexpr int embankmentShape = 3;
constexpr int ratioCount = 11;
constexpr int seismicPressureWithInertia = 1;

// The fields the wedge reads, all others zero as on a fresh object: no surcharge,
// snow or water, δ = 2φ/3 in the normal case.
void setUp(TKeisu& k, const CoefficientConditions& c) {
    k.backfillUnitWeight = c.gamma;
    k.backfillCohesion = c.c;
    k.backfillPhi = radians(c.phiDeg);
    k.waterUnitWeight = 10.0;
    k.backfillShape = embankmentShape;
    k.backFaceAngle = c.alpha;
    // Seismic earth pressure with the inertia of the wedge: the editor's second load set.
    if (c.seismic) setSeismicLoad(k, seismicPressureWithInertia, c.kh);
}

}  // namespace

std::vector<CoefficientColumn> embankmentCoefficients(const CoefficientConditions& conditions) {
    TKeisu k;
    setUp(k, conditions);
    std::vector<CoefficientColumn> columns;
    double x = 0.0;
    for (int j = 0; j < ratioCount; ++j, x += 0.1) {
        CoefficientColumn column;
        column.ratio = x;
        for (std::size_t s = 0; s < embankmentSlopes.size(); ++s) {
            const double n = embankmentSlopes[s];
            k.slopeRatio = n;
            k.slopeAngle = std::atan(1.0 / n);
            // An embankment of height H1/H on a wall of unit height.
            trialWedge(k, wedgeModeStability, embankmentShape, x, 1.0, 1.0);
            column.bySlope[s] = {k.pressureCoeff, k.pressureCoeffH, k.pressureCoeffV};
        }
        columns.push_back(column);
    }
    return columns;
}

}  // namespace marvoten
