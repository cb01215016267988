#include "ui/editor_window.h"

#include <gtest/gtest.h>

#include <QInputMethodEvent>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "support/design_fixtures.h"
#include "ui/editor_shell.h"
#include "ui/soil_constants_window.h"
#include "ui/window_placement.h"
#include "ui_support.h"

namespace marvoten {
namespace {

using D = DesignConditions;
using testing::qs;

const QColor kSilver(192, 192, 192), kWhite(255, 255, 255), kMaroon(128, 0, 0), kBlack(0, 0, 0);

class EditorWindowTest : public ::testing::Test {
protected:
    EditorWindowTest() {
        shell = desktop->windowAs<EditorShell>(WindowId::Editor);
        palette = &desktop->windowAs<InputPaletteShell>(WindowId::InputPalette)->window();
        window().show();
    }
    EditorWindow& window() { return shell->window(); }
    const D& d() { return desktop->session().editor.conditions(); }

    // The tab pages of the load group hold most controls; a user sees the page first.
    void showPageOf(QWidget* w) {
        QTabWidget& tabs = window().loadTabs();
        for (int i = 0; i < tabs.count(); ++i)
            if (tabs.widget(i)->isAncestorOf(w)) tabs.setCurrentIndex(i);
        QTabWidget& shape = window().shapeTabs();
        for (int i = 0; i < shape.count(); ++i)
            if (shape.widget(i)->isAncestorOf(w)) shape.setCurrentIndex(i);
        QTabWidget& rebars = window().rebarTabWidget();
        for (int i = 0; i < rebars.count(); ++i)
            if (rebars.widget(i)->isAncestorOf(w)) rebars.setCurrentIndex(i);
        QTabWidget& seismic = window().seismicTabs();
        for (int i = 0; i < seismic.count(); ++i)
            if (seismic.widget(i)->isAncestorOf(w)) seismic.setCurrentIndex(i);
    }
    void click(QWidget* w) {
        ASSERT_NE(w, nullptr);
        showPageOf(w);
        // A check box reacts on its box and caption, which start at its left edge.
        const QPoint at =
            qobject_cast<QCheckBox*>(w) ? QPoint(8, w->height() / 2) : w->rect().center();
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
    }
    // Picks an item the way the keyboard does: the box emits `activated` per step.
    void pick(QComboBox* box, int item) {
        ASSERT_NE(box, nullptr);
        showPageOf(box);
        box->setFocus();
        while (box->currentIndex() < item) QTest::keyClick(box, Qt::Key_Down);
        while (box->currentIndex() > item) QTest::keyClick(box, Qt::Key_Up);
    }
    // A click on the tab, as the user picks a shape.
    void pickTab(QTabBar& tabs, int item) {
        showPageOf(&tabs);
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(item).center());
        ASSERT_EQ(tabs.currentIndex(), item);
    }
    void type(NumberField D::*field, const QString& text) {
        QLineEdit* edit = window().numberEdit(field);
        showPageOf(edit);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void clickListItem(QListWidget& list, const QString& text) {
        const auto found = list.findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        showPageOf(&list);
        list.scrollToItem(found[0]);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(found[0]).center());
    }
    QString textOf(NumberField D::*field) { return window().numberEdit(field)->text(); }
    QColor groundOf(NumberField D::*field) {
        return window().numberEdit(field)->palette().color(QPalette::Base);
    }
    void expectField(NumberField D::*field, const char* text, bool enabled, const char* why) {
        QLineEdit* edit = window().numberEdit(field);
        EXPECT_EQ(edit->text(), qs(text)) << why;
        EXPECT_EQ(edit->isReadOnly(), !enabled) << why;
        EXPECT_EQ(groundOf(field), enabled ? kWhite : kSilver) << why;
        EXPECT_EQ((d().*field).text, text) << why << ": the record holds what is shown";
    }

