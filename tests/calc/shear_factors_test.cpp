#include "calc/shear_factors.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace marvoten {
namespace {

using testing::near;

struct Case {
    double argument, factor;
};

void expectFactors(double (*factor)(double), std::initializer_list<Case> cases) {
    for (Case c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_TRUE(near(factor(c.argument), c.factor, 1e-12));
    }
}

// Held at the end values outside the table, linear between breakpoints, and a breakpoint
// inside the table gives its own factor.
TEST(ShearFactors, Ce) {
    expectFactors(Ce, {{200, 1.4},
                       {300, 1.4},
                       {650, 1.2},
                       {1000, 1.0},
                       {2000, 0.85},
                       {4000, 0.65},
                       {7500, 0.55},
                       {10000, 0.5},
                       {12000, 0.5}});
}

TEST(ShearFactors, Cpt) {
    expectFactors(Cpt, {{0.05, 0.7},
                        {0.1, 0.7},
                        {0.15, 0.8},
                        {0.25, 0.95},
                        {0.3, 1.0},
                        {0.4, 1.1},
                        {0.75, 1.35},
                        {1.0, 1.5},
                        {2.0, 1.5}});
}

TEST(ShearFactors, Cdc) {
    expectFactors(Cdc, {{0.2, 6.4},
                        {0.5, 6.4},
                        {0.75, 5.2},
                        {1.0, 4.0},
                        {1.25, 3.25},
                        {1.75, 2.05},
                        {2.25, 1.3},
                        {2.5, 1.0},
                        {3.0, 1.0}});
}

}  // namespace
}  // namespace marvoten
