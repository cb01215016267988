#include "calc/load_polygons.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "calc/input_gathering.h"
#include "calc/self_weight.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using marvoten::testing::near;

TAntei wall(const std::function<void(DesignConditions&)>& change = {}) {
    DesignConditions dc;
    if (change) change(dc);
    TAntei a;
    gatherInputs(a, dc);
    return a;
}

void water(DesignConditions& d, const char* H1) {
    d.hasWater.on = true;
    d.waterDepth.text = H1;
    d.waterUnitWeight.text = "9.8";
}

// Parts of the start-value wall, measured by hand: the base rectangle under the
// slab's front thickness, the sloped top, the level strip, the top of the base
// behind the stem's foot, and the stem as a rectangle plus the batter triangle.
struct Part {
    double area, cx, cy;
};
const Part baseRect{4.042 * 0.7, 4.042 / 2, 0.35};
const Part slopeTri{3.4 * 0.2 / 2, (0 + 3.4 + 3.4) / 3, (0.7 + 0.7 + 0.9) / 3};
const Part stripRect{0.1 * 0.2, 3.45, 0.8};
const Part heelRect{0.542 * 0.2, 3.771, 0.8};
const Part stemRect{0.4 * 7.1, 3.842, 0.9 + 7.1 / 2};
const Part batterTri{0.142 * 7.1 / 2, (3.5 + 3.642 + 3.642) / 3, (0.9 + 0.9 + 8.0) / 3};

Part combined(std::initializer_list<Part> parts) {
    Part r{0, 0, 0};
    for (const Part& p : parts) {
        r.area += p.area;
        r.cx += p.area * p.cx;
        r.cy += p.area * p.cy;
    }
    return {r.area, r.cx / r.area, r.cy / r.area};
}

TEST(LoadPolygons, WallBodyOfTheStartValues) {
    TAntei a = wall();
    const PolygonResult r = polygonProperties(a, "W_A");
    const Part expected = combined({baseRect, slopeTri, stripRect, heelRect, stemRect, batterTri});
    EXPECT_TRUE(near(r.area, 6.6419, 1e-9));
    EXPECT_TRUE(near(r.area, expected.area, 1e-9));
    EXPECT_TRUE(near(r.centroidX, expected.cx, 1e-9));
    EXPECT_TRUE(near(r.centroidY, expected.cy, 1e-9));
    // P7, P9 and the key points at the origin repeat their predecessors: eight
    // distinct corners P0 … P6, P8, and the closing entry at the origin.
    EXPECT_EQ(r.q, 8);
    const double xs[] = {0, 0, 3.4, 3.5, 3.642, 4.042, 4.042, 4.042, 0};
    const double ys[] = {0, 0.7, 0.9, 0.9, 8.0, 8.0, 0.9, 0, 0};
    for (int k = 0; k <= r.q; ++k) {
        EXPECT_TRUE(near(r.xs[k], xs[k], 1e-12)) << k;
        EXPECT_TRUE(near(r.ys[k], ys[k], 1e-12)) << k;
    }
}

struct AreaCase {
    const char* name;
    std::function<void(DesignConditions&)> change;
    const char* key;
    int type;
    double area;  // worked out by hand
};

class PolygonArea : public ::testing::TestWithParam<AreaCase> {};

TEST_P(PolygonArea, MatchesTheHandValue) {
    const AreaCase& c = GetParam();
    TAntei a = wall(c.change);
    EXPECT_EQ(polygonType(a, c.key), c.type);
    const PolygonResult r = polygonProperties(a, c.key);
    EXPECT_TRUE(near(r.area, c.area, 1e-9));
    if (c.area == 0) {
        EXPECT_EQ(r.centroidX, 0.0);
        EXPECT_EQ(r.centroidY, 0.0);
    }
}

const auto startValues = [](DesignConditions&) {};
const auto lowGround = [](DesignConditions& d) { d.effectiveEmbedDepth.text = "0.9"; };

