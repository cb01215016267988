// The book's fixed shape, checked against the page, table and figure lists of
// the results document as the engineers' book prints them.
#include "book/calculation_book.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace marvoten {
namespace {

std::string kindOf(const CalculationBook& book, const SectionId& id) {
    (void)book;
    if (std::holds_alternative<TextId>(id)) return "text";
    if (std::holds_alternative<TableId>(id)) return "table";
    return "figure";
}

// page caption, sub-tab, group caption, section, kind — in book order.
struct PageRow {
    std::string page;
    std::string subTab;
    std::string group;
    std::string section;
    std::string kind;
};

const std::vector<PageRow> bookOrder{
    {"Ⅰ．設計条件", "目次", "", "ContentsText", "text"},
    {"Ⅰ．設計条件", "設計条件", "設計条件", "ConditionsText", "text"},
    {"Ⅰ．設計条件", "設計条件", "Ce：Cpt：Cdcの補正係数表", "CeTable", "table"},
    {"Ⅰ．設計条件", "設計条件", "Ce：Cpt：Cdcの補正係数表", "CptTable", "table"},
    {"Ⅰ．設計条件", "設計条件", "Ce：Cpt：Cdcの補正係数表", "CdcTable", "table"},
    {"Ⅰ．設計条件", "設計条件", "擁壁形状(mm)", "WallShapeFigure", "figure"},
    {"Ⅱ-1．荷重計算", "Ⅱ-1．安定計算用", "１．自重計算", "SelfWeightText", "text"},
    {"Ⅱ-1．荷重計算", "Ⅱ-1．安定計算用", "2．座標", "StabilityPointTable", "table"},
    {"Ⅱ-1．荷重計算", "Ⅱ-1．安定計算用", "2．座標", "StabilityLoadFigure", "figure"},
    {"Ⅱ-1．荷重計算", "Ⅱ-2．底版構造計算用", "１．自重計算", "SlabSelfWeightText", "text"},
    {"Ⅱ-1．荷重計算", "Ⅱ-2．底版構造計算用", "１．自重計算", "SlabLoadTable", "table"},
    {"Ⅱ-1．荷重計算", "Ⅱ-2．底版構造計算用", "2．座標", "SlabPointTable", "table"},
    {"Ⅱ-1．荷重計算", "Ⅱ-2．底版構造計算用", "2．座標", "SlabLoadFigure", "figure"},
    {"Ⅱ-3．荷重計算", "", "１．土圧", "EarthPressureText", "text"},
    {"Ⅱ-3．荷重計算", "", "１．土圧", "EarthPressureFigure", "figure"},
    {"Ⅱ-3．荷重計算", "", "２．その他の荷重", "OtherLoadsText", "text"},
    {"Ⅱ-3．荷重計算", "", "３．荷重一覧", "LoadListTable", "table"},
    {"Ⅲ-1．安定計算", "", "１．滑動に対する安定", "SlidingText", "text"},
    {"Ⅲ-1．安定計算", "", "２．転倒に対する安定", "OverturningText", "text"},
    {"Ⅲ-1．安定計算", "", "３．支持力に対する安定", "BearingText", "text"},
    {"Ⅲ-1．安定計算", "", "地盤反力", "GroundReactionFigure", "figure"},
    {"Ⅲ-1．安定計算", "", "４．鉛直支持力の照査", "UltimateBearingText", "text"},
    {"Ⅲ-2.荷重図", "", "", "LoadDiagramFigure", "figure"},
    {"Ⅲ-2.荷重図", "", "【荷重概要】", "LoadSummaryText", "text"},
    {"Ⅳ-1．構造(たて壁)", "断面力", "断面力の計算", "StemForcesText", "text"},
    {"Ⅳ-1．構造(たて壁)", "断面力", "断面力一覧表", "StemForcesTable", "table"},
    {"Ⅳ-1．構造(たて壁)", "鉄筋量、応力度", "鉄筋量、応力度の計算", "StemStressText", "text"},
    {"Ⅳ-1．構造(たて壁)", "鉄筋量、応力度", "鉄筋量、応力度一覧表", "StemStressTable", "table"},
    {"Ⅳ-1．構造(たて壁)", "鉄筋量、応力度", "鉄筋量、応力度一覧表", "StemStressFigure", "figure"},
    {"Ⅳ-1．構造(たて壁)", "定着位置", "定着位置の計算", "AnchorageText", "text"},
    {"Ⅳ-1．構造(たて壁)", "定着位置", "鉄筋定着長", "AnchorageFigureL1", "figure"},
    {"Ⅳ-1．構造(たて壁)", "定着位置", "鉄筋定着長", "AnchorageFigureL2", "figure"},
    {"Ⅳ-2．構造(底版)", "つま先版", "断面力", "ToeForcesText", "text"},
    {"Ⅳ-2．構造(底版)", "つま先版", "鉄筋量、応力度", "ToeStressText", "text"},
    {"Ⅳ-2．構造(底版)", "つま先版", "断面力、応力度", "ToeHalfDepthTable", "table"},
    {"Ⅳ-2．構造(底版)", "つま先版", "断面力、応力度", "ToeRootTable", "table"},
    {"Ⅳ-2．構造(底版)", "つま先版", "断面力、応力度", "ToeStressTable", "table"},
    {"Ⅳ-2．構造(底版)", "つま先版", "断面力、応力度", "ToeReactionFigure", "figure"},
    {"Ⅳ-2．構造(底版)", "突起", "断面力", "KeyForcesText", "text"},
    {"Ⅳ-2．構造(底版)", "突起", "鉄筋量、応力度", "KeyStressText", "text"},
    {"Ⅳ-2．構造(底版)", "突起", "断面力、応力度", "KeyTable", "table"},
    {"Ⅳ-2．構造(底版)", "突起", "断面力、応力度", "KeyFigure", "figure"},
};

TEST(BookShape, PagesSubTabsAndSectionsInBookOrder) {
    const CalculationBook book;
    std::vector<PageRow> actual;
    std::vector<std::string> pageCaptions;
    for (const auto& page : book.pages()) {
        pageCaptions.push_back(page.caption);
        EXPECT_TRUE(page.visible) << page.caption;
        for (const auto& entry : page.sections) {
            const std::string subTab =
                entry.subTab < 0 ? ""
                                 : page.subTabs.at(static_cast<std::size_t>(entry.subTab)).caption;
            actual.push_back({page.caption, subTab, book.groupCaption(entry.id),
                              book.sectionName(entry.id), kindOf(book, entry.id)});
        }
    }
    EXPECT_EQ(pageCaptions, (std::vector<std::string>{
                                "Ⅰ．設計条件", "Ⅱ-1．荷重計算", "Ⅱ-3．荷重計算", "Ⅲ-1．安定計算",
                                "Ⅲ-2.荷重図", "Ⅳ-1．構造(たて壁)", "Ⅳ-2．構造(底版)"}));
    ASSERT_EQ(actual.size(), bookOrder.size());
    for (std::size_t i = 0; i < bookOrder.size(); ++i) {
        const auto& e = bookOrder[i];
        const auto& a = actual[i];
        EXPECT_EQ(a.page, e.page) << "entry " << i << " " << e.section;
        EXPECT_EQ(a.subTab, e.subTab) << e.section;
        EXPECT_EQ(a.group, e.group) << e.section;
        EXPECT_EQ(a.section, e.section) << "entry " << i;
        EXPECT_EQ(a.kind, e.kind) << e.section;
    }
}

TEST(BookShape, SubTabsOfEachPage) {
    const CalculationBook book;
    const std::map<PageId, std::vector<std::string>> expected{
        {PageId::PageConditions, {"目次", "設計条件"}},
        {PageId::PageLoads, {"Ⅱ-1．安定計算用", "Ⅱ-2．底版構造計算用"}},
        {PageId::PageEarthPressure, {}},
        {PageId::PageStability, {}},
        {PageId::PageLoadDiagram, {}},
        {PageId::PageStem, {"断面力", "鉄筋量、応力度", "定着位置"}},
        {PageId::PageSlab, {"つま先版", "突起"}},
    };
    for (const auto& [id, captions] : expected) {
        std::vector<std::string> actual;
        for (const auto& t : book.page(id).subTabs) actual.push_back(t.caption);
        EXPECT_EQ(actual, captions) << book.page(id).caption;
    }
}

TEST(BookShape, TextSectionsHaveTheirBlocks) {
    const CalculationBook book;
    const std::vector<TextId> twoBlocks{TextId::ConditionsText, TextId::StemForcesText,
                                        TextId::AnchorageText};
    for (std::size_t i = 0; i < textSectionCount; ++i) {
        const auto id = static_cast<TextId>(i);
        const auto& t = book.text(id);
        const bool two = std::find(twoBlocks.begin(), twoBlocks.end(), id) != twoBlocks.end();
        EXPECT_EQ(t.blockCount(), two ? 2 : 1) << t.name();
        for (int b = 0; b < t.blockCount(); ++b) EXPECT_EQ(t.block(b).lineCount(), 0u) << t.name();
    }
    EXPECT_THROW(book.text(TextId::SelfWeightText).lower(), std::logic_error);
}

// Table sizes, widths, row heights and fixed cells. `row0` is the header row
// and `column0` the label column as shown (the label column is written last,
// so it decides cell (0,0)).
struct TableCase {
    TableId id;
    std::string name;
    int columns;
    int rows;
    std::vector<int> widths;
    int rowHeight;
    std::vector<std::string> row0;
    std::vector<std::string> column0;
    std::vector<std::string> row1;  // fixed data row, where there is one
};

const std::vector<TableCase> tableCases{
    {TableId::CeTable,
     "CeTable",
     6,
     2,
     {30, 30, 30, 30, 30, 35},
     17,
     {"d(mm)", "300", "1,000", "3,000", "5,000", "10,000"},
     {"d(mm)", "Ce"},
     {"Ce", "1.4", "1.0", "0.7", "0.6", "0.5"}},
    {TableId::CptTable,
     "CptTable",
     6,
     2,
     {30, 30, 30, 30, 30, 35},
     17,
     {"Pt(%)", "0.1", "0.2", "0.3", "0.5", "1.0以上"},
     {"Pt(%)", "Cpt"},
     {"Cpt", "0.7", "0.9", "1.0", "1.2", "1.5"}},
    {TableId::CdcTable,
     "CdcTable",
     6,
     2,
     {30, 30, 30, 30, 30, 35},
     17,
     {"a/d", "0.5", "1.0", "1.5", "2.0", "2.5"},
     {"a/d", "Cdc"},
     {"Cdc", "6.4", "4.0", "2.5", "1.6", "1.0"}},
    {TableId::StabilityPointTable,
     "StabilityPointTable",
     3,
     12,
     {62, 50, 50},
     16,
     {"", "", ""},
     {},
     {}},
    {TableId::SlabLoadTable,
     "SlabLoadTable",
     5,
     12,
     {90, 50, 50, 50, 50},
     16,
     {"-", "A(m2)", "W(kN)", "Iy(m3)", "X(m)"},
     {},
     {}},
    {TableId::SlabPointTable, "SlabPointTable", 3, 12, {90, 50, 50}, 16, {"", "", ""}, {}, {}},
    {TableId::LoadListTable,
     "LoadListTable",
     7,
     11,
     {55, 55, 55, 55, 55, 65, 65},
     16,
     {"区分", "鉛直力V", "水平力H", "作用点x", "作用点y", "ﾓｰﾒﾝﾄV･x", "ﾓｰﾒﾝﾄH･y"},
     {"区分", "躯体重量", "前面土", "載荷重", "主働土圧", "受働土圧", "水圧", "浮力", "風荷重",
      "衝突荷重", "合計"},
     {}},
    {TableId::StemForcesTable,
     "StemForcesTable",
     5,
     14,
     {65, 68, 68, 68, 68},
     17,
     {"断面力", "H=1/4", "H=2/4", "H=3/4", "固定部"},
     {"断面力", "計算位置", "土圧水平力", "土圧作用点", "土圧ﾓｰﾒﾝﾄ", "躯体重量", "地震慣性力",
      "地震作用点", "地震ﾓｰﾒﾝﾄ", "水圧水平力", "水圧作用点", "水圧ﾓｰﾒﾝﾄ", "Σﾓｰﾒﾝﾄ", "Σ剪断力"},
     {}},
    {TableId::StemStressTable,
     "StemStressTable",
     5,
     16,
     {80, 68, 68, 68, 68},
     17,
     {"-", "H=1/4", "H=2/4", "H=3/4", "固定部"},
     {"-", "計算位置", "たて壁厚", "曲げﾓｰﾒﾝﾄ", "剪断力(S)", "剪断力(Sh)", "必要鉄筋量",
      "使用鉄筋量", "鉄筋径@ﾋﾟｯﾁ", "圧縮応力度", "引張応力度", "平均剪断応力度", "許容剪断応力度",
      "Ce", "Pt(%):Cpt", "判定"},
     {}},
    {TableId::ToeHalfDepthTable,
     "ToeHalfDepthTable",
     6,
     5,
     {54, 42, 42, 42, 42, 47},
     17,
     {"-", "先端部", "H/2部", "V(kN)", "x(m)", "Vx(kNm)"},
     {"-", "自　重", "前面土", "地盤反力", "合計"},
     {}},
    {TableId::ToeRootTable,
     "ToeRootTable",
     6,
     5,
     {54, 42, 42, 42, 42, 47},
     17,
     {"-", "先端部", "付根部", "V(kN)", "x(m)", "Vx(kNm)"},
     {"-", "自　重", "前面土", "地盤反力", "合計"},
     {}},
    {TableId::ToeStressTable,
     "ToeStressTable",
     3,
     10,
     {75, 70, 70},
     17,
     {"-", "応力度等", "許容応力度"},
     {"-", "曲げﾓｰﾒﾝﾄ", "剪断力", "必要鉄筋量", "使用鉄筋量", "鉄筋径@ﾋﾟｯﾁ", "圧縮応力度",
      "引張応力度", "平均剪断応力度", "判定"},
     {}},
    {TableId::KeyTable,
     "KeyTable",
     3,
     10,
     {80, 70, 70},
     17,
     {"-", "応力度等", "許容応力度"},
     {"-", "曲げﾓｰﾒﾝﾄ", "剪断力", "必要鉄筋量", "使用鉄筋量", "鉄筋径@ﾋﾟｯﾁ", "圧縮応力度",
      "引張応力度", "平均剪断応力度", "判定"},
     {}},
};

TEST(BookShape, TablesAtStartUp) {
    const CalculationBook book;
    ASSERT_EQ(tableCases.size(), tableSectionCount);
    for (const auto& c : tableCases) {
        SCOPED_TRACE(c.name);
        const auto& t = book.table(c.id);
        EXPECT_EQ(t.name(), c.name);
        EXPECT_EQ(t.columnCount(), c.columns);
        EXPECT_EQ(t.rowCount(), c.rows);
        EXPECT_EQ(t.columnWidths(), c.widths);
        EXPECT_EQ(t.rowHeight(), c.rowHeight);
        for (int col = 0; col < c.columns; ++col) {
            EXPECT_EQ(t.cell(col, 0), c.row0.at(static_cast<std::size_t>(col))) << "column " << col;
            if (!c.row1.empty()) {
                EXPECT_EQ(t.cell(col, 1), c.row1.at(static_cast<std::size_t>(col)));
            }
        }
        for (int row = 0; row < c.rows; ++row) {
            const std::string expected = c.column0.empty()
                                             ? (row == 0 ? c.row0[0] : "")
                                             : c.column0.at(static_cast<std::size_t>(row));
            EXPECT_EQ(t.cell(0, row), expected) << "row " << row;
        }
        // Data cells other than the fixed ones are empty at start-up.
        for (int row = c.row1.empty() ? 1 : 2; row < c.rows; ++row)
            for (int col = 1; col < c.columns; ++col)
                EXPECT_EQ(t.cell(col, row), "") << col << "," << row;
    }
}

// Colours of the figures by the names the figure list uses.
const std::map<std::string, Rgb> namedColours{
    {"black", {0, 0, 0}},       {"maroon", {128, 0, 0}},   {"green", {0, 128, 0}},
    {"olive", {128, 128, 0}},   {"navy", {0, 0, 128}},     {"purple", {128, 0, 128}},
    {"teal", {0, 128, 128}},    {"gray", {128, 128, 128}}, {"red", {255, 0, 0}},
    {"lime", {0, 255, 0}},      {"yellow", {255, 255, 0}}, {"blue", {0, 0, 255}},
    {"fuchsia", {255, 0, 255}}, {"aqua", {0, 255, 255}},
};

struct ExpectedSeries {
    int number = 0;
    std::string legend;
    Rgb colour;
    bool fast = false;
    int width = 1;
    bool labels = false;
    int distance = 0;
};

// Reads a series list written the way the figure list writes it:
// `1 "擁壁" black w2; 2 "地盤反力" RGB (128, 0, 255) labels -14; 3 red fast polyline`.
std::vector<ExpectedSeries> parseSeries(const std::string& text) {
    static const std::regex entry(
        R"re(^\s*(\d+)(?: "([^"]*)")?(?: \(no legend entry\))? (?:RGB \((\d+), (\d+), (\d+)\)|([a-z]+))( fast polyline)?( w2)?(?: labels (-?\d+))?\s*$)re");
    std::vector<ExpectedSeries> out;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ';')) {
        std::smatch m;
        if (!std::regex_match(item, m, entry)) {
            ADD_FAILURE() << "cannot read series entry '" << item << "'";
            continue;
        }
        ExpectedSeries s;
        s.number = std::stoi(m[1]);
        s.legend = m[2];
        if (m[6].matched)
            s.colour = namedColours.at(m[6]);
        else
            s.colour = {std::uint8_t(std::stoi(m[3])), std::uint8_t(std::stoi(m[4])),
                        std::uint8_t(std::stoi(m[5]))};
        s.fast = m[7].matched;
        s.width = m[8].matched ? 2 : 1;
        s.labels = m[9].matched;
        s.distance = m[9].matched ? std::stoi(m[9]) : 0;
        out.push_back(s);
    }
    return out;
}

