#include "calc/key_design.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/ground_reaction.h"
#include "calc/stability_loads.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using marvoten::testing::near;

// The start-value wall with a key 500 mm wide and 600 mm high, 1.5 m behind the
// toe end; cover 0.11 m, so d = 0.39 m.
DesignConditions keyedWall() {
    DesignConditions dc;
    dc.hasShearKey = 1;
    dc.keyPosition.text = "1500";
    dc.keyWidth.text = "500";
    dc.keyHeight.text = "600";
    return dc;
}

TAntei stableWall(const DesignConditions& dc) {
    TAntei a;
    computeStabilityLoads(a, dc);
    computeStability(a);
    return a;
}

TEST(KeyDesign, SixtyCentimetreKeyWithFiftyKilonewtons) {
    const DesignConditions dc = keyedWall();
    TAntei a = stableWall(dc);
    a.Ht = 50;
    const KeyDesign k = designKey(a);
    EXPECT_TRUE(k.hasKey);
    EXPECT_TRUE(near(k.keyHeight, 0.6, 1e-12));
    EXPECT_TRUE(near(k.M, 15.0, 1e-12));  // 0.6 · 50 / 2
    EXPECT_TRUE(near(k.a, 0.3, 1e-12));   // M / Ht
    EXPECT_TRUE(near(k.t, 0.5, 1e-12));
    EXPECT_TRUE(near(k.d, 0.39, 1e-12));
    ASSERT_TRUE(k.bars.found && k.stresses && k.shear);
    // A small area: D13@250 (506.8 mm2), the smallest automatic arrangement.
    EXPECT_EQ(k.bars.diameter, 13);
    EXPECT_EQ(k.bars.pitch, 250);
    EXPECT_TRUE(near(k.stresses->tau, 50.0 / 390, 1e-12));  // Ht / (b·d)
    EXPECT_TRUE(near(k.shear->Ce, 1.4 - 0.4 * 90 / 700, 1e-12));
    const double Pt = 100 * 506.8 / (1000 * 390.0);
    EXPECT_TRUE(near(k.shear->Pt, Pt, 1e-12));
    EXPECT_TRUE(near(k.shear->Cpt, 0.7 + 0.2 * (Pt - 0.1) / 0.1, 1e-12));
    // a/d = 0.3/0.39 between 0.5 and 1.0: 6.4 − 2.4 · (a/d − 0.5) / 0.5.
    EXPECT_TRUE(near(k.shear->Cdc, 6.4 - 2.4 * (0.3 / 0.39 - 0.5) / 0.5, 1e-12));
    EXPECT_TRUE(near(k.shear->tauCa, 0.23 * k.shear->Ce * k.shear->Cpt * k.shear->Cdc, 1e-12));
    EXPECT_TRUE(k.ok);
}

TEST(KeyDesign, ForceFromTheSlidingCheckWithKey) {
    const DesignConditions dc = keyedWall();
    const TAntei a = stableWall(dc);
    const KeyDesign k = keyForces(a);
    EXPECT_GT(a.Ht, 0.0);
    EXPECT_EQ(k.Ht, a.Ht);
    EXPECT_TRUE(near(k.M, a.Mkey, 1e-12));
    EXPECT_EQ(k.sliding.b1, a.b1);
    EXPECT_EQ(k.sliding.Hk, a.Hk);
    EXPECT_EQ(k.sliding.Vo, a.sumV);
    EXPECT_EQ(k.sliding.Ho, a.sumH);
}

TEST(KeyDesign, WithoutKeyEveryMemberValueIsZero) {
    const DesignConditions dc;
    const TAntei a = stableWall(dc);
    const KeyDesign k = designKey(a);
    EXPECT_FALSE(k.hasKey);
    EXPECT_EQ(k.Ht, 0.0);
    EXPECT_EQ(k.M, 0.0);
    EXPECT_EQ(k.a, 0.0);
    EXPECT_EQ(k.d, 0.0);
    EXPECT_EQ(k.bars.requiredArea, 0.0);
    EXPECT_EQ(k.bars.providedArea, 0.0);
    EXPECT_FALSE(k.stresses);
    EXPECT_EQ(k.sliding.Be, a.Be);  // the sliding values the object holds
}

TEST(KeyDesign, KeyWithoutLoadHasNoStressButAFiniteSpan) {
    const DesignConditions dc = keyedWall();
    TAntei a = stableWall(dc);
    a.Ht = 0;  // Fs ≤ 0 in the sliding check
    const KeyDesign k = designKey(a);
    EXPECT_EQ(k.M, 0.0);
    EXPECT_TRUE(near(k.a, 0.3, 1e-12));
    ASSERT_TRUE(k.stresses && k.shear);
    EXPECT_EQ(k.stresses->sigmaS, 0.0);
    EXPECT_TRUE(std::isfinite(k.shear->tauCa));
}

TEST(KeyDesign, MissingAndTooSmallBars) {
    struct Row {
        int mode;
        const char* pitch;
        const char* diameter;
        double sigmaSa;
        bool found;
    };
    // About 83,000 mm2 needed at σsa = 0.5 (beyond D51@50); D6@300 is 105.6 mm2
    // against about 260 mm2 at σsa = 160.
    for (const Row& row : {Row{0, "-", "-", 0.5, false}, Row{2, "-", "6mm", 20, false},
                           Row{3, "300mm", "6mm", 160, true}}) {
        SCOPED_TRACE(row.mode);
        DesignConditions dc = keyedWall();
        dc.keyRebar.mode = row.mode;
        dc.keyRebar.pitch.text = row.pitch;
        dc.keyRebar.diameter.text = row.diameter;
        TAntei a = stableWall(dc);
        a.Ht = 50;
        a.sigmaSa = row.sigmaSa;
        const KeyDesign k = designKey(a);
        EXPECT_EQ(k.bars.found, row.found);
        EXPECT_FALSE(k.barsSufficient());
        EXPECT_FALSE(k.ok);
        EXPECT_EQ(bool(k.stresses), row.found);
    }
}

}  // namespace
}  // namespace marvoten
