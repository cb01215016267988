#include "model/design_conditions_editor.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include "model/region_factors.h"
#include "support/design_fixtures.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using D = DesignConditions;
using testing::FakeDialogs;

class Editor : public ::testing::Test {
protected:
    Editor() {
        editor.setListener([this](const EditorChange& c) { changes.push_back(c); });
    }
    const D& d() const { return editor.conditions(); }
    void goSeismic() {
        editor.choose(Choice::SeismicCase, 1);
        changes.clear();
    }

    FakeDialogs dialogs;
    DesignConditionsEditor editor{dialogs};
    std::vector<EditorChange> changes;
};

void expectEnabled(const NumberField& f, const char* text, const char* name) {
    EXPECT_EQ(f.text, text) << name;
    EXPECT_TRUE(f.enabled) << name;
    EXPECT_EQ(f.colour, clWindow) << name;
}
void expectDisabled(const NumberField& f, const char* text, const char* name) {
    EXPECT_EQ(f.text, text) << name;
    EXPECT_FALSE(f.enabled) << name;
    EXPECT_EQ(f.colour, clSilver) << name;
}

TEST_F(Editor, OptionSwitchesFillOrClearTheirFields) {
    for (const auto& c : testing::optionFieldsCases) {
        const std::string name = fieldLabel(c.a);
        const Switch& s = optionSwitch(const_cast<D&>(d()), c.option);
        for (int click = 0; click < 2; ++click) {  // both ways from the start-up state
            const bool on = !s.on;
            changes.clear();
            editor.setOption(c.option, on);
            EXPECT_EQ(s.on, on) << name;
            EXPECT_EQ(s.captionColour, on ? clMaroon : clBlack) << name;
            if (on) {
                expectEnabled(d().*c.a, c.onA, name.c_str());
                if (c.b) expectEnabled(d().*c.b, c.onB, name.c_str());
            } else {
                expectDisabled(d().*c.a, "0.0", name.c_str());
                if (c.b) expectDisabled(d().*c.b, "0.0", name.c_str());
            }
            ASSERT_EQ(changes.size(), 1u) << name;
            EXPECT_TRUE(changes[0].has(EditorChange::Picture)) << name;
        }
    }
    EXPECT_TRUE(editor.passiveLabelsShown()) << "back in its start-up state";
    EXPECT_FALSE(editor.waterLabelShown());
}

TEST_F(Editor, WaterSwitchesBuoyancyInTheSlabWithIt) {
    EXPECT_FALSE(d().buoyancyInSlab.enabled);
    editor.setOption(Option::BuoyancyInSlab, true);  // disabled: a click cannot reach it
    EXPECT_FALSE(d().buoyancyInSlab.on);
    editor.setOption(Option::HasWater, true);
    EXPECT_TRUE(d().buoyancyInSlab.on);
    EXPECT_TRUE(d().buoyancyInSlab.enabled);
    EXPECT_EQ(d().buoyancyInSlab.captionColour, clMaroon) << "an option that is on";
    editor.setOption(Option::BuoyancyInSlab, false);
    EXPECT_EQ(d().buoyancyInSlab.captionColour, clBlack);
    changes.clear();
    editor.setOption(Option::BuoyancyInSlab, true);
    EXPECT_EQ(d().buoyancyInSlab.captionColour, clMaroon);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_FALSE(changes[0].has(EditorChange::Picture)) << "the slab buoyancy does not redraw";
    editor.setOption(Option::HasWater, false);
    EXPECT_FALSE(d().buoyancyInSlab.on);
    EXPECT_FALSE(d().buoyancyInSlab.enabled);
    EXPECT_EQ(d().buoyancyInSlab.captionColour, clBlack);
}

TEST_F(Editor, SoilTypeLoadsItsPresetsOverTypedValues) {
    struct Case {
        int item;
        const char* gamma;
        const char* phi;
        const char* qa0;
    };
    const Case cases[] = {{2, "18", "25", "300"}, {1, "19", "30", "600"}, {0, "20", "35", "900"}};
    for (const auto& c : cases) {
        editor.typeText(&D::allowableBearing, "450");
        editor.typeText(&D::backfillCohesion, "5");
        editor.choose(Choice::BackfillSoilType, c.item);
        EXPECT_EQ(d().backfillUnitWeight.text, c.gamma);
        EXPECT_EQ(d().backfillPhi.text, c.phi);
        EXPECT_EQ(d().backfillCohesion.text, "0.0");
        EXPECT_EQ(d().allowableBearing.text, c.qa0);
    }
}