    testing::TestDesktop desktop;
    EditorShell* shell = nullptr;
    InputPaletteWindow* palette = nullptr;
};

TEST_F(EditorWindowTest, StartsAsTheEditorStartsWithEveryTextInItsWidget) {
    EXPECT_EQ(window().windowTitle(), qs("設計条件"));
    EXPECT_EQ(window().loadTabs().currentIndex(), window().loadTabIndex(EditorPage::SelfWeight));
    EXPECT_FALSE(
        window().loadTabs().isTabVisible(window().loadTabIndex(EditorPage::SeismicCoefficient)));
    EXPECT_EQ(window().seismicTabs().tabText(window().seismicTabs().currentIndex()),
              qs("標準値（Kho）設定"));
    EXPECT_EQ(window().rebarTabWidget().tabText(window().rebarTabWidget().currentIndex()),
              qs("たて壁"));
    EXPECT_FALSE(window().rebarTabWidget().isTabVisible(2)) << "no key, no key bars";
    EXPECT_NE(window().group(EditorPage::BackfillSurface, qs("④土圧")), nullptr);
    for (const auto& f : numberFields()) {
        QLineEdit* edit = window().numberEdit(f.member);
        ASSERT_NE(edit, nullptr) << f.name;
        EXPECT_EQ(edit->text(), qs((d().*f.member).text)) << f.name;
    }
    expectField(&D::effectiveEmbedDepth, "2.5", true, "Ho at start-up");
    expectField(&D::safetyFactorNormal, "-", false, "safety factors off");
    EXPECT_EQ(window().pictures().size(), 5u);
}

// The option switches of the editor: each fills its fields when switched on and
// clears and disables them when switched off, with its caption maroon while on.
TEST_F(EditorWindowTest, OptionSwitchesSetTheirDependentFields) {
    for (const auto& c : testing::optionFieldsCases) {
        QCheckBox* box = window().optionBox(c.option);
        const std::string name = box->text().toStdString();
        for (int clickNo = 0; clickNo < 2; ++clickNo) {
            click(box);
            const bool on = box->isChecked();
            EXPECT_EQ(on, optionSwitch(const_cast<D&>(d()), c.option).on) << name;
            EXPECT_EQ(box->palette().color(QPalette::WindowText), on ? kMaroon : kBlack) << name;
            expectField(c.a, on ? c.onA : "0.0", on, name.c_str());
            if (c.b) expectField(c.b, on ? c.onB : "0.0", on, name.c_str());
        }
    }
}

// The labels beside the pictures' marks follow their options: the passive labels
// are on at start-up (Ho 2.5), the others appear with their load or the key.
TEST_F(EditorWindowTest, PictureLabelsFollowTheirOptions) {
    const auto shown = [&](const char* text) {
        QLabel* label = window().pictureLabel(qs(text));
        EXPECT_NE(label, nullptr) << text;
        return label && !label->isHidden();
    };
    struct Case {
        std::function<void()> switchOn, switchOff;
        std::vector<const char*> labels;
    };
    const auto box = [&](Option o) { return [&, o] { click(window().optionBox(o)); }; };
    const Case cases[] = {
        {box(Option::HasWater), box(Option::HasWater), {"H1"}},
        {box(Option::HasWind), box(Option::HasWind), {"H2"}},
        {box(Option::HasCollision), box(Option::HasCollision), {"H3"}},
        {[&] { pick(window().choiceBox(Choice::HasShearKey), 1); },
         [&] { pick(window().choiceBox(Choice::HasShearKey), 0); },
         {"(1)", "(2)", "(3)"}},
    };
    for (const char* passive : {"受働土圧", "Ho"}) EXPECT_TRUE(shown(passive)) << passive;
    for (const Case& c : cases) {
        for (const char* l : c.labels) EXPECT_FALSE(shown(l)) << l;
        c.switchOn();
        for (const char* l : c.labels) EXPECT_TRUE(shown(l)) << l;
        c.switchOff();
        for (const char* l : c.labels) EXPECT_FALSE(shown(l)) << l;
    }
    click(window().optionBox(Option::HasPassive));
    for (const char* passive : {"受働土圧", "Ho"}) EXPECT_FALSE(shown(passive)) << passive;
}

TEST_F(EditorWindowTest, WaterChecksAndEnablesTheSlabBuoyancy) {
    QCheckBox* buoyancy = window().optionBox(Option::BuoyancyInSlab);
    EXPECT_FALSE(buoyancy->isEnabled());
    click(window().optionBox(Option::HasWater));
    EXPECT_TRUE(buoyancy->isEnabled());
    EXPECT_TRUE(buoyancy->isChecked());
    click(window().optionBox(Option::HasWater));
    EXPECT_FALSE(buoyancy->isEnabled());
    EXPECT_FALSE(buoyancy->isChecked());
}

TEST_F(EditorWindowTest, RebarModesOfEachMemberEnableTheirLists) {
    pick(window().choiceBox(Choice::HasShearKey), 1);
    ASSERT_TRUE(window().rebarTabWidget().isTabVisible(2)) << "the key's bars are shown with a key";
    struct Mode {
        const char* pitch;
        bool pitchEnabled;
        const char* diameter;
        bool diameterEnabled;
    };
    const Mode modes[] = {{"-", false, "-", false},
                          {"150mm", true, "-", false},
                          {"-", false, "16mm", true},
                          {"150mm", true, "16mm", true}};
    for (const RebarTab& tab : rebarTabs())
        for (int mode : {1, 2, 3, 0}) {
            pick(window().choiceBox(tab.mode), mode);
            const std::string what = std::string(tab.caption) + " mode " + std::to_string(mode);
            QComboBox* pitch = window().rebarPitchBox(tab.member);
            QComboBox* diameter = window().rebarDiameterBox(tab.member);
            EXPECT_EQ(pitch->currentText(), qs(modes[mode].pitch)) << what;
            EXPECT_EQ(pitch->isEnabled(), modes[mode].pitchEnabled) << what;
            EXPECT_EQ(diameter->currentText(), qs(modes[mode].diameter)) << what;
            EXPECT_EQ(diameter->isEnabled(), modes[mode].diameterEnabled) << what;
        }
    pick(window().choiceBox(Choice::StemRebarMode), 1);
    pick(window().rebarPitchBox(RebarMember::Stem), 7);
    EXPECT_EQ(d().stemRebar.pitch.text, "200mm");
    pick(window().choiceBox(Choice::HasShearKey), 0);
    EXPECT_FALSE(window().rebarTabWidget().isTabVisible(2));
}

TEST_F(EditorWindowTest, SeismicCaseShowsTheSeismicPageAndWhitensItsTools) {
    const int seismicTab = window().loadTabIndex(EditorPage::SeismicCoefficient);
    EXPECT_FALSE(window().choiceBox(Choice::SeismicLoadSet)->isEnabled());
    pick(window().choiceBox(Choice::SeismicCase), 1);
    EXPECT_TRUE(window().loadTabs().isTabVisible(seismicTab));
    EXPECT_TRUE(window().choiceBox(Choice::SeismicLoadSet)->isEnabled());
    expectField(&D::kh, "0.12", true, "seismic kh");
    expectField(&D::khStandard, "0.12", true, "seismic kh0");
    EXPECT_EQ(window().standardValueGrid().item(1, 1)->background().color(), kWhite);
    EXPECT_EQ(window().regionKeyList().palette().color(QPalette::Base), kWhite);

    click(window().button(qs("あ")));
    pick(window().choiceBox(Choice::SeismicCase), 0);
    EXPECT_FALSE(window().loadTabs().isTabVisible(seismicTab));
    expectField(&D::kh, "0.0", false, "normal kh");
    expectField(&D::regionFactor, "1.0", false, "normal Cz");
    EXPECT_EQ(window().standardValueGrid().item(2, 3)->background().color(), kSilver);
    EXPECT_EQ(window().groundClassGrid().item(1, 1)->background().color(), kSilver);
    EXPECT_EQ(window().regionKeyList().palette().color(QPalette::Base), kSilver);
    EXPECT_EQ(window().regionKeyList().count(), 0) << "the region lists are emptied";
}

// On the way from "0.12" to "0.15" the field holds "" and "0."; kh is computed from
// the field only when editing finishes, so those texts raise no message.
TEST_F(EditorWindowTest, TheStandardValueCommitsWhenEditingFinishes) {
    pick(window().choiceBox(Choice::SeismicCase), 1);
    QLineEdit* kh0 = window().numberEdit(&D::khStandard);
    showPageOf(kh0);
    kh0->setFocus();
    kh0->selectAll();
    QTest::keyClick(kh0, Qt::Key_Backspace);
    QTest::keyClicks(kh0, "0.15");
    EXPECT_TRUE(desktop.dialogs.messages.empty());
    EXPECT_EQ(d().khStandard.text, "0.12") << "not yet committed";
    QTest::keyClick(kh0, Qt::Key_Return);
    EXPECT_TRUE(desktop.dialogs.messages.empty());
    EXPECT_EQ(textOf(&D::kh), qs("0.15"));
}

TEST_F(EditorWindowTest, StandardValueCellSetsTheStandardValueAndTheCoefficient) {
    pick(window().choiceBox(Choice::SeismicCase), 1);
    QTableWidget& grid = window().standardValueGrid();
    showPageOf(&grid);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualItemRect(grid.item(2, 2)).center());
    EXPECT_EQ(textOf(&D::khStandard), qs("0.20"));
    EXPECT_EQ(textOf(&D::kh), qs("0.20"));
}

