#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "calc/stability_loads.h"
#include "report/other_loads_report.h"

namespace marvoten {
namespace {

struct Written {
    TAntei a;
    CalculationBook book;
};

std::unique_ptr<Written> write(const std::function<void(DesignConditions&)>& change = {}) {
    auto w = std::make_unique<Written>();
    DesignConditions dc;
    if (change) change(dc);
    computeStabilityLoads(w->a, dc);
    w->book.resetResultTables();
    writeOtherLoadsText(w->a, dc, w->book);
    writeLoadList(w->a, w->book);
    return w;
}

bool rowIsAbsent(const TableSection& t, int row) {
    for (int c = 1; c <= 6; ++c)
        if (t.cell(c, row) != "---") return false;
    return true;
}

// Start values: Kp = tan²(57.5°) = 2.46391, Pp = Kp·18·2.5²/2 = 138.595 kN.
TEST(LoadList, StartValuesWriteBodyFrontSoilActivePassiveAndTotal) {
    const auto w = write();
    const TableSection& t = w->book.table(TableId::LoadListTable);
    for (int row : {1, 2, 4, 10}) EXPECT_FALSE(rowIsAbsent(t, row)) << row;
    for (int row : {3, 6, 7, 8, 9}) EXPECT_TRUE(rowIsAbsent(t, row)) << row;
    const double Kp = std::pow(std::tan(57.5 * std::numbers::pi / 180), 2);
    char expected[32];
    std::snprintf(expected, sizeof expected, "(%.2fkN)", Kp * 18 * 6.25 / 2);
    EXPECT_EQ(t.cell(2, 5), expected);
    for (int c : {1, 3, 4, 5, 6}) EXPECT_EQ(t.cell(c, 5), "---");
    // W = 6.6419·24.5; the body has no inertia in the normal case.
    EXPECT_EQ(t.cell(1, 1), "162.73kN");
    EXPECT_EQ(t.cell(2, 1), "0.00kN");
    EXPECT_EQ(t.cell(3, 4), "4.042m");
    EXPECT_EQ(t.cell(4, 4), "2.667m");
    EXPECT_EQ(t.cell(3, 10), "---");
    EXPECT_EQ(t.cell(4, 10), "---");
}

// 30 kN over L = 5 m: 6.00 kN at H + H3 = 8.6 m, 51.60 kNm.
TEST(LoadList, CollisionRow) {
    const auto w = write([](DesignConditions& d) {
        d.hasCollision.on = true;
        d.collisionLoad.text = "30";
        d.collisionHeight.text = "0.6";
    });
    const TableSection& t = w->book.table(TableId::LoadListTable);
    EXPECT_EQ(t.cell(2, 9), "6.00kN");
    EXPECT_EQ(t.cell(4, 9), "8.600m");
    EXPECT_EQ(t.cell(6, 9), "51.60kNm");
    EXPECT_EQ(t.cell(1, 9), "---");
}

// Water within the base (0.5 m): Pw = 9.8·0.25/2 = 1.225 kN at 0.167 m; the body's
// uplift 4.042·0.5·9.8 = 19.81 kN acts at B/2 = 2.021 m and is listed negative.
TEST(LoadList, WaterAndBuoyancyRows) {
    const auto w = write([](DesignConditions& d) {
        d.hasWater.on = true;
        d.waterDepth.text = "0.5";
        d.waterUnitWeight.text = "9.8";
    });
    const TableSection& t = w->book.table(TableId::LoadListTable);
    EXPECT_EQ(t.cell(2, 6), "1.23kN");
    EXPECT_EQ(t.cell(4, 6), "0.167m");
    EXPECT_EQ(t.cell(1, 7), "-19.81kN");
    EXPECT_EQ(t.cell(3, 7), "2.021m");
    EXPECT_EQ(t.cell(2, 7), "---");
}

// A genuine value of exactly −99 is indistinguishable from the absent mark.
TEST(LoadList, MinusNinetyNineShowsAsAbsent) {
    TAntei a;
    a.bodyWeight = 100;
    a.bodyCentroidX = -99;
    CalculationBook book;
    writeLoadList(a, book);
    EXPECT_EQ(book.table(TableId::LoadListTable).cell(3, 1), "---");
    EXPECT_EQ(book.table(TableId::LoadListTable).cell(1, 1), "100.00kN");
}

std::vector<std::string> blockHeads(const TextSection& t) {
    std::vector<std::string> r;
    for (const std::string& l : t.upper().lines())
        for (const char* head : {"①", "②", "③", "④", "⑤"})
            if (l.rfind(head, 0) == 0) r.push_back(l);
    return r;
}

TEST(OtherLoadsText, StartValues) {
    const auto w = write();
    const TextSection& t = w->book.text(TextId::OtherLoadsText);
    EXPECT_EQ(t.line(0), "２．その他の荷重");
    EXPECT_EQ(blockHeads(t), (std::vector<std::string>{
                                 "①受働土圧(Pp)", "②水圧        ：なし ", "③風荷重      ：なし ",
                                 "④衝突荷重    ：なし ", "⑤浮力        ：なし "}));
    EXPECT_EQ(t.line(3), "  Pp=Kp･--------+2･C√Kp=138.60kN");
    EXPECT_EQ(t.line(7), "    Ho(有効根入長)    =2.500m");
    EXPECT_EQ(t.line(10), "    Kp=-----------    =2.46");
    EXPECT_EQ(t.line(t.lineCount() - 1), "⑤浮力        ：なし ");
}

TEST(OtherLoadsText, PassiveOffWithoutCohesionSaysNone) {
    const auto w = write([](DesignConditions& d) {
        d.hasPassive.on = false;
        d.effectiveEmbedDepth.text = "0.0";
    });
    EXPECT_EQ(w->book.text(TextId::OtherLoadsText).line(1), "①受働土圧(Pp)：なし");
    EXPECT_TRUE(rowIsAbsent(w->book.table(TableId::LoadListTable), 5));
}

// Passive off but c2 > 0: Pp = 2·c2·√Kp is listed and printed though not used.
TEST(OtherLoadsText, PassiveOffWithCohesionIsStillListed) {
    const auto w = write([](DesignConditions& d) {
        d.hasPassive.on = false;
        d.effectiveEmbedDepth.text = "0.0";
        d.embedCohesion.text = "5";
    });
    EXPECT_EQ(w->book.text(TextId::OtherLoadsText).line(1), "①受働土圧(Pp)");
    EXPECT_EQ(w->book.table(TableId::LoadListTable).cell(2, 5), "(15.70kN)");  // 10·√2.4639
}

TEST(OtherLoadsText, WaterWindCollisionAndBuoyancyBlocks) {
    const auto w = write([](DesignConditions& d) {
        d.hasWater.on = true;
        d.waterDepth.text = "1.0";
        d.waterUnitWeight.text = "10.0";
        d.hasWind.on = true;
        d.barrierHeight.text = "2.0";
        d.windPressure.text = "1.0";
        d.hasCollision.on = true;
        d.collisionLoad.text = "30";
        d.collisionHeight.text = "0.6";
    });
    const TextSection& t = w->book.text(TextId::OtherLoadsText);
    EXPECT_EQ(blockHeads(t), (std::vector<std::string>{"①受働土圧(Pp)", "②水圧", "③風荷重",
                                                       "④衝突荷重", "⑤浮力"}));
    const auto& lines = t.upper().lines();
    auto has = [&](const std::string& l) {
        return std::find(lines.begin(), lines.end(), l) != lines.end();
    };
    // Submerged passive layers: 1.5 m dry, 1.0 m under water, γ2 − 9 = 9.
    EXPECT_TRUE(has("    γw(土の水中重量) =9.00kN/m3"));
    EXPECT_TRUE(has("    H1 (γ の層厚)    =1.500m"));
    EXPECT_TRUE(has("    H2 (γwの層厚)    =1.000m"));
    EXPECT_TRUE(has("  Pw(水圧)=---------  =5.00kN"));
    EXPECT_TRUE(has("    Hp(作用点)        =0.333m"));
    EXPECT_TRUE(has("  Pf(風荷重)=H･P      =2.00kN"));
    EXPECT_TRUE(has("    Hp(作用点)        =9.000m"));
    EXPECT_TRUE(has("  Pf(衝突荷重)=P/L    =6.00kN"));
    EXPECT_TRUE(has("    L (擁壁長)        =5.000m"));
    EXPECT_TRUE(has("  擁壁の浮力"));
}

}  // namespace
}  // namespace marvoten
