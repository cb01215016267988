#include "calc/input_gathering.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/bars.h"
#include "platform/number_text.h"

namespace marvoten {
namespace {

using D = DesignConditions;
constexpr double degree = std::numbers::pi / 180.0;
constexpr double mm = 0.001;

double number(const D& dc, NumberField D::*field) {
    return textToNumber((dc.*field).text, fieldLabel(field));
}

int wholeNumber(const D& dc, NumberField D::*field) {
    return textToInteger((dc.*field).text, fieldLabel(field));
}

// a / b, or 0 for a zero divisor (a degenerate outline that validation reports).
double ratio(double a, double b) {
    return b != 0 ? a / b : 0.0;
}

void gatherMaterials(TTeisu& t, const D& dc) {
    t.backfillUnitWeight = number(dc, &D::backfillUnitWeight);
    t.backfillCohesion = number(dc, &D::backfillCohesion);
    t.backfillPhi = number(dc, &D::backfillPhi) * degree;
    t.waterUnitWeight = number(dc, &D::waterUnitWeight);
    t.concreteUnitWeight = number(dc, &D::concreteUnitWeight);
    t.sigmaCk = number(dc, &D::sigmaCk);
    t.sigmaCa = number(dc, &D::sigmaCa);
    t.sigmaCat = number(dc, &D::sigmaCat);
    t.tauA1 = number(dc, &D::tauA1);
    t.tau0 = number(dc, &D::tau0);
    t.sigmaSa = number(dc, &D::sigmaSa);
    t.coverStem = number(dc, &D::coverStem) * mm;
    t.coverSlab = number(dc, &D::coverSlab) * mm;
    t.allowableBearing = number(dc, &D::allowableBearing);
    t.frictionCoeff = number(dc, &D::frictionCoeff);
    t.adhesion = number(dc, &D::adhesion);
    t.embedCohesion = number(dc, &D::embedCohesion);
    t.bearingCohesion = number(dc, &D::bearingCohesion);
    t.bearingPhi = number(dc, &D::bearingPhi) * degree;
    t.embedPhi = number(dc, &D::embedPhi) * degree;
    t.bearingPhiDeg = wholeNumber(dc, &D::bearingPhi);
    t.embedPhiDeg = wholeNumber(dc, &D::embedPhi);
    t.bearingUnitWeight = number(dc, &D::bearingUnitWeight);
    t.embedUnitWeight = number(dc, &D::embedUnitWeight);
    t.embedDepth = number(dc, &D::embedDepth);
    t.bearingEmbedDepth = number(dc, &D::bearingEmbedDepth);
}

void gatherLoads(TTeisu& t, const D& dc) {
    t.surcharge = number(dc, &D::surcharge);
    t.snowOnSlope = number(dc, &D::snowOnSlope);
    t.snowOnFlat = number(dc, &D::snowOnFlat);
    t.surchargeTreatment = dc.surchargeTreatment;

    t.seismicCase = dc.seismicCase;
    if (t.seismicCase == 1) setSeismicLoad(t, dc.seismicLoadSet, number(dc, &D::kh));

    t.barrierHeight = number(dc, &D::barrierHeight);
    t.windPressure = number(dc, &D::windPressure);
    t.collisionHeight = number(dc, &D::collisionHeight);
    t.collisionLoad = number(dc, &D::collisionLoad);
    if (dc.hasCollision.on) t.blockLength = number(dc, &D::blockLength);

    t.hasWater = dc.hasWater.on ? 1 : 0;
    if (t.hasWater) t.waterDepth = number(dc, &D::waterDepth);

    t.backfillShape = dc.backfillShape + 1;
    if (t.backfillShape == 2 || t.backfillShape == 3) t.slopeRatio = number(dc, &D::slopeRatio);
    if (t.backfillShape == 3) t.embankmentHeight = number(dc, &D::embankmentHeight) * mm;
    t.embankmentLength = t.embankmentHeight * t.slopeRatio;
    t.slopeAngle = t.slopeRatio != 0 ? std::atan(1.0 / t.slopeRatio) : 0.0;
}

void deriveGroundValues(TTeisu& t, const D& dc) {
    t.baseFrictionAngle = dc.bodyKind == 0 ? t.bearingPhi : t.bearingPhi * 2.0 / 3.0;
    // The submerged unit weight of soil is taken as γ − 9 whatever γw is entered.
    t.bearingUnitWeightEff = t.hasWater ? t.bearingUnitWeight - 9.0 : t.bearingUnitWeight;
    const double Df = t.embedDepth, H1 = t.waterDepth, g2 = t.embedUnitWeight;
    if (!t.hasWater) {
        t.embedUnitWeightEff = g2;
    } else if (Df > H1) {
        t.embedUnitWeightEff = ((Df - H1) * g2 + H1 * (g2 - 9.0)) / Df;
    } else {
        t.embedUnitWeightEff = g2 - 9.0;
    }
    t.surchargeOnSlope = dc.surchargeZone == 0 ? 0.0 : t.surcharge;
    t.wallFrictionRatio = dc.wallFrictionRatio;
    t.considerZc = dc.considerZc.on ? 1 : 0;
}

void gatherOutline(TTeisu& t, const D& dc) {
    const double Hs = number(dc, &D::stemHeight);
    const double tb = number(dc, &D::baseThickness);
    const double s = number(dc, &D::slabSlopeHeight);
    const double Lt = number(dc, &D::toeWidth);
    const double bf = number(dc, &D::frontBatterWidth);
    const double bc = number(dc, &D::crestWidth);
    const double wf = number(dc, &D::formworkWidth);
    const double B = number(dc, &D::baseWidth);
    const bool key = dc.hasShearKey == 1;
    const double kp = key ? number(dc, &D::keyPosition) : 0.0;
    const double kw = key ? number(dc, &D::keyWidth) : 0.0;
    const double kh = key ? number(dc, &D::keyHeight) : 0.0;
    t.effectiveEmbedDepth = number(dc, &D::effectiveEmbedDepth);

    // Height and back batter from the millimetre values, then converted.
    t.wallHeight = (Hs + tb + s) * mm;
    t.backBatterWidth = (B - Lt - bf - bc) * mm;
    t.stemHeight = Hs * mm;
    t.baseThickness = tb * mm;
    t.slabSlopeHeight = s * mm;
    t.toeWidth = Lt * mm;
    t.frontBatterWidth = bf * mm;
    t.crestWidth = bc * mm;
    t.formworkWidth = wf * mm;
    t.baseWidth = B * mm;
    t.keyPosition = kp * mm;
    t.keyWidth = kw * mm;
    t.keyHeight = kh * mm;
    // The inverted-L page has no back batter input: the back face is vertical.
    t.backFaceAngle = 0.0;
}

// The options and numbers the stability checks and the member design obey, read
// here so that no later stage reads a design text. The required overturning
// safety factor is read only with the safety factor method; the block length of
// the ultimate bearing capacity always, whether or not the collision load is on.
void gatherStageOptions(TTeisu& t, const D& dc) {
    t.hasShearKey = dc.hasShearKey == 1 ? 1 : 0;
    t.hasPassive = dc.hasPassive.on ? 1 : 0;
    t.overturningMethod = dc.overturningMethod;
    t.FmRequired = 0;
    if (t.overturningMethod == 1)
        t.FmRequired =
            number(dc, t.seismicCase == 1 ? &D::safetyFactorSeismic : &D::safetyFactorNormal);
    t.bearingBlockLength = number(dc, &D::blockLength);
    t.stemPressureMethod = dc.stemPressureMethod;
    t.buoyancyInSlab = dc.buoyancyInSlab.on ? 1 : 0;
    t.stemBars = barChoiceOf(dc.stemRebar);
    t.toeBars = barChoiceOf(dc.toeRebar);
    t.keyBars = barChoiceOf(dc.keyRebar);
}

}  // namespace

void buildWallPoints(TTeisu& t) {
    auto& P = t.wallPoints;
    P = {};
    const double tb = t.baseThickness, s = t.slabSlopeHeight, Hs = t.stemHeight;
    const double H = t.wallHeight, B = t.baseWidth, Lt = t.toeWidth;
    const double bf = t.frontBatterWidth, bc = t.crestWidth, wf = t.formworkWidth;
    const double bb = t.backBatterWidth;
    const double kp = t.keyPosition, kw = t.keyWidth, kh = t.keyHeight;
    const double H1 = t.waterDepth, Ho = t.effectiveEmbedDepth;
    const double top = tb + s;
    const double hm = top / 2.0;
    const double tanBeta = std::tan(t.slopeAngle);

    // Outline and shear key
    P[0] = {0, 0};
    P[1] = {0, tb};
    P[2] = {Lt - wf, top};
    P[3] = {Lt, top};
    P[4] = {Lt + bf, H};
    P[5] = {Lt + bf + bc, H};
    P[6] = {B, top};
    P[7] = {B, top};
    P[8] = {B, 0};
    P[9] = {B, 0};
    P[10] = {kp + kw, 0};
    P[11] = {kp + kw, -kh};
    P[12] = {kp, -kh};
    P[13] = {kp, 0};

    // Toe design section at half the slab depth in front of the stem; the last
    // test that holds wins.
    if (hm <= wf) P[14] = {Lt - hm, top};
    if (wf < hm && hm < Lt) P[14] = {Lt - hm, tb + s * (Lt - hm) / (Lt - wf)};
    if (Lt <= hm) P[14] = {Lt, top};
    P[19] = {P[14].x, 0};

    // Heel section: without a heel it falls on the back end of the base.
    P[33] = {B, top};
    P[34] = {B, 0};

    // Water lines; the front water stands at most at the front ground.
    const double Jw = std::min(H1, Ho);
    if (H1 <= tb) {
        P[15] = {0, H1};
        P[16] = {B, H1};
        P[31] = P[15];
    } else if (H1 <= top) {
        const double d = H1 - tb;
        P[15] = {Lt > 0 ? (Lt - wf) * d / s : 0.0, H1};
        P[16] = {P[6].x, H1};
        P[31] = P[15];
    } else {
        P[15] = {Lt + ratio(bf * std::min(Jw - top, Hs), Hs), Jw};
        P[31] = {P[15].x, H1};
        P[16] = {B - ratio(bb * std::min(H1 - top, Hs), Hs), H1};
    }
    P[17] = {Lt, 0};
    P[18] = {B, 0};
    P[20] = {B, H1};
    P[27] = {0, Jw};
    P[28] = {Lt, Jw};
    P[29] = {B, H1};
    P[32] = {P[14].x, Jw};
    P[36] = {B, H1};

    // Backfill surface
    switch (t.backfillShape) {
        case 2:
        case 3:
            P[21] = {B, H + tanBeta * bb};
            P[22] = P[21];
            P[23] = {B, H + tanBeta * bb};
            P[35] = {P[33].x, H + tanBeta * (hm + bb)};
            P[37] = P[35];
            if (t.backfillShape == 3 && bb > t.embankmentLength) {
                P[22] = {P[5].x + t.embankmentLength, H + t.embankmentHeight};
                P[23] = {B, H + t.embankmentHeight};
                P[37] = P[22];
            }
            break;
        default:
            P[21] = {B, H};
            P[22] = P[21];
            P[23] = {B, H};
            P[35] = {P[33].x, H};
            P[37] = P[35];
            break;
    }

    // Front ground, only where it stands above the top of the slab
    if (top < Ho) {
        P[24] = {0, Ho};
        P[25] = {Lt, Ho};
        P[26] = {Lt + ratio((Ho - top) * bf, Hs), Ho};
        P[30] = {P[14].x, Ho};
    }
}

void gatherInputs(TTeisu& t, const DesignConditions& dc) {
    t.shapeType = 2;
    gatherMaterials(t, dc);
    gatherLoads(t, dc);
    deriveGroundValues(t, dc);
    gatherOutline(t, dc);
    buildWallPoints(t);
    gatherStageOptions(t, dc);
}

void setSeismicLoad(TTeisu& t, int loadSet, double kh) {
    static constexpr int combinationOfLoadSet[] = {1, 2, 4};
    t.seismicCase = 1;
    t.kh = kh;
    t.seismicCombination = combinationOfLoadSet[std::clamp(loadSet, 0, 2)];
    t.khInertia = t.seismicCombination == 4 ? 0.0 : t.kh;
    t.seismicAngle = t.seismicCombination == 1 ? 0.0 : std::atan(t.kh);
}

}  // namespace marvoten
