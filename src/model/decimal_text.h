#pragma once
// Numbers the editor writes back into its own fields ("0.14", "Tg=0.15", "11").
#include <string>

namespace marvoten {

// `value` with exactly `decimals` decimals, rounded half away from zero on the exact
// binary value (a single-precision result is passed converted to double, so 10.5
// gives "11" and 0.375 gives "0.38"). A rounded zero carries no sign.
std::string fixedDecimals(double value, int decimals);

}  // namespace marvoten
