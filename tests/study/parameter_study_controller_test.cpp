#include "study/parameter_study_controller.h"

#include <gtest/gtest.h>

#include "model/design_file.h"
#include "study/study_texts.h"
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
    EXPECT_TRUE(study.busy() || study.rows().size() == 3u) << "the study runs on its own thread";
    study.wait();
    ASSERT_EQ(study.rows().size(), 3u);
    EXPECT_EQ(study.rows()[2].values.front(), "3500");
    EXPECT_TRUE(study.rows()[2].evaluation.passed) << "σca 9 from the editor";
    ASSERT_TRUE(study.plot().has_value());
    EXPECT_TRUE(changes.back().has(StudyChange::Results));

    // A range that cannot be studied: the window's own words, the earlier results kept.
    const struct {
        const char *from, *to, *step, *message;
    } refused[] = {
        {"3000", "3500", "0", "刻みは正の数で指定して下さい。"},
        {"3000", "3500", "abc", "刻み：'abc' は数値ではありません。"},
        {"x", "3500", "50", "開始：'x' は数値ではありません。"},
        {"3000", "１", "50", "終了：'１' は数値ではありません。"},
        {"3500", "3000", "50", "終了は開始以上で指定して下さい。"},
        {"0", "1e9", "1", "刻みが細かすぎます (1,000,000 件まで)。"},
    };
    for (const auto& r : refused) {
        dialogs.messages.clear();
        study.setFrom(r.from);
        study.setTo(r.to);
        study.setStep(r.step);
        study.runStudy();
        EXPECT_FALSE(study.busy());
        ASSERT_EQ(dialogs.messages.size(), 1u) << r.message;
        EXPECT_EQ(dialogs.messages[0].text, r.message);
        EXPECT_EQ(study.rows().size(), 3u);
    }
}

// Regression: the window studied the conditions of its opening; a surcharge added in
// the editor afterwards was not in the study, and the sized wall failed with it.
TEST_F(Controller, EveryStudyAndSizingReadsTheEditorAtTheClick) {
    study.setFrom("3500");
    study.setTo("3500");
    study.setStep("50");
    editor.setOption(Option::HasSurcharge, true);
    editor.typeText(&DesignConditions::surcharge, "30");
    study.runStudy();
    study.wait();
    ASSERT_EQ(study.rows().size(), 1u);
    const DesignEvaluation now = evaluateDesign(editor.conditions());
    ASSERT_FALSE(now.checks.empty());
    EXPECT_EQ(study.rows()[0].evaluation.checks.front().value, now.checks.front().value);
    EXPECT_TRUE(study.resultsCurrent());
    editor.typeText(&DesignConditions::surcharge, "20");
    EXPECT_FALSE(study.resultsCurrent()) << "the results belong to the earlier design";
}

// Regression: a sizing made for one wall could be transferred onto another.
TEST_F(Controller, ASizingIsTransferredOnlyOntoTheConditionsItWasSizedFor) {
    study.runSizing();
    study.wait();
    ASSERT_TRUE(study.sizing() && study.sizing()->found);
    editor.typeText(&DesignConditions::stemHeight, "7000");
    dialogs.answers = {true};
    study.transferSizedDesign();
    EXPECT_TRUE(dialogs.confirmations.empty()) << "refused before the question";
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, staleSizingMessage);
    EXPECT_EQ(editor.conditions().toeWidth.text, "3500");
}

// 中止 ends a sizing at its next report: nothing of it is kept, the editor is as it was.
TEST_F(Controller, CancelEndsASizingAndKeepsNothing) {
    const DesignConditions before = editor.conditions();
    study.runSizing();
    study.cancel();
    study.wait();
    EXPECT_FALSE(study.busy());
    EXPECT_FALSE(study.sizing().has_value());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(designFileBytes(editor.conditions()), designFileBytes(before));
}

// A design without a ground reaction says so; no check governs it.
TEST(StudyTexts, AnIncalculableDesignNamesNoGoverningCheck) {
    DesignConditions d;
    d.toeWidth.text = "300";
    d.baseWidth.text = "842";
    const DesignEvaluation ev = evaluateDesign(d);
    ASSERT_EQ(ev.outcome, EvaluationOutcome::Incalculable);
    EXPECT_EQ(verdictText(ev), "計算不能");
    EXPECT_EQ(governingText(ev), "計算不能 (地盤反力が求められません)");
}

TEST_F(Controller, SizedDimensionsReachTheEditorOnlyAfterYes) {
    study.transferSizedDesign();  // nothing sized yet: no question
    EXPECT_TRUE(dialogs.confirmations.empty());
    study.runSizing();
    study.wait();
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