TEST_F(Editor, ShearKeyFillsItsFieldsAndShowsItsTabPageAndMenuEntry) {
    editor.choose(Choice::HasShearKey, 1);
    expectEnabled(d().keyPosition, "800", "keyPosition");
    expectEnabled(d().keyWidth, "500", "keyWidth");
    expectEnabled(d().keyHeight, "400", "keyHeight");
    EXPECT_TRUE(editor.shearKeyTabShown());
    EXPECT_TRUE(editor.shearKeyResultPageShown());
    EXPECT_TRUE(editor.shearKeyPreviewEntryShown());
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].has(EditorChange::Visibility));
    EXPECT_TRUE(changes[0].has(EditorChange::Picture));

    editor.choose(Choice::HasShearKey, 0);
    expectDisabled(d().keyPosition, "0", "keyPosition");
    expectDisabled(d().keyHeight, "0", "keyHeight");
    EXPECT_FALSE(editor.shearKeyTabShown());
    EXPECT_FALSE(editor.shearKeyPreviewEntryShown());
}

TEST_F(Editor, BackfillShapeAndTheSurchargeOnTheLevelPartOnly) {
    editor.choose(Choice::BackfillShape, 2);
    expectEnabled(d().slopeRatio, "1.0", "slopeRatio");
    expectEnabled(d().embankmentHeight, "2000", "embankmentHeight");
    EXPECT_TRUE(d().hasSurcharge.on);

    editor.choose(Choice::BackfillShape, 1);  // 法面 with the zone 平坦部: no level part left
    expectEnabled(d().slopeRatio, "1.0", "slopeRatio");
    expectDisabled(d().embankmentHeight, "0.0", "embankmentHeight");
    EXPECT_FALSE(d().hasSurcharge.on);
    EXPECT_EQ(d().hasSurcharge.captionColour, clBlack);
    expectDisabled(d().surcharge, "0.0", "surcharge");

    editor.setOption(Option::HasSurcharge, true);
    editor.choose(Choice::SurchargeZone, 1);  // 全面 keeps the surcharge
    EXPECT_TRUE(d().hasSurcharge.on);
    editor.choose(Choice::SurchargeZone, 0);
    EXPECT_FALSE(d().hasSurcharge.on);
    expectDisabled(d().surcharge, "0.0", "surcharge");

    editor.choose(Choice::BackfillShape, 0);
    expectDisabled(d().slopeRatio, "-", "slopeRatio");
    expectDisabled(d().embankmentHeight, "0.0", "embankmentHeight");
}

TEST_F(Editor, SeismicCaseOpensAndResetsTheSeismicPage) {
    EXPECT_FALSE(editor.seismicPageShown());
    EXPECT_FALSE(editor.typeText(&D::khStandard, "0.2")) << "disabled in the normal case";
    changes.clear();
    editor.choose(Choice::SeismicCase, 1);
    EXPECT_TRUE(editor.seismicPageShown());
    expectEnabled(d().kh, "0.12", "kh");
    expectEnabled(d().khStandard, "0.12", "khStandard");
    expectEnabled(d().regionFactor, "1.0", "regionFactor");
    EXPECT_TRUE(d().seismicLoadSetEnabled);
    EXPECT_EQ(d().seismicLoadSet, 1) << "the load set keeps its index";
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].has(EditorChange::Visibility));

    editor.clickRegionInitial("ほ");
    editor.clickRegionKey("北海道B");
    editor.choose(Choice::SeismicCase, 0);
    EXPECT_FALSE(editor.seismicPageShown());
    expectDisabled(d().kh, "0.0", "kh");
    expectDisabled(d().khStandard, "0.0", "khStandard");
    expectDisabled(d().regionFactor, "1.0", "regionFactor");
    EXPECT_FALSE(d().seismicLoadSetEnabled);
    EXPECT_TRUE(editor.regionKeys().empty());
    EXPECT_TRUE(editor.municipalities().empty());
}

