#include "report/beam_coefficient_table.h"

#include <gtest/gtest.h>

namespace marvoten {
namespace {

// The classic table for σsa = 1600 kgf/cm2 (n = 15).
TEST(BeamCoefficientTable, ClassicValuesForSigmaSa1600) {
    TableSection t = makeBeamCoefficientTable();
    fillBeamCoefficientTable(t);
    const char* expected[5][4] = {
        {"許容応力σca", "C1", "C2", "Po"},
        {" 70(kgf/cm2)", "0.28824", "0.00250", "0.00867"},
        {" 80(kgf/cm2)", "0.26087", "0.00280", "0.01071"},
        {" 90(kgf/cm2)", "0.23938", "0.00308", "0.01287"},
        {"100(kgf/cm2)", "0.22200", "0.00336", "0.01512"},
    };
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 4; ++col)
            EXPECT_EQ(t.cell(col, row), expected[row][col]) << col << "," << row;
    EXPECT_EQ(t.columnWidths(), (std::vector<int>{80, 60, 60, 60}));
}

}  // namespace
}  // namespace marvoten
