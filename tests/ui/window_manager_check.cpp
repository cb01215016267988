// The desktop under a real window manager (openbox on Xvfb, the xcb platform): which
// window stands above which, which has the keyboard, and where the windows are, as the
// window manager reports them. Offscreen tests cannot see any of this.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <sstream>

#include "model/design_file.h"
#include "ui/earth_pressure_window.h"
#include "ui/editor_shell.h"
#include "ui/qt_dialogs.h"
#include "ui/soil_constants_window.h"
#include "ui_support.h"

namespace marvoten::testing {
namespace {

std::string output(const std::string& command) {
    std::string text;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, p)) text += buffer;
        pclose(p);
    }
    return text;
}

// The window ids after the "#" of an xprop line, in order.
std::vector<WId> windowIds(const std::string& line) {
    std::vector<WId> ids;
    const auto hash = line.find('#');
    if (hash == std::string::npos) return ids;
    std::stringstream list(line.substr(hash + 1));
    std::string id;
    while (std::getline(list, id, ','))
        if (id.find("0x") != std::string::npos) ids.push_back(std::stoul(id, nullptr, 16));
    return ids;
}

// Bottom to top, as the window manager stacks the windows it manages.
std::vector<WId> stacking() {
    return windowIds(output("xprop -root _NET_CLIENT_LIST_STACKING"));
}

WId activeWindow() {
    const auto ids = windowIds(output("xprop -root _NET_ACTIVE_WINDOW"));
    return ids.empty() ? 0 : ids.front();
}

// Lets the window manager and the program answer each other.
void settle(int ms = 400) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QTest::qWait(20);
}

// A real click of the pointer, which the window manager sees.
void click(QPoint global) {
    output("xdotool mousemove " + std::to_string(global.x()) + " " + std::to_string(global.y()) +
           " click 1");
    settle();
}

// With MARVOTEN_WM_SCREENSHOTS naming a folder (make wm-screenshots), the whole screen
// as the window manager shows it.
void picture(const std::string& name) {
    const QString folder = qEnvironmentVariable("MARVOTEN_WM_SCREENSHOTS");
    if (folder.isEmpty()) return;
    const QString size = QString::number(QGuiApplication::primaryScreen()->size().width()) + "x" +
                         QString::number(QGuiApplication::primaryScreen()->size().height());
    output("import -window root '" + (folder + "/" + size + "-").toStdString() + name + ".png'");
}

std::size_t place(const std::vector<WId>& order, const QWidget& w) {
    const auto it = std::find(order.begin(), order.end(), w.winId());
    return it == order.end() ? std::string::npos : static_cast<std::size_t>(it - order.begin());
}

::testing::AssertionResult above(const QWidget& upper, const QWidget& lower) {
    const auto order = stacking();
    const std::size_t u = place(order, upper), l = place(order, lower);
    if (u != std::string::npos && l != std::string::npos && u > l)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << upper.windowTitle().toStdString() << " (" << u << ") is not above "
           << lower.windowTitle().toStdString() << " (" << l << ")";
}

::testing::AssertionResult onTopAndActive(const QWidget& w) {
    const auto order = stacking();
    if (order.empty() || order.back() != w.winId())
        return ::testing::AssertionFailure() << w.windowTitle().toStdString() << " is not on top";
    if (activeWindow() != w.winId())
        return ::testing::AssertionFailure()
               << w.windowTitle().toStdString() << " does not have the keyboard";
    return ::testing::AssertionSuccess();
}

