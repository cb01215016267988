#include "session/print_commands.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "output/page_renderer.h"
#include "output/recording_canvas.h"
#include "support/recorded_calls.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

// Everything the commands did, in order, as the platform saw it.
struct Platform : PrintedPageDevice, PrintingWindows {
    std::vector<std::string> events;
    bool windowsShown = true;
    bool printerWorks = true;
    bool previewFails = false;
    // The drawing of every page shown, in order.
    std::vector<std::vector<std::string>> pages;
    std::vector<std::string> titles;

    void take(std::size_t count, const PageSource& page) {
        for (std::size_t i = 0; i < count; ++i) {
            RecordingCanvas canvas;
            const PrintedPage& p = page(i);
            renderPrintedPage(p, canvas);
            pages.push_back(testing::recordedCalls(canvas));
            titles.push_back(p.title.text);
        }
    }
    bool print(std::size_t count, const PageSource& page) override {
        events.push_back(windowsShown ? "print, windows shown" : "print");
        if (!printerWorks) return false;
        take(count, page);
        return true;
    }
    void preview(std::size_t count, const PageSource& page) override {
        events.push_back(windowsShown ? "preview, windows shown" : "preview");
        if (previewFails) throw std::runtime_error("preview window could not open");
        take(count, page);
    }
    void hideResultsAndEditor() override {
        events.push_back("hide");
        windowsShown = false;
    }
    void showResultsAndEditor() override {
        events.push_back("show");
        windowsShown = true;
    }
};

const std::vector<std::string> bookTitles{"目　　次",
                                          "Ⅰ．設計条件",
                                          "Ⅱ-1．荷重計算(自重：安定計算用)",
                                          "Ⅱ-2．荷重計算(自重：構造計算用)",
                                          "Ⅱ-3．荷重計算(土圧等)",
                                          "Ⅲ-1．安定計算",
                                          "Ⅲ-1．安定計算（極限支持力）",
                                          "Ⅲ-2．荷重図",
                                          "Ⅳ-1-1．構造計算：たて壁(断面力)",
                                          "Ⅳ-1-2．構造計算：たて壁(鉄筋量及び応力度)",
                                          "Ⅳ-1-3．構造計算：たて壁(鉄筋定着長)",
                                          "Ⅳ-2-1．構造計算：底版(つま先版)"};

void chooseShearKey(Session& s) {
    s.editor.choose(Choice::HasShearKey, 1);
}

TEST(PrintBookCommand, NoToTheQuestionPrintsNothingAndLeavesTheWindows) {
    testing::FakeDialogs dialogs;
    dialogs.defaultAnswer = false;
    Session s(dialogs);
    Platform platform;
    EXPECT_FALSE(printBookCommand(s, platform, platform));
    EXPECT_EQ(dialogs.confirmations, std::vector<std::string>{kPrinterQuestion});
    ASSERT_EQ(dialogs.confirmationPositions.size(), 1u);
    ASSERT_TRUE(dialogs.confirmationPositions[0].has_value());
    EXPECT_EQ(dialogs.confirmationPositions[0]->x, 0);
    EXPECT_EQ(dialogs.confirmationPositions[0]->y, 82);
    EXPECT_TRUE(platform.events.empty());
    EXPECT_TRUE(platform.pages.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

// Twelve pages in book order without a key, thirteen with one; the windows are
// out of the way while printing and come back after the closing message.
TEST(PrintBookCommand, YesPrintsEveryPageInOrderThenSaysSoAndShowsTheWindows) {
    for (bool key : {false, true}) {
        testing::FakeDialogs dialogs;
        Session s(dialogs);
        if (key) chooseShearKey(s);
        ASSERT_EQ(runCalculationCommand(s), RunOutcome::Completed);
        Platform platform;
        EXPECT_TRUE(printBookCommand(s, platform, platform));
        std::vector<std::string> titles = bookTitles;
        if (key) titles.push_back("Ⅳ-2-2．構造計算：底版(突起)");
        EXPECT_EQ(platform.titles, titles);
        EXPECT_EQ(platform.events, (std::vector<std::string>{"hide", "print", "show"}));
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, kPrintingMessage);
        EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Information);
    }
}

