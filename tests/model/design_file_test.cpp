#include "model/design_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "model/design_conditions_editor.h"
#include "platform/encoding.h"
#include "platform/safe_file.h"
#include "platform/utf8_path.h"
#include "support/system_reasons.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using D = DesignConditions;
using testing::FakeDialogs;
using testing::TempFolder;

std::vector<std::string> splitCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += toCp932(l) + "\r\n";
    return bytes;
}

// The file of the start-up state as lines (UTF-8), to be edited by a test.
std::vector<std::string> startupLines() {
    std::vector<std::string> lines;
    for (const auto& l : splitCrLf(designFileBytes(D{}))) lines.push_back(fromCp932(l));
    return lines;
}

// Every stored text, index, flag and colour of two records must agree.
void expectSameStored(const D& a, const D& b) {
    for (const auto& f : numberFields()) {
        if (f.member == &D::safetyFactorNormal || f.member == &D::safetyFactorSeismic) continue;
        EXPECT_EQ((a.*f.member).text, (b.*f.member).text) << f.name;
        EXPECT_EQ((a.*f.member).enabled, (b.*f.member).enabled) << f.name;
        EXPECT_EQ((a.*f.member).colour, (b.*f.member).colour) << f.name;
    }
    for (Choice c :
         {Choice::BackfillSoilType, Choice::WallFrictionRatio, Choice::BodyKind,
          Choice::HasShearKey, Choice::BackfillShape, Choice::SurchargeZone,
          Choice::LoadOnVirtualBack, Choice::SurchargeTreatment, Choice::StemPressureMethod,
          Choice::SeismicCase, Choice::SeismicLoadSet, Choice::OutputColour, Choice::StemRebarMode,
          Choice::ToeRebarMode, Choice::HeelRebarMode, Choice::KeyRebarMode})
        EXPECT_EQ(choiceIndex(a, c), choiceIndex(b, c)) << static_cast<int>(c);
    for (Option o : {Option::HasSurcharge, Option::HasSnow, Option::HasPassive, Option::HasWater,
                     Option::HasWind, Option::HasCollision, Option::BuoyancyInSlab}) {
        const Switch& sa = optionSwitch(const_cast<D&>(a), o);
        const Switch& sb = optionSwitch(const_cast<D&>(b), o);
        EXPECT_EQ(sa.on, sb.on) << static_cast<int>(o);
        EXPECT_EQ(sa.captionColour, sb.captionColour) << static_cast<int>(o);
    }
    EXPECT_EQ(a.buoyancyInSlab.enabled, b.buoyancyInSlab.enabled);
    for (RebarMember m :
         {RebarMember::Stem, RebarMember::Toe, RebarMember::Heel, RebarMember::Key}) {
        const RebarChoice& ra = rebarChoice(const_cast<D&>(a), m);
        const RebarChoice& rb = rebarChoice(const_cast<D&>(b), m);
        for (auto part : {&RebarChoice::pitch, &RebarChoice::diameter}) {
            EXPECT_EQ((ra.*part).text, (rb.*part).text);
            EXPECT_EQ((ra.*part).enabled, (rb.*part).enabled);
            EXPECT_EQ((ra.*part).colour, (rb.*part).colour);
        }
    }
    for (int i = 0; i < kGroundLayerRows; ++i) {
        EXPECT_EQ(a.groundLayers[i].thickness, b.groundLayers[i].thickness) << i;
        EXPECT_EQ(a.groundLayers[i].nValue, b.groundLayers[i].nValue) << i;
        EXPECT_EQ(a.groundLayers[i].soil, b.groundLayers[i].soil) << i;
    }
    EXPECT_EQ(a.groundPeriod, b.groundPeriod);
}

class DesignFile : public ::testing::Test {
protected:
    bool load(const std::vector<std::string>& lines) {
        return editor.loadDesignBytes(joinCrLf(lines), "test");
    }
    const D& d() const { return editor.conditions(); }
    std::string lastMessage() const {
        return dialogs.messages.empty() ? std::string() : dialogs.messages.back().text;
    }

    TempFolder folder;
    FakeDialogs dialogs;
    DesignConditionsEditor editor{dialogs};
};