TEST_F(Editor, OverturningMethodAndRebarModesProposeTheirValues) {
    editor.choose(Choice::OverturningMethod, 1);
    expectEnabled(d().safetyFactorNormal, "1.5", "safetyFactorNormal");
    expectEnabled(d().safetyFactorSeismic, "1.2", "safetyFactorSeismic");
    editor.choose(Choice::OverturningMethod, 0);
    expectDisabled(d().safetyFactorNormal, "-", "safetyFactorNormal");
    expectDisabled(d().safetyFactorSeismic, "-", "safetyFactorSeismic");

    struct Mode {
        int mode;
        bool pitchOn;
        const char* pitch;
        bool diaOn;
        const char* dia;
    };
    const Mode modes[] = {{1, true, "150mm", false, "-"},
                          {2, false, "-", true, "16mm"},
                          {3, true, "150mm", true, "16mm"},
                          {0, false, "-", false, "-"}};
    for (const auto& m : modes) {
        editor.choose(Choice::ToeRebarMode, m.mode);
        const RebarChoice& r = d().toeRebar;
        EXPECT_EQ(r.mode, m.mode);
        m.pitchOn ? expectEnabled(r.pitch, m.pitch, "pitch")
                  : expectDisabled(r.pitch, m.pitch, "pitch");
        m.diaOn ? expectEnabled(r.diameter, m.dia, "diameter")
                : expectDisabled(r.diameter, m.dia, "diameter");
    }
    EXPECT_EQ(d().stemRebar.mode, 0) << "other members keep their mode";

    editor.chooseRebarPitch(RebarMember::Toe, 3);  // list disabled in mode 0
    EXPECT_EQ(d().toeRebar.pitch.text, "-");
    editor.choose(Choice::ToeRebarMode, 1);
    EXPECT_EQ(d().toeRebar.pitchPosition, 5) << "the list shows the proposed 150mm";
    editor.chooseRebarPitch(RebarMember::Toe, 11);
    EXPECT_EQ(d().toeRebar.pitch.text, "300mm");
    EXPECT_EQ(d().toeRebar.pitchPosition, 11);
    editor.choose(Choice::ToeRebarMode, 3);
    EXPECT_EQ(d().toeRebar.pitchPosition, 5);
    EXPECT_EQ(d().toeRebar.diameterPosition, 4);
    editor.choose(Choice::ToeRebarMode, 0);
    EXPECT_EQ(d().toeRebar.pitchPosition, 0) << "back to \"-\"";
}

TEST_F(Editor, DesignCoefficientFollowsStandardValueAndRegionalFactor) {
    goSeismic();
    editor.clickStandardValueCell(2, 1);  // 大規模地震, Ⅰ種
    EXPECT_EQ(d().khStandard.text, "0.16");
    EXPECT_EQ(d().kh.text, "0.16");
    editor.typeText(&D::regionFactor, "0.85");
    EXPECT_EQ(d().kh.text, "0.14") << "0.136 rounded";
    editor.typeText(&D::regionFactor, "0.7");
    EXPECT_EQ(d().kh.text, "0.11") << "0.112 rounded";
    editor.typeText(&D::khStandard, "0.24");
    EXPECT_EQ(d().kh.text, "0.17") << "0.168 rounded";

    editor.clickStandardValueCell(0, 2);  // header row
    editor.clickStandardValueCell(1, 0);  // header column
    EXPECT_EQ(d().khStandard.text, "0.24");
    editor.clickStandardValueCell(1, 3);
    EXPECT_EQ(d().khStandard.text, "0.18");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Editor, TextsThatAreNotNumbersLeaveTheCoefficientAndTellWhichField) {
    goSeismic();
    editor.typeText(&D::regionFactor, "0.85");
    ASSERT_EQ(d().kh.text, "0.10");
    editor.typeText(&D::khStandard, "abc");
    EXPECT_EQ(d().kh.text, "0.10");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("設計震度 標準値：'abc' は数値ではありません"),
              std::string::npos)
        << dialogs.messages[0].text;
    editor.typeText(&D::khStandard, "0.12");
    editor.typeText(&D::regionFactor, "");
    EXPECT_EQ(d().kh.text, "0.10");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_NE(dialogs.messages[1].text.find("設計震度 補正係数"), std::string::npos);
}

