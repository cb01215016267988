#pragma once
// Checks of the design conditions before a calculation run: implausible or
// inconsistent entries are reported one message at a time, all checks in every
// validation, and the run learns only at the end whether it may start.
#include <string>

#include "model/design_conditions.h"
#include "platform/dialogs.h"

namespace marvoten {

enum class Verdict {
    Passed,
    Refused,     // a refusing check failed
    NotANumber,  // a field a check needs is not a number (reported once per field, naming it)
};

// Every check in order. Warnings show their message and leave the verdict alone; a
// text that is not a number outranks a refusal. `allowableStressLoadCase` is the load
// case chosen in the allowable-stress table (0 常時, 1 地震時, −1 none).
Verdict checkConditions(const DesignConditions& d, int allowableStressLoadCase, Dialogs& dialogs);

// The refusal of a value outside the values a wall can have: the field's label, the
// text and the accepted range. Empty for a field without a range.
std::string rangeMessage(const NumberField DesignConditions::*field, const std::string& text);

// True when the run must not start.
bool validateConditions(const DesignConditions& d, int allowableStressLoadCase, Dialogs& dialogs);

namespace messages {
extern const std::string allowableStressSeismicInNormalRun;  // normal run, seismic stresses
extern const std::string allowableStressNormalInSeismicRun;  // seismic run, normal stresses
extern const std::string surchargeWithUnloadedPressure;      // warning, the run goes on
extern const std::string embedDepthAboveBearingEmbedDepth;   // Df < Df'
extern const std::string embedDepthAboveEffectiveDepth;      // Df < Ho
extern const std::string embedPhiBelowSeismicAngle;          // φ2 < arctan kh, seismic pressure
}  // namespace messages

}  // namespace marvoten
