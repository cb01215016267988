#include "calc/anchorage.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_support.h"

namespace marvoten {
namespace {

using marvoten::testing::near;

struct PitchCase {
    double Hs, Lo, y;
    std::int32_t expected;
};

class SectionPitch : public ::testing::TestWithParam<PitchCase> {};

// Above the end of the anchorage (depth Hs − Lo below the top) every second bar
// has ended: the pitch doubles. A section exactly at that depth keeps p0.
TEST_P(SectionPitch, DoublesAboveTheEndOfTheAnchorage) {
    const PitchCase c = GetParam();
    EXPECT_EQ(sectionPitch(c.Hs, c.Lo, c.y, 125), c.expected) << "y = " << c.y;
}

INSTANTIATE_TEST_SUITE_P(QuarterPoints, SectionPitch,
                         ::testing::Values(PitchCase{4.0, 1.2, 4.0, 125},
                                           PitchCase{4.0, 1.2, 3.0, 125},
                                           PitchCase{4.0, 1.2, 2.0, 250},
                                           PitchCase{4.0, 1.2, 1.0, 250},
                                           PitchCase{4.0, 1.0, 3.0, 125},  // exactly at Hs − Lo
                                           PitchCase{4.0, 1.0, 2.99, 250}));  // just above it

// A section function from closed forms, recording the depths it is asked for.
struct FakeStem {
    std::vector<double> visited;
    double (*area)(double y);
    double (*stress)(double y);
    AnchorageSectionAt at() {
        return [this](double y) {
            visited.push_back(y);
            return AnchorageSection{area(y), stress(y)};
        };
    }
};

// Hs = 4.0, As = 2,000 mm²: A(y) = 1,000 at y = 3.5 and σs = 80 at y = 3.2
// (σsa = 160), both falling towards the top.
double linearArea(double y) {
    return 1000 + (y - 3.5) * 2000;
}
double linearStress(double y) {
    return 80 + (y - 3.2) * 100;
}

TEST(AnchorageSearch, TakesTheFirstSectionFromTheFixedEndForEachCase) {
    FakeStem stem{{}, linearArea, linearStress};
    const Anchorage r = anchorageSearch(4.0, 2000, 16, 160, stem.at());
    // Strict comparisons: the first 0.01 step strictly past each crossing.
    EXPECT_TRUE(r.foundL1 && r.foundL2);
    EXPECT_TRUE(near(r.L1, 0.505, 0.0051)) << r.L1;
    EXPECT_TRUE(near(r.L2, 0.805, 0.0051)) << r.L2;
    EXPECT_TRUE(near(r.L1Anchored, r.L1 + 0.560, 1e-12)) << "L1 + 35·16 mm";
    EXPECT_TRUE(near(r.Lo, std::max(r.L2, r.L1 + 0.560), 1e-12));
    // The search ends with the section that meets the second case.
    ASSERT_FALSE(stem.visited.empty());
    EXPECT_DOUBLE_EQ(stem.visited.front(), 4.0);
    EXPECT_TRUE(near(stem.visited.back(), 4.0 - r.L2, 1e-9));
}

TEST(AnchorageSearch, HalfTheBarsAlreadyEnoughAtTheFixedEndGivesL1Zero) {
    FakeStem stem{{}, [](double) { return 999.0; }, [](double y) { return 20 * y; }};
    const Anchorage r = anchorageSearch(4.0, 2000, 16, 160, stem.at());
    EXPECT_TRUE(r.foundL1);
    EXPECT_EQ(r.L1, 0.0);
    // σs = 80 at the fixed end is not below σsa/2 = 80: case ② one step higher.
    EXPECT_TRUE(near(r.L2, 0.01, 1e-9));
    EXPECT_TRUE(near(r.Lo, 0.560, 1e-12));  // 35·16 mm
}

TEST(AnchorageSearch, CasesNeverMetKeepZero) {
    // The stress is not computable anywhere and the area never falls below As/2.
    std::vector<double> visited;
    auto at = [&](double y) {
        visited.push_back(y);
        return AnchorageSection{5000.0, std::nullopt};
    };
    const Anchorage r = anchorageSearch(1.0, 2000, 22, 160, at);
    EXPECT_FALSE(r.foundL1 || r.foundL2);
    EXPECT_EQ(r.L1, 0.0);
    EXPECT_EQ(r.L2, 0.0);
    EXPECT_TRUE(near(r.Lo, 0.770, 1e-12));
    ASSERT_FALSE(visited.empty());
    EXPECT_GT(visited.back(), 0.1);  // visited down to just above 0.1 m
    EXPECT_LT(visited.back(), 0.1 + 0.01 + 1e-9);
}

class ShortStem : public ::testing::TestWithParam<double> {};

// A stem of 0.1 m or less is not searched: Lo = 35φ.
TEST_P(ShortStem, PerformsNoSearchStep) {
    FakeStem stem{{}, linearArea, linearStress};
    const Anchorage r = anchorageSearch(GetParam(), 2000, 16, 160, stem.at());
    EXPECT_TRUE(stem.visited.empty());
    EXPECT_EQ(r.L1, 0.0);
    EXPECT_EQ(r.L2, 0.0);
    EXPECT_TRUE(near(r.Lo, 35 * 16 / 1000.0, 1e-12));
}

INSTANTIATE_TEST_SUITE_P(Heights, ShortStem, ::testing::Values(0.1, 0.05, 0.0));

}  // namespace
}  // namespace marvoten
