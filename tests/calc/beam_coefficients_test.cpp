#include "calc/beam_coefficients.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace marvoten {
namespace {

using testing::near;
using testing::nearRel;

// The guideline's table for σsa = 1600 kgf/cm², to its five printed decimals.
TEST(BeamCoefficients, TableForSigmaSa1600) {
    struct Row {
        double sigmaCa, C1, C2, Po;
    };
    for (Row r : {Row{70, 0.28824, 0.00250, 0.00867}, Row{80, 0.26087, 0.00280, 0.01071},
                  Row{90, 0.23938, 0.00308, 0.01287}, Row{100, 0.22200, 0.00336, 0.01512}}) {
        SCOPED_TRACE(r.sigmaCa);
        BeamCoefficients c = beamCoefficients(1600, r.sigmaCa);
        EXPECT_TRUE(near(c.C1, r.C1, 0.000005));
        EXPECT_TRUE(near(c.C2, r.C2, 0.000005));
        EXPECT_TRUE(near(c.Po, r.Po, 0.000005));
        // As = Po·b·d with d = C1·√(M/b), so C2 = Po·C1.
        EXPECT_TRUE(nearRel(c.C2, c.Po * c.C1, 1e-12));
    }
}

}  // namespace
}  // namespace marvoten
