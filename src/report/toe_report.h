#pragma once
// The toe slab's part of the slab page: the section forces, the bars and
// stresses, the force and stress tables and the reaction figure.
#include <optional>
#include <string>

#include "book/calculation_book.h"
#include "calc/calculation_object.h"
#include "calc/load_polygons.h"
#include "calc/toe_design.h"
#include "model/design_conditions.h"

namespace marvoten {

// The cells of a member's stress table (ToeStressTable, KeyTable): a value not
// computed shows "---".
struct MemberStressCells {
    double M = 0;  // design moment, kNm
    double S = 0;  // shear force of the check, kN
    BarSelection bars;
    std::optional<double> sigmaC, sigmaS, tauM, tauCa;  // N/mm2
    double sigmaCa = 0, sigmaSa = 0;
    bool ok = false;
};
void writeMemberStressTable(const MemberStressCells& cells, TableSection& table);

// ToeForcesText, ToeStressText, ToeHalfDepthTable, ToeRootTable, ToeStressTable
// and ToeReactionFigure from one toe design.
void writeToeReport(const ToeDesign& t, const TAntei& a, const PolygonResult& wallBody,
                    const DesignConditions& dc, CalculationBook& book);

}  // namespace marvoten