// The platform has reported the printer it could not use; no message says the
// pages are on their way, and the windows come back.
TEST(PrintBookCommand, PrinterThatCannotPrintEndsWithTheWindowsShownAndNoClosingMessage) {
    testing::FakeDialogs dialogs;
    Session s(dialogs);
    Platform platform;
    platform.printerWorks = false;
    EXPECT_FALSE(printBookCommand(s, platform, platform));
    EXPECT_EQ(platform.events, (std::vector<std::string>{"hide", "print", "show"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(PreviewCommands, BatchPreviewAsksNothingAndShowsTheBookInOrder) {
    testing::FakeDialogs dialogs;
    Session s(dialogs);
    Platform platform;
    previewBookCommand(s, platform, platform);
    EXPECT_TRUE(dialogs.confirmations.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(platform.titles, bookTitles);
    EXPECT_EQ(platform.events, (std::vector<std::string>{"hide", "preview", "show"}));
}

TEST(PreviewCommands, OnePageWithTheWindowsAsideUntilThePreviewCloses) {
    testing::FakeDialogs dialogs;
    Session s(dialogs);
    Platform platform;
    previewPageCommand(s, PrintedPageId::LoadDiagram, platform, platform);
    EXPECT_EQ(platform.titles, std::vector<std::string>{"Ⅲ-2．荷重図"});
    EXPECT_EQ(platform.events, (std::vector<std::string>{"hide", "preview", "show"}));

    platform.previewFails = true;
    EXPECT_THROW(previewPageCommand(s, PrintedPageId::Stability, platform, platform),
                 std::runtime_error);
    EXPECT_TRUE(platform.windowsShown) << "a failed preview leaves no window hidden";
}

// The same page twice draws the same; after another run it draws that run's
// results, and the toe slab page its number from the contents.
TEST(PreviewCommands, PreviewShowsTheCurrentBookEveryTime) {
    testing::FakeDialogs dialogs;
    Session s(dialogs);
    ASSERT_EQ(runCalculationCommand(s), RunOutcome::Completed);
    Platform platform;
    previewPageCommand(s, PrintedPageId::Stability, platform, platform);
    previewPageCommand(s, PrintedPageId::Stability, platform, platform);
    ASSERT_EQ(platform.pages.size(), 2u);
    EXPECT_EQ(platform.pages[0], platform.pages[1]);

    ASSERT_TRUE(s.editor.typeText(&DesignConditions::stemHeight, "5000"));
    ASSERT_EQ(runCalculationCommand(s), RunOutcome::Completed);
    previewPageCommand(s, PrintedPageId::Stability, platform, platform);
    ASSERT_EQ(platform.pages.size(), 3u);
    EXPECT_NE(platform.pages[2], platform.pages[0]);
    RecordingCanvas expected;
    renderPrintedPage(s.printedBook.page(PrintedPageId::Stability), expected);
    EXPECT_EQ(platform.pages[2], testing::recordedCalls(expected));
    for (const std::string& line : s.book.text(TextId::SlidingText).upper().lines())
        if (!line.empty()) {
            EXPECT_FALSE(expected.textsEqual(line).empty()) << line;
        }
}

// Start-up and the visibility rules show the plain slab page numbers, every run
// those of the contents; whichever came last is printed.
TEST(PreviewCommands, SlabPageNumbersFollowTheLastRunOrVisibilityChange) {
    testing::FakeDialogs dialogs;
    Session s(dialogs);
    Platform platform;
    auto shownNumber = [&](PrintedPageId id) {
        previewPageCommand(s, id, platform, platform);
        return s.printedBook.page(id).pageNumber->text;
    };
    EXPECT_EQ(shownNumber(PrintedPageId::ToeSlab), "11");
    chooseShearKey(s);
    ASSERT_EQ(runCalculationCommand(s), RunOutcome::Completed);
    EXPECT_EQ(shownNumber(PrintedPageId::ToeSlab), "P11");
    EXPECT_EQ(shownNumber(PrintedPageId::ShearKey), "P12");
    EXPECT_EQ(shownNumber(PrintedPageId::Anchorage), "10");
    s.editor.choose(Choice::HasShearKey, 0);
    EXPECT_EQ(shownNumber(PrintedPageId::ToeSlab), "11");
    EXPECT_EQ(shownNumber(PrintedPageId::ShearKey), "12");
}

}  // namespace
}  // namespace marvoten