struct FigureCase {
    FigureId id;
    std::string name;
    std::string title;
    bool leftTitle;
    std::string horizontalTitle;
    std::string horizontalFormat;
    std::string verticalTitle;
    std::string verticalFormat;
    bool verticalDownwards;
    bool legend;
    std::string series;
};

const std::vector<FigureCase> figureCases{
    {FigureId::WallShapeFigure, "WallShapeFigure", "擁壁外形図(mm)", false, "", "", "", "", false,
     false,
     "1 black w2; 2 green; 3 yellow; 4 blue labels -4; 5 gray labels -8; 6 fuchsia labels 4; 7 "
     "teal labels 4; 8 navy "
     "labels 4; 9 maroon labels 4; 10 lime labels 4; 11 olive labels 4; 12 purple labels 4"},
    {FigureId::StabilityLoadFigure, "StabilityLoadFigure", "点番号図", false, "", "", "", "", false,
     false, "1 black w2 labels -14; 2 green labels 4; 3 yellow labels 4; 4 red"},
    {FigureId::SlabLoadFigure, "SlabLoadFigure", "点番号図", false, "", "", "", "", false, false,
     "1 red; 2 green w2 labels -14; 3 yellow labels 4; 4 blue w2 labels -14; 5 gray labels 4; 6 "
     "fuchsia labels 4; 7 "
     "teal labels 4; 8 navy; 9 maroon labels 4; 10 lime labels 4"},
    {FigureId::EarthPressureFigure, "EarthPressureFigure", "すべり角～土圧図", false,
     "すべり角（度）", "0", "土圧(kN)", "#,##0", false, false,
     "1 red fast polyline; 2 green labels 2"},
    {FigureId::GroundReactionFigure, "GroundReactionFigure", "地盤反力", false, "", "", "", "",
     false, false, "1 red w2; 2 green labels 8"},
    {FigureId::LoadDiagramFigure, "LoadDiagramFigure", "荷重図(安定計算時)", false, "", "", "", "",
     false, true,
     "1 \"擁壁\" black w2; 2 \"地盤反力\" RGB (128, 0, 255) labels -14; 3 \"すべり面\" red labels "
     "-12; 4 \"載荷重\" "
     "lime labels 2; 5 \"地表\" RGB (128, 64, 0); 6 \"土圧\" blue labels 4; 7 \"水圧\" aqua labels "
     "2; 8 \"中央1/3点\" "
     "black w2; 9 \"中央1/3点\" black w2; 10 \"土圧作用点\" red; 11 \"Ph作用点\" red labels 0; 12 "
     "\"Pv作用点\" red "
     "labels 8; 13 (no legend entry) green"},
    {FigureId::StemStressFigure, "StemStressFigure", "図:たて壁鉄配筋", false, "幅(m)", "#,##0",
     "高さ(m)", "#,##0", false, false, "1 red w2; 2 green w2 labels 8"},
    {FigureId::AnchorageFigureL1, "AnchorageFigureL1", "L1(高さ～必要鉄筋量)", false,
     "×10 必要鉄筋量(mm2)", "#,##0", "高さ(m)", "#,##0", true, false,
     "1 \"必要鉄筋量\" black w2; 2 black labels 8"},
    {FigureId::AnchorageFigureL2, "AnchorageFigureL2", "L2(高さ～引張応力度)", false,
     "×10　引張応力度(N/mm2)", "#,##0", "高さ(m)", "#,##0", true, false,
     "1 black w2; 2 black labels 8"},
    {FigureId::ToeReactionFigure, "ToeReactionFigure", "図", true, "", "", "kN/m2", "", false,
     false, "1 red w2; 2 green labels -12; 3 black w2 labels 4"},
    {FigureId::KeyFigure, "KeyFigure", "図", true, "", "", "kN/m2", "", false, false,
     "1 red w2; 2 green labels -12; 3 yellow w2 labels -16"},
};