TEST_F(EditorWindowTest, SlopeBackfillSwitchesALevelPartSurchargeOff) {
    pickTab(window().backfillShapeTabs(), 1);  // 法面, zone 平坦部
    expectField(&D::slopeRatio, "1.0", true, "slope ratio");
    expectField(&D::embankmentHeight, "0.0", false, "no embankment");
    EXPECT_FALSE(window().optionBox(Option::HasSurcharge)->isChecked());
    EXPECT_EQ(window().optionBox(Option::HasSurcharge)->palette().color(QPalette::WindowText),
              kBlack);
    expectField(&D::surcharge, "0.0", false, "surcharge off on a slope");

    click(window().optionBox(Option::HasSurcharge));
    pick(window().choiceBox(Choice::SurchargeZone), 1);  // 全面 keeps it
    EXPECT_TRUE(window().optionBox(Option::HasSurcharge)->isChecked());
    pick(window().choiceBox(Choice::SurchargeZone), 0);  // back to 平坦部 on the slope
    EXPECT_FALSE(window().optionBox(Option::HasSurcharge)->isChecked());
    expectField(&D::surcharge, "0.0", false, "the level part of a slope carries nothing");

    pickTab(window().backfillShapeTabs(), 2);  // 盛土
    expectField(&D::embankmentHeight, "2000", true, "embankment");
    pickTab(window().backfillShapeTabs(), 0);
    expectField(&D::slopeRatio, "-", false, "level");
}

