#include <gtest/gtest.h>

#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include "platform/version.h"
#include "ui_support.h"

namespace marvoten::testing {
namespace {

// Every entry of the menu bar as "depth caption", separators as "-", walked
// through the real menus.
void walkMenu(const QList<QAction*>& actions, int depth, std::vector<std::string>& out) {
    for (QAction* a : actions) {
        const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
        if (a->isSeparator()) {
            out.push_back(indent + "-");
            continue;
        }
        out.push_back(indent + a->text().toStdString());
        if (a->menu()) walkMenu(a->menu()->actions(), depth + 1, out);
    }
}

const std::vector<std::string> expectedMenus{
    "ファイル(&F)",
    "  1.設計条件読込...",
    "  2.設計条件保存...",
    "  -",
    "  3.終了...",
    "印刷(&P)",
    "  1.計算書一括印刷",
    "    即印刷",
    "    ﾌﾟﾚﾋﾞｭｰ",
    "  2.計算書ﾌﾟﾚﾋﾞｭｰ",
    "    目次",
    "    -",
    "    Ⅰ．設計条件",
    "    -",
    "    Ⅱ-1．荷重計算(自重：安定計算用)",
    "    Ⅱ-2．荷重計算(自重：構造計算用)",
    "    Ⅱ-3．荷重計算(土圧)",
    "    -",
    "    Ⅲ-1．安定計算",
    "      1．滑動、転倒、支持力",
    "      2．極限支持力",
    "    Ⅲ-2．荷重図",
    "    -",
    "    Ⅳ-1．構造計算(たて壁)",
    "      1．断面力",
    "      2．応力度",
    "      3．定着長",
    "    Ⅳ-2．構造計算(底版)",
    "      1．つま先版",
    "      2．突起",
    "  -",
    "  3.プリンタ設定...",
    "編集(&E)",
    "  1.テキスト出力...",
    "  2.ﾒﾀﾌｧｲﾙ出力...",
    "  3.PDF出力...",
    "表示(&V)",
    "  1.設計条件",
    "  2.計算結果",
    "  -",
    "  3.土質定数表",
    "  4.土圧係数",
    "  -",
    "  5.単鉄筋C1,C2,Po表",
    "実行(&R)",
    "  1.計算開始",
    "  2.パラメータ検討...",
    "システム(&S)",
    "  2.このシステムは...",
};

// "caption [hint]" of each button of a toolbar, separators as "-".
std::vector<std::string> toolbarFace(QToolBar* bar) {
    std::vector<std::string> out;
    for (QAction* a : bar->actions())
        out.push_back(a->isSeparator()
                          ? "-"
                          : a->text().toStdString() + " [" + a->toolTip().toStdString() + "]");
    return out;
}

QAction* menuAction(MainWindow& w, const std::vector<QString>& path) {
    QList<QAction*> actions = w.menuBar()->actions();
    QAction* found = nullptr;
    for (const QString& caption : path) {
        found = nullptr;
        for (QAction* a : actions)
            if (a->text() == caption) found = a;
        if (!found) return nullptr;
        if (found->menu()) actions = found->menu()->actions();
    }
    return found;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop->start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&desktop->mainWindow()));
    }
    QAction* toolbarButton(int bar, const QString& caption) {
        for (QAction* a : desktop->mainWindow().toolbar(bar)->actions())
            if (a->text() == caption) return a;
        return nullptr;
    }
    TestDesktop desktop;
};

TEST_F(MainWindowTest, MenusHaveTheirCaptionsSubmenusAndSeparatorsInOrder) {
    std::vector<std::string> actual;
    walkMenu(desktop->mainWindow().menuBar()->actions(), 0, actual);
    EXPECT_EQ(actual, expectedMenus);
}

