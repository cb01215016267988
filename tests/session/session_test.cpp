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

}  // namespace
}  // namespace marvoten