TEST_F(EditorWindowTest, RegionalFactorFromInitialToMunicipality) {
    pick(window().choiceBox(Choice::SeismicCase), 1);
    click(window().button(qs("あ")));
    QListWidget& keys = window().regionKeyList();
    ASSERT_EQ(keys.count(), 4);
    EXPECT_EQ(keys.item(1)->text(), qs("青森県B"));
    clickListItem(keys, qs("青森県B"));
    QListWidget& towns = window().municipalityList();
    const char* expected[] = {"青森市",   "弘前市",   "黒石市",   "五所川原市",
                              "むつ市",   "東津軽郡", "西津軽郡", "中津軽郡",
                              "南津軽郡", "北津軽郡", "下北郡"};
    ASSERT_EQ(towns.count(), 11);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(towns.item(i)->text(), qs(expected[i]));
    EXPECT_EQ(textOf(&D::regionFactor), qs("0.85"));
    EXPECT_EQ(textOf(&D::kh), qs("0.10")) << "0.12 × 0.85 = 0.102";
    clickListItem(towns, qs("青森市"));
    EXPECT_EQ(textOf(&D::regionFactor), qs("1.0"));
    EXPECT_EQ(textOf(&D::kh), qs("0.12"));
}

// Tg = 4 · Σ H / Vs over the used rows: 6 m of clay with N = 8 (Vs = 100 · 2 = 200)
// and 4 m of sand with N = 27 (Vs = 80 · 3 = 240); the row between them has "-" as
// its soil and is not used: 4 · (6/200 + 4/240) = 0.1867 → "Tg=0.19".
TEST_F(EditorWindowTest, GroundPeriodFromTheLayerGrid) {
    pick(window().choiceBox(Choice::SeismicCase), 1);
    QTableWidget& grid = window().groundLayerGrid();
    showPageOf(&grid);
    const auto clickCell = [&](int row, int column) {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.visualItemRect(grid.item(row, column)).center());
    };
    grid.item(1, 1)->setText("6");
    grid.item(1, 2)->setText("8");
    clickCell(1, 3);
    EXPECT_EQ(grid.item(1, 3)->text(), qs("砂質土"));
    clickCell(1, 3);
    EXPECT_EQ(grid.item(1, 3)->text(), qs("粘性土"));
    grid.item(2, 1)->setText("3");
    grid.item(2, 2)->setText("5");
    grid.item(3, 1)->setText("4");
    grid.item(3, 2)->setText("27");
    clickCell(3, 3);
    EXPECT_EQ(d().groundLayers[2].nValue, "27");
    click(window().button(qs("特性値（Tg）計算")));
    EXPECT_EQ(window().groundPeriodLabel().text(), qs("Tg=0.19"));
}