INSTANTIATE_TEST_SUITE_P(
    Keys, PolygonArea,
    ::testing::Values(
        // Front soil up to Ho = 2.5: the rectangle over the toe, less the slab's
        // sloped top and strip, plus the sliver in front of the battered stem face.
        AreaCase{"FrontSoil", startValues, "TS_A", 9, 3.5 * 1.8 - 0.36 + 0.032 * 1.6 / 2},
        AreaCase{"ToeMoment", startValues, "T_M", 3, 3.5 * 0.7 + 0.34 + 0.02},
        AreaCase{"ToeShearOnSlopedTop", startValues, "T_S", 5,
                 3.05 * (0.7 + 0.7 + 0.2 * 3.05 / 3.4) / 2},
        AreaCase{"NoWaterBody", startValues, "W_FA", 0, 0},
        AreaCase{"NoWaterFrontSoil", startValues, "TS_FA", 0, 0},
        AreaCase{"NoWaterToe", startValues, "T_FM", 0, 0},
        AreaCase{"NoWaterToeShear", startValues, "T_FS", 0, 0},
        AreaCase{"WaterInBaseBody", [](DesignConditions& d) { water(d, "0.5"); }, "W_FA", 6,
                 4.042 * 0.5},
        AreaCase{"WaterInBaseFrontSoil", [](DesignConditions& d) { water(d, "0.5"); }, "TS_FA", 0,
                 0},
        AreaCase{"WaterInBaseToe", [](DesignConditions& d) { water(d, "0.5"); }, "T_FM", 22,
                 3.5 * 0.5},
        // H1 = 0.8 on the sloped top: the submerged base up to the slope point at
        // x = 3.4·0.1/0.2 = 1.7, then the level water to the back.
        AreaCase{"WaterOnSlopedTopBody", [](DesignConditions& d) { water(d, "0.8"); }, "W_FA", 7,
                 4.042 * 0.8 - 1.7 * 0.1 / 2},
        AreaCase{"WaterOnSlopedTopFrontSoil", [](DesignConditions& d) { water(d, "0.8"); }, "TS_FA",
                 15, 1.7 * 0.1 / 2},
        AreaCase{"WaterOnStemFrontSoil", [](DesignConditions& d) { water(d, "1.0"); }, "TS_FA", 16,
                 3.5 * 0.3 - 0.36 + 0.002 * 0.1 / 2},
        // The toe shear section at x = 3.05 with its top at 0.8794: water at 0.8 lies
        // below it, water at 0.89 above it (both within the sloped top).
        AreaCase{"WaterBelowToeSectionTop", [](DesignConditions& d) { water(d, "0.8"); }, "T_FS",
                 26, 3.05 * 0.8 - 1.7 * 0.1 / 2},
        AreaCase{"WaterAboveToeSectionTop", [](DesignConditions& d) { water(d, "0.89"); }, "T_FS",
                 27, 3.05 * (0.7 + 0.7 + 0.2 * 3.05 / 3.4) / 2},
        AreaCase{"SoilBelowToeSectionTop", [](DesignConditions& d) { water(d, "0.8"); }, "TS_FS",
                 32, 1.7 * 0.1 / 2},
        // 3.05·0.89 less the slab top 0.7 + 0.2·x/3.4 integrated over 0 … 3.05
        AreaCase{"SoilAboveToeSectionTop", [](DesignConditions& d) { water(d, "0.89"); }, "TS_FS",
                 33, 3.05 * 0.89 - (0.7 * 3.05 + 0.1 * 3.05 * 3.05 / 3.4)},
        AreaCase{"WaterOnStemToeShear", [](DesignConditions& d) { water(d, "1.0"); }, "T_FS", 28,
                 3.05 * (0.7 + 0.7 + 0.2 * 3.05 / 3.4) / 2},
        AreaCase{"LowGroundFrontSoil", lowGround, "TS_A", 0, 0},
        AreaCase{"LowGroundFrontSoilMoment", lowGround, "TS_M", 0, 0},
        AreaCase{"LowGroundFrontSoilShear", lowGround, "TS_S", 0, 0},
        // The inverted-L wall has no heel: every heel polygon is flat.
        AreaCase{"HeelMoment", startValues, "K_M", 2, 0},
        AreaCase{"HeelShear", startValues, "K_S", 39, 0},
        AreaCase{"BackSoil", startValues, "KS_A", 11, 0},
        AreaCase{"BackSoilShear", startValues, "KS_S", 45, 0},
        AreaCase{"UnknownKey", startValues, "X_A", 0, 0}),
    [](const ::testing::TestParamInfo<AreaCase>& info) { return info.param.name; });