TEST_F(DesignFile, StartUpStateIs185CrLfLinesInTheFixedOrder) {
    const std::string bytes = designFileBytes(D{});
    const std::vector<std::string> lines = splitCrLf(bytes);
    ASSERT_EQ(lines.size(), 185u);
    const std::vector<std::string> first20(lines.begin(), lines.begin() + 20);
    EXPECT_EQ(first20, (std::vector<std::string>{"0",   "20",  "35",   "0",  "0.0",  "18.0", "25",
                                                 "0.0", "2.5", "19.0", "35", "0.0",  "0.6",  "300",
                                                 "0.6", "0.0", "0",    "5",  "24.5", "2"}));
    struct Spot {
        int line;
        const char* text;
    };
    const Spot spots[] = {
        {21, "142"},   {22, "clWindow"}, {23, "TRUE"},     {42, "4042"},     {45, "0"},
        {46, "0"},     {47, "clSilver"}, {48, "FALSE"},    {55, "0"},        {56, "-"},
        {63, "1"},     {64, "1"},        {65, "TRUE"},     {66, "clMaroon"}, {67, "10.0"},
        {72, "FALSE"}, {73, "clBlack"},  {80, "0"},        {84, "1.0"},      {86, "TRUE"},
        {90, "0"},     {92, "-"},        {104, "-"},       {105, ""},        {106, "TRUE"},
        {114, "2.5"},  {115, "clWhite"}, {124, "clBlack"}, {137, "24"},      {149, "160"},
        {152, "1.6"},  {155, "100"},     {156, "110"},     {157, "0"},       {158, "0"},
        {159, "-"},    {185, "FALSE"},
    };
    for (const auto& s : spots) EXPECT_EQ(lines[s.line - 1], s.text) << "line " << s.line;

    // The editor's save writes exactly these bytes.
    const auto path = folder.path() / "start.dat";
    ASSERT_TRUE(editor.saveDesignFileTo(path));
    EXPECT_EQ(readFileBytes(path), bytes);
    EXPECT_EQ(lastMessage(), "設計条件を保存しました。");
    EXPECT_EQ(editor.state().subjectName, "start");
    EXPECT_EQ(editor.caption(), "設計条件 start");
}

TEST_F(DesignFile, SaveThenLoadRestoresEveryStoredValue) {
    // A design far from the start-up state, with colours only a file can give.
    std::vector<std::string> lines = startupLines();
    lines[22 - 1] = "$00123456";
    lines[25 - 1] = "255";        // decimal: clRed
    lines[28 - 1] = "-16777211";  // decimal of the system window colour
    ASSERT_TRUE(load(lines));
    editor.choose(Choice::HasShearKey, 1);
    editor.choose(Choice::BackfillShape, 2);
    editor.choose(Choice::SeismicCase, 1);
    editor.choose(Choice::SeismicLoadSet, 2);
    editor.typeText(&D::regionFactor, "0.85");
    editor.setGroundLayerCell(1, 1, "6");
    editor.setGroundLayerCell(1, 2, "8");
    editor.clickGroundLayerCell(1, 3);
    editor.calculateGroundPeriod();
    editor.setOption(Option::HasWater, true);
    editor.setOption(Option::HasSnow, true);
    editor.setOption(Option::HasWind, true);
    editor.choose(Choice::KeyRebarMode, 3);
    editor.choose(Choice::HeelRebarMode, 1);
    editor.choose(Choice::OutputColour, 1);
    editor.choose(Choice::BackfillSoilType, 1);
    editor.allowableStressWindow().chooseLoadCase(1);
    editor.transferAllowableStresses();
    const auto path = folder.path() / "wall.dat";
    ASSERT_TRUE(editor.saveDesignFileTo(path));
    const std::vector<std::string> saved = splitCrLf(readFileBytes(path));
    EXPECT_EQ(saved[22 - 1], "$00123456");
    EXPECT_EQ(saved[25 - 1], "clRed");
    EXPECT_EQ(saved[28 - 1], "clWindow");
    EXPECT_EQ(saved[92 - 1], toCp932("砂質土"));

    FakeDialogs otherDialogs;
    DesignConditionsEditor other(otherDialogs);
    other.choose(Choice::OverturningMethod, 1);
    other.setOption(Option::ConsiderZc, true);
    other.choose(Choice::SurchargeZone, 1);
    other.setOption(Option::HasPassive, false);
    ASSERT_TRUE(other.loadDesignFileFrom(path));
    expectSameStored(other.conditions(), editor.conditions());
    EXPECT_EQ(other.conditions().overturningMethod, 1);
    EXPECT_EQ(other.conditions().safetyFactorNormal.text, "1.5");
    EXPECT_TRUE(other.conditions().safetyFactorSeismic.enabled);
    EXPECT_TRUE(other.conditions().considerZc.on);
    EXPECT_EQ(other.allowableStressWindow().loadCase(), 1);
    EXPECT_EQ(other.allowableStressWindow().texts(), editor.allowableStressWindow().texts());
    EXPECT_TRUE(other.seismicPageShown());
    EXPECT_TRUE(other.shearKeyTabShown());
    EXPECT_EQ(otherDialogs.messages.back().text, "設計条件を読込みました。");
    EXPECT_EQ(other.caption(), "設計条件 wall");
}