TEST_F(EditorWindowTest, PaletteTypesIntoTheClickedFieldAndKeepsItsTextForTheNext) {
    QLineEdit* toe = window().numberEdit(&D::toeWidth);
    click(toe);
    ASSERT_TRUE(palette->isVisible());
    // Under the field, kept on the screen (within the frame the platform gives it).
    EXPECT_LE((palette->pos() - framePosition(*palette, toe->mapToGlobal(QPoint(0, 40))))
                  .manhattanLength(),
              4);
    for (const char* key : {"1", ".", "5", "転記"}) click(palette->button(qs(key)));
    EXPECT_EQ(toe->text(), qs("1.5"));
    EXPECT_EQ(d().toeWidth.text, "1.5");
    EXPECT_FALSE(palette->isVisible());

    click(toe);
    click(palette->button(qs("転記")));
    EXPECT_EQ(toe->text(), qs("")) << "nothing typed empties the field";

    QLineEdit* crest = window().numberEdit(&D::crestWidth);
    click(toe);
    click(palette->button(qs("7")));
    click(crest);
    EXPECT_LE((palette->pos() - framePosition(*palette, crest->mapToGlobal(QPoint(0, 40))))
                  .manhattanLength(),
              4);
    EXPECT_EQ(palette->textBox().text(), qs("7"));
    click(palette->button(qs("CLS")));
    click(palette->button(qs("3")));
    click(palette->button(qs("取消")));
    EXPECT_FALSE(palette->isVisible());
    EXPECT_EQ(crest->text(), qs("400"));

    // A disabled field is read-only and opens no palette.
    click(window().numberEdit(&D::keyWidth));
    EXPECT_FALSE(palette->isVisible());
}

// Regression: 転記 into a field that was disabled while the palette stood open dropped
// the typed text in silence.
TEST_F(EditorWindowTest, PaletteIntoAFieldDisabledMeanwhileSaysSoAndKeepsTheText) {
    desktop->session().editor.setOption(Option::HasSurcharge, true);
    QLineEdit* surcharge = window().numberEdit(&D::surcharge);
    click(surcharge);
    ASSERT_TRUE(palette->isVisible());
    for (const char* key : {"2", "5"}) click(palette->button(qs(key)));
    desktop->session().editor.setOption(Option::HasSurcharge, false);
    click(palette->button(qs("転記")));
    ASSERT_EQ(desktop.dialogs.messages.size(), 1u);
    EXPECT_EQ(desktop.dialogs.messages[0].kind, MessageKind::Warning);
    EXPECT_NE(desktop.dialogs.messages[0].text.find("'25' は転記していません"), std::string::npos)
        << desktop.dialogs.messages[0].text;
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(palette->textBox().text(), qs("25"));
    EXPECT_EQ(d().surcharge.text, "0.0");
}

