#include "report/calculation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "platform/number_text.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using D = DesignConditions;

class CalculationRun : public ::testing::Test {
protected:
    CalculationBook book;
    ResultsView view{book};
    std::vector<std::string> calls;
    GroundReactionCase reaction = GroundReactionCase::Trapezoid;
    double r1 = -1;
    double wallHeight = 0;

    RunStages stages() {
        RunStages s;
        s.refused = [this](const D&) {
            calls.push_back("validate");
            return false;
        };
        s.computeStability = [this](TAntei& a, const D&) {
            calls.push_back("stability");
            a.reactionCase = reaction;
        };
        s.writeConditionsPage = [this](const TAntei&, const D&, CalculationBook&, double reach) {
            calls.push_back("conditions");
            r1 = reach;
        };
        s.writeStabilityReport = [this](TAntei&, const D&, CalculationBook&) {
            calls.push_back("stabilityReport");
        };
        s.writeLoadDiagram = [this](const TAntei&, const D&, CalculationBook&, double, double H,
                                    double) {
            calls.push_back("loadDiagram");
            wallHeight = H;
        };
        s.designStem = [this](TAntei&, const D&, CalculationBook&) {
            calls.push_back("designStem");
        };
        s.repaintEditor = [this] { calls.push_back("repaint"); };
        return s;
    }

    bool rowIsAbsent(int row) const {
        const TableSection& t = book.table(TableId::LoadListTable);
        for (int c = 1; c <= 6; ++c)
            if (t.cell(c, row) != "---") return false;
        return true;
    }
};

TEST_F(CalculationRun, RefusedByValidationLeavesTheBookAlone) {
    book.text(TextId::SelfWeightText).addLine("previous");
    RunStages s = stages();
    s.refused = [](const D&) { return true; };
    runCalculation(D{}, book, view, s);
    EXPECT_FALSE(view.visible());
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(book.text(TextId::SelfWeightText).line(0), "previous");
    EXPECT_EQ(book.table(TableId::LoadListTable).cell(1, 1), "");
}

TEST_F(CalculationRun, StartValuesRunEveryStepInOrder) {
    runCalculation(D{}, book, view, stages());
    EXPECT_EQ(calls,
              (std::vector<std::string>{"validate", "stability", "conditions", "stabilityReport",
                                        "loadDiagram", "designStem", "repaint"}));
    EXPECT_TRUE(view.visible());
    EXPECT_EQ(view.selectedPage(), PageId::PageLoads);
    EXPECT_GT(r1, 0.0);
    EXPECT_DOUBLE_EQ(wallHeight, 8.0);
    for (int row : {1, 2, 4, 5, 10}) EXPECT_FALSE(rowIsAbsent(row)) << row;
    for (int row : {3, 6, 7, 8, 9}) EXPECT_TRUE(rowIsAbsent(row)) << row;
    EXPECT_EQ(book.text(TextId::SelfWeightText).line(0), "荷重の計算");
    EXPECT_EQ(book.text(TextId::EarthPressureText).line(0), "１．土圧計算");
    EXPECT_EQ(book.text(TextId::OtherLoadsText).line(0), "２．その他の荷重");
    EXPECT_GT(book.figure(FigureId::EarthPressureFigure).series(1).pointCount(), 0u);
}

TEST_F(CalculationRun, IncalculableGroundReactionEmptiesTheMemberSections) {
    book.text(TextId::StemForcesText).upper().addLine("old");
    book.text(TextId::StemForcesText).lower().addLine("old");
    book.text(TextId::AnchorageText).upper().addLine("old");
    book.text(TextId::AnchorageText).lower().addLine("kept");
    book.text(TextId::KeyStressText).addLine("old");
    book.figure(FigureId::ToeReactionFigure).series(1).addPoint(1, 1, " ");
    reaction = GroundReactionCase::Incalculable;
    runCalculation(D{}, book, view, stages());
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "designStem"), 0);
    EXPECT_EQ(book.text(TextId::StemForcesText).upper().lineCount(), 0u);
    EXPECT_EQ(book.text(TextId::StemForcesText).lower().lineCount(), 0u);
    EXPECT_EQ(book.text(TextId::AnchorageText).upper().lineCount(), 0u);
    EXPECT_EQ(book.text(TextId::AnchorageText).lower().line(0), "kept");
    EXPECT_EQ(book.text(TextId::KeyStressText).lineCount(), 0u);
    EXPECT_EQ(book.figure(FigureId::ToeReactionFigure).series(1).pointCount(), 0u);
    // The load pages are complete.
    EXPECT_FALSE(rowIsAbsent(10));
}

// Regression: rows the second run does not write must not show the first run's values.
TEST_F(CalculationRun, SecondRunWithoutWaterLeavesNoStaleRows) {
    D wet;
    wet.hasWater.on = true;
    wet.waterDepth.text = "1.0";
    wet.waterUnitWeight.text = "9.8";
    runCalculation(wet, book, view, stages());
    EXPECT_FALSE(rowIsAbsent(6));
    EXPECT_FALSE(rowIsAbsent(7));
    const int wetSlabRows = book.table(TableId::SlabLoadTable).rowCount();
    runCalculation(D{}, book, view, stages());
    EXPECT_TRUE(rowIsAbsent(6));
    EXPECT_TRUE(rowIsAbsent(7));
    EXPECT_LT(book.table(TableId::SlabLoadTable).rowCount(), wetSlabRows);
    EXPECT_EQ(book.figure(FigureId::StabilityLoadFigure).series(4).pointCount(), 0u);
}

