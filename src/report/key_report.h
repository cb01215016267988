#pragma once
// The shear key's part of the slab page: the horizontal force and moment, the
// bars and stresses, the key table and the key figure.
#include "book/calculation_book.h"
#include "calc/calculation_object.h"
#include "calc/key_design.h"
#include "model/design_conditions.h"

namespace marvoten {

// KeyForcesText and KeyStressText in every run; KeyTable and KeyFigure only for
// a wall with a key (without one the table keeps its cells and the figure is
// emptied). Without a key the stress lines show the stresses the toe design
// left on the object.
void writeKeyReport(const KeyDesign& k, const TAntei& a, const DesignConditions& dc,
                    CalculationBook& book);

// The key design written into the book; runs after the toe slab design.
void designShearKey(TAntei& a, const DesignConditions& dc, CalculationBook& book);

// Both slab designs of the member design for the stem's fixed-end moment M0:
// the toe slab, then the shear key.
void designSlabs(TAntei& a, const DesignConditions& dc, CalculationBook& book, double M0);

}  // namespace marvoten
