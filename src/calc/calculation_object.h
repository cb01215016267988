#pragma once
// The calculation object of one run: a chain of four classes, each adding a group
// of plain numeric fields. Every field is zero at creation; the object lives for
// one run and is then discarded. Units: kN, m, kN/m2, kN/m3, radians, per metre of
// wall; X from the toe end of the base towards the backfill, Y up from its bottom.
//
// Later stages add their fields to the class of their level (stability and member
// design to TAntei); keep every field zero-initialised.
#include <array>
#include <cstddef>

namespace marvoten {

struct WallPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const WallPoint&, const WallPoint&) = default;
};

inline constexpr int wallPointCount = 38;  // P0 … P37

// A member's bar choice as rows of the bar table: mode 0 chooses automatically, 1
// searches the diameters at the given pitch, 2 the pitches of the given diameter,
// 3 takes both as given.
struct BarChoice {
    int mode = 0;
    int pitchRow = 0;
    int diameterRow = 0;
    friend bool operator==(const BarChoice&, const BarChoice&) = default;
};

// Converted design conditions, the wall's point table and the loads that need
// nothing but them.
class TTeisu {
public:
    int shapeType = 0;  // 2: inverted-L wall
    std::array<WallPoint, wallPointCount> wallPoints{};

    // Backfill, water and concrete
    double backfillUnitWeight = 0;
    double backfillCohesion = 0;
    double backfillPhi = 0;  // rad
    double waterUnitWeight = 0;
    double concreteUnitWeight = 0;

    // Allowable stresses (N/mm2) and rebar cover (m)
    double sigmaCk = 0;
    double sigmaCa = 0;
    double sigmaCat = 0;
    double tauA1 = 0;
    double tau0 = 0;
    double sigmaSa = 0;
    double coverStem = 0;
    double coverSlab = 0;

    // Bearing and embedment ground
    double allowableBearing = 0;
    double frictionCoeff = 0;
    double adhesion = 0;
    double embedCohesion = 0;
    double bearingCohesion = 0;
    double bearingPhi = 0;  // rad
    double embedPhi = 0;    // rad
    int bearingPhiDeg = 0;
    int embedPhiDeg = 0;
    double bearingUnitWeight = 0;
    double embedUnitWeight = 0;
    double embedDepth = 0;
    double bearingEmbedDepth = 0;

    // Surcharge and snow (kN/m2)
    double surcharge = 0;
    double snowOnSlope = 0;
    double snowOnFlat = 0;
    int surchargeTreatment = 0;  // 0 in the wedge weight, 1 added separately

    // Seismic case
    int seismicCase = 0;
    double kh = 0;

    // Wind, collision
    double barrierHeight = 0;
    double windPressure = 0;
    double collisionHeight = 0;
    double collisionLoad = 0;
    double blockLength = 0;

    // Water
    int hasWater = 0;
    double waterDepth = 0;

    // Backfill surface
    int backfillShape = 0;  // 1 level, 2 slope, 3 embankment
    double slopeRatio = 0;
    double embankmentHeight = 0;  // m

    // Wall outline and shear key (m)
    double stemHeight = 0;
    double baseThickness = 0;
    double slabSlopeHeight = 0;
    double toeWidth = 0;
    double frontBatterWidth = 0;
    double crestWidth = 0;
    double formworkWidth = 0;
    double baseWidth = 0;
    double keyPosition = 0;
    double keyWidth = 0;
    double keyHeight = 0;
    double wallHeight = 0;           // H = stem height + base thickness + slab slope height
    double backBatterWidth = 0;      // B − toe − front batter − crest, 0 within 1 mm
    double effectiveEmbedDepth = 0;  // Ho (entered in m)

    // Derived values
    double baseFrictionAngle = 0;  // φB, rad
    double bearingUnitWeightEff = 0;
    double embedUnitWeightEff = 0;
    double embankmentLength = 0;
    double slopeAngle = 0;     // β, rad
    double backFaceAngle = 0;  // α, rad
    double surchargeOnSlope = 0;
    int seismicCombination = 0;  // 0 normal; 1, 2, 4 by the seismic load set
    double khInertia = 0;
    double seismicAngle = 0;  // θ, rad

    // Design options the earth-pressure stage obeys, copied from the conditions
    int wallFrictionRatio = 0;  // 0: δ = 2φ/3, 1: δ = φ/2
    int considerZc = 0;         // 1: the pressure diagram is shortened by hc

    // Options of the stability checks, copied from the conditions
    int hasShearKey = 0;
    int hasPassive = 0;
    int overturningMethod = 0;      // 0 allowable eccentricity, 1 safety factor
    double FmRequired = 0;          // required Fm of the load case (safety factor method)
    double bearingBlockLength = 0;  // L of the ultimate bearing capacity, read always

    // Options of the member design, copied from the conditions: the stem's
    // earth-pressure method above the fixed end (0 trial wedge, 1 back-calculated
    // coefficient), buoyancy in the slab design, and each member's bar choice
    int stemPressureMethod = 0;
    int buoyancyInSlab = 0;
    BarChoice stemBars;
    BarChoice toeBars;
    BarChoice keyBars;

    // Passive earth pressure in front of the wall
    double passiveCoeff = 0;     // Kp
    double passivePressure = 0;  // Pp
    double passiveDepth = 0;     // Ho' (Y of P24)
    double passiveDryDepth = 0;  // h1, with water
    double passiveWetDepth = 0;  // h2, with water

    // Wind on a noise barrier and vehicle collision on the crest
    double windForce = 0;
    double windLever = 0;
    double windMoment = 0;
    double collisionForce = 0;
    double collisionLever = 0;
    double collisionMoment = 0;