TEST_F(DesignFile, OnlyUpperCaseTrueCounts) {
    std::vector<std::string> lines = startupLines();
    lines[23 - 1] = "true";  // frontBatterWidth enabled
    lines[65 - 1] = "True";  // hasSurcharge
    ASSERT_TRUE(load(lines));
    EXPECT_FALSE(d().frontBatterWidth.enabled);
    EXPECT_FALSE(d().hasSurcharge.on);
    EXPECT_EQ(d().hasSurcharge.captionColour, clMaroon) << "the stored caption colour";
    EXPECT_EQ(d().surcharge.text, "10.0") << "the stored text follows the reaction";
}

TEST_F(DesignFile, IndexesAreClampedToTheItems) {
    struct Case {
        const char* line;
        int expected;
    };
    for (const Case& c : {Case{"7", 1}, Case{"-5", -1}, Case{"-1", -1}, Case{"1", 1}}) {
        std::vector<std::string> lines = startupLines();
        lines[157 - 1] = c.line;
        ASSERT_TRUE(load(lines)) << c.line;
        EXPECT_EQ(d().outputColour, c.expected) << c.line;
    }
}

// A pitch or diameter text that is no list item (a hand-edited file) leaves the
// editor's lists where the mode's reaction put them, so the bars follow 150mm/16mm.
TEST_F(DesignFile, RebarTextsOutsideTheListsKeepTheListPositions) {
    std::vector<std::string> lines = startupLines();
    lines[165 - 1] = "3";    // toe: pitch and diameter given
    lines[166 - 1] = "150";  // instead of "150mm"
    lines[169 - 1] = "16";   // instead of "16mm"
    ASSERT_TRUE(load(lines));
    EXPECT_EQ(d().toeRebar.pitch.text, "150");
    EXPECT_EQ(d().toeRebar.diameter.text, "16");
    EXPECT_EQ(d().toeRebar.pitchPosition, 5);
    EXPECT_EQ(d().toeRebar.diameterPosition, 4);
}

TEST_F(DesignFile, AllowableStressTableFollowsTheFile) {
    editor.allowableStressWindow().chooseDesignStrength(4);
    std::vector<std::string> lines = startupLines();
    lines[80 - 1] = "1";  // seismic: the table's load case follows and recomputes
    lines[137 - 1] = "24.0";
    lines[140 - 1] = "9";
    lines[143 - 1] = "0.5";
    lines[146 - 1] = "0.3";
    lines[149 - 1] = "180";
    lines[152 - 1] = "1.5";
    ASSERT_TRUE(load(lines));
    const AllowableStressWindow& w = editor.allowableStressWindow();
    EXPECT_EQ(w.designStrength(), 4) << "24.0 is not an item text";
    EXPECT_EQ(w.loadCase(), 1);
    EXPECT_EQ(w.texts(), (AllowableStressTexts{"9", "0.5", "0.3", "1.5", "180"}));

    lines[137 - 1] = "27";
    ASSERT_TRUE(load(lines));
    EXPECT_EQ(w.designStrength(), 3);
}

