#include "model/allowable_stresses.h"

#include <gtest/gtest.h>

#include "model/decimal_text.h"

namespace marvoten {
namespace {

TEST(FixedDecimals, RoundsHalfAwayFromZeroOnTheExactValue) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {10.5, 0, "11"},         {-10.5, 0, "-11"},       {0.375, 2, "0.38"},
        {0.136f, 2, "0.14"},     {0.112f, 2, "0.11"},     {9.995, 2, "9.99"},  // 9.99499999…
        {99.95, 1, "100.0"},     {-0.001, 2, "0.00"},     {7.0, 0, "7"},
        {1.0 / 3.0, 3, "0.333"}, {2.5e6, 1, "2500000.0"},
    };
    for (const auto& c : cases) EXPECT_EQ(fixedDecimals(c.value, c.decimals), c.text) << c.value;
}

// The table of reinforced-concrete allowable stresses: σca, σcat, τa1, τo by design
// strength in the normal and the seismic case (seismic = 1.5 × normal, rounded).
TEST(AllowableStresses, TenRowsOfTheTable) {
    struct Row {
        int sigmaCk;
        bool seismic;
        AllowableStressTexts expected;
    };
    const Row rows[] = {
        {18, false, {"6", "0", "0.33", "0.0", "160"}},
        {18, true, {"9", "0", "0.50", "0.0", "300"}},
        {21, false, {"7", "0", "0.22", "1.4", "160"}},
        {21, true, {"11", "0", "0.33", "2.1", "300"}},
        {24, false, {"8", "0", "0.23", "1.6", "160"}},
        {24, true, {"12", "0", "0.35", "2.4", "300"}},
        {27, false, {"9", "0", "0.24", "1.7", "160"}},
        {27, true, {"14", "0", "0.36", "2.6", "300"}},
        {30, false, {"10", "0", "0.25", "1.8", "160"}},
        {30, true, {"15", "0", "0.38", "2.7", "300"}},
    };
    for (const auto& r : rows) {
        const auto t = recomputeAllowableStresses(r.sigmaCk, BarGrade::SD345, r.seismic);
        EXPECT_EQ(t, r.expected) << "σck " << r.sigmaCk << (r.seismic ? " 地震時" : " 常時") << ": "
                                 << t.sigmaCa << ", " << t.sigmaCat << ", " << t.tauA1 << ", "
                                 << t.tau0 << ", " << t.sigmaSa;
    }
    EXPECT_THROW(recomputeAllowableStresses(25, BarGrade::SD345, false), std::invalid_argument);
}

TEST(AllowableStresses, BarGradeDecidesOnlyTheSeismicSigmaSa) {
    EXPECT_EQ(recomputeAllowableStresses(24, BarGrade::SD295, false).sigmaSa, "160");
    EXPECT_EQ(recomputeAllowableStresses(24, BarGrade::SD295, true).sigmaSa, "270");
    EXPECT_EQ(recomputeAllowableStresses(24, BarGrade::SD345, true).sigmaSa, "300");
}

TEST(AllowableStressWindow, StartsAtσck24SD345NormalAndRecomputesOnClicks) {
    AllowableStressWindow w;
    EXPECT_EQ(w.designStrength(), 2);
    EXPECT_EQ(w.barGrade(), 1);
    EXPECT_EQ(w.loadCase(), 0);
    EXPECT_EQ(w.texts(), (AllowableStressTexts{"8", "0", "0.23", "1.6", "160"}));

    w.chooseBarGrade(0);  // nothing visible changes in the normal case
    EXPECT_EQ(w.texts(), (AllowableStressTexts{"8", "0", "0.23", "1.6", "160"}));
    w.chooseDesignStrength(1);
    w.chooseLoadCase(1);
    EXPECT_EQ(w.texts(), (AllowableStressTexts{"11", "0", "0.33", "2.1", "270"}));

    w.typeText(AllowableStressField::SigmaSa, "200");
    EXPECT_EQ(w.texts().sigmaSa, "200");
    w.chooseLoadCase(1);  // the next click overwrites the edited σsa
    EXPECT_EQ(w.texts().sigmaSa, "270");
}

TEST(AllowableStressWindow, TransferCopiesTextsAndCancelKeepsTheChoices) {
    DesignConditions d;
    AllowableStressWindow w;
    w.show();
    w.chooseDesignStrength(4);
    w.cancel();
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(w.designStrength(), 4);
    // The texts of σck 30 in the normal case stay in the window: 30/3, 0, 0.25, 1.8, SD345.
    EXPECT_EQ(w.texts(), (AllowableStressTexts{"10", "0", "0.25", "1.8", "160"}));

    w.show();
    w.typeText(AllowableStressField::SigmaSa, "180");
    w.transferTo(d);
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(d.sigmaCk.text, "30");
    EXPECT_EQ(d.sigmaCa.text, "10");
    EXPECT_EQ(d.sigmaCat.text, "0");
    EXPECT_EQ(d.tauA1.text, "0.25");
    EXPECT_EQ(d.tau0.text, "1.8");
    EXPECT_EQ(d.sigmaSa.text, "180");
}

}  // namespace
}  // namespace marvoten
