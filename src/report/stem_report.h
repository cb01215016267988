#pragma once
// The stem wall's pages of the book: the section forces and stresses at the fixed
// end, the quarter-point tables and the bar figure, and the entry of the whole
// member design of a run.
#include "book/calculation_book.h"
#include "calc/calculation_object.h"
#include "calc/load_polygons.h"
#include "calc/stem_design.h"
#include "model/design_conditions.h"

namespace marvoten {

// "1.たて壁の計算" with the loads, the fixed-end earth pressure and its forces.
void writeStemForcesText(const TAntei& a, const DesignConditions& dc, const StemDesign& s,
                         CalculationBook& book);
// "(e)応力度計算": required and chosen bars, the stresses and the shear at the fixed end.
void writeStemStressText(const TAntei& a, const StemDesign& s, CalculationBook& book);
// StemForcesTable and StemStressTable, the fixed end in column 4, Hs/4 in column 1.
void writeStemTables(const StemDesign& s, CalculationBook& book);
// The wall outline with the main bar along the back face, labelled with the
// fixed-end bars and compression stress of StemStressTable.
void drawStemStressFigure(const TAntei& a, const PolygonResult& wallBody, CalculationBook& book);

// Every stem page of the member design but the bar figure, which follows the
// slab designs: the forces, the stresses, the anchorage, the tables and the
// anchorage figures.
void writeStemPages(const TAntei& a, const PolygonResult& wallBody, const DesignConditions& dc,
                    const StemDesign& s, CalculationBook& book);

}  // namespace marvoten
