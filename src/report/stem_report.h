#pragma once
// The stem wall's pages of the book: the section forces and stresses at the fixed
// end, the quarter-point tables and the bar figure, and the entry of the whole
// member design of a run.
#include <functional>

#include "book/calculation_book.h"
#include "calc/calculation_object.h"
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
void drawStemStressFigure(TAntei& a, CalculationBook& book);

// The toe slab and shear key designs, run after the stem with its fixed-end moment
// M0, once the whole-wall earth pressure and the section reactions are restored.
using SlabDesigns =
    std::function<void(TAntei&, const DesignConditions&, CalculationBook&, double M0)>;

// The member design of a run: the stem with its anchorage, then the slabs, then
// the stem's bar figure.
void designStemAndSlabs(TAntei& a, const DesignConditions& dc, CalculationBook& book,
                        const SlabDesigns& slabs);
// The same without slab designs (the shape of RunStages::designStem).
void designStemWall(TAntei& a, const DesignConditions& dc, CalculationBook& book);

}  // namespace marvoten
