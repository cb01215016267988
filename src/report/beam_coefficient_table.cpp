#include "report/beam_coefficient_table.h"

#include <array>

#include "book/line_format.h"
#include "calc/beam_coefficients.h"

namespace marvoten {
namespace {

constexpr double tableSigmaSa = 1600;  // kgf/cm2
constexpr std::array<double, 4> tableSigmaCa{70, 80, 90, 100};

}  // namespace

TableSection makeBeamCoefficientTable() {
    return TableSection("BeamCoefficientTable", "単鉄筋長方形ばりC1,C2,Po表", "", 4, 5,
                        {80, 60, 60, 60}, 17);
}

void fillBeamCoefficientTable(TableSection& table) {
    table.setHeaderRow({"許容応力σca", "C1", "C2", "Po"});
    table.setLabelColumn(
        {"許容応力σca", " 70(kgf/cm2)", " 80(kgf/cm2)", " 90(kgf/cm2)", "100(kgf/cm2)"});
    for (std::size_t i = 0; i < tableSigmaCa.size(); ++i) {
        const BeamCoefficients k = beamCoefficients(tableSigmaSa, tableSigmaCa[i]);
        const int row = static_cast<int>(i) + 1;
        table.setCell(1, row, formatValue("0.00000", k.C1));
        table.setCell(2, row, formatValue("0.00000", k.C2));
        table.setCell(3, row, formatValue("0.00000", k.Po));
    }
}

}  // namespace marvoten
