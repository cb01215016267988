#pragma once
// Input gathering: the design conditions converted into the calculation object
// (metres, radians, kN) with their derived values and the point table P0 … P37.
#include "calc/calculation_object.h"
#include "model/design_conditions.h"

namespace marvoten {

// The first stage of a run, on a fresh object, and the only one that reads the
// design conditions: every later stage works on the fields it fills. A number text that is not a
// number, or a decimal text in a field also read as a whole number (φ of the bearing and embedment
// ground), throws ConversionError naming the field by its editor label; fields converted before it
// keep their values.
void gatherInputs(TTeisu& t, const DesignConditions& dc);

// The seismic case with the editor's load set (0, 1, 2: combinations 1, 2 and 4 of the
// wedge) and the design coefficient kh: the inertia of the body and of the soil, and
// the seismic angle arctan kh of the earth pressure, as the load set asks.
void setSeismicLoad(TTeisu& t, int loadSet, double kh);

// The point table of the inverted-L wall from the converted outline (m), the water
// depth, the effective embedment depth and the backfill surface of `t`.
void buildWallPoints(TTeisu& t);

}  // namespace marvoten