// Regression: typed with the Japanese input method on, "１２３" was refused as
// "'123' は数値ではありません"; full-width digits, point and minus are taken in ASCII.
TEST_F(EditorWindowTest, FullWidthDigitsAreTakenAsTheirAsciiForms) {
    const struct {
        NumberField D::*field;
        const char* typed;
        const char* taken;
    } cases[] = {
        {&D::toeWidth, "３６００", "3600"},
        {&D::frictionCoeff, "０．５", "0.5"},
        {&D::slabSlopeHeight, "－１０", "-10"},
    };
    for (const auto& c : cases) {
        QLineEdit* edit = window().numberEdit(c.field);
        showPageOf(edit);
        edit->setFocus();
        edit->selectAll();
        QInputMethodEvent composed;  // the input method commits what was composed
        composed.setCommitString(qs(c.typed));
        QApplication::sendEvent(edit, &composed);
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ((d().*c.field).text, c.taken) << c.typed;
        EXPECT_EQ(window().numberEdit(c.field)->text(), qs(c.taken)) << c.typed;
    }
}

// Regression: a disabled field with a list, and a choice not offered, drew its value
// grey (188) on silver (192).
TEST_F(EditorWindowTest, ADisabledListFieldShowsItsValueInBlack) {
    QComboBox* list = window().suggestionList(&D::collisionHeight);
    ASSERT_NE(list, nullptr);
    ASSERT_FALSE(list->isEnabled());
    EXPECT_EQ(list->lineEdit()->palette().color(QPalette::Disabled, QPalette::Text), kBlack);
    int disabled = 0;
    for (const QComboBox* box : window().findChildren<QComboBox*>()) {
        if (box->isEnabled()) continue;
        ++disabled;
        EXPECT_EQ(box->palette().color(QPalette::Disabled, QPalette::ButtonText), kBlack)
            << box->currentText().toStdString();
        EXPECT_EQ(box->palette().color(QPalette::Disabled, QPalette::Text), kBlack)
            << box->currentText().toStdString();
    }
    EXPECT_GT(disabled, 1) << "the start values leave a choice or two not offered";
}

TEST_F(EditorWindowTest, ARefusedTextIsReplacedByTheRecordsText) {
    QLineEdit* key = window().numberEdit(&D::keyWidth);
    showPageOf(key);
    key->setText("300");  // as if typed past the read-only state
    emit key->editingFinished();
    EXPECT_EQ(key->text(), qs("0"));
}

