#pragma once
// The shear key's part of the slab page: the horizontal force and moment, the
// bars and stresses, the key table and the key figure.
#include "book/calculation_book.h"
#include "calc/calculation_object.h"
#include "calc/key_design.h"
#include "calc/load_polygons.h"
#include "calc/toe_design.h"
#include "model/design_conditions.h"

namespace marvoten {

// KeyForcesText and KeyStressText in every run; KeyTable and KeyFigure only for
// a wall with a key (without one the table keeps its cells and the figure is
// emptied). Without a key the stress lines show the toe slab's stresses.
void writeKeyReport(const KeyDesign& k, const ToeDesign& toe, const TAntei& a,
                    const PolygonResult& wallBody, const DesignConditions& dc,
                    CalculationBook& book);

}  // namespace marvoten
