#pragma once
// Six designs entered as a user enters them in the editor, from the start values to
// a resultant beyond the base's middle two thirds. Their whole text output is kept
// as reviewed golden files; other tests run the same designs.
#include "model/design_conditions_editor.h"

namespace marvoten::testing::reference_designs {

using D = DesignConditions;

inline void startValues(DesignConditionsEditor&) {}

inline void keyWaterAndSeismic(DesignConditionsEditor& e) {
    e.choose(Choice::HasShearKey, 1);     // 800 / 500 / 400 mm
    e.setOption(Option::HasWater, true);  // H1 0.5 m, γw 9.8, buoyancy in the slab
    e.choose(Choice::SeismicCase, 1);     // kh 0.12, seismic earth pressure + inertia
    e.showAllowableStresses();
    e.allowableStressWindow().chooseLoadCase(1);
    e.transferAllowableStresses();
}

inline void embankmentWindAndCollision(DesignConditionsEditor& e) {
    e.choose(Choice::BodyKind, 1);           // precast
    e.choose(Choice::WallFrictionRatio, 1);  // δ = φ/2
    e.typeText(&D::backfillCohesion, "5.0");
    e.typeText(&D::bearingCohesion, "10.0");
    e.choose(Choice::BackfillShape, 2);  // embankment 1:1.5, 1.0 m high
    e.typeText(&D::slopeRatio, "1.5");
    e.typeText(&D::embankmentHeight, "1000");
    e.typeText(&D::toeWidth, "4500");
    e.typeText(&D::baseWidth, "5042");
    e.choose(Choice::SurchargeZone, 1);  // on the whole surface
    e.setOption(Option::HasSnow, true);
    e.choose(Choice::SurchargeTreatment, 1);  // computed separately and added
    e.choose(Choice::StemPressureMethod, 0);  // the wedge at every stem section
    e.setOption(Option::HasPassive, false);
    e.setOption(Option::HasWind, true);
    e.typeText(&D::barrierHeight, "2.0");
    e.setOption(Option::HasCollision, true);
    e.choose(Choice::StemRebarMode, 1);
    e.chooseRebarPitch(RebarMember::Stem, 9);  // 250mm
    e.choose(Choice::ToeRebarMode, 2);
    e.chooseRebarDiameter(RebarMember::Toe, 7);  // 25mm
}

inline void slopeSeismicSmallWall(DesignConditionsEditor& e) {
    e.typeText(&D::stemHeight, "5000");
    e.typeText(&D::baseThickness, "600");
    e.typeText(&D::slabSlopeHeight, "100");
    e.typeText(&D::toeWidth, "2200");
    e.typeText(&D::frontBatterWidth, "250");
    e.typeText(&D::crestWidth, "350");
    e.typeText(&D::baseWidth, "2800");
    e.choose(Choice::HasShearKey, 1);
    e.typeText(&D::keyPosition, "1000");
    e.typeText(&D::keyWidth, "400");
    e.choose(Choice::BackfillShape, 1);  // slope 1:1.8
    e.typeText(&D::slopeRatio, "1.8");
    e.setOption(Option::HasSurcharge, false);
    e.setOption(Option::HasWater, true);
    e.typeText(&D::waterDepth, "1.2");
    e.setOption(Option::BuoyancyInSlab, false);
    e.choose(Choice::SeismicCase, 1);
    e.choose(Choice::SeismicLoadSet, 0);  // normal earth pressure + inertia
    e.typeText(&D::khStandard, "0.16");
    e.typeText(&D::regionFactor, "0.85");  // kh 0.14
    e.showAllowableStresses();
    e.allowableStressWindow().chooseLoadCase(1);
    e.transferAllowableStresses();
}

// The safety-factor method of the overturning check and the self-standing height Zc
// are editor settings the design file does not store: such a design runs in the
// session it was entered in.
inline void clayWithZcSafetyFactorAndSeismicPressureOnly(DesignConditionsEditor& e) {
    e.choose(Choice::BackfillSoilType, 2);  // clay: γs 18, φ 25
    e.typeText(&D::backfillCohesion, "10.0");
    e.setOption(Option::ConsiderZc, true);
    e.choose(Choice::OverturningMethod, 1);  // Fm 1.5 / 1.2
    e.typeText(&D::embedCohesion, "8.0");
    e.typeText(&D::adhesion, "5.0");
    e.choose(Choice::SeismicCase, 1);
    e.choose(Choice::SeismicLoadSet, 2);  // seismic earth pressure only
    e.typeText(&D::khStandard, "0.20");
    e.showAllowableStresses();
    e.allowableStressWindow().chooseLoadCase(1);
    e.transferAllowableStresses();
}

// Embankment, wind, collision and surcharge on a narrow base: the resultant leaves
// the base's middle two thirds, the reaction cannot be computed and the member
// design is left out.
inline void resultantBeyondTheMiddleTwoThirds(DesignConditionsEditor& e) {
    e.choose(Choice::BackfillShape, 2);  // 1:1.5 up to 2.0 m
    e.typeText(&D::slopeRatio, "1.5");
    e.setOption(Option::HasWind, true);
    e.typeText(&D::barrierHeight, "3.0");
    e.typeText(&D::windPressure, "2.0");
    e.setOption(Option::HasCollision, true);
    e.choose(Choice::SurchargeZone, 1);
    e.typeText(&D::toeWidth, "2500");
    e.typeText(&D::baseWidth, "3042");
    e.choose(Choice::HasShearKey, 1);
}

}  // namespace marvoten::testing::reference_designs
