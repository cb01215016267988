#pragma once
// Ground reaction under the base and the sliding check: the resultant of the load
// totals on the base, its eccentricity, the shape of the reaction (trapezoid, a
// triangle at the toe or at the heel, or none when the resultant leaves the middle
// two thirds), the effective width, the sliding safety with and without a shear
// key, and the reaction at the member sections handed to the toe slab and key.
#include <array>
#include <string_view>

#include "calc/calculation_object.h"

namespace marvoten {

// The toe pieces of the slab design, in the order of toePieceWeight/-Lever: the
// "S" pieces reach from the tip to the design section, the "M" pieces to the
// stem face.
inline constexpr std::array<std::string_view, 6> toePieceKeys{"T_S",  "T_M",   "T_FS",
                                                              "T_FM", "TS_FS", "TS_FM"};

// The passive earth pressure the checks take into account: Pp only while passive
// pressure is switched on (Pp itself is computed either way).
double passiveInChecks(const TAntei& a);

// Reaction intensity (kN/m2) at the distance x from the toe.
double reactionIntensity(const TAntei& a, double x);

// The reaction at the member sections (toe tip and design sections, stem faces,
// key faces) and the toe pieces' weights, from the reaction the stability
// computation found.
void computeSectionReactions(TAntei& a);

// The whole stability computation on the load totals, the bearing capacity
// included, with the options input gathering copied.
void computeStability(TAntei& a);

}  // namespace marvoten
