#include "model/editor_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "support/test_support.h"

namespace marvoten {
namespace {

using D = DesignConditions;
using Kind = EditorControl::Kind;

// The window binds exactly the controls of this list; a record field missing here
// would have no widget, one listed twice would get two.
TEST(EditorLayout, EveryNumberFieldOfTheRecordIsShownOnce) {
    const auto timesShown = [](NumberField D::*field) {
        return std::count_if(
            editorControls().begin(), editorControls().end(),
            [&](const EditorControl& c) { return c.kind == Kind::Number && c.field == field; });
    };
    std::size_t numbers = 0;
    for (const auto& c : editorControls()) numbers += c.kind == Kind::Number;
    for (const auto& f : numberFields()) {
        EXPECT_EQ(timesShown(f.member), 1) << f.name;
        ASSERT_NE(editorControl(f.member), nullptr) << f.name;
        EXPECT_STRNE(editorControl(f.member)->group, "") << f.name;
    }
    EXPECT_EQ(numbers, numberFields().size());
}

TEST(EditorLayout, CaptionsHintsAndPlacesAsTheEditorShowsThem) {
    struct Case {
        NumberField D::*field;
        const char* caption;
        const char* hint;
        EditorPage page;
        const char* group;
    };
    // Blanks and full-width characters are part of the captions.
    const Case cases[] = {
        {&D::backfillPhi, "φ (角度)   =", "", EditorPage::SoilPanel, "１．裏込め土の諸量"},
        {&D::embedPhi, "φ (角度) =", "根入れ地盤の剪断抵抗角(受働土圧の計算に使用)",
         EditorPage::SoilPanel, "２．根入れ地盤の諸量"},
        {&D::allowableBearing, "ｑa0(kN/m2)=", "許容鉛直支持力度(H24指針P69：解表4-8)",
         EditorPage::SoilPanel, "３．支持地盤の諸量"},
        {&D::bearingEmbedDepth, "Df'(m)   = ", "", EditorPage::SoilPanel, "３．支持地盤の諸量"},
        {&D::formworkWidth, "型枠ｾｯﾄ幅", "型枠ｾｯﾄ幅", EditorPage::SelfWeight, "③擁壁形状"},
        {&D::keyWidth, "(2)幅　=", "", EditorPage::SelfWeight, "突起"},
        {&D::snowOnSlope, "SW(kN/m2)=", "SW=P・Zs(P=3.5kN/m2,Zs：設計積雪深m)",
         EditorPage::BackfillSurface, "③雪荷重"},
        {&D::waterUnitWeight, "γw(重量kN/m3)=", "水の単位体積重量", EditorPage::OtherLoads,
         "その他の荷重"},
        {&D::regionFactor, "x 補正係数", "地震時に、入力可能です", EditorPage::SeismicCoefficient,
         "設計水平震度"},
        {&D::tau0, "τo=", "許容付着応力度", EditorPage::MemberPanel, "５．許容応力度"},
        {&D::coverSlab, "底版(mm)=", "鉄筋中心のかぶり", EditorPage::MemberPanel, "６．鉄筋かぶり"},
        {&D::safetyFactorNormal, "常　時", "", EditorPage::MemberPanel, "安全率法の安全率"},
    };
    for (const auto& c : cases) {
        const EditorControl* e = editorControl(c.field);
        ASSERT_NE(e, nullptr) << c.caption;
        EXPECT_STREQ(e->caption, c.caption);
        EXPECT_STREQ(e->hint, c.hint) << c.caption;
        EXPECT_EQ(e->page, c.page) << c.caption;
        EXPECT_STREQ(e->group, c.group) << c.caption;
    }
    // The two snow fields share a caption; the part of the surface tells them apart.
    EXPECT_STREQ(editorControl(&D::snowOnSlope)->subgroup, "法面部");
    EXPECT_STREQ(editorControl(&D::snowOnFlat)->subgroup, "平坦部");
}

TEST(EditorLayout, SuggestionListsOfTheNumberFields) {
    EXPECT_EQ(editorControl(&D::stemHeight)->suggestions, nullptr);
    const auto* slope = editorControl(&D::slopeRatio)->suggestions;
    ASSERT_NE(slope, nullptr);
    EXPECT_EQ(slope->size(), 20u);
    EXPECT_EQ(std::count(slope->begin(), slope->end(), "2.7"), 0) << "2.7 is typed, not offered";
    EXPECT_EQ(*editorControl(&D::collisionHeight)->suggestions,
              (std::vector<std::string>{"0.6", "0.675", "0.76"}));
    EXPECT_EQ(*editorControl(&D::khStandard)->suggestions,
              (std::vector<std::string>{"0.12", "0.15", "0.16", "0.18", "0.20", "0.24"}));
}

TEST(EditorLayout, ChoicesAndSwitchesShownAreTheOnesTheWindowOffers) {
    std::set<Choice> choices;
    std::set<Option> options;
    for (const auto& c : editorControls()) {
        if (c.kind == Kind::Choice) choices.insert(c.choice);
        if (c.kind == Kind::Option) options.insert(c.option);
    }
    EXPECT_EQ(choices.count(Choice::LoadOnVirtualBack), 0u) << "never shown";
    EXPECT_EQ(choices.count(Choice::HeelRebarMode), 0u) << "never shown";
    // Seventeen choices; the virtual back face is never shown and the four rebar modes
    // stand on the rebar tabs, not among the controls.
    EXPECT_EQ(choices.size(), 17u - 1u - 4u) << "every other choice";
    EXPECT_EQ(options.size(), 8u);
    EXPECT_STREQ(std::find_if(editorControls().begin(), editorControls().end(),
                              [](const EditorControl& c) {
                                  return c.kind == Kind::Choice &&
                                         c.choice == Choice::SurchargeTreatment;
                              })
                     ->group,
                 "④土圧");
    ASSERT_EQ(rebarTabs().size(), 3u);
    EXPECT_STREQ(rebarTabs()[0].caption, kStartRebarTab);
    EXPECT_STREQ(rebarTabs()[2].caption, "突起");
}

TEST(EditorLayout, ChoiceItemsAndWhetherTheyAreOfferedNow) {
    EXPECT_EQ(choiceItems(Choice::SeismicLoadSet)[0], "常時土圧   +躯体慣性力");
    EXPECT_EQ(choiceItems(Choice::KeyRebarMode)[1], "ﾋﾟｯﾁ@を指定");
    testing::FakeDialogs dialogs;
    DesignConditionsEditor editor{dialogs};
    EXPECT_FALSE(editor.choiceOffered(Choice::SeismicLoadSet));
    EXPECT_FALSE(editor.choiceOffered(Choice::KeyRebarMode));
    EXPECT_TRUE(editor.choiceOffered(Choice::StemRebarMode));
    editor.choose(Choice::SeismicCase, 1);
    editor.choose(Choice::HasShearKey, 1);
    EXPECT_TRUE(editor.choiceOffered(Choice::SeismicLoadSet));
    EXPECT_TRUE(editor.choiceOffered(Choice::KeyRebarMode));
    EXPECT_FALSE(editor.choiceOffered(Choice::HeelRebarMode));
}

// Each data cell of the table the window shows sets the standard value it shows.
TEST(EditorLayout, StandardValueTableCellsAreTheValuesAClickSets) {
    testing::FakeDialogs dialogs;
    DesignConditionsEditor editor{dialogs};
    editor.choose(Choice::SeismicCase, 1);
    const FixedTable& table = standardValueTable();
    ASSERT_EQ(table.rows.size(), 3u);
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 3; ++column) {
            editor.clickStandardValueCell(row, column);
            EXPECT_EQ(editor.conditions().khStandard.text, table.rows[row][column])
                << row << "," << column;
            EXPECT_EQ(editor.conditions().kh.text, table.rows[row][column]) << "Cz is 1.0";
        }
    EXPECT_EQ(table.columnWidths, (std::vector<int>{65, 30, 29, 30}));
    EXPECT_EQ(groundClassTable().rows[1][1], "       Tg<0.2");
    EXPECT_EQ(groundClassTable().rows[2][1], "0.2≦Tg<0.6");
}

TEST(EditorLayout, GroundLayerRowsStartNumberedWithZerosAndADash) {
    const D d;
    for (int row = 1; row <= kGroundLayerRows; ++row)
        EXPECT_EQ(groundLayerRow(d, row),
                  (std::vector<std::string>{std::to_string(row), "0", "0", "-"}));
    EXPECT_EQ(groundLayersGrid().rows[0],
              (std::vector<std::string>{"層No", "層厚(m)", "N値", "土質"}));
}

TEST(EditorLayout, SeismicToolsAreSilverInTheNormalCaseAndWhiteInTheSeismicOne) {
    testing::FakeDialogs dialogs;
    DesignConditionsEditor editor{dialogs};
    EXPECT_EQ(seismicToolsColour(editor.conditions()), clSilver);
    editor.choose(Choice::SeismicCase, 1);
    EXPECT_EQ(seismicToolsColour(editor.conditions()), clWhite);
    editor.choose(Choice::SeismicCase, 0);
    EXPECT_EQ(seismicToolsColour(editor.conditions()), clSilver);
}

TEST(EditorLayout, FieldGroundsAndSwitchCaptions) {
    testing::FakeDialogs dialogs;
    DesignConditionsEditor editor{dialogs};
    const D& d = editor.conditions();
    EXPECT_EQ(fieldGroundRgb(d.surcharge), 0xFFFFFFu);
    EXPECT_EQ(switchCaptionRgb(d.hasSurcharge), 0x800000u) << "on: maroon";
    editor.setOption(Option::HasSurcharge, false);
    EXPECT_EQ(fieldGroundRgb(d.surcharge), 0xC0C0C0u) << "off: silver";
    EXPECT_EQ(switchCaptionRgb(d.hasSurcharge), 0x000000u);
}

TEST(EditorLayout, LoadPagesInTabOrderStartingAtSelfWeight) {
    ASSERT_EQ(loadPages().size(), 4u);
    EXPECT_EQ(loadPages().front(), kStartLoadPage);
    EXPECT_STREQ(loadPageCaption(kStartLoadPage), "(1)自重");
    EXPECT_STREQ(loadPageCaption(EditorPage::BackfillSurface), "(2)背面土形状、載荷重、土圧");
    EXPECT_STREQ(loadPageCaption(EditorPage::SeismicCoefficient), "(4)設計震度");
}

}  // namespace
}  // namespace marvoten