TEST(BookShape, FigureSetUp) {
    const CalculationBook book;
    ASSERT_EQ(figureCases.size(), figureSectionCount);
    for (const auto& c : figureCases) {
        SCOPED_TRACE(c.name);
        const auto& f = book.figure(c.id);
        EXPECT_EQ(f.name(), c.name);
        EXPECT_EQ(f.title(), c.title);
        EXPECT_EQ(f.titleColour(), colours::black);
        EXPECT_EQ(f.titleAlignment(), c.leftTitle ? TitleAlignment::Left : TitleAlignment::Centre);
        EXPECT_EQ(f.horizontalAxis().title, c.horizontalTitle);
        EXPECT_EQ(f.horizontalAxis().valueFormat, c.horizontalFormat);
        EXPECT_EQ(f.verticalAxis().title, c.verticalTitle);
        EXPECT_EQ(f.verticalAxis().valueFormat, c.verticalFormat);
        EXPECT_EQ(f.verticalAxis().inverted, c.verticalDownwards);
        EXPECT_FALSE(f.horizontalAxis().inverted);
        EXPECT_TRUE(f.horizontalAxis().automatic);
        EXPECT_TRUE(f.verticalAxis().automatic);
        EXPECT_EQ(f.legendShown(), c.legend);
        EXPECT_EQ(f.horizontalAxis().minimumLabelSpacing,
                  c.id == FigureId::EarthPressureFigure ? 40 : 0);

        const auto expected = parseSeries(c.series);
        ASSERT_EQ(f.seriesCount(), static_cast<int>(expected.size()));
        for (const auto& e : expected) {
            SCOPED_TRACE("series " + std::to_string(e.number));
            const auto& s = f.series(e.number);
            EXPECT_EQ(s.kind(), e.fast ? SeriesKind::FastPolyline : SeriesKind::Polyline);
            EXPECT_EQ(s.colour(), e.colour);
            EXPECT_EQ(s.lineWidth(), e.width);
            EXPECT_EQ(s.labelsShown(), e.labels);
            if (e.labels) {
                EXPECT_EQ(s.labelDistance(), e.distance);
            }
            EXPECT_EQ(s.legendTitle(), e.legend);
            EXPECT_EQ(s.labelFontSize(), 9);
            EXPECT_EQ(s.labelColour(), colours::black);
            EXPECT_FALSE(s.keepsInsertionOrder());
            EXPECT_EQ(s.pointCount(), 0u);
        }
    }
}

TEST(BookShape, NamedColoursMatchTheirRgbValues) {
    const std::map<std::string, Rgb> constants{
        {"black", colours::black},     {"maroon", colours::maroon}, {"green", colours::green},
        {"olive", colours::olive},     {"navy", colours::navy},     {"purple", colours::purple},
        {"teal", colours::teal},       {"gray", colours::gray},     {"red", colours::red},
        {"lime", colours::lime},       {"yellow", colours::yellow}, {"blue", colours::blue},
        {"fuchsia", colours::fuchsia}, {"aqua", colours::aqua},
    };
    EXPECT_EQ(constants, namedColours);
    EXPECT_EQ(Rgb::fromValue(0x8000FF), (Rgb{128, 0, 255}));
    EXPECT_EQ((Rgb{128, 64, 0}).value(), 0x804000u);
}

}  // namespace
}  // namespace marvoten
