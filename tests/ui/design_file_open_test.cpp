// A design file reaches the program without the file dialog: named on the command
// line (the file manager's "open with") or dropped on the main window. Both load as
// "1.設計条件読込..." does, with its messages.
#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <filesystem>

#include "model/design_conditions.h"
#include "model/design_file.h"
#include "platform/safe_file.h"
#include "ui_support.h"

namespace marvoten::testing {
namespace {

namespace fs = std::filesystem;

enum class Arrival { NamedAtStart, Dropped };

// Drags the files over the main window and drops them where the work area is, as
// the window system delivers it; true when the window took the drop.
bool dropOnMainWindow(MainWindow& window, const std::vector<fs::path>& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const fs::path& f : files) urls.push_back(QUrl::fromLocalFile(qs(f.string())));
    data.setUrls(urls);
    QWidget* workArea = window.centralWidget();
    const QPoint at = workArea->mapTo(&window, workArea->rect().center());
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.windowHandle(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.windowHandle(), &drop);
    return drop.isAccepted();
}

// Brings the file in the way named, and lets the queued load run.
void open(TestDesktop& desktop, Arrival arrival, const fs::path& file) {
    if (arrival == Arrival::NamedAtStart) {
        desktop->start(file.string());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&desktop->mainWindow()));
    } else {
        desktop->start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&desktop->mainWindow()));
        ASSERT_TRUE(dropOnMainWindow(desktop->mainWindow(), {file}));
    }
    QTest::qWait(1);
}

std::string editorCaption(TestDesktop& desktop) {
    return desktop->window(WindowId::Editor)->widget().windowTitle().toStdString();
}

// The messages the load itself gives for this file, from an editor of its own.
std::vector<FakeDialogs::Message> loadMessagesOf(const fs::path& file) {
    FakeDialogs dialogs;
    DesignConditionsEditor editor(dialogs);
    editor.loadDesignFileFrom(file);
    return dialogs.messages;
}

class DesignFileOpenTest : public ::testing::TestWithParam<Arrival> {
protected:
    void SetUp() override {
        DesignConditions design;
        design.stemHeight.text = "6500";
        writeDesignFile(complete, design);
    }
    void TearDown() override { EXPECT_EQ(fs::current_path(), startFolder); }

    TempFolder tmp;
    fs::path startFolder = fs::current_path();
    fs::path complete = tmp.path() / "擁壁Ａ.dat";
};

TEST_P(DesignFileOpenTest, LoadsTheDesignUnderItsNameWithTheLoadsMessage) {
    TestDesktop desktop;
    open(desktop, GetParam(), complete);
    EXPECT_EQ(desktop->session().editor.conditions().stemHeight.text, "6500");
    EXPECT_EQ(editorCaption(desktop), "設計条件 擁壁Ａ");
    ASSERT_EQ(desktop.dialogs.messages.size(), 1u);
    EXPECT_EQ(desktop.dialogs.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(desktop.dialogs.messages[0].text, "設計条件を読込みました。");
    EXPECT_TRUE(fs::equivalent(desktop->session().workFolder, tmp.path()))
        << "outputs go beside the design file";
}

TEST_P(DesignFileOpenTest, AFileThatCannotBeLoadedLeavesTheStartValuesWithTheLoadsMessage) {
    const std::string bytes = readFileBytes(complete);
    const fs::path notAnIndex = tmp.path() / "notAnIndex.dat";
    writeFileSafely(notAnIndex, "x" + bytes.substr(bytes.find('\r')));
    const fs::path cutShort = tmp.path() / "cutShort.dat";
    writeFileSafely(cutShort, bytes.substr(0, bytes.size() / 2));
    for (const fs::path& damaged : {notAnIndex, cutShort, tmp.path() / "missing.dat"}) {
        SCOPED_TRACE(damaged.filename().string());
        const auto expected = loadMessagesOf(damaged);
        ASSERT_EQ(expected.size(), 1u);
        TestDesktop desktop;
        open(desktop, GetParam(), damaged);
        ASSERT_EQ(desktop.dialogs.messages.size(), 1u);
        EXPECT_EQ(desktop.dialogs.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(desktop.dialogs.messages[0].text, expected[0].text);
        EXPECT_EQ(desktop->session().editor.conditions().stemHeight.text, "7100");
        EXPECT_EQ(editorCaption(desktop), "設計条件");
    }
}

INSTANTIATE_TEST_SUITE_P(Arrivals, DesignFileOpenTest,
                         ::testing::Values(Arrival::NamedAtStart, Arrival::Dropped),
                         [](const auto& info) {
                             return info.param == Arrival::NamedAtStart ? "NamedAtStart"
                                                                        : "Dropped";
                         });

TEST(DesignFileDrop, OnlyALocalDesignFileIsTaken) {
    TempFolder tmp;
    const fs::path startFolder = fs::current_path();
    const fs::path design = tmp.path() / "WALL.DAT";
    writeDesignFile(design, DesignConditions{});
    const fs::path text = tmp.path() / "擁壁.txt";
    writeFileSafely(text, "text");
    TestDesktop desktop;
    desktop->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&desktop->mainWindow()));
    EXPECT_FALSE(dropOnMainWindow(desktop->mainWindow(), {text}));
    QTest::qWait(1);
    EXPECT_TRUE(desktop.dialogs.messages.empty()) << "nothing was loaded";
    EXPECT_TRUE(dropOnMainWindow(desktop->mainWindow(), {text, design}));
    QTest::qWait(1);
    EXPECT_EQ(desktop->session().editor.caption(), "設計条件 WALL");
    EXPECT_TRUE(fs::equivalent(desktop->session().workFolder, tmp.path()));
    EXPECT_EQ(fs::current_path(), startFolder);
}

}  // namespace
}  // namespace marvoten::testing
