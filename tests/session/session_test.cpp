#include "session/session.h"

#include <gtest/gtest.h>

#include "model/design_file.h"
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

}  // namespace
}  // namespace marvoten