    const WallPoint& point(int i) const { return wallPoints[static_cast<std::size_t>(i)]; }
    WallPoint& point(int i) { return wallPoints[static_cast<std::size_t>(i)]; }

    friend bool operator==(const TTeisu&, const TTeisu&) = default;
};

// The load polygons and the soil resting on the toe slab.
class TShape : public TTeisu {
public:
    double frontSoilWeight = 0;
    double frontSoilInertia = 0;
    double frontSoilCentroidX = 0;
    double frontSoilCentroidY = 0;
    double frontSoilMomentV = 0;  // weight × centroid X
    double frontSoilMomentH = 0;  // inertia × centroid Y
    double soilSurchargeLoad = 0;
    double soilSurchargeLever = 0;
    double soilSurchargeX = 0;  // lever of the soil surcharge about the toe

    friend bool operator==(const TShape&, const TShape&) = default;
};

// Trial-wedge earth pressure and the water on the back face.
class TPa : public TShape {
public:
    int wedgeCase = 0;             // 0 level, surcharge apart; 1 level; 2 slope; 3 embankment top
    double earthPressure = 0;      // Pa
    double earthPressureH = 0;     // Ph
    double earthPressureV = 0;     // Pv
    double pressureCoeff = 0;      // K
    double pressureCoeffH = 0;     // Kh
    double pressureCoeffV = 0;     // Kv
    double pressureHeight = 0;     // y of Ph above the bottom of the wedge height
    double wallFrictionAngle = 0;  // δ
    double slipAngle = 0;          // ω
    double slopeTopWidth = 0;
    double levelTopWidth = 0;
    double crackDepth = 0;      // Zc
    double slipLength = 0;      // L
    double crackHeight = 0;     // hc
    double wedgeWeight = 0;     // W = Wd − Uv
    double wedgeWeightDry = 0;  // Wd
    double wedgeUplift = 0;     // Uv
    double backWaterThrust = 0;
    double pressureX = 0;
    double pressureY = 0;
    // W, Wd and Uv of the critical wedge, as the report prints them
    double reportedWedgeWeight = 0;
    double reportedWedgeWeightDry = 0;
    double reportedWedgeUplift = 0;

    double backWaterPressure = 0;  // Pw
    double backWaterLever = 0;
    double backWaterMoment = 0;
    double backWaterDepth = 0;  // Hw

    double earthPressureMomentV = 0;  // Pv × x
    double earthPressureMomentH = 0;  // Ph × y

    friend bool operator==(const TPa&, const TPa&) = default;
};

// The earth-pressure coefficient window's own object.
class TKeisu : public TPa {};

// Ground-reaction case of the stability calculation.
enum class GroundReactionCase : int {
    Trapezoid = 0,
    ToeTriangle = 1,
    HeelTriangle = 2,
    Incalculable = 3,
};

// The run's object: body weight, buoyancy, totals, then stability and member design.
class TAntei : public TPa {
public:
    double bodyWeight = 0;
    double bodyInertia = 0;
    double bodyCentroidX = 0;
    double bodyCentroidY = 0;
    double bodyMomentV = 0;
    double bodyMomentH = 0;

    double bodyBuoyancy = 0;
    double bodyBuoyancyX = 0;
    double bodyBuoyancyMoment = 0;
    double soilBuoyancy = 0;
    double soilBuoyancyX = 0;
    double soilBuoyancyMoment = 0;
    double buoyancy = 0;  // U, body and front soil together
    double buoyancyMoment = 0;
    double buoyancyX = 0;  // M/U, 0 without uplift

    double sumV = 0;   // ΣV
    double sumH = 0;   // ΣH
    double sumMr = 0;  // ΣMr, resisting moment about the toe
    double sumMo = 0;  // ΣMo, overturning moment about the toe

    // Stability (ground reaction, sliding, bearing)
    GroundReactionCase reactionCase = GroundReactionCase::Trapezoid;
    // Outcomes the formulas leave undefined, reported as "計算不能"
    int noVerticalLoad = 0;               // 1: Vo <= 0, no resultant on the base
    int keySlidingIncalculable = 0;       // 1: Hk or Be is 0 with a shear key
    int ultimateBearingIncalculable = 0;  // 1: Vo <= 0 or Be <= 0
    double d = 0;                         // toe to the resultant
    double e = 0;                         // eccentricity, positive towards the toe
    double q1 = 0;
    double q2 = 0;
    double Be = 0;
    double contactWidth = 0;
    double allowableReaction = 0;
    double FsRequired = 0;
    double Fs = 0;
    double b1 = 0, b2 = 0, b3 = 0;
    double v1 = 0, v2 = 0, v3 = 0;
    double Hk = 0;
    double Ht = 0;    // horizontal force on the shear key
    double Mkey = 0;  // its moment at the key root
    double qt = 0, qf = 0, qb = 0, qkf = 0, qkb = 0;
    double Rt = 0, Rf = 0, at = 0, af = 0;
    // Weight and lever about the stem face of the toe pieces T_S, T_M, T_FS,
    // T_FM, TS_FS, TS_FM (in that order)
    std::array<double, 6> toePieceWeight{};
    std::array<double, 6> toePieceLever{};
    // Ultimate bearing capacity
    double bearingSafetyFactor = 0;  // n
    double ubAlpha = 0, ubBeta = 0, ubKappa = 0;
    double ubOverburden = 0;  // q = γ2'·Df
    double tanTheta = 0;
    double cStar = 0, qStar = 0, BStar = 0;
    double Sc = 0, Sq = 0, Sgamma = 0;
    double Nc = 0, Nq = 0, Ngamma = 0;
    double qu = 0;
    double meanBasePressure = 0;  // Vo/Be

    friend bool operator==(const TAntei&, const TAntei&) = default;
};

}  // namespace marvoten
