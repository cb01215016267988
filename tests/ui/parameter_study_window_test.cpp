#include "ui/parameter_study_window.h"

#include <gtest/gtest.h>

#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include "model/design_file.h"
#include "ui/editor_shell.h"
#include "ui_support.h"

namespace marvoten::testing {
namespace {

class ParameterStudyWindowTest : public ::testing::Test {
protected:
    TestDesktop desktop;
    ParameterStudyWindow& window() {
        return *desktop->windowAs<ParameterStudyWindow>(WindowId::ParameterStudy);
    }
    DesignConditionsEditor& editor() { return desktop->session().editor; }
    void type(QLineEdit& edit, const char* text) {
        edit.selectAll();
        QTest::keyClicks(&edit, QString::fromUtf8(text));
    }
};

// From the menu, a small study of the toe width: the table and the plot, then the
// sizing, whose dimensions reach the editor only after Yes.
TEST_F(ParameterStudyWindowTest, StudyPlotAndSizingFromTheEditorsConditions) {
    editor().typeText(&DesignConditions::sigmaCa, "9");
    desktop->perform(Command::ShowParameterStudy);
    ParameterStudyWindow& w = window();
    ASSERT_TRUE(w.widget().isVisible());
    EXPECT_EQ(w.widget().windowTitle(), QStringLiteral("パラメータ検討"));
    EXPECT_EQ(w.fieldBox().currentText(), QStringLiteral("つま先版幅(mm)"));
    type(w.fromEdit(), "3000");
    type(w.toEdit(), "3500");
    type(w.stepEdit(), "250");
    QTest::mouseClick(&w.studyButton(), Qt::LeftButton);
    ASSERT_EQ(w.resultTable().rowCount(), 3);
    EXPECT_EQ(w.resultTable().item(2, 0)->text(), QStringLiteral("3500"));
    EXPECT_EQ(w.resultTable().item(2, 1)->text(), QStringLiteral("OK"));
    QApplication::processEvents();
    const ScreenshotFolder folder("MARVOTEN_SCREENSHOTS");
    const QString picture = folder.path() + "/parameter_study.png";
    ASSERT_TRUE(w.widget().grab().save(picture));
    EXPECT_TRUE(showsAPicture(picture));

    EXPECT_FALSE(w.transferButton().isEnabled());
    QTest::mouseClick(&w.sizingButton(), Qt::LeftButton);
    ASSERT_TRUE(w.transferButton().isEnabled());
    EXPECT_TRUE(w.sizingText().text().contains(QStringLiteral("断面積")));
    const std::string sized = w.controller().sizing()->design.toeWidth.text;

    desktop.dialogs.answers = {false};
    QTest::mouseClick(&w.transferButton(), Qt::LeftButton);
    EXPECT_EQ(editor().conditions().toeWidth.text, "3500");
    desktop.dialogs.answers = {true};
    QTest::mouseClick(&w.transferButton(), Qt::LeftButton);
    EXPECT_EQ(editor().conditions().toeWidth.text, sized);
    EditorWindow& editorWindow = desktop->windowAs<EditorShell>(WindowId::Editor)->window();
    EXPECT_EQ(editorWindow.numberEdit(&DesignConditions::toeWidth)->text(),
              QString::fromStdString(sized));
}

TEST_F(ParameterStudyWindowTest, ABadRangeIsAMessageAndTheWindowKeepsItsResults) {
    desktop->perform(Command::ShowParameterStudy);
    ParameterStudyWindow& w = window();
    type(w.stepEdit(), "abc");
    QTest::mouseClick(&w.studyButton(), Qt::LeftButton);
    ASSERT_EQ(desktop.dialogs.messages.size(), 1u);
    EXPECT_EQ(desktop.dialogs.messages[0].text, "刻み：'abc' は数値ではありません。")
        << "the window's own words, not the command line's";
    EXPECT_EQ(w.resultTable().rowCount(), 0);
}

// The study and the sizing run off the window's thread: a long study shows its
// progress, and 中止 in the progress dialog ends a sizing with nothing kept.
TEST_F(ParameterStudyWindowTest, LongJobsShowTheirProgressAndStopOnCancel) {
    desktop->perform(Command::ShowParameterStudy);
    ParameterStudyWindow& w = window();
    int largestSeen = -1;
    bool cancelNext = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QProgressDialog* p : w.widget().findChildren<QProgressDialog*>()) {
            if (p->isVisible()) largestSeen = std::max(largestSeen, p->maximum());
            if (!cancelNext) continue;
            // The sizing may end before its dialog shows; its 中止 is there from the start.
            for (QPushButton* b : p->findChildren<QPushButton*>())
                if (b->text() == QStringLiteral("中止")) b->click();
        }
    });
    watch.start(20);
    type(w.fromEdit(), "500");
    type(w.toEdit(), "8000");
    type(w.stepEdit(), "2.5");
    QTest::mouseClick(&w.studyButton(), Qt::LeftButton);
    EXPECT_EQ(w.resultTable().rowCount(), 3001);
    EXPECT_TRUE(w.progressSeen());
    EXPECT_EQ(largestSeen, 3001);

    const std::string before = designFileBytes(editor().conditions());
    cancelNext = true;
    QTest::mouseClick(&w.sizingButton(), Qt::LeftButton);
    watch.stop();
    EXPECT_FALSE(w.controller().busy());
    EXPECT_FALSE(w.controller().sizing().has_value());
    EXPECT_FALSE(w.transferButton().isEnabled());
    EXPECT_EQ(designFileBytes(editor().conditions()), before);
    EXPECT_TRUE(desktop.dialogs.messages.empty());
}

// After an edit in the editor the shown results are marked as the earlier design's,
// and a sizing of the earlier design is not offered for transfer.
TEST_F(ParameterStudyWindowTest, ResultsOfAnEarlierDesignAreMarked) {
    editor().typeText(&DesignConditions::sigmaCa, "9");
    desktop->perform(Command::ShowParameterStudy);
    ParameterStudyWindow& w = window();
    type(w.fromEdit(), "3000");
    type(w.toEdit(), "3500");
    type(w.stepEdit(), "250");
    QTest::mouseClick(&w.studyButton(), Qt::LeftButton);
    QTest::mouseClick(&w.sizingButton(), Qt::LeftButton);
    ASSERT_TRUE(w.transferButton().isEnabled());
    EXPECT_TRUE(w.resultsNote().isHidden());
    EXPECT_TRUE(w.sizingText().text().contains(QStringLiteral("一段小さいと")));
    editor().typeText(&DesignConditions::stemHeight, "7000");
    EXPECT_FALSE(w.resultsNote().isHidden());
    EXPECT_FALSE(w.transferButton().isEnabled());
    EXPECT_TRUE(w.sizingText().text().contains(QStringLiteral("変更前の設計条件")));
}

}  // namespace
}  // namespace marvoten::testing
