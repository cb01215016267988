#pragma once
// The table of the singly reinforced beam coefficients C1, C2 and Po for σsa =
// 1600 kgf/cm2 and four allowable concrete stresses ("単鉄筋長方形ばりC1,C2,Po表").
#include "book/table_section.h"

namespace marvoten {

inline constexpr const char* beamTableStressLabel = "σsa=1600kgf/cm2";

// 4 × 5 cells: the header row, then σca = 70, 80, 90, 100 kgf/cm2.
TableSection makeBeamCoefficientTable();
void fillBeamCoefficientTable(TableSection& table);

}  // namespace marvoten