TEST_F(MainWindowTest, ToolbarsHaveTheirCaptionsHintsAndSeparatorsInOrder) {
    const std::vector<std::string> first{"終了 [終了]",  "-", "開く [読込]",     "保存 [保存]",
                                         "印刷 [印刷]",  "-", "ﾃｷｽﾄ [ﾃｷｽﾄ出力]", "WMF [WMF出力]",
                                         "PDF [PDF出力]"};
    const std::vector<std::string> second{"設計条件 [設計条件]",
                                          "計算結果 [計算結果]",
                                          "-",
                                          "土質定数 [土質定数]",
                                          "-",
                                          "単鉄筋表 [単鉄筋表]",
                                          "-",
                                          "土圧係数 [土圧係数]",
                                          "支持力係数 [支持力係数]"};
    EXPECT_EQ(toolbarFace(desktop->mainWindow().toolbar(1)), first);
    EXPECT_EQ(toolbarFace(desktop->mainWindow().toolbar(2)), second);
    for (int bar : {1, 2})
        for (QAction* a : desktop->mainWindow().toolbar(bar)->actions()) {
            if (a->isSeparator()) continue;
            EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
        }
}

TEST_F(MainWindowTest, FirstShowSetsCaptionStatusPanelAndBackground) {
    MainWindow& w = desktop->mainWindow();
    EXPECT_EQ(w.windowTitle().toStdString(), "Marvoten(Sordex Ver3.1)");
    EXPECT_EQ(w.statusPanel().text().toStdString(), "Sordexへようこそ．．．");
    EXPECT_EQ(w.statusPanel().width(), w.statusBar()->width() - 160);
    EXPECT_EQ(w.centralWidget()->palette().color(QPalette::Window), QColor(144, 160, 144));
    EXPECT_EQ(QApplication::applicationName().toStdString(), "Sordex");
}

TEST_F(MainWindowTest, ExitAskedAtItsPlaceAndAnsweredNoLeavesEveryWindowAsItWas) {
    MainWindow& w = desktop->mainWindow();
    desktop->perform(Command::ShowResults);
    QWidget& results = desktop->window(WindowId::Results)->widget();
    const QRect resultsPlace = results.geometry();
    desktop.dialogs.answers = {false};
    menuAction(w, {"ファイル(&F)", "3.終了..."})->trigger();
    ASSERT_EQ(desktop.dialogs.confirmations, std::vector<std::string>{"終了しますか。"});
    ASSERT_TRUE(desktop.dialogs.confirmationPositions[0].has_value());
    EXPECT_EQ(desktop.dialogs.confirmationPositions[0]->x, 0);
    EXPECT_EQ(desktop.dialogs.confirmationPositions[0]->y, 82);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(results.isVisible());
    EXPECT_EQ(results.geometry(), resultsPlace);

    desktop.dialogs.answers = {true};
    toolbarButton(1, "終了")->trigger();
    EXPECT_EQ(desktop.dialogs.confirmations.size(), 2u);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(MainWindowTest, ClosingThroughTheFrameAsksNothing) {
    desktop->mainWindow().close();
    EXPECT_TRUE(desktop.dialogs.confirmations.empty());
    EXPECT_TRUE(desktop.dialogs.saveQuestions.empty());
    EXPECT_FALSE(desktop->mainWindow().isVisible());
}

// Regression: a changed field was lost when the frame closed the program. A changed
// design is offered for saving, by the frame and by "3.終了..." alike.
TEST_F(MainWindowTest, ClosingAChangedDesignOffersToSaveIt) {
    MainWindow& w = desktop->mainWindow();
    desktop->session().editor.typeText(&DesignConditions::stemHeight, "5500");
    const struct {
        const char* name;
        std::function<void()> close;
        SaveChoice choice;
        bool closes;
    } cases[] = {
        {"frame, 取消", [&] { w.close(); }, SaveChoice::Cancel, false},
        {"command, 取消", [&] { desktop->perform(Command::Exit); }, SaveChoice::Cancel, false},
        {"frame, 保存 with the file dialog cancelled", [&] { w.close(); }, SaveChoice::Save, false},
        {"frame, 保存しない", [&] { w.close(); }, SaveChoice::Discard, true},
    };
    for (const auto& c : cases) {
        desktop.dialogs.saveQuestions.clear();
        desktop.dialogs.saveChoices = {c.choice};
        c.close();
        EXPECT_EQ(desktop.dialogs.saveQuestions, std::vector<std::string>{saveBeforeExitQuestion})
            << c.name;
        EXPECT_TRUE(desktop.dialogs.confirmations.empty()) << c.name << ": asked twice";
        EXPECT_EQ(w.isVisible(), !c.closes) << c.name;
        EXPECT_EQ(desktop->session().editor.conditions().stemHeight.text, "5500") << c.name;
    }
}

TEST_F(MainWindowTest, SavingBeforeClosingWritesTheFileAndCloses) {
    QTemporaryDir folder;
    const std::filesystem::path here = std::filesystem::current_path();
    MainWindow& w = desktop->mainWindow();
    desktop->session().editor.typeText(&DesignConditions::stemHeight, "5500");
    const std::string file = (folder.path() + "/壁.dat").toStdString();
    desktop.dialogs.fileToSave = file;
    desktop.dialogs.saveChoices = {SaveChoice::Save};
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(file)));
    EXPECT_FALSE(desktop->session().editor.modified());
    EXPECT_TRUE(std::filesystem::equivalent(desktop->session().workFolder,
                                            std::filesystem::u8path(folder.path().toStdString())))
        << "the chosen file's folder became the work folder";
    EXPECT_EQ(std::filesystem::current_path(), here);
}

