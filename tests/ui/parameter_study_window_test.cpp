#include "ui/parameter_study_window.h"

#include <gtest/gtest.h>

#include <QTest>

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
    EXPECT_NE(desktop.dialogs.messages[0].text.find("項目名=開始:終了:刻み"), std::string::npos);
    EXPECT_EQ(w.resultTable().rowCount(), 0);
}

}  // namespace
}  // namespace marvoten::testing
