#include "session/session.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/design_file.h"
#include "output/text_output.h"
#include "platform/safe_file.h"
#include "platform/utf8_path.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

// The results window follows the editor between runs: its key page appears and
// disappears with the shear key, also when a design file brings one, and the
// editor's "計算開始" hides the window before it asks.
TEST(Session, ResultsWindowFollowsTheEditor) {
    testing::FakeDialogs dialogs;
    Session s(dialogs);
    int forwarded = 0;
    s.onEditorChange = [&](const EditorChange&) { ++forwarded; };
    EXPECT_FALSE(s.book.shearKeyShown());

    s.editor.choose(Choice::HasShearKey, 1);
    EXPECT_TRUE(s.book.shearKeyShown());
    s.editor.choose(Choice::HasShearKey, 0);
    EXPECT_FALSE(s.book.shearKeyShown());

    DesignConditions withKey;
    withKey.hasShearKey = 1;
    withKey.keyPosition = {"800"};
    withKey.keyWidth = {"500"};
    withKey.keyHeight = {"400"};
    ASSERT_TRUE(s.editor.loadDesignBytes(designFileBytes(withKey), "key"));
    EXPECT_TRUE(s.book.shearKeyShown());

    ASSERT_EQ(runCalculationCommand(s), RunOutcome::Completed);
    EXPECT_TRUE(s.view.visible());
    dialogs.defaultAnswer = false;
    EXPECT_FALSE(s.editor.confirmCalculationStart());
    EXPECT_FALSE(s.view.visible());
    EXPECT_GE(forwarded, 4) << "every change also reaches the window";
}

// The editor's "計算開始": No ends it before the checks; a refusing check shows
// its message once (the run makes the checks, nobody before it) and leaves the
// book alone.
TEST(Session, ARunFromTheEditorAsksThenChecksOnce) {
    testing::FakeDialogs dialogs;
    Session s(dialogs);
    const auto untouched = s.book.table(TableId::LoadListTable).cell(1, 1);

    dialogs.answers = {false};
    EXPECT_EQ(startCalculationFromEditor(s), RunOutcome::Cancelled);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(s.book.table(TableId::LoadListTable).cell(1, 1), untouched);

    s.editor.choose(Choice::SeismicCase, 1);  // the allowable-stress table still says 常時
    EXPECT_EQ(startCalculationFromEditor(s), RunOutcome::Refused);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("[地震時計算時]", 0), 0u);
    EXPECT_EQ(s.book.table(TableId::LoadListTable).cell(1, 1), untouched);

    s.editor.allowableStressWindow().chooseLoadCase(1);
    EXPECT_EQ(startCalculationFromEditor(s), RunOutcome::Completed);
    EXPECT_EQ(dialogs.confirmations.size(), 3u);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(s.book.table(TableId::LoadListTable).cell(1, 1), untouched);
}

// Every strength, bar grade and load case the allowable-stress window offers,
// transferred onto the start values (the design's load case matching the table's),
// runs: σck 18 gives τo "0.0", which no check reads.
TEST(Session, EveryAllowableStressTransferRuns) {
    for (int strength = 0; strength < static_cast<int>(items::designStrength.size()); ++strength)
        for (int grade = 0; grade < 2; ++grade)
            for (int loadCase = 0; loadCase < 2; ++loadCase) {
                testing::FakeDialogs dialogs;
                Session s(dialogs);
                s.editor.choose(Choice::SeismicCase, loadCase);
                AllowableStressWindow& w = s.editor.allowableStressWindow();
                w.chooseDesignStrength(strength);
                w.chooseBarGrade(grade);
                w.chooseLoadCase(loadCase);
                s.editor.transferAllowableStresses();
                EXPECT_EQ(runCalculationCommand(s), RunOutcome::Completed)
                    << items::designStrength[strength] << " " << grade << " " << loadCase << ": "
                    << (dialogs.messages.empty() ? "" : dialogs.messages[0].text);
            }
}

// The work folder is the session's, not the process's: it starts as the process's
// current folder, the file dialogs open in it, it follows the folder of each design
// file chosen, and the menu outputs land in it. The process's folder never changes.
class SessionWorkFolder : public ::testing::Test {
protected:
    testing::TempFolder folder;
    const std::filesystem::path processFolder = std::filesystem::current_path();
    void TearDown() override {
        EXPECT_EQ(std::filesystem::current_path(), processFolder)
            << "the process's current folder was changed";
    }
};

