#include "calc/design_run.h"

#include <gtest/gtest.h>

#include <functional>

#include "calc/ground_reaction.h"
#include "calc/stability_loads.h"
#include "platform/number_text.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using D = DesignConditions;

struct RunCase {
    const char* name;
    std::function<void(D&)> change;
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

// The loads and the stability stage alone, without the curve or the members.
TAntei stabilityAlone(const D& dc) {
    TAntei a;
    computeStabilityLoads(a, dc);
    computeStability(a);
    return a;
}

class Stages : public ::testing::TestWithParam<RunCase> {
protected:
    D dc;
    void SetUp() override {
        if (GetParam().change) GetParam().change(dc);
    }
};

// The stem runs a trial wedge at every section and the curve one at every slip
// angle: neither may leave its wedge in the object the slabs and the book read.
TEST_P(Stages, MemberDesignAndCurveLeaveTheWholeWallAsTheStabilityStageLeftIt) {
    const DesignRun run = runStages(dc);
    ASSERT_TRUE(run.members.has_value());
    EXPECT_TRUE(run.a == stabilityAlone(dc));
}

// The verdicts are judged before the member design and the curve run their wedges.
TEST_P(Stages, VerdictsAreThoseOfTheStabilityStage) {
    const DesignRun run = runStages(dc);
    EXPECT_TRUE(run.verdicts == judgeStability(stabilityAlone(dc)));
}

// The curve is the stability wedge's: its critical angle is the run's slip angle,
// not that of a stem section.
TEST_P(Stages, SlipAngleCurveIsTheStabilityWedges) {
    const DesignRun run = runStages(dc);
    EXPECT_EQ(run.slipCurve.critical.omega, run.a.slipAngle);
    EXPECT_FALSE(run.slipCurve.points.empty());
}

// The toe slab is limited by the stem's fixed-end moment and designed on the whole
// wall's reactions, whatever earth-pressure method the stem's sections used.
TEST_P(Stages, ToeSlabTakesTheStemsFixedEndMoment) {
    const DesignRun run = runStages(dc);
    ASSERT_TRUE(run.members.has_value());
    const MemberDesign& m = *run.members;
    EXPECT_EQ(m.toe.M0, m.stem.M0);
    EXPECT_EQ(m.toe.Md, std::min(m.toe.MRoot, m.stem.M0));
    EXPECT_EQ(m.toe.loads.q1, run.a.q1);
    EXPECT_EQ(m.toe.loads.QsRoot, run.a.Rf);
    EXPECT_EQ(m.key.hasKey, dc.hasShearKey == 1);
}

INSTANTIATE_TEST_SUITE_P(Designs, Stages,
                         ::testing::Values(RunCase{"StartValues", {}},
                                           RunCase{"WedgeAtEveryStemSection",
                                                   [](D& d) { d.stemPressureMethod = 0; }},
                                           RunCase{"KeyWaterSeismic",
                                                   [](D& d) {
                                                       d.hasShearKey = 1;
                                                       d.keyPosition.text = "800";
                                                       d.keyWidth.text = "500";
                                                       d.keyHeight.text = "400";
                                                       d.hasWater.on = true;
                                                       d.waterDepth.text = "1.0";
                                                       d.seismicCase = 1;
                                                       d.kh.text = "0.12";
                                                   }}),
                         [](const auto& info) { return std::string(info.param.name); });

// A toe too short to hold the wall: the resultant leaves the base, so the run has
// the loads and stability results but no member design.
TEST(Stages, IncalculableGroundReactionHasNoMemberDesign) {
    D dc;
    dc.toeWidth.text = "300";
    dc.baseWidth.text = "842";
    const DesignRun run = runStages(dc);
    EXPECT_EQ(run.a.reactionCase, GroundReactionCase::Incalculable);
    EXPECT_FALSE(run.members.has_value());
    EXPECT_GT(run.a.sumV, 0);
}

TEST(Stages, TextThatIsNotANumberStopsAtTheGathering) {
    D dc;
    dc.stemHeight.text = "abc";
    EXPECT_THROW(runStages(dc), ConversionError);
}

}  // namespace
}  // namespace marvoten
