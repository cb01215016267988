#pragma once
// Input gathering: the design conditions converted into the calculation object
// (metres, radians, kN) with their derived values and the point table P0 … P37.
#include "calc/calculation_object.h"
#include "model/design_conditions.h"

namespace marvoten {

// The first stage of a run, on a fresh object. A number text that is not a number,
// or a decimal text in a field also read as a whole number (φ of the bearing and
// embedment ground), throws ConversionError naming the field by its editor label;
// fields converted before it keep their values.
void gatherInputs(TTeisu& t, const DesignConditions& dc);

// The point table of the inverted-L wall from the converted outline (m), the water
// depth, the effective embedment depth and the backfill surface of `t`.
void buildWallPoints(TTeisu& t);

}  // namespace marvoten