// The whole program with the real message boxes, as a user has it.
class WindowManager : public ::testing::Test {
protected:
    void SetUp() override {
        registerWindows(registry);
        startDesktop();
        // A window manager that has died or stopped answering is what the test machine
        // did, not the program: it is said, replaced once, and the program started anew.
        if (!windowManagerHasTheStartUpWindows()) {
            std::cerr << "The window manager did not take the start-up's windows; it printed:\n"
                      << output("cat /tmp/marvoten-wm-" + displayNumber() + ".log")
                      << "The program is started again under a new window manager.\n";
            desktop.reset();
            std::system((std::string("bash ") + MARVOTEN_WM_SESSION_SCRIPT + " restart-wm " +
                         displayNumber())
                            .c_str());
            startDesktop();
            ASSERT_TRUE(windowManagerHasTheStartUpWindows());
        }
        settle(400);
    }
    void startDesktop() {
        desktop = std::make_unique<Desktop>(dialogs, registry);
        dialogs.setParent(&desktop->mainWindow());
        desktop->start();
        static_cast<void>(QTest::qWaitForWindowExposed(&desktop->mainWindow()));
    }
    bool windowManagerHasTheStartUpWindows() {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 5000) {
            const auto order = stacking();
            if (place(order, main()) != std::string::npos &&
                place(order, editor()) != std::string::npos)
                return true;
            settle(100);
        }
        return false;
    }
    static std::string displayNumber() {
        return qEnvironmentVariable("DISPLAY").mid(1).toStdString();
    }
    void TearDown() override {
        desktop.reset();
        settle(200);
    }
    QWidget& window(WindowId id) { return desktop->window(id)->widget(); }
    QWidget& main() { return desktop->mainWindow(); }
    QWidget& editor() { return window(WindowId::Editor); }
    QWidget& results() { return window(WindowId::Results); }

    // Runs `action`; every message box it opens is looked at by `check`; the first is
    // answered with `answer` (none: its Escape), any later one with its Escape.
    void whileAsked(const std::function<void()>& action,
                    const std::function<void(QMessageBox&)>& check,
                    QMessageBox::StandardButton answer = QMessageBox::NoButton) {
        int seen = 0;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || box->property("looked at").toBool()) return;
            box->setProperty("looked at", true);
            settle();
            check(*box);
            picture("message-" + std::to_string(++pictures));
            if (seen++ == 0 && answer != QMessageBox::NoButton) {
                if (QAbstractButton* b = box->button(answer)) return b->click();
            }
            box->reject();
        });
        watch.start(50);
        action();
        watch.stop();
        EXPECT_GT(seen, 0) << "no message box appeared";
        settle();
    }

    QtDialogs dialogs;
    WindowRegistry registry;
    std::unique_ptr<Desktop> desktop;
    QTemporaryDir scratch;
    int pictures = 0;
};

TEST_F(WindowManager, AtStartUpTheEditorStandsAboveTheMainWindowWithTheKeyboard) {
    picture("start-up");
    EXPECT_TRUE(above(editor(), main()));
    EXPECT_TRUE(onTopAndActive(editor()));
}

// Regression: the first click on the main window's menu bar or work area put the
// editor behind the maximised main window.
TEST_F(WindowManager, ClicksOnTheMainWindowLeaveTheEditorAboveIt) {
    const QRect work = main().geometry();
    const QPoint menuBar = main().mapToGlobal(QPoint(20, 10));
    for (const QPoint at : {QPoint(work.right() - 20, work.bottom() - 40), menuBar}) {
        click(at);
        output("xdotool key Escape");
        settle();
        EXPECT_TRUE(above(editor(), main())) << at.x() << "," << at.y();
    }
}

// Every kind of question or message stands over the window that asked, has the
// keyboard, and gives it back when it is answered.
TEST_F(WindowManager, MessageBoxesStandOverTheWindowThatAsked) {
    DesignConditionsEditor& e = desktop->session().editor;
    struct Scenario {
        const char* name;
        std::function<QWidget&()> asker;
        std::function<void()> action;
        QMessageBox::StandardButton answer;
    };
    const std::vector<Scenario> scenarios = {
        {"editor: a text that is not a number", [&]() -> QWidget& { return editor(); },
         [&] {
             e.typeText(&DesignConditions::stemHeight, "abc");
             desktop->startCalculationFromEditor();
         },
         QMessageBox::Yes},
        {"validation before a run", [&]() -> QWidget& { return editor(); },
         [&] {
             e.typeText(&DesignConditions::stemHeight, "7100");
             e.typeText(&DesignConditions::baseWidth, "5000");
             desktop->runCalculation();
         },
         QMessageBox::NoButton},
        {"coefficient window: the inverted-T wall",
         [&]() -> QWidget& { return window(WindowId::EarthPressureCoefficients); },
         [&] {
             desktop->perform(Command::ShowEarthPressureCoefficientsFromToolbar);
             settle();
             auto* w = desktop->windowAs<EarthPressureWindow>(WindowId::EarthPressureCoefficients);
             w->controller().chooseWallType(WallTypeTab::InvertedT);
             w->controller().display();
         },
         QMessageBox::NoButton},
        {"soil constants: the transfer question",
         [&]() -> QWidget& { return window(WindowId::SoilConstants); },
         [&] {
             desktop->perform(Command::ShowSoilConstantsFromToolbar);
             settle();
             auto* soil = desktop->windowAs<SoilConstantsView>(WindowId::SoilConstants);
             QTableWidget& grid = soil->naturalGroundGrid();
             QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                               grid.visualItemRect(grid.item(3, 0)).center());
         },
         QMessageBox::No},
        {"the exit question", [&]() -> QWidget& { return main(); },
         [&] { desktop->perform(Command::Exit); }, QMessageBox::No},
    };
    for (const Scenario& s : scenarios) {
        QWidget* asked = nullptr;
        whileAsked(
            s.action,
            [&](QMessageBox& box) {
                asked = &s.asker();
                EXPECT_TRUE(onTopAndActive(box)) << s.name;
                EXPECT_TRUE(above(box, *asked)) << s.name;
            },
            s.answer);
        if (asked) {
            EXPECT_EQ(activeWindow(), asked->winId())
                << s.name << ": keyboard given back, not to "
                << output("xprop -id " + std::to_string(activeWindow()) + " WM_NAME");
        }
        for (WindowId id : {WindowId::EarthPressureCoefficients, WindowId::SoilConstants})
            window(id).hide();
        settle();
    }
}

