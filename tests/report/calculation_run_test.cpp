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
    StabilityHeadings headings;
    PrintedPageLabels pageLabels;
    std::vector<BookChange> announcements;

    void SetUp() override {
        book.setListener([this](const BookChange& c) { announcements.push_back(c); });
    }
    void run(const D& dc) { runCalculation(dc, "擁壁", book, view, headings, pageLabels); }

    bool rowIsAbsent(int row) const {
        const TableSection& t = book.table(TableId::LoadListTable);
        for (int c = 1; c <= 6; ++c)
            if (t.cell(c, row) != "---") return false;
        return true;
    }
};

// A toe too short to hold the wall: the resultant falls outside the base, so no
// ground reaction can be computed.
D overturningWall() {
    D d;
    d.toeWidth.text = "300";
    d.baseWidth.text = "842";
    return d;
}

TEST_F(CalculationRun, StartValuesFillEveryPageAndAnnounceOnceAtTheEnd) {
    EXPECT_FALSE(view.visible());
    run(D{});
    EXPECT_TRUE(view.visible());
    EXPECT_EQ(announcements.back().flags, BookChange::everything);
    // The first run also shows the window, which lays out its tables; a later
    // run is one announcement.
    announcements.clear();
    run(D{});
    ASSERT_EQ(announcements.size(), 1u);
    EXPECT_EQ(announcements[0].flags, BookChange::everything);
    EXPECT_EQ(view.selectedPage(), PageId::PageLoads);
    for (int row : {1, 2, 4, 5, 10}) EXPECT_FALSE(rowIsAbsent(row)) << row;
    for (int row : {3, 6, 7, 8, 9}) EXPECT_TRUE(rowIsAbsent(row)) << row;
    EXPECT_GT(book.text(TextId::ContentsText).upper().lineCount(), 0u);
    EXPECT_EQ(book.text(TextId::SelfWeightText).line(0), "荷重の計算");
    EXPECT_EQ(book.text(TextId::EarthPressureText).line(0), "１．土圧計算");
    EXPECT_EQ(book.text(TextId::OtherLoadsText).line(0), "２．その他の荷重");
    EXPECT_GT(book.figure(FigureId::EarthPressureFigure).series(1).pointCount(), 0u);
    EXPECT_EQ(headings.of(StabilityCheck::Sliding).text, "1.滑動に対する安定( OK )");
    EXPECT_GT(book.figure(FigureId::LoadDiagramFigure).series(2).pointCount(), 0u);
    // The member design: the stem, then the slabs with the stem's fixed-end
    // moment, then the stem's bar figure.
    EXPECT_EQ(book.table(TableId::StemStressTable).cell(4, 8), "D29@125");
    EXPECT_EQ(book.text(TextId::AnchorageText).upper().line(0), "(f)主鉄筋の定着位置の計算");
    EXPECT_GT(book.text(TextId::ToeForcesText).lineCount(), 0u);
    EXPECT_GT(book.text(TextId::KeyForcesText).lineCount(), 0u);
    EXPECT_EQ(book.figure(FigureId::StemStressFigure).series(2).pointCount(), 2u);
}

TEST_F(CalculationRun, IncalculableGroundReactionEmptiesTheMemberSections) {
    run(D{});
    book.text(TextId::AnchorageText).lower().clear();
    book.text(TextId::AnchorageText).lower().addLine("kept");
    announcements.clear();
    run(overturningWall());
    ASSERT_EQ(announcements.size(), 1u);
    EXPECT_EQ(book.text(TextId::StemForcesText).upper().lineCount(), 0u);
    EXPECT_EQ(book.text(TextId::StemForcesText).lower().lineCount(), 0u);
    EXPECT_EQ(book.text(TextId::AnchorageText).upper().lineCount(), 0u);
    EXPECT_EQ(book.text(TextId::AnchorageText).lower().line(0), "kept");
    EXPECT_EQ(book.text(TextId::KeyStressText).lineCount(), 0u);
    EXPECT_EQ(book.figure(FigureId::ToeReactionFigure).series(1).pointCount(), 0u);
    EXPECT_EQ(book.figure(FigureId::StemStressFigure).series(2).pointCount(), 0u);
    EXPECT_EQ(book.table(TableId::StemStressTable).cell(4, 8), "---");
    // The load and stability pages are complete; the load diagram has no reaction.
    EXPECT_FALSE(rowIsAbsent(10));
    EXPECT_GT(book.text(TextId::OverturningText).lineCount(), 0u);
    EXPECT_EQ(book.figure(FigureId::LoadDiagramFigure).series(2).pointCount(), 0u);
}

// Regression: rows the second run does not write must not show the first run's values.
TEST_F(CalculationRun, SecondRunWithoutWaterLeavesNoStaleRows) {
    D wet;
    wet.hasWater.on = true;
    wet.waterDepth.text = "1.0";
    wet.waterUnitWeight.text = "9.8";
    run(wet);
    EXPECT_FALSE(rowIsAbsent(6));
    EXPECT_FALSE(rowIsAbsent(7));
    const int wetSlabRows = book.table(TableId::SlabLoadTable).rowCount();
    run(D{});
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
    run(everythingOn());
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
        announcements.clear();
        EXPECT_TRUE(marvoten::testing::throwsWithMessage<ConversionError>(
            [&] { run(dc); }, std::string(f.label) + "：'abc' は数値ではありません"))
            << f.name;
        // Stopped at the gathering: the tables were reset, the texts keep the
        // previous run's contents, and the window still hears of it once.
        EXPECT_TRUE(rowIsAbsent(1)) << f.name;
        EXPECT_EQ(book.text(TextId::SelfWeightText).line(0), previousText) << f.name;
        EXPECT_EQ(announcements.size(), 1u) << f.name;
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
        run(dc);
        EXPECT_TRUE(bookHasNoNaN(book)) << "variant " << i;
    }
}

TEST_F(CalculationRun, MemberFigureTitlesFollowTheShearKey) {
    D dc;
    run(dc);
    EXPECT_EQ(book.figure(FigureId::ToeReactionFigure).title(), "図:つま先版地盤反力");
    EXPECT_EQ(book.figure(FigureId::KeyFigure).title(), "図")
        << "the book's own title without a key";
    dc.hasShearKey = 1;
    dc.keyPosition.text = "800";
    dc.keyWidth.text = "500";
    dc.keyHeight.text = "400";
    run(dc);
    EXPECT_EQ(book.figure(FigureId::KeyFigure).title(), "図:突起地盤反力");
}

}  // namespace
}  // namespace marvoten
