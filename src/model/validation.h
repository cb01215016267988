#pragma once
// Checks of the design conditions before a calculation run: implausible or
// inconsistent entries are reported one message at a time, all checks in every
// validation, and the run learns only at the end whether it may start.
#include <string>

#include "model/design_conditions.h"
#include "platform/dialogs.h"

namespace marvoten {

// True when the run must not start: a refusing check failed, or a field a check
// needs is not a number (reported once per field, naming it). Warnings show their
// message and leave the result alone. `allowableStressLoadCase` is the load case
// chosen in the allowable-stress table (0 常時, 1 地震時, −1 none).
bool validateConditions(const DesignConditions& d, int allowableStressLoadCase, Dialogs& dialogs);

namespace messages {
extern const std::string allowableStressSeismicInNormalRun;   // normal run, seismic stresses
extern const std::string allowableStressNormalInSeismicRun;   // seismic run, normal stresses
extern const std::string surchargeWithUnloadedPressure;       // warning, the run goes on
extern const std::string embedDepthAboveBearingEmbedDepth;    // Df < Df'
extern const std::string embedDepthAboveEffectiveDepth;       // Df < Ho
}  // namespace messages

}  // namespace marvoten