TEST(LoadPolygons, WaterStateBoundaries) {
    const struct {
        const char* H1;
        int state;
    } cases[] = {{"0.0", 0}, {"0.7", 1}, {"0.71", 2}, {"0.9", 2}, {"0.91", 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(waterState(wall([&](DesignConditions& d) { water(d, c.H1); })), c.state) << c.H1;
    }
}

TEST(LoadPolygons, CounterClockwiseOutlineHasNegativeAreaAndNoCentroid) {
    PolygonBuffer b;
    b.n = 4;
    const double x[] = {0, 1, 1, 0, 0}, y[] = {0, 0, 1, 1, 0};
    for (int k = 0; k < 5; ++k) b.x[k] = x[k], b.y[k] = y[k];
    const AreaCentroid r = polygonAreaCentroid(b);
    EXPECT_DOUBLE_EQ(r.area, -1.0);
    EXPECT_EQ(r.x, 0.0);
    EXPECT_EQ(r.y, 0.0);
}

// The stem above a section 3.55 m below the crest is a trapezoid of the crest width
// 0.4 at the top and 0.4 + 0.142·3.55/7.1 at the section; its centroid height above
// the section is d(a + 2b)/(3(a + b)) with a the lower and b the upper width.
TEST(LoadPolygons, StemSlice) {
    TAntei a = wall();
    const double d = 3.55, top = 0.4, bottom = 0.4 + 0.142 * d / 7.1;
    const AreaCentroid r = stemSliceProperties(a, d);
    EXPECT_TRUE(near(r.area, (top + bottom) / 2 * d, 1e-12));
    EXPECT_TRUE(near(r.y, d * (bottom + 2 * top) / (3 * (bottom + top)), 1e-12));
    const AreaCentroid whole = stemSliceProperties(a, 7.1);
    EXPECT_TRUE(near(whole.area, stemRect.area + batterTri.area, 1e-12));
}

TEST(LoadPolygons, SlabLoadOfTheToeIsMeasuredFromTheStemFace) {
    TAntei a = wall();
    const SlabLoad load = slabLoadByKey(a, "T_M", "T", "rc");
    const Part toe = combined({{3.5 * 0.7, 1.75, 0.35}, slopeTri, stripRect});
    EXPECT_TRUE(near(load.weight, 2.81 * 24.5, 1e-9));
    EXPECT_TRUE(near(load.lever, 3.5 - toe.cx, 1e-9));
    // The heel side of a toe polygon lies in front of the back face: no lever.
    EXPECT_EQ(slabLoadByKey(a, "T_M", "K", "rc").lever, 0.0);
    EXPECT_TRUE(near(slabLoadByKey(a, "TS_A", "T", "r9").weight, 5.9656 * 9, 1e-9));
}

// The run's table weighs each polygon with the unit weight of its body; water up to
// 1.0 m with γw = 10, γc = 24.5, γs = 20, the hand areas of the cases above.
TEST(LoadPolygonTable, EachPolygonWeighedWithTheUnitWeightOfItsBody) {
    const TAntei a = wall([](DesignConditions& d) {
        water(d, "1.0");
        d.waterUnitWeight.text = "10.0";
    });
    const LoadPolygonTable table = weighLoadPolygons(a);
    const double soilUnderWater = 3.5 * 0.3 - 0.36 + 0.002 * 0.1 / 2;
    const double toeShear = 3.05 * (0.7 + 0.7 + 0.2 * 3.05 / 3.4) / 2;
    const struct {
        const char* key;
        double area, unitWeight;
    } rows[] = {
        {"W_A", 6.6419, 24.5},
        {"W_FA", 4.042 * 1.0 - soilUnderWater, 10.0},
        {"TS_A", 5.9656, 20.0},
        {"TS_FA", soilUnderWater, 9.0},  // soil buoyancy at the fixed 9 kN/m3
        {"T_M", 3.5 * 0.7 + 0.34 + 0.02, 24.5},
        {"T_S", toeShear, 24.5},
        {"T_FS", toeShear, 10.0},
    };
    for (const auto& r : rows) {
        const PolygonWeight& w = table.of(r.key);
        EXPECT_TRUE(near(w.polygon.area, r.area, 1e-9)) << r.key;
        EXPECT_TRUE(near(w.W, r.area * r.unitWeight, 1e-9)) << r.key;
        EXPECT_TRUE(near(w.Iy, r.area * w.polygon.centroidX, 1e-9)) << r.key;
        EXPECT_TRUE(near(w.Ix, r.area * w.polygon.centroidY, 1e-9)) << r.key;
    }
    EXPECT_EQ(table.wallBody().q, 8) << "the outline's eight distinct corners";
    for (const char* key : {"T_FM", "TS_M", "TS_S", "TS_FM", "TS_FS"})
        EXPECT_NO_THROW(table.of(key)) << key;
    EXPECT_THROW(table.of("K_M"), std::out_of_range) << "no heel on this wall type";
}

TEST(SelfWeight, BodyAndFrontSoilOfTheStartValues) {
    TAntei a = wall([](DesignConditions& d) {
        d.seismicCase = 1;
        d.seismicLoadSet = 1;
        d.kh.text = "0.12";
    });
    computeBodyWeight(a);
    computeFrontSoilWeight(a);
    const Part body = combined({baseRect, slopeTri, stripRect, heelRect, stemRect, batterTri});
    EXPECT_TRUE(near(a.bodyWeight, 6.6419 * 24.5, 1e-9));
    EXPECT_TRUE(near(a.bodyInertia, 6.6419 * 24.5 * 0.12, 1e-9));
    EXPECT_TRUE(near(a.bodyMomentV, 6.6419 * 24.5 * body.cx, 1e-9));
    EXPECT_TRUE(near(a.bodyMomentH, 6.6419 * 24.5 * 0.12 * body.cy, 1e-9));
    // The front soil is weighed with the backfill's γs = 20, not γ2 = 18.
    EXPECT_TRUE(near(a.frontSoilWeight, 5.9656 * 20, 1e-9));
    EXPECT_TRUE(near(a.frontSoilInertia, 5.9656 * 20 * 0.12, 1e-9));
    EXPECT_EQ(a.soilSurchargeLoad, 0.0);
}

TEST(SelfWeight, BuoyancyUsesWaterForTheBodyAndNineForTheSoil) {
    TAntei dry = wall();
    computeBuoyancy(dry);
    EXPECT_EQ(dry.bodyBuoyancy, 0.0);
    EXPECT_EQ(dry.soilBuoyancy, 0.0);
    EXPECT_EQ(dry.bodyBuoyancyMoment, 0.0);

    TAntei wet = wall([](DesignConditions& d) {
        water(d, "1.0");
        d.waterUnitWeight.text = "10.0";
    });
    computeBuoyancy(wet);
    // Up to 1.0 m: the base block 4.042 × 1.0 less the front soil under water and
    // the part of the batter sliver in front of the stem face above 0.9.
    const double soil = 3.5 * 0.3 - 0.36 + 0.002 * 0.1 / 2;
    EXPECT_TRUE(near(wet.soilBuoyancy, soil * 9, 1e-9));
    EXPECT_TRUE(near(wet.bodyBuoyancy, (4.042 * 1.0 - soil) * 10.0, 1e-9));
    EXPECT_TRUE(near(wet.bodyBuoyancyMoment, wet.bodyBuoyancy * wet.bodyBuoyancyX, 1e-12));
}

// With the front ground at the base's bottom (passive pressure off, Ho 0) and water
// up to 1.4 m there is no front soil: its submerged outline runs the wrong way round
// and encloses no body, so it neither weighs nor lifts, on the whole wall or on the toe.
TEST(SelfWeight, AnInvertedOutlineHasNoWeightAndNoBuoyancy) {
    TAntei a = wall([](DesignConditions& d) {
        d.hasPassive.on = false;
        d.effectiveEmbedDepth.text = "0.0";
        water(d, "1.4");
    });
    ASSERT_LT(polygonProperties(a, "TS_FA").area, 0.0);
    computeFrontSoilWeight(a);
    computeBuoyancy(a);
    EXPECT_EQ(a.frontSoilWeight, 0.0);
    EXPECT_EQ(a.soilBuoyancy, 0.0);
    EXPECT_EQ(a.soilBuoyancyMoment, 0.0);
    EXPECT_GT(a.bodyBuoyancy, 0.0);
    for (const char* key : {"TS_FM", "TS_FS"})
        EXPECT_EQ(slabLoadByKey(a, key, "T", "r9").weight, 0.0) << key;
}

}  // namespace
}  // namespace marvoten
