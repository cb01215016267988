#include "calc/bars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/test_support.h"

namespace marvoten {
namespace {

using testing::near;
using testing::nearRel;

TEST(BarArea, BarsPerMetreTimesOneBar) {
    EXPECT_TRUE(near(*barArea(250, 13), 4 * 126.7, 1e-9));
    EXPECT_TRUE(near(*barArea(125, 22), 8 * 387.1, 1e-9));
    EXPECT_TRUE(near(*barArea(275, 51), 1000.0 / 275 * 2027, 1e-9));
    EXPECT_TRUE(near(*barArea(50, 6), 20 * 31.67, 1e-9));
    EXPECT_FALSE(barArea(250, 12).has_value());
}

struct AutoCase {
    double As;
    std::int32_t pitch, diameter;
    double area;
};

// The usual arrangements (D22 … D32 at 125 mm, D13 … D32 at 250 mm) first; the smaller of the
// two; the whole table only when neither suffices.
TEST(SelectBarsAuto, ExamplesOfTheTwoCandidatesAndTheFullSearch) {
    for (AutoCase c : {AutoCase{0, 250, 13, 506.8}, AutoCase{500, 250, 13, 506.8},
                       AutoCase{1000, 250, 19, 1146.0}, AutoCase{3000, 125, 22, 3096.8},
                       AutoCase{3200, 125, 25, 4053.6}, AutoCase{7000, 275, 51, 7370.9}}) {
        SCOPED_TRACE(c.As);
        BarCombination bars = selectBarsAuto(c.As);
        EXPECT_TRUE(bars.found);
        EXPECT_EQ(bars.pitch, c.pitch);
        EXPECT_EQ(bars.diameter, c.diameter);
        EXPECT_TRUE(near(bars.providedArea, c.area, 0.05));
    }
}

TEST(SelectBarsAuto, AreaEqualToTheRequirementDoesNotQualify) {
    double D13at250 = *barArea(250, 13);
    BarCombination below = selectBarsAuto(std::nextafter(D13at250, 0.0));
    EXPECT_EQ(below.diameter, 13);
    BarCombination equal = selectBarsAuto(D13at250);
    EXPECT_EQ(equal.pitch, 250);
    EXPECT_EQ(equal.diameter, 16);

    // D51 at 50 mm, the largest of the table, is 40,540 mm²: an equal requirement finds nothing.
    double largest = *barArea(50, 51);
    EXPECT_TRUE(near(largest, 40540, 1e-9));
    EXPECT_TRUE(selectBarsAuto(std::nextafter(largest, 0.0)).found);
    BarCombination none = selectBarsAuto(largest);
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.pitch, kNoBarSize);
    EXPECT_EQ(none.diameter, kNoBarSize);
    EXPECT_EQ(none.providedArea, kNoBarArea);
}

TEST(SelectBarsGiven, SmallestQualifyingAtTheGivenPitchOrDiameter) {
    // At 200 mm: D19 1,432.5, D22 1,935.5 mm².
    BarCombination atPitch = selectBarsForPitch(200, 1500);
    EXPECT_TRUE(atPitch.found);
    EXPECT_EQ(atPitch.diameter, 22);
    EXPECT_TRUE(near(atPitch.providedArea, 1935.5, 1e-9));
    EXPECT_EQ(selectBarsForPitch(200, *barArea(200, 22)).diameter, 25);

    // D19 (row 4): 150 mm 1,910.0, 125 mm 2,292.0 mm².
    BarCombination ofDiameter = selectBarsForDiameter(4, 2000);
    EXPECT_TRUE(ofDiameter.found);
    EXPECT_EQ(ofDiameter.pitch, 125);
    EXPECT_TRUE(near(ofDiameter.providedArea, 2292.0, 1e-9));

    // D51 at 300 mm is 6,756.7 mm²; D6 at 50 mm 633.4 mm².
    BarCombination noDiameter = selectBarsForPitch(300, 7000);
    EXPECT_FALSE(noDiameter.found);
    EXPECT_EQ(noDiameter.diameter, 0);
    EXPECT_EQ(noDiameter.providedArea, 0);
    BarCombination noPitch = selectBarsForDiameter(0, 1000);
    EXPECT_FALSE(noPitch.found);
    EXPECT_EQ(noPitch.pitch, 0);
    EXPECT_EQ(noPitch.providedArea, 0);
}

// Root of x³ − 3d·x² − (6·M·n/(σsa·b))·(x − d) on (0, d), where the cubic falls from
// 6·M·n·d/(σsa·b) > 0 to −2d³.
double neutralAxisRoot(double sigmaSa, double M, double d) {
    auto f = [&](double x) {
        return x * x * x - 3 * d * x * x - 6 * M * 15 / (sigmaSa * 1000) * (x - d);
    };
    double lo = 0, hi = d;
    for (int i = 0; i < 200; ++i) {
        double mid = (lo + hi) / 2;
        (f(mid) > 0 ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

TEST(RequiredBarArea, NeutralAxisWithinOneMillimetreBelowTheRoot) {
    struct Case {
        double sigmaSa, M, d;  // N/mm², N·mm, mm
    };
    for (Case c : {Case{160, 100e6, 400}, Case{160, 35.5e6, 430.00000000000006},
                   Case{300, 250e6, 650}, Case{180, 1.2e6, 150}, Case{160, 900e6, 1200}}) {
        SCOPED_TRACE(::testing::Message() << c.sigmaSa << " " << c.M << " " << c.d);
        RequiredBarArea r = requiredBarArea(c.sigmaSa, c.M, c.d);
        double root = neutralAxisRoot(c.sigmaSa, c.M, c.d);
        EXPECT_LT(r.x, root);
        EXPECT_GE(r.x, root - 1);
        EXPECT_DOUBLE_EQ(c.d - r.x, std::round(c.d - r.x));  // on the 1 mm steps from d
        EXPECT_TRUE(nearRel(r.As, c.M / (c.sigmaSa * (c.d - r.x / 3)), 1e-12));
        // The bars of that area are stressed to about σsa (x is up to 1 mm off the root).
        auto st = sectionStresses(r.As, 0, c.M / 1e6, c.d);
        ASSERT_TRUE(st.has_value());
        EXPECT_TRUE(nearRel(st->sigmaS, c.sigmaSa, 0.01));
    }
}

TEST(RequiredBarArea, NoMomentNeedsNoBars) {
    RequiredBarArea r = requiredBarArea(160, 0, 400);
    EXPECT_LE(r.x, 0);
    EXPECT_GT(r.x, -1);
    EXPECT_EQ(r.As, 0);
}

// A member 0.5 m thick with the bars 0.1 m from its face: d = 400 mm. Under 100 kN·m at
// σsa = 160 N/mm² the step search stops at x = 120 mm, As = 1e8/160/(400 − 40) = 1,736.1 mm².
RebarChoice choice(int mode, std::string pitch, std::string diameter, int pitchPosition = 0,
                   int diameterPosition = 0) {
    RebarChoice c;
    c.mode = mode;
    c.pitch.text = std::move(pitch);
    c.diameter.text = std::move(diameter);
    c.pitchPosition = pitchPosition;
    c.diameterPosition = diameterPosition;
    return c;
}

TEST(ChooseMemberBars, EachModeOfTheRebarChoice) {
    struct Case {
        RebarChoice choice;
        std::int32_t pitch, diameter;
        double area;
    };
    const Case cases[] = {
        {choice(0, "-", "-"), 250, 25, 2026.8},        // D22@125 3,096.8 is larger
        {choice(1, "150mm", "-"), 150, 19, 1910.0},    // D16@150 1,324.0 too small
        {choice(2, "-", "16mm"), 100, 16, 1986.0},     // D16@125 1,588.8 too small
        {choice(3, "200mm", "13mm"), 200, 13, 633.5},  // given, though too small
        {choice(3, "-", "-"), 50, 6, 633.4},           // "-" selects the first row
        {choice(3, "50mm", "6mm"), 50, 6, 633.4},
        {choice(3, "75mm", "51mm"), 75, 51, 27026.67},
        // Texts that are no list item (a hand-edited file): the positions last
        // selected in the editor's lists, 150mm and 16mm, stay.
        {choice(3, "150", "16", 5, 4), 150, 16, 1324.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.choice.mode << " " << c.choice.pitch.text << " "
                                          << c.choice.diameter.text);
        BarSelection s = chooseMemberBars(barChoiceOf(c.choice), 0.5, 0.1, 100, 160);
        EXPECT_TRUE(nearRel(s.requiredArea, 1e8 / 160 / (400 - 120.0 / 3), 1e-12));
        EXPECT_TRUE(near(s.neutralAxis, 120, 1e-9));
        EXPECT_TRUE(s.found);
        EXPECT_EQ(s.pitch, c.pitch);
        EXPECT_EQ(s.diameter, c.diameter);
        EXPECT_TRUE(near(s.providedArea, c.area, 0.01));
    }
}

TEST(ChooseMemberBars, NoBarsLargeEnoughIsReportedAsNotFound) {
    // 5,000 kN·m on d = 400 mm needs far more than the 40,540 mm² of D51 at 50 mm.
    BarSelection automatic =
        chooseMemberBars(barChoiceOf(choice(0, "-", "-")), 0.5, 0.1, 5000, 160);
    EXPECT_GT(automatic.requiredArea, 40540);
    EXPECT_FALSE(automatic.found);
    EXPECT_EQ(automatic.pitch, kNoBarSize);
    EXPECT_EQ(automatic.providedArea, kNoBarArea);

    BarSelection atPitch =
        chooseMemberBars(barChoiceOf(choice(1, "300mm", "-")), 0.5, 0.1, 500, 160);
    EXPECT_FALSE(atPitch.found);
    EXPECT_EQ(atPitch.pitch, 300);
    EXPECT_EQ(atPitch.diameter, 0);
    EXPECT_EQ(atPitch.providedArea, 0);

    BarSelection ofDiameter =
        chooseMemberBars(barChoiceOf(choice(2, "-", "10mm")), 0.5, 0.1, 500, 160);
    EXPECT_FALSE(ofDiameter.found);
    EXPECT_EQ(ofDiameter.pitch, 0);
    EXPECT_EQ(ofDiameter.diameter, 10);
    EXPECT_EQ(ofDiameter.providedArea, 0);
}

// Textbook singly reinforced section: k = −nρ + √((nρ)² + 2nρ), j = 1 − k/3,
// σc = 2M/(k·j·b·d²), σs = M/(As·j·d), τ = S/(b·d).
TEST(SectionStresses, SinglyReinforcedClosedForm) {
    struct Case {
        double As, S, M, d;  // mm², kN, kN·m, mm
    };
    for (Case c : {Case{1986.0, 80, 100, 400}, Case{3096.8, 150, 250, 650}}) {
        SCOPED_TRACE(c.As);
        const double n = 15, b = 1000;
        double rho = c.As / (b * c.d);
        double k = -n * rho + std::sqrt(n * rho * n * rho + 2 * n * rho);
        double j = 1 - k / 3;
        double M = c.M * 1e6;
        auto st = sectionStresses(c.As, c.S, c.M, c.d);
        ASSERT_TRUE(st.has_value());
        EXPECT_TRUE(nearRel(st->x, k * c.d, 1e-12));
        EXPECT_TRUE(nearRel(st->sigmaC, 2 * M / (k * j * b * c.d * c.d), 1e-12));
        EXPECT_TRUE(nearRel(st->sigmaS, M / (c.As * j * c.d), 1e-12));
        EXPECT_TRUE(nearRel(st->tau, c.S * 1000 / (b * c.d), 1e-12));
    }
    // First section by hand: nρ = 0.074475, k = 0.318585, j = 0.893805,
    // σc = 2e8/(0.318585·0.893805·1000·160000) = 4.390 N/mm², σs = 1e8/(1986·0.893805·400)
    // = 140.84 N/mm², τ = 0.200 N/mm².
    auto first = sectionStresses(1986.0, 80, 100, 400);
    EXPECT_TRUE(near(first->sigmaC, 4.390, 0.001));
    EXPECT_TRUE(near(first->sigmaS, 140.84, 0.01));
}

TEST(SectionStresses, NoStressesWithoutBarsOrDepth) {
    EXPECT_FALSE(sectionStresses(0, 80, 100, 400).has_value());
    EXPECT_FALSE(sectionStresses(-5, 80, 100, 400).has_value());
    EXPECT_FALSE(sectionStresses(1986, 80, 100, 0).has_value());
    EXPECT_FALSE(sectionStresses(1986, 80, 100, -20).has_value());
}

// The designation of the tables: the diameter and pitch in mm as whole numbers, and
// no fallback size 9999 when nothing was found.
TEST(BarDesignation, DiameterAtPitchOrNoneFound) {
    const struct {
        BarSelection bars;
        const char* text;
    } rows[] = {
        {{.pitch = 250, .diameter = 16, .found = true}, "D16@250"},
        {{.pitch = 50, .diameter = 6, .found = true}, "D6@50"},
        {{.pitch = 300, .diameter = 51, .found = true}, "D51@300"},
        {{.pitch = kNoBarSize, .diameter = kNoBarSize, .found = false}, "---"},
        {{.pitch = 125, .diameter = 0, .found = false}, "---"},
    };
    for (const auto& r : rows) EXPECT_EQ(barDesignation(r.bars), r.text);
    EXPECT_EQ(barDesignation(29, 125), "D29@125") << "a section's own pitch";
}

}  // namespace
}  // namespace marvoten