// Every option on, so that every number field of the loads is read.
D everythingOn() {
    D d;
    d.seismicCase = 1;
    d.kh.text = "0.12";
    d.hasWater.on = true;
    d.waterDepth.text = "1.0";
    d.waterUnitWeight.text = "9.8";
    d.hasCollision.on = true;
    d.collisionLoad.text = "30";
    d.collisionHeight.text = "0.6";
    d.hasWind.on = true;
    d.barrierHeight.text = "1.0";
    d.windPressure.text = "1.0";
    d.backfillShape = 2;
    d.slopeRatio.text = "1.5";
    d.embankmentHeight.text = "2000";
    d.hasShearKey = 1;
    d.keyPosition.text = "800";
    d.keyWidth.text = "500";
    d.keyHeight.text = "400";
    return d;
}

// Fields this run does not read: the editor's seismic-coefficient helpers (kh is
// kept equal to their product) and the overturning safety factors of the stability
// checks.
const std::set<std::string> notReadByTheLoads{"khStandard", "regionFactor", "safetyFactorNormal",
                                              "safetyFactorSeismic"};

TEST_F(CalculationRun, EveryNumberFieldThatIsNotANumberStopsTheRunNamingIt) {
    runCalculation(everythingOn(), book, view, stages());
    const std::string previousText = book.text(TextId::SelfWeightText).line(0);
    ASSERT_FALSE(rowIsAbsent(1));
    for (const std::string& name : notReadByTheLoads)
        EXPECT_TRUE(std::any_of(numberFields().begin(), numberFields().end(),
                                [&](const NumberFieldInfo& f) { return f.name == name; }))
            << name << " is a number field";
    for (const NumberFieldInfo& f : numberFields()) {
        if (notReadByTheLoads.count(f.name)) continue;
        D dc = everythingOn();
        (dc.*f.member).text = "abc";
        calls.clear();
        EXPECT_TRUE(marvoten::testing::throwsWithMessage<ConversionError>(
            [&] { runCalculation(dc, book, view, stages()); },
            std::string(f.label) + "：'abc' は数値ではありません"))
            << f.name;
        // Stopped at the gathering: the tables were reset, the texts keep the
        // previous run's contents, and no later step ran.
        EXPECT_TRUE(rowIsAbsent(1)) << f.name;
        EXPECT_EQ(book.text(TextId::SelfWeightText).line(0), previousText) << f.name;
        EXPECT_EQ(calls, std::vector<std::string>{"validate"}) << f.name;
    }
}

bool bookHasNoNaN(const CalculationBook& book) {
    auto bad = [](const std::string& s) { return testing::showsNonFinite(s); };
    for (TextId id : {TextId::SelfWeightText, TextId::SlabSelfWeightText, TextId::EarthPressureText,
                      TextId::OtherLoadsText})
        for (const std::string& l : book.text(id).upper().lines())
            if (bad(l)) return false;
    for (TableId id : {TableId::StabilityPointTable, TableId::SlabLoadTable,
                       TableId::SlabPointTable, TableId::LoadListTable}) {
        const TableSection& t = book.table(id);
        for (int r = 0; r < t.rowCount(); ++r)
            for (int c = 0; c < t.columnCount(); ++c)
                if (bad(t.cell(c, r))) return false;
    }
    for (const FigureSeries& s : book.figure(FigureId::EarthPressureFigure).allSeries())
        for (const FigurePoint& p : s.points())
            if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    return true;
}

TEST_F(CalculationRun, NoNaNReachesTheBook) {
    const std::vector<std::function<void(D&)>> variants{
        [](D&) {},
        [](D& d) { d = everythingOn(); },
        [](D& d) { d.backfillCohesion.text = "200"; },  // no active pressure
        [](D& d) { d.backfillPhi.text = "0"; },
        [](D& d) { d.stemHeight.text = "0"; },
        [](D& d) {
            d.hasWater.on = true;
            d.waterDepth.text = "8.0";
            d.waterUnitWeight.text = "10.0";
        },
    };
    for (std::size_t i = 0; i < variants.size(); ++i) {
        D dc;
        variants[i](dc);
        runCalculation(dc, book, view, stages());
        EXPECT_TRUE(bookHasNoNaN(book)) << "variant " << i;
    }
}

TEST_F(CalculationRun, MemberFigureTitlesFollowTheShearKey) {
    D dc;
    runCalculation(dc, book, view, stages());
    EXPECT_EQ(book.figure(FigureId::ToeReactionFigure).title(), "図:つま先版地盤反力");
    EXPECT_EQ(book.figure(FigureId::KeyFigure).title(), "図")
        << "the book's own title without a key";
    dc.hasShearKey = 1;
    dc.keyPosition.text = "800";
    dc.keyWidth.text = "500";
    dc.keyHeight.text = "400";
    runCalculation(dc, book, view, stages());
    EXPECT_EQ(book.figure(FigureId::KeyFigure).title(), "図:突起地盤反力");
}

}  // namespace
}  // namespace marvoten