TEST_F(DesignFile, WaterOffInTheFileSwitchesTheSlabBuoyancyOff) {
    editor.setOption(Option::HasWater, true);
    ASSERT_TRUE(d().buoyancyInSlab.on);
    std::vector<std::string> lines = startupLines();
    ASSERT_TRUE(load(lines));
    EXPECT_FALSE(d().buoyancyInSlab.on);
    EXPECT_FALSE(d().buoyancyInSlab.enabled);

    editor.setOption(Option::HasWater, true);
    lines[123 - 1] = "TRUE";  // checked in the file, but its enabled state is not stored
    ASSERT_TRUE(load(lines));
    EXPECT_TRUE(d().buoyancyInSlab.on);
    EXPECT_FALSE(d().buoyancyInSlab.enabled);
}

TEST_F(DesignFile, SurchargeZoneReachesBackToTheSurcharge) {
    std::vector<std::string> lines = startupLines();
    lines[55 - 1] = "1";  // 法面, surcharge on with 10.0, zone 平坦部
    lines[56 - 1] = "1.5";
    lines[58 - 1] = "TRUE";

    editor.choose(Choice::SurchargeZone, 1);  // 全面: the file's zone is a change
    ASSERT_TRUE(load(lines));
    EXPECT_FALSE(d().hasSurcharge.on);
    EXPECT_EQ(d().surcharge.text, "0.0");
    EXPECT_FALSE(d().surcharge.enabled);
    EXPECT_EQ(d().slopeRatio.text, "1.5");

    FakeDialogs sameDialogs;
    DesignConditionsEditor same(sameDialogs);  // zone already 平坦部: no reaction
    ASSERT_TRUE(same.loadDesignBytes(joinCrLf(lines), "same"));
    EXPECT_TRUE(same.conditions().hasSurcharge.on);
    EXPECT_EQ(same.conditions().surcharge.text, "10.0");
    EXPECT_TRUE(same.conditions().surcharge.enabled);
}

TEST_F(DesignFile, LoadingSetsTextsWithoutTheirChangeHandlers) {
    editor.setOption(Option::HasSnow, true);
    std::vector<std::string> lines = startupLines();
    lines[80 - 1] = "1";
    lines[81 - 1] = "abc";  // khStandard: no kh recomputation while loading
    lines[87 - 1] = "0.2";
    ASSERT_TRUE(load(lines));
    EXPECT_EQ(d().khStandard.text, "abc");
    EXPECT_EQ(d().kh.text, "0.2");
    EXPECT_FALSE(d().hasSnow.on);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "設計条件を読込みました。");
}

// One notification, and it comes before the closing message box, so that the window
// shows the loaded design while the message is up.
TEST_F(DesignFile, OneNotificationForALoadBeforeItsMessage) {
    std::vector<EditorChange> changes;
    std::size_t messagesAtNotification = 99;
    editor.setListener([&](const EditorChange& c) {
        changes.push_back(c);
        messagesAtNotification = dialogs.messages.size();
    });
    ASSERT_TRUE(load(startupLines()));
    ASSERT_EQ(changes.size(), 1u);
    for (auto f :
         {EditorChange::Values, EditorChange::Caption, EditorChange::Visibility,
          EditorChange::Picture, EditorChange::SelectSelfWeightPage, EditorChange::ShowEditor})
        EXPECT_TRUE(changes[0].has(f)) << f;
    EXPECT_EQ(messagesAtNotification, 0u);
    EXPECT_EQ(dialogs.messages.size(), 1u);

    changes.clear();
    ASSERT_TRUE(editor.saveDesignFileTo(folder.path() / "saved.dat"));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_TRUE(changes[0].has(EditorChange::Caption));
    EXPECT_EQ(messagesAtNotification, 1u) << "the caption changes before 設計条件を保存しました。";
}

TEST_F(DesignFile, SubjectNameIsTheFileNameWithoutItsExtension) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"擁壁A.dat", "擁壁A"}, {"a.b.dat", "a.b"}, {".dat", ""}, {"x.", "x"}, {"plain", "plain"}};
    for (const auto& [file, subject] : cases) {
        ASSERT_TRUE(editor.saveDesignFileTo(folder.path() / pathFromUtf8(file))) << file;
        EXPECT_EQ(editor.state().subjectName, subject) << file;
    }
}