// Regression: a run with the results window behind the editor left it there; a
// design-file load and a closed preview let the editor come over it.
TEST_F(WindowManager, TheResultsWindowStaysAboveTheEditor) {
    ASSERT_EQ(desktop->runCalculation(), RunOutcome::Completed);
    settle();
    EXPECT_TRUE(above(results(), editor())) << "after the first run";
    // On a caption, where a click does nothing but bring the editor forward (a fixed
    // corner of the editor held the 計算開始 button at one screen size).
    const QLabel* caption = nullptr;
    for (const QLabel* l : editor().findChildren<QLabel*>())
        if (!caption && l->isVisible() && !l->text().isEmpty()) caption = l;
    ASSERT_NE(caption, nullptr);
    click(caption->mapToGlobal(caption->rect().center()));
    EXPECT_TRUE(above(results(), editor())) << "after a click on the editor";
    ASSERT_EQ(desktop->runCalculation(), RunOutcome::Completed);
    settle();
    EXPECT_TRUE(onTopAndActive(results())) << "a run brings the results forward";
    picture("results-after-a-run");

    const QString file = scratch.filePath("壁.dat");
    ASSERT_NO_THROW(writeDesignFile(file.toStdString(), desktop->session().editor.conditions()));
    whileAsked([&] { desktop->openDesignFile(file.toStdString()); }, [](QMessageBox&) {});
    EXPECT_TRUE(above(results(), editor())) << "after a design-file load";

    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* preview = QApplication::activeModalWidget()) {
            closer.stop();
            settle();
            EXPECT_TRUE(onTopAndActive(*preview)) << "the preview";
            qobject_cast<QDialog*>(preview)->reject();
        }
    });
    closer.start(50);
    desktop->perform(Command::PreviewContents);
    closer.stop();
    settle();
    EXPECT_TRUE(above(results(), editor())) << "after the preview closed";
    EXPECT_TRUE(above(editor(), main()));
}

// At the screen size of the display: every window inside the available area, no
// frame over the toolbars, the editor's buttons reachable.
TEST_F(WindowManager, EveryWindowFitsTheScreenBelowTheToolbars) {
    const QRect area = main().screen()->availableGeometry();
    int toolbarsBottom = 0;
    for (QToolBar* bar : main().findChildren<QToolBar*>())
        toolbarsBottom = std::max(toolbarsBottom, bar->mapToGlobal(QPoint(0, bar->height())).y());
    ASSERT_EQ(desktop->runCalculation(), RunOutcome::Completed);
    const struct {
        Command command;
        WindowId window;
    } shown[] = {
        {Command::ShowEditor, WindowId::Editor},
        {Command::ShowResults, WindowId::Results},
        {Command::ShowSoilConstantsFromMenu, WindowId::SoilConstants},
        {Command::ShowSoilConstantsFromToolbar, WindowId::SoilConstants},
        {Command::ShowEarthPressureCoefficientsFromToolbar, WindowId::EarthPressureCoefficients},
        {Command::ShowBearingFactors, WindowId::EarthPressureCoefficients},
        {Command::ShowBeamTable, WindowId::BeamTable},
        {Command::ShowParameterStudy, WindowId::ParameterStudy},
        {Command::ShowAbout, WindowId::About},
    };
    for (const auto& s : shown) {
        desktop->perform(s.command);
        settle();
        const QWidget& w = window(s.window);
        picture("window-" + std::to_string(static_cast<int>(s.command)));
        const QRect frame = w.frameGeometry();
        const std::string name = w.windowTitle().toStdString();
        const auto text = [](const QRect& r) {
            return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
                   std::to_string(r.width()) + "x" + std::to_string(r.height());
        };
        EXPECT_TRUE(area.contains(frame))
            << name << " leaves the screen: " << text(frame) << " in " << text(area);
        if (s.window != WindowId::About && s.window != WindowId::ParameterStudy) {
            EXPECT_GE(frame.top(), toolbarsBottom) << name << " covers the toolbars";
        }
        EXPECT_EQ(frame.top() < w.geometry().top(), true) << name << ": placed by its frame";
    }
    // The editor scrolls to every button it has.
    auto& shell = *desktop->windowAs<EditorShell>(WindowId::Editor);
    for (QPushButton* b : shell.window().findChildren<QPushButton*>()) {
        shell.window().scrollArea().ensureWidgetVisible(b);
        QApplication::processEvents();
        const QRect onScreen(b->mapToGlobal(QPoint(0, 0)), b->size());
        EXPECT_TRUE(area.contains(onScreen)) << b->text().toStdString() << " is out of reach";
    }
}

}  // namespace
}  // namespace marvoten::testing
