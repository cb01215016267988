#pragma once
// Design conditions that several suites share, so that one wall means the same in
// each of them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/design_conditions.h"
#include "model/design_conditions_editor.h"

namespace marvoten::testing {

// B = 6 m exactly: toe 5.0 m, front batter 0.2 m, crest 0.8 m, so that the point
// table's X values and B/6 come out without rounding. With a key position, a
// shear key 0.4 m wide and 0.5 m deep stands there.
inline DesignConditions sixMetreWall(const char* keyPosition = nullptr) {
    DesignConditions dc;
    dc.baseWidth.text = "6000";
    dc.toeWidth.text = "5000";
    dc.frontBatterWidth.text = "200";
    dc.crestWidth.text = "800";
    if (keyPosition) {
        dc.hasShearKey = 1;
        dc.keyPosition.text = keyPosition;
        dc.keyWidth.text = "400";
        dc.keyHeight.text = "500";
    }
    return dc;
}

// Stem bar choices that no combination of the bar table satisfies: the automatic
// choice with σsa = 20 (As ≈ 50,000 mm² > 40,540 mm² of D51@50), 300 mm given with
// the same, D6 given (633 mm² at most) with the start values.
struct NoBarsCase {
    const char* name;
    int mode;
    const char* pitch;
    const char* diameter;
    const char* sigmaSa;

    void applyTo(DesignConditions& d) const {
        d.stemRebar.mode = mode;
        d.stemRebar.pitch.text = pitch;
        d.stemRebar.diameter.text = diameter;
        d.sigmaSa.text = sigmaSa;
    }
};

inline const std::vector<NoBarsCase> noBarsCases{
    {"Automatic", 0, "-", "-", "20"},
    {"GivenPitch", 1, "300mm", "-", "20"},
    {"GivenDiameter", 2, "-", "6mm", "160"},
};

inline std::string noBarsCaseName(const ::testing::TestParamInfo<NoBarsCase>& info) {
    return info.param.name;
}

// The option switches that fill one or two number fields when switched on, with the
// texts they put there; switched off, the fields read "0.0" and are disabled.
struct OptionFieldsCase {
    Option option;
    NumberField DesignConditions::*a;
    const char* onA;
    NumberField DesignConditions::*b;  // nullptr for a single field
    const char* onB;
};
inline constexpr OptionFieldsCase optionFieldsCases[] = {
    {Option::HasSurcharge, &DesignConditions::surcharge, "10.0", nullptr, nullptr},
    {Option::HasSnow, &DesignConditions::snowOnFlat, "1.0", &DesignConditions::snowOnSlope, "0.35"},
    {Option::HasPassive, &DesignConditions::effectiveEmbedDepth, "1.0", nullptr, nullptr},
    {Option::HasWater, &DesignConditions::waterDepth, "0.5", &DesignConditions::waterUnitWeight,
     "9.8"},
    {Option::HasWind, &DesignConditions::windPressure, "1.0", &DesignConditions::barrierHeight,
     "1.0"},
    {Option::HasCollision, &DesignConditions::collisionLoad, "30",
     &DesignConditions::collisionHeight, "0.6"},
};

}  // namespace marvoten::testing