// A load that fails part-way changes nothing: neither the records before the bad line
// nor the subject name of the design the engineer had open.
TEST_F(DesignFile, AnUnreadableLineRefusesTheWholeFile) {
    struct Case {
        const char* name;
        int line;
        const char* text;
        const char* fragment;
    };
    const Case cases[] = {
        {"first line", 1, "abc", "1行目：'abc' は整数ではありません"},
        {"index", 45, "1.0", "45行目：'1.0' は整数ではありません"},
        {"colour", 22, "clNoSuch", "22行目：'clNoSuch' は色ではありません"},
        {"colour beyond 32 bits", 22, "4294967296", "22行目：'4294967296' は色ではありません"},
        {"last index", 179, "x", "179行目：'x' は整数ではありません"},
    };
    for (const auto& c : cases) {
        FakeDialogs dlg;
        DesignConditionsEditor e(dlg);
        ASSERT_TRUE(e.saveDesignFileTo(folder.path() / "current.dat"));
        e.typeText(&D::stemHeight, "6500");
        e.setOption(Option::HasWater, true);
        const std::string before = designFileBytes(e.conditions());
        const int loadCase = e.allowableStressWindow().loadCase();
        dlg.messages.clear();

        std::vector<std::string> lines = startupLines();
        lines[2 - 1] = "21";
        lines[21 - 1] = "150";
        lines[80 - 1] = "1";  // seismic: the allowable-stress table would follow
        lines[c.line - 1] = c.text;
        EXPECT_FALSE(e.loadDesignBytes(joinCrLf(lines), "broken")) << c.name;
        ASSERT_EQ(dlg.messages.size(), 1u) << c.name;
        EXPECT_EQ(dlg.messages[0].kind, MessageKind::Error);
        EXPECT_NE(dlg.messages[0].text.find(c.fragment), std::string::npos) << dlg.messages[0].text;
        EXPECT_EQ(e.caption(), "設計条件 current") << c.name;
        EXPECT_EQ(e.state().subjectName, "current") << c.name;
        EXPECT_EQ(designFileBytes(e.conditions()), before) << c.name;
        EXPECT_EQ(e.allowableStressWindow().loadCase(), loadCase) << c.name;
    }
}

TEST_F(DesignFile, AFailedLoadSendsNoNotification) {
    int notifications = 0;
    editor.setListener([&](const EditorChange&) { ++notifications; });
    std::vector<std::string> lines = startupLines();
    lines[45 - 1] = "x";
    EXPECT_FALSE(load(lines));
    EXPECT_EQ(notifications, 0);
}

TEST_F(DesignFile, AShortFileIsReportedAtItsEnd) {
    std::vector<std::string> lines = startupLines();
    lines.resize(100);
    lines[2 - 1] = "19";
    EXPECT_FALSE(load(lines));
    // Regression: the message named line 107, a line the file does not have.
    EXPECT_NE(lastMessage().find("ファイルが100行で終わっています（107行目に色が必要です）"),
              std::string::npos)
        << lastMessage();
    EXPECT_EQ(d().backfillUnitWeight.text, "20") << "nothing of the short file is applied";
    EXPECT_EQ(d().groundLayers[4].soil, "-");
}

