#include "study/sizing.h"

#include <gtest/gtest.h>

namespace marvoten {
namespace {

using D = DesignConditions;

// The start values with σca 9 N/mm2, so that the stem's fixed end can pass.
D startValuesWithRoomInTheStem() {
    D d;
    d.sigmaCa.text = "9";
    return d;
}

// The start values themselves fail the stem's compression at the fixed end; the
// sizing finds a stem and a base that pass.
TEST(Sizing, TheSizedDesignPassesAndEachFieldOneStepSmallerDoesNot) {
    ASSERT_FALSE(evaluateDesign(D{}).passed);
    const auto free = defaultFreeFields();
    const SizingResult r = sizeDesign(D{}, free);
    ASSERT_TRUE(r.found);
    const DesignEvaluation sized = evaluateDesign(r.design);
    EXPECT_TRUE(sized.passed);
    EXPECT_EQ(sized.concreteArea, r.evaluation.concreteArea);
    ASSERT_EQ(r.fields.size(), free.size());
    for (std::size_t i = 0; i < free.size(); ++i) {
        const VariedField& f = free[i];
        const double value = std::stod((r.design.*(f.field->member)).text);
        EXPECT_EQ(r.fields[i].value, (r.design.*(f.field->member)).text);
        if (value - f.step < f.from - 1e-9) {
            EXPECT_EQ(r.fields[i].governs, "範囲の下限") << f.field->name;
            continue;
        }
        D smaller = r.design;
        setFieldValue(smaller, f, value - f.step);
        const DesignEvaluation e = evaluateDesign(smaller);
        EXPECT_FALSE(e.passed) << f.field->name << " one step smaller still passes";
        ASSERT_NE(e.governing(), nullptr);
        EXPECT_EQ(r.fields[i].governs, e.governing()->label) << f.field->name;
    }
    // The base stays the sum of its parts.
    const auto mm = [&](NumberField D::*m) { return std::stod((r.design.*m).text); };
    EXPECT_DOUBLE_EQ(mm(&D::baseWidth),
                     mm(&D::toeWidth) + mm(&D::frontBatterWidth) + mm(&D::crestWidth));
    EXPECT_GT(r.designsTried, 0u);
}

TEST(Sizing, NoPassingDesignInTheRangeIsSaidWithTheBestRatio) {
    auto free = defaultFreeFields();
    free[0].to = 1000;  // a toe of at most 1 m and a batter of at most 0.2 m cannot
    free[3].to = 200;   // hold the wall
    const SizingResult r = sizeDesign(startValuesWithRoomInTheStem(), free);
    EXPECT_FALSE(r.found);
    EXPECT_GT(r.bestUtilisation, 1.0);
    EXPECT_FALSE(r.bestCheck.empty());
    EXPECT_EQ(r.design.toeWidth.text, D{}.toeWidth.text) << "the base is left as it was";
}

}  // namespace
}  // namespace marvoten