// The wall pictures show only the shear key, the backfill surface, the surcharge and
// snow and the other loads; every other action leaves them as they are.
TEST_F(Editor, ThePicturesAreRedrawnOnExactlyTheChoicesTheyShow) {
    struct Case {
        const char* name;
        std::function<void()> act;
        bool redraws;
    };
    const Case cases[] = {
        {"shear key", [&] { editor.choose(Choice::HasShearKey, 1); }, true},
        {"backfill shape", [&] { editor.choose(Choice::BackfillShape, 2); }, true},
        {"surcharge zone", [&] { editor.choose(Choice::SurchargeZone, 1); }, true},
        {"surcharge", [&] { editor.setOption(Option::HasSurcharge, false); }, true},
        {"snow", [&] { editor.setOption(Option::HasSnow, true); }, true},
        {"passive", [&] { editor.setOption(Option::HasPassive, false); }, true},
        {"water", [&] { editor.setOption(Option::HasWater, true); }, true},
        {"wind", [&] { editor.setOption(Option::HasWind, true); }, true},
        {"collision", [&] { editor.setOption(Option::HasCollision, true); }, true},
        {"slab buoyancy", [&] { editor.setOption(Option::BuoyancyInSlab, false); }, false},
        {"Zc", [&] { editor.setOption(Option::ConsiderZc, true); }, false},
        {"soil type", [&] { editor.choose(Choice::BackfillSoilType, 2); }, false},
        {"body kind", [&] { editor.choose(Choice::BodyKind, 1); }, false},
        {"seismic case", [&] { editor.choose(Choice::SeismicCase, 1); }, false},
        {"overturning", [&] { editor.choose(Choice::OverturningMethod, 1); }, false},
        {"stem bars", [&] { editor.choose(Choice::StemRebarMode, 3); }, false},
        {"toe width", [&] { editor.typeText(&D::toeWidth, "3600"); }, false},
    };
    for (const auto& c : cases) {
        changes.clear();
        c.act();
        ASSERT_EQ(changes.size(), 1u) << c.name;
        EXPECT_EQ(changes[0].has(EditorChange::Picture), c.redraws) << c.name;
    }
}