TEST_F(SessionWorkFolder, FollowsTheFileChosenInTheDialogsAndHoldsTheOutputs) {
    namespace fs = std::filesystem;
    const fs::path designs = folder.path() / u8"設計";
    fs::create_directory(designs);
    const fs::path file = designs / u8"擁壁A.dat";

    testing::FakeDialogs saving;
    Session s(saving);
    EXPECT_EQ(s.workFolder, processFolder);
    s.editor.typeText(&DesignConditions::stemHeight, "6000");
    saving.fileToSave = utf8FromPath(file);
    saveDesignFileCommand(s);
    ASSERT_EQ(saving.fileRequests.size(), 1u);
    EXPECT_EQ(saving.fileRequests[0].startFolder, utf8FromPath(processFolder));
    EXPECT_EQ(saving.fileRequests[0].filter, "dat|*.dat");
    EXPECT_EQ(saving.fileRequests[0].defaultExtension, "dat");
    EXPECT_TRUE(saving.fileRequests[0].promptOverwrite);
    EXPECT_TRUE(fs::equivalent(s.workFolder, designs)) << s.workFolder;
    EXPECT_EQ(s.editor.caption(), "設計条件 擁壁A");
    EXPECT_EQ(saving.messages.back().text, "設計条件を保存しました。");

    // Another session starts in the process's folder again and loads the file.
    testing::FakeDialogs loading;
    Session other(loading);
    loading.fileToOpen = utf8FromPath(file);
    loadDesignFileCommand(other);
    ASSERT_EQ(loading.fileRequests.size(), 1u);
    EXPECT_EQ(loading.fileRequests[0].startFolder, utf8FromPath(processFolder));
    EXPECT_FALSE(loading.fileRequests[0].promptOverwrite);
    EXPECT_EQ(loading.fileRequests[0].filter, "dat|*.dat");
    EXPECT_TRUE(fs::equivalent(other.workFolder, designs)) << other.workFolder;
    EXPECT_EQ(other.editor.conditions().stemHeight.text, "6000");
    EXPECT_EQ(other.editor.state().subjectName, "擁壁A");
    EXPECT_EQ(loading.messages.back().text, "設計条件を読込みました。");

    // The next dialog opens where the last file was chosen; the output is written there.
    loadDesignFileCommand(other);
    ASSERT_EQ(loading.fileRequests.size(), 2u);
    EXPECT_TRUE(fs::equivalent(pathFromUtf8(loading.fileRequests[1].startFolder), designs));
    ASSERT_EQ(runCalculationCommand(other), RunOutcome::Completed);
    ASSERT_TRUE(runOutputCommand(other, OutputKind::Text));
    EXPECT_TRUE(fs::exists(designs / pathFromUtf8(kTextOutputName)));
    EXPECT_FALSE(fs::exists(processFolder / pathFromUtf8(kTextOutputName)))
        << "nothing is written where the process started";
}

// A file named without the dialog (at start, dropped) is taken from the work folder
// when its name is relative, and its folder becomes the work folder too.
TEST_F(SessionWorkFolder, AFileNamedWithoutTheDialogIsTakenFromTheWorkFolder) {
    namespace fs = std::filesystem;
    const fs::path inner = folder.path() / "inner";
    fs::create_directory(inner);
    DesignConditions tall;
    tall.stemHeight.text = "6500";
    writeDesignFile(inner / "tall.dat", tall);

    testing::FakeDialogs dialogs;
    Session s(dialogs);
    s.workFolder = folder.path();
    ASSERT_TRUE(openDesignFile(s, "inner/tall.dat"));
    EXPECT_EQ(s.editor.conditions().stemHeight.text, "6500");
    EXPECT_TRUE(fs::equivalent(s.workFolder, inner)) << s.workFolder;
    ASSERT_TRUE(openDesignFile(s, "tall.dat")) << "now relative to the inner folder";
}

// Cancelling a dialog changes nothing; a file that cannot be read still moves the
// work folder to where the user looked, as the dialog's choice of folder.
TEST_F(SessionWorkFolder, CancelChangesNothingAndAFailedLoadStillMovesIt) {
    testing::FakeDialogs dialogs;
    Session s(dialogs);
    saveDesignFileCommand(s);
    loadDesignFileCommand(s);
    EXPECT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(s.workFolder, processFolder);

    dialogs.fileToOpen = utf8FromPath(folder.path() / "missing.dat");
    loadDesignFileCommand(s);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(std::filesystem::equivalent(s.workFolder, folder.path()));
}

}  // namespace
}  // namespace marvoten
