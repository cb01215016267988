#include "study/parameter_study_controller.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace marvoten {
namespace {

struct Controller : ::testing::Test {
    testing::FakeDialogs dialogs;
    DesignConditionsEditor editor{dialogs};
    ParameterStudyController study{editor, dialogs};
    std::vector<StudyChange> changes;
    void SetUp() override {
        editor.typeText(&DesignConditions::sigmaCa, "9");
        study.setListener([this](const StudyChange& c) { changes.push_back(c); });
        study.show();
    }
};

TEST_F(Controller, StudiesTheChosenFieldOfTheEditorsConditions) {
    EXPECT_EQ(ParameterStudyController::fields()[static_cast<std::size_t>(study.field())].name,
              std::string("toeWidth"));
    EXPECT_EQ(study.from(), "1750");  // half to one and a half times 3500
    EXPECT_EQ(study.to(), "5250");
    EXPECT_EQ(study.step(), "180");
    study.setFrom("3000");
    study.setTo("3500");
    study.setStep("250");
    study.runStudy();
    ASSERT_EQ(study.rows().size(), 3u);
    EXPECT_EQ(study.rows()[2].values.front(), "3500");
    EXPECT_TRUE(study.rows()[2].evaluation.passed) << "σca 9 from the editor";
    ASSERT_TRUE(study.plot().has_value());
    EXPECT_TRUE(changes.back().has(StudyChange::Results));

    // A range that is not of the form: its message, the earlier results kept.
    study.setStep("0");
    study.runStudy();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("刻みは正の数"), std::string::npos);
    EXPECT_EQ(study.rows().size(), 3u);
}

TEST_F(Controller, SizedDimensionsReachTheEditorOnlyAfterYes) {
    study.transferSizedDesign();  // nothing sized yet: no question
    EXPECT_TRUE(dialogs.confirmations.empty());
    study.runSizing();
    ASSERT_TRUE(study.sizing() && study.sizing()->found);
    const std::string sizedToe = study.sizing()->design.toeWidth.text;
    ASSERT_NE(sizedToe, editor.conditions().toeWidth.text);

    dialogs.answers = {false};
    study.transferSizedDesign();
    EXPECT_EQ(editor.conditions().toeWidth.text, "3500");
    dialogs.answers = {true};
    study.transferSizedDesign();
    ASSERT_EQ(dialogs.confirmations.size(), 2u);
    EXPECT_EQ(dialogs.confirmations[1], "この寸法を設計条件に転記しますか？");
    const DesignConditions& d = editor.conditions();
    EXPECT_EQ(d.toeWidth.text, sizedToe);
    EXPECT_EQ(d.baseWidth.text, study.sizing()->design.baseWidth.text);
    EXPECT_TRUE(evaluateDesign(d).passed);
}

}  // namespace
}  // namespace marvoten