// A window refreshed after the box would show the refused text behind it.
TEST_F(Editor, AMessageOfAnActionComesAfterTheWindowIsRefreshed) {
    goSeismic();
    std::vector<std::size_t> messagesSeenAtNotification;
    editor.setListener([&](const EditorChange&) {
        messagesSeenAtNotification.push_back(dialogs.messages.size());
    });
    editor.typeText(&D::khStandard, "abc");
    editor.setGroundLayerCell(1, 1, "x");
    editor.setGroundLayerCell(1, 3, "砂質土");
    editor.calculateGroundPeriod();
    EXPECT_EQ(messagesSeenAtNotification, (std::vector<std::size_t>{0, 1, 1, 1}));
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(Editor, RegionKeysListMunicipalitiesAndSetTheFactor) {
    goSeismic();
    editor.clickRegionInitial("ほ");
    EXPECT_EQ(editor.regionKeys(), (std::vector<std::string>{"北海道A", "北海道B", "北海道C"}));
    editor.clickRegionKey("北海道C");
    EXPECT_EQ(d().regionFactor.text, "0.7");
    EXPECT_EQ(d().kh.text, "0.08") << "0.12 × 0.7 = 0.084";
    ASSERT_EQ(editor.municipalities().size(), 25u);
    EXPECT_EQ(editor.municipalities().front(), "旭川市");
    EXPECT_EQ(editor.municipalities().back(), "紋別郡");

    editor.clickRegionKey("青森県A");  // not in the first list now
    EXPECT_EQ(d().regionFactor.text, "0.7");

    editor.clickRegionInitial("あ");
    EXPECT_TRUE(editor.municipalities().empty());
    editor.clickRegionKey("愛知県A");
    EXPECT_EQ(editor.municipalities(), (std::vector<std::string>{"愛知県全域"}));
    EXPECT_EQ(d().regionFactor.text, "1.0");
}

// 青森市 is listed under zone B (0.85) but takes the factor 1.0; kh follows it.
TEST_F(Editor, AomoriCityTakesTheFactorOfZoneA) {
    goSeismic();
    editor.clickRegionInitial("あ");
    editor.clickRegionKey("青森県B");
    EXPECT_EQ(d().regionFactor.text, "0.85");
    EXPECT_EQ(d().kh.text, "0.10");
    editor.clickMunicipality("弘前市");
    EXPECT_EQ(d().regionFactor.text, "0.85");
    editor.clickMunicipality("青森市");
    EXPECT_EQ(d().regionFactor.text, "1.0");
    EXPECT_EQ(d().kh.text, "0.12");
}

TEST(RegionFactors, EveryKeyOfTheInitialsHasAZoneWithTheFactorOfItsLetter) {
    int keys = 0;
    for (const auto& initial : regionInitials()) {
        for (const auto& key : initial.keys) {
            ++keys;
            const auto zone = regionZone(key);
            ASSERT_TRUE(zone.has_value()) << key;
            const char letter = key.back();
            EXPECT_EQ(zone->factor, letter == 'A' ? "1.0" : letter == 'B' ? "0.85" : "0.7") << key;
            EXPECT_FALSE(zone->municipalities.empty()) << key;
        }
    }
    EXPECT_EQ(regionInitials().size(), 22u);
    EXPECT_EQ(keys, 59);
    EXPECT_EQ(regionRows().size(), 59u);
    EXPECT_EQ(regionZone("大阪府A")->municipalities, std::vector<std::string>{"大阪府全域"});
}

struct GroundCase {
    const char* name;
    std::vector<std::array<const char*, 3>> rows;  // thickness, N, soil from row 1
    const char* period;
};

TEST_F(Editor, CharacteristicPeriodOfTheGround) {
    const GroundCase cases[] = {
        {"clay Vs=200", {{"6", "8", "粘性土"}}, "Tg=0.12"},
        {"sand Vs=160", {{"6", "8", "砂質土"}}, "Tg=0.15"},
        {"first row skipped", {{"0", "0", "-"}, {"6", "8", "砂質土"}}, "Tg=0.15"},
        {"N = 0 adds nothing", {{"6", "0", "砂質土"}}, "Tg=0.00"},
        // 4·(6/200 + 4/240) = 0.18667
        {"two layers", {{"6", "8", "粘性土"}, {"4", "27", "砂質土"}}, "Tg=0.19"},
        {"an empty cell ends the profile", {{"", "8", "砂質土"}, {"6", "8", "砂質土"}}, ""},
        {"no row used", {}, ""},
    };
    for (const auto& c : cases) {
        DesignConditionsEditor e(dialogs);
        e.choose(Choice::SeismicCase, 1);
        for (int row = 1; row <= static_cast<int>(c.rows.size()); ++row)
            for (int col = 1; col <= 3; ++col)
                e.setGroundLayerCell(row, col, c.rows[row - 1][col - 1]);
        e.setGroundLayerCell(5, 1, "2");  // a last row left with "-" as its soil is not used
        e.calculateGroundPeriod();
        EXPECT_EQ(e.conditions().groundPeriod, c.period) << c.name;
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

// The calculation clears the previous result first, so a grid that cannot be
// computed shows no period beside it, only the message naming the cell.
TEST_F(Editor, GroundEntriesThatCannotBeComputedClearThePeriodAndSaySo) {
    goSeismic();
    editor.setGroundLayerCell(1, 1, "6");
    editor.setGroundLayerCell(1, 2, "8");
    editor.setGroundLayerCell(1, 3, "粘性土");
    editor.calculateGroundPeriod();
    ASSERT_EQ(d().groundPeriod, "Tg=0.12");
    struct Case {
        int column;
        const char* text;
        const char* fragment;
    };
    const Case cases[] = {
        {2, "abc", "地層区分 1層 N値：'abc' は数値ではありません"},
        {1, "x", "地層区分 1層 層厚(m)：'x' は数値ではありません"},
        {2, "-8", "地層区分 1層 N値"},
        {3, "岩", "地層区分 1層 土質：'岩'"},
    };
    for (const auto& c : cases) {
        DesignConditionsEditor e(dialogs);
        e.choose(Choice::SeismicCase, 1);
        const char* good[] = {"6", "8", "粘性土"};
        for (int col = 1; col <= 3; ++col) e.setGroundLayerCell(1, col, good[col - 1]);
        e.calculateGroundPeriod();
        e.setGroundLayerCell(1, c.column, c.text);
        dialogs.messages.clear();
        e.calculateGroundPeriod();
        EXPECT_EQ(e.conditions().groundPeriod, "") << c.text;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.text;
        EXPECT_NE(dialogs.messages[0].text.find(c.fragment), std::string::npos)
            << dialogs.messages[0].text;
    }
}

TEST_F(Editor, SoilCellCyclesBetweenSandAndClay) {
    editor.clickGroundLayerCell(1, 3);
    EXPECT_EQ(d().groundLayers[0].soil, "-") << "the seismic page is hidden in the normal case";
    goSeismic();
    const char* expected[] = {"砂質土", "粘性土", "砂質土"};
    for (const char* soil : expected) {
        editor.clickGroundLayerCell(1, 3);
        EXPECT_EQ(d().groundLayers[0].soil, soil);
    }
    editor.setGroundLayerCell(2, 3, "");
    editor.clickGroundLayerCell(2, 3);
    EXPECT_EQ(d().groundLayers[1].soil, "砂質土");
    const auto soils = [this] {
        std::vector<std::string> s;
        for (const GroundLayer& layer : d().groundLayers) s.push_back(layer.soil);
        return s;
    };
    const std::vector<std::string> before = soils();
    editor.clickGroundLayerCell(3, 2);  // the N column does not cycle
    editor.clickGroundLayerCell(0, 3);  // nor does the header
    EXPECT_EQ(d().groundLayers[2].nValue, "0");
    EXPECT_EQ(soils(), before);
}

TEST_F(Editor, OneNotificationPerActionAndNoneForARefusedChoice) {
    editor.choose(Choice::BackfillShape, 1);  // reaction reaches hasSurcharge as well
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].has(EditorChange::Values));
    EXPECT_TRUE(changes[0].has(EditorChange::Picture));
    EXPECT_FALSE(changes[0].has(EditorChange::Visibility));
    changes.clear();
    editor.choose(Choice::OutputColour, 5);  // beyond the items
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(d().outputColour, 0);
}

// The window has already shown the typed text; without a notification it would keep
// showing a value the record does not hold.
TEST_F(Editor, ARefusedTextIsNotifiedSoTheWindowShowsTheRecordAgain) {
    EXPECT_FALSE(editor.typeText(&D::keyWidth, "300")) << "the key field is disabled";
    EXPECT_FALSE(editor.typeText(&D::khStandard, "0.2")) << "the seismic page is hidden";
    ASSERT_EQ(changes.size(), 2u);
    for (const auto& c : changes) EXPECT_EQ(c.flags, unsigned{EditorChange::Values});
    EXPECT_EQ(d().keyWidth.text, "0");
    EXPECT_EQ(d().khStandard.text, "0.0");
}

TEST_F(Editor, AllowableStressTableChoicesAreNotified) {
    struct Case {
        const char* name;
        std::function<void()> act;
        std::function<bool()> changed;
    };
    const auto& table = editor.allowableStressWindow();
    const Case cases[] = {
        {"design strength", [&] { editor.chooseDesignStrength(0); },
         [&] { return table.designStrength() == 0 && table.texts().sigmaCa == "6"; }},
        {"bar grade", [&] { editor.chooseBarGrade(0); },
         [&] { return table.barGrade() == 0 && table.texts().sigmaSa == "160"; }},
        {"load case", [&] { editor.chooseLoadCase(1); },
         [&] { return table.loadCase() == 1 && table.texts().sigmaCa == "9"; }},
        {"σsa", [&] { editor.typeAllowableStress(AllowableStressField::SigmaSa, "140"); },
         [&] { return table.texts().sigmaSa == "140"; }},
        {"τa1 from the palette",
         [&] { editor.typeAllowableStress(AllowableStressField::TauA1, "0.30"); },
         [&] { return table.texts().tauA1 == "0.30"; }},
    };
    for (const auto& c : cases) {
        changes.clear();
        c.act();
        EXPECT_TRUE(c.changed()) << c.name;
        ASSERT_EQ(changes.size(), 1u) << c.name;
        EXPECT_TRUE(changes[0].has(EditorChange::AllowableStresses)) << c.name;
        EXPECT_FALSE(changes[0].has(EditorChange::Values)) << c.name << ": the record is untouched";
    }
}

TEST_F(Editor, CalculationStartAsksWithTheLoadCombination) {
    dialogs.answers = {false, true};
    EXPECT_FALSE(editor.confirmCalculationStart());
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].has(EditorChange::HideResults));
    EXPECT_EQ(
        dialogs.confirmations[0],
        "[荷重組合せ]は正しいですか。\r\r1.[載荷重]   =有り\r2.[雪荷重]   =無し\r3.[常   時]\r"
        "4.[受働土圧]=有り\r5.[水圧浮力]=無し\r6.[風荷重   ]=無し\r7.[衝突荷重]=無し");

    editor.setOption(Option::HasSurcharge, false);
    editor.setOption(Option::HasSnow, true);
    editor.choose(Choice::SeismicCase, 1);
    editor.setOption(Option::HasPassive, false);
    editor.setOption(Option::HasWater, true);
    editor.setOption(Option::HasWind, true);
    editor.setOption(Option::HasCollision, true);
    EXPECT_TRUE(editor.confirmCalculationStart());
    EXPECT_EQ(dialogs.confirmations[1],
              "[荷重組合せ]は正しいですか。\r\r1.[載荷重]   =無し\r2.[雪荷重]   =有り\r3.[地震時]\r"
              "4.[受働土圧]=無し\r5.[水圧浮力]=有り\r6.[風荷重   ]=有り\r7.[衝突荷重]=有り");
}