TEST_F(MainWindowTest, EntriesOfWindowsNotYetBuiltSayNotYetAvailable) {
    WindowRegistry onlyResults;
    onlyResults.add(WindowId::Results,
                    [](Desktop& d) { return std::make_unique<ResultsWindow>(d); });
    TestDesktop bare(std::move(onlyResults));
    bare->perform(Command::ShowSoilConstantsFromMenu);
    bare->perform(Command::PreviewBook);
    ASSERT_EQ(bare.dialogs.messages.size(), 2u);
    for (const auto& m : bare.dialogs.messages) EXPECT_EQ(m.text, notYetAvailableText);
}

// A window whose command writes into the book and the design, then fails.
class FailingWindow : public ShellWindow {
public:
    explicit FailingWindow(Desktop& d) : desktop_(d) {}
    QWidget& widget() override { return widget_; }
    void perform(Command) override {
        desktop_.session().book.text(TextId::SelfWeightText).addLine("途中まで");
        desktop_.session().editor.typeText(&DesignConditions::stemHeight, "9999");
        throw std::runtime_error("表の読み違い");
    }

private:
    Desktop& desktop_;
    QWidget widget_;
};

TEST_F(MainWindowTest, ACommandThatFailsNamesTheErrorAndLeavesDesignAndBookAsTheyWere) {
    WindowRegistry windows = TestDesktop::allWindows();
    windows.add(WindowId::SoilConstants,
                [](Desktop& d) { return std::make_unique<FailingWindow>(d); });
    TestDesktop failing(std::move(windows));
    const auto linesBefore = failing->session().book.text(TextId::SelfWeightText).lineCount();
    failing->perform(Command::ShowSoilConstantsFromToolbar);
    ASSERT_EQ(failing.dialogs.messages.size(), 1u);
    EXPECT_EQ(failing.dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_NE(failing.dialogs.messages[0].text.find("表の読み違い"), std::string::npos);
    EXPECT_EQ(failing->session().book.text(TextId::SelfWeightText).lineCount(), linesBefore);
    EXPECT_EQ(failing->session().editor.conditions().stemHeight.text, "7100");
}

TEST_F(MainWindowTest, AboutBoxShowsTheProductAndHidesOnOk) {
    desktop->perform(Command::ShowAbout);
    auto* about = desktop->windowAs<AboutBox>(WindowId::About);
    ASSERT_NE(about, nullptr);
    QWidget& box = about->widget();
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(box.windowTitle().toStdString(), "このシステムは");
    EXPECT_EQ(about->productLabel().text().toStdString(), "Marvoten(Sordex Ver3.1)");
    EXPECT_EQ(about->dateLabel().text().toStdString(), "H30.4.1");
    EXPECT_EQ(about->buildLabel().text().toStdString(),
              std::string("バージョン ") + programVersion);
    QPushButton* ok = nullptr;
    for (auto* b : box.findChildren<QPushButton*>())
        if (b->text() == "O.K") ok = b;
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
}

}  // namespace
}  // namespace marvoten::testing