std::string bytesOf(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The first line of the book's texts that holds `marker`.
std::string bookLine(CalculationBook& book, const std::string& marker) {
    for (std::size_t id = 0; id < textSectionCount; ++id) {
        const TextSection& text = book.text(static_cast<TextId>(id));
        for (std::size_t i = 0; i < text.lineCount(); ++i)
            if (text.line(i).find(marker) != std::string::npos) return text.line(i);
    }
    return {};
}

TEST_F(EditorWindowTest, ANewToeWidthTypedAndRunChangesTheBook) {
    type(&D::toeWidth, "3600");
    type(&D::baseWidth, "4142");
    EXPECT_EQ(d().toeWidth.text, "3600");
    click(window().button(qs("計算開始")));
    ASSERT_FALSE(desktop.dialogs.confirmations.empty());
    EXPECT_EQ(desktop.dialogs.confirmations.back().substr(0, 30),
              std::string("[荷重組合せ]は正しいですか。\r\r1.[載荷重]").substr(0, 30));
    CalculationBook& book = desktop->session().book;
    EXPECT_NE(bookLine(book, "B (擁壁の底版幅)").find("=4.142m"), std::string::npos)
        << bookLine(book, "B (擁壁の底版幅)");
    EXPECT_NE(bookLine(book, "6)底版幅").find("=4,142"), std::string::npos);
}

TEST_F(EditorWindowTest, LoadingAFileShowsEveryTextAndSavingGivesTheSameBytes) {
    testing::TempFolder folder;
    const auto cwd = std::filesystem::current_path();
    const std::filesystem::path original = folder.path() / "壁A.dat";
    {
        // A design unlike the start values, written by a headless editor.
        testing::FakeDialogs quiet;
        DesignConditionsEditor other(quiet);
        other.choose(Choice::HasShearKey, 1);
        other.choose(Choice::BackfillShape, 2);
        other.choose(Choice::SeismicCase, 1);
        other.setOption(Option::HasWater, true);
        other.setOption(Option::HasWind, true);
        other.choose(Choice::StemRebarMode, 3);
        other.typeText(&D::toeWidth, "3300");
        other.typeText(&D::regionFactor, "0.85");
        ASSERT_TRUE(other.saveDesignFileTo(original));
    }
    desktop.dialogs.fileToOpen = original.string();
    desktop->perform(Command::LoadDesign);
    EXPECT_EQ(window().windowTitle(), qs("設計条件 壁A"));
    for (const auto& f : numberFields())
        EXPECT_EQ(window().numberEdit(f.member)->text(), qs((d().*f.member).text)) << f.name;
    EXPECT_EQ(textOf(&D::toeWidth), qs("3300"));
    EXPECT_EQ(textOf(&D::kh), qs("0.10"));
    EXPECT_EQ(window().backfillShapeTabs().currentIndex(), 2);
    EXPECT_TRUE(window().optionBox(Option::HasWind)->isChecked());
    EXPECT_EQ(window().rebarPitchBox(RebarMember::Stem)->currentText(), qs("150mm"));
    EXPECT_TRUE(
        window().loadTabs().isTabVisible(window().loadTabIndex(EditorPage::SeismicCoefficient)));
    EXPECT_TRUE(window().rebarTabWidget().isTabVisible(2));

    const std::filesystem::path copy = folder.path() / "壁B.dat";
    desktop.dialogs.fileToSave = copy.string();
    desktop->perform(Command::SaveDesign);
    EXPECT_EQ(std::filesystem::current_path(), cwd);
    EXPECT_EQ(bytesOf(copy), bytesOf(original));
}

TEST_F(EditorWindowTest, AuxiliaryWindowsOpenBesideTheRightHandPanel) {
    std::vector<QPoint> shown;
    EditorWindowHooks hooks;
    hooks.showAllowableStresses = [&](QPoint p) { shown.push_back(p); };
    hooks.showSoilConstants = [&](QPoint p) { shown.push_back(p); };
    EditorWindow lone(desktop->session().editor, desktop.dialogs, hooks);
    lone.move(30, 50);
    lone.show();
    QTest::mouseClick(lone.button(qs("許容応力度")), Qt::LeftButton);
    QTest::mouseClick(lone.button(qs("地盤定数一覧表")), Qt::LeftButton);
    const QPoint panel = lone.pos() + lone.rightPanel().mapTo(&lone, QPoint(0, 0));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], panel + QPoint(70, 22));
    EXPECT_EQ(shown[1], panel + QPoint(4, 22));
}

}  // namespace
// The program's own button reaches the soil-constants window through its set-up: the
// tables are filled and the window knows it is shown (it used to open empty).
TEST_F(EditorWindowTest, SoilConstantsButtonOpensTheFilledTables) {
    auto* soil = desktop->windowAs<SoilConstantsView>(WindowId::SoilConstants);
    ASSERT_NE(soil, nullptr);
    QTest::mouseClick(window().button(qs("地盤定数一覧表")), Qt::LeftButton);
    EXPECT_TRUE(soil->controller().visible());
    EXPECT_TRUE(soil->widget().isVisible());
    const QTableWidgetItem* cell = soil->foundationGrid().item(1, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_FALSE(cell->text().isEmpty());
}

}  // namespace marvoten