// The window does not offer these choices at the moment: a click cannot reach them.
TEST_F(Editor, ChoicesTheWindowDoesNotOfferStayAsTheyAre) {
    editor.choose(Choice::LoadOnVirtualBack, 1);
    editor.choose(Choice::HeelRebarMode, 1);
    editor.choose(Choice::SeismicLoadSet, 0);  // normal case
    editor.choose(Choice::KeyRebarMode, 1);    // no key
    EXPECT_EQ(d().loadOnVirtualBack, 0);
    EXPECT_EQ(d().heelRebar.mode, 0);
    EXPECT_EQ(d().seismicLoadSet, 1);
    EXPECT_EQ(d().keyRebar.mode, 0);
    editor.choose(Choice::SeismicCase, 1);
    editor.choose(Choice::SeismicLoadSet, 0);
    EXPECT_EQ(d().seismicLoadSet, 0);
    editor.choose(Choice::HasShearKey, 1);
    editor.choose(Choice::KeyRebarMode, 1);
    EXPECT_EQ(d().keyRebar.mode, 1);
}

TEST_F(Editor, ChoosingTheChosenItemAgainChangesNothing) {
    editor.typeText(&D::allowableBearing, "450");
    changes.clear();
    editor.choose(Choice::BackfillSoilType, 0);
    EXPECT_EQ(d().allowableBearing.text, "450");
    EXPECT_TRUE(changes.empty());
}