TEST_F(DesignFile, FilesThatAreNoDesignOfThisWallChangeNothing) {
    std::vector<std::string> otherShape = startupLines();
    otherShape[20 - 1] = "1";
    otherShape[2 - 1] = "99";
    std::string notCp932 = joinCrLf(startupLines());
    notCp932.replace(notCp932.find("20\r\n"), 2, "\x81\x20");
    std::string random;
    for (int i = 0; i < 5000; ++i) random += static_cast<char>((i * 7919 + 13) % 256);
    struct Case {
        const char* name;
        std::string bytes;
        const char* fragment;
    };
    const Case cases[] = {
        {"empty", "", "行数が足りません（0行）"},
        {"19 lines", joinCrLf(std::vector<std::string>(19, "0")), "行数が足りません（19行）"},
        {"another wall shape", joinCrLf(otherShape),
         "逆Ｌ型擁壁の設計条件ファイルではありません（20行目：'1'）"},
        {"not Shift-JIS", notCp932, "2行目："},
        {"random bytes", random, "設計条件ファイルを読込めません。"},
        {"binary zeros", std::string(4000, '\0'), "設計条件ファイルを読込めません。"},
    };
    editor.typeText(&D::stemHeight, "6500");
    const std::string before = designFileBytes(d());
    for (const auto& c : cases) {
        dialogs.messages.clear();
        EXPECT_FALSE(editor.loadDesignBytes(c.bytes, "other")) << c.name;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.name;
        EXPECT_NE(dialogs.messages[0].text.find(c.fragment), std::string::npos)
            << c.name << ": " << dialogs.messages[0].text;
        EXPECT_EQ(designFileBytes(d()), before) << c.name;
        EXPECT_EQ(editor.caption(), "設計条件") << c.name;
        EXPECT_TRUE(editor.state().subjectName.empty()) << c.name;
    }
}

TEST_F(DesignFile, LineEndsOtherThanCrLfAndLinesAfterTheLastAreAccepted) {
    std::vector<std::string> lines = startupLines();
    lines[2 - 1] = "19";
    std::string lf;
    for (const auto& l : lines) lf += l + "\n";
    ASSERT_TRUE(editor.loadDesignBytes(lf + "extra\nlines\n", "lf"));
    EXPECT_EQ(d().backfillUnitWeight.text, "19");
    EXPECT_EQ(d().keyRebar.diameter.text, "-");
}

TEST(ColourLines, NamesHexAndDecimal) {
    struct Case {
        const char* line;
        std::optional<Colour> colour;
    };
    const Case cases[] = {
        {"clWindow", clWindow},        {"clSilver", clSilver},
        {"$00123456", 0x00123456},     {"$FF", 0xFF},
        {"$FF000005", clWindow},       {"255", 0x000000FF},
        {"-16777211", clWindow},       {"-1", 0xFFFFFFFF},
        {"4294967295", 0xFFFFFFFF},    {"4294967296", std::nullopt},
        {"-2147483649", std::nullopt}, {"$123456789", std::nullopt},
        {"$", std::nullopt},           {"", std::nullopt},
        {"12a", std::nullopt},         {"clwindow", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseColourLine(c.line), c.colour) << c.line;
    EXPECT_EQ(colourLine(0x00123456), "$00123456");
    EXPECT_EQ(colourLine(0x00ABCDEF), "$00ABCDEF");
    EXPECT_EQ(colourLine(clWhite), "clWhite");
}

// A file that cannot be read or written leaves the design and its name as they were.
TEST_F(DesignFile, FailuresToReadOrWriteChangeNothing) {
    EXPECT_FALSE(editor.loadDesignFileFrom(folder.path() / "missing.dat"));
    std::filesystem::create_directory(folder.path() / "folder.dat");
    EXPECT_FALSE(editor.loadDesignFileFrom(folder.path() / "folder.dat"));
    EXPECT_FALSE(editor.saveDesignFileTo(folder.path() / "no-folder" / "x.dat"));
    editor.typeText(&D::stemHeight, "6000\xF0\x9F\x98\x80");  // a character Shift-JIS cannot hold
    EXPECT_FALSE(editor.saveDesignFileTo(folder.path() / "x.dat"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "x.dat"));
    ASSERT_EQ(dialogs.messages.size(), 4u);
    for (const auto& m : dialogs.messages) EXPECT_EQ(m.kind, MessageKind::Error);
    EXPECT_NE(dialogs.messages[1].text.find(testing::kReadingAFolder), std::string::npos)
        << "a folder is a file that cannot be opened: " << dialogs.messages[1].text;
    EXPECT_NE(dialogs.messages[3].text.find("設計条件を保存できません。"), std::string::npos);
    EXPECT_EQ(editor.caption(), "設計条件");
    EXPECT_TRUE(editor.state().subjectName.empty());
}

}  // namespace
}  // namespace marvoten