TEST_F(Editor, WallFrictionNote) {
    const std::vector<std::string> lines{"壁面摩擦角δは",
                                         "土とコンクリートが接する場合",
                                         "",
                                         "■道路土工擁壁工指針：δ=2φ/3（常時）",
                                         "",
                                         "■一部の開発基準",
                                         "　 擁壁背面に透水マットを使用した場合：δ=φ/2（常時）",
                                         "",
                                         "とされている。"};
    const std::string expected =
        std::accumulate(lines.begin() + 1, lines.end(), lines[0],
                        [](const std::string& a, const std::string& b) { return a + '\x0D' + b; });
    editor.explainWallFriction();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(dialogs.messages[0].text, expected);
}

TEST_F(Editor, AllowableStressTableTransfersThroughTheEditor) {
    editor.showAllowableStresses();
    EXPECT_TRUE(editor.allowableStressWindow().visible());
    editor.allowableStressWindow().chooseDesignStrength(1);
    editor.cancelAllowableStresses();
    EXPECT_EQ(d().sigmaCk.text, "24");
    changes.clear();
    editor.transferAllowableStresses();
    EXPECT_EQ(d().sigmaCk.text, "21");
    EXPECT_EQ(d().sigmaCa.text, "7");
    EXPECT_EQ(d().tauA1.text, "0.22");
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].has(EditorChange::Values));
}

}  // namespace
}  // namespace marvoten
