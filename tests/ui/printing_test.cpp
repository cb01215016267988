#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "output/page_renderer.h"
#include "support/external_programs.h"
#include "ui/painter_canvas.h"
#include "ui/printed_pages_window.h"
#include "ui_support.h"

namespace marvoten::testing {
namespace {

namespace fs = std::filesystem;

// Blanks of either width dropped: pdftotext spaces the text as it measures it.
std::string squeezed(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == ' ' || s[i] == '\n') {
            ++i;
        } else if (s.compare(i, 3, "\u3000") == 0) {
            i += 3;
        } else {
            out += s[i++];
        }
    }
    return out;
}

std::vector<std::string> pdfPages(const fs::path& pdf) {
    const ProgramRun run = runProgram("pdftotext -layout -enc UTF-8 " + shellQuoted(pdf) + " -");
    std::vector<std::string> pages;
    std::string page;
    for (char c : run.output) {
        if (c != '\f') {
            page += c;
            continue;
        }
        pages.push_back(page);
        page.clear();
    }
    return pages;
}

// The last line of a page's text that holds anything: the page number at its foot.
std::string footLine(const std::string& page) {
    std::string last;
    std::size_t start = 0;
    while (start < page.size()) {
        const std::size_t end = std::min(page.find('\n', start), page.size());
        const std::string line = squeezed(page.substr(start, end - start));
        if (!line.empty()) last = line;
        start = end + 1;
    }
    return last;
}

// The number after the last "=" of the first book line with the marker, without
// its unit.
std::string resultOf(const TextBlock& block, const std::string& marker) {
    for (const std::string& line : block.lines()) {
        if (line.find(marker) == std::string::npos || line.rfind('=') == std::string::npos)
            continue;
        const std::string value = squeezed(line.substr(line.rfind('=') + 1));
        return value.substr(0, value.find_first_not_of("-0123456789.,"));
    }
    return "<no line with " + marker + ">";
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override {
        desktop->start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&desktop->mainWindow()));
    }
    Session& session() { return desktop->session(); }
    QWidget& windowOf(WindowId id) { return desktop->window(id)->widget(); }
    void printInto(const fs::path& pdf) {
        desktop->printer().setOutputFormat(QPrinter::PdfFormat);
        desktop->printer().setOutputFileName(qs(pdf.string()));
    }
    void chooseShearKey() { session().editor.choose(Choice::HasShearKey, 1); }

    TestDesktop desktop;
};

struct PageCheck {
    const char* title;
    TextId numberFrom;  // a result the page shows, taken from the book
    const char* marker;
    int block = 0;
};
const PageCheck bookPages[] = {
    {"目　　次", TextId::ContentsText, ""},
    {"Ⅰ．設計条件", TextId::ConditionsText, "4)たて壁高さ"},
    {"Ⅱ-1．荷重計算(自重：安定計算用)", TextId::SelfWeightText, "W (擁壁重量)"},
    {"Ⅱ-2．荷重計算(自重：構造計算用)", TextId::SlabSelfWeightText, "γc"},
    {"Ⅱ-3．荷重計算(土圧等)", TextId::EarthPressureText, "Pa="},
    {"Ⅲ-1．安定計算", TextId::SlidingText, "Fs="},
    {"Ⅲ-1．安定計算（極限支持力）", TextId::UltimateBearingText, "qa(荷重の偏心傾斜"},
    {"Ⅲ-2．荷重図", TextId::LoadSummaryText, "Ph(水平土圧)"},
    {"Ⅳ-1-1．構造計算：たて壁(断面力)", TextId::StemForcesText, "M(曲げﾓｰﾒﾝﾄ)"},
    {"Ⅳ-1-2．構造計算：たて壁(鉄筋量及び応力度)", TextId::StemStressText, "Sh(有効高"},
    {"Ⅳ-1-3．構造計算：たて壁(鉄筋定着長)", TextId::AnchorageText, "Lo(定着長)", 1},
    {"Ⅳ-2-1．構造計算：底版(つま先版)", TextId::ToeForcesText, "S=-Wc-Sv+Qs"},
    {"Ⅳ-2-2．構造計算：底版(突起)", TextId::KeyForcesText, "H (突起の高さ)"},
};

// The whole book through the shared printer into a PDF file, read back: twelve
// pages without a key, thirteen with one, each with its title, a result of the
// run and its page number, the slab pages numbered as the contents name them.
TEST(PrintingToPdf, WholeBookHasEveryPageInOrder) {
    ASSERT_TRUE(testing::installed("pdftotext"));
    for (bool key : {false, true}) {
        TestDesktop fresh;
        Desktop& d = *fresh;
        d.start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d.mainWindow()));
        if (key) d.session().editor.choose(Choice::HasShearKey, 1);
        ASSERT_EQ(d.runCalculation(), RunOutcome::Completed);
        const fs::path pdf =
            fs::temp_directory_path() / (key ? "marvoten_printed_key.pdf" : "marvoten_printed.pdf");
        fs::remove(pdf);
        d.printer().setOutputFormat(QPrinter::PdfFormat);
        d.printer().setOutputFileName(qs(pdf.string()));
        d.perform(Command::PrintBook);

        ASSERT_EQ(fresh.dialogs.confirmations,
                  std::vector<std::string>{"プリンターの準備はいいですか。\r一括印刷します。"});
        ASSERT_EQ(fresh.dialogs.messages.size(), 1u);
        EXPECT_EQ(fresh.dialogs.messages[0].text,
                  "出力しています．．．\r印刷が終わるまでお待ち下さい。");
        const std::vector<std::string> pages = pdfPages(pdf);
        ASSERT_EQ(pages.size(), key ? 13u : 12u);
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const PageCheck& c = bookPages[i];
            EXPECT_NE(squeezed(pages[i]).find(squeezed(c.title)), std::string::npos)
                << "page " << i + 1 << " lacks its title " << c.title;
            if (i == 0) continue;
            const std::string number =
                resultOf(d.session().book.text(c.numberFrom).block(c.block), c.marker);
            EXPECT_NE(squeezed(pages[i]).find(number), std::string::npos)
                << "page " << i + 1 << " lacks " << number;
            const std::string foot = i == 11 ? "P11" : i == 12 ? "P12" : std::to_string(i);
            EXPECT_EQ(footLine(pages[i]), foot) << "page " << i + 1;
        }
        EXPECT_NE(squeezed(pages[0]).find("・・・・P11"), std::string::npos);
        EXPECT_TRUE(d.window(WindowId::Results)->widget().isVisible());
        EXPECT_TRUE(d.window(WindowId::Editor)->widget().isVisible());
    }
}

TEST_F(Printing, NoToThePrinterQuestionPrintsNothingAndLeavesTheWindows) {
    const fs::path pdf = fs::temp_directory_path() / "marvoten_printed_no.pdf";
    fs::remove(pdf);
    printInto(pdf);
    desktop->perform(Command::ShowResults);
    const bool resultsShown = windowOf(WindowId::Results).isVisible();
    const bool editorShown = windowOf(WindowId::Editor).isVisible();
    ASSERT_TRUE(resultsShown);
    desktop.dialogs.defaultAnswer = false;
    desktop->perform(Command::PrintBook);
    EXPECT_EQ(desktop.dialogs.confirmations.size(), 1u);
    EXPECT_TRUE(desktop.dialogs.messages.empty());
    EXPECT_FALSE(fs::exists(pdf));
    EXPECT_EQ(windowOf(WindowId::Results).isVisible(), resultsShown);
    EXPECT_EQ(windowOf(WindowId::Editor).isVisible(), editorShown);
}

// Regression: printing from the preview printed every page whatever range was chosen,
// the range then stayed on the shared printer, and a landscape sheet cut the pages.
TEST_F(Printing, PrintingFromThePreviewTakesTheChosenRangeAndTheBooksPaperOnly) {
    ASSERT_EQ(desktop->runCalculation(), RunOutcome::Completed);
    QtPrintedPageDevice& device =
        desktop->windowAs<PrintedPagesWindow>(WindowId::PrintedPages)->device();
    const PrintedPageDevice::PageSource page = [&](std::size_t i) -> const PrintedPage& {
        return session().printedBook.fill(printedBookOrder(false).at(i), session().book,
                                          session().pageLabels);
    };
    const fs::path pdf = fs::temp_directory_path() / "marvoten_preview_range.pdf";
    fs::remove(pdf);
    printInto(pdf);

    device.setPageChooser([](QPrinter& p, int) {
        p.setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    EXPECT_FALSE(device.printFromPreview(12, page, 1));
    ASSERT_EQ(desktop.dialogs.messages.size(), 1u);
    EXPECT_EQ(desktop.dialogs.messages[0].text, kBookPaperMessage);
    EXPECT_FALSE(fs::exists(pdf));
    EXPECT_EQ(desktop->printer().pageLayout().orientation(), QPageLayout::Portrait);

    device.setPageChooser([](QPrinter& p, int) {
        p.setPrintRange(QPrinter::PageRange);
        p.setFromTo(6, 7);
        return true;
    });
    ASSERT_TRUE(device.printFromPreview(12, page, 1));
    const std::vector<std::string> pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(squeezed(pages[0]).find("Ⅲ-1．安定計算"), std::string::npos);
    EXPECT_NE(squeezed(pages[1]).find("極限支持力"), std::string::npos);
    EXPECT_EQ(desktop->printer().printRange(), QPrinter::AllPages);

    device.setPageChooser([](QPrinter&, int) { return false; });  // 取消
    EXPECT_FALSE(device.printFromPreview(12, page, 1));
    EXPECT_EQ(desktop.dialogs.messages.size(), 1u) << "a cancelled print says nothing";
}

// The platform's preview opens with the results window and the editor out of
// the way, paints the filled page, and on closing brings both back.
TEST_F(Printing, PreviewOpensThePlatformPreviewWithTheWindowsAside) {
    ASSERT_EQ(desktop->runCalculation(), RunOutcome::Completed);
    struct Seen {
        QString dialog;
        bool resultsShown = true;
        bool editorShown = true;
    };
    std::vector<Seen> seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        seen.push_back({dialog->metaObject()->className(), windowOf(WindowId::Results).isVisible(),
                        windowOf(WindowId::Editor).isVisible()});
        dialog->reject();
    });
    watch.start(5);
    desktop->perform(Command::PreviewStability);
    desktop->perform(Command::PreviewBook);
    watch.stop();

    ASSERT_EQ(seen.size(), 2u);
    for (const Seen& s : seen) {
        EXPECT_EQ(s.dialog, QStringLiteral("marvoten::PrintPreviewDialog"));
        EXPECT_FALSE(s.resultsShown);
        EXPECT_FALSE(s.editorShown);
    }
    EXPECT_TRUE(desktop.dialogs.confirmations.empty());
    EXPECT_TRUE(desktop.dialogs.messages.empty());
    EXPECT_TRUE(windowOf(WindowId::Results).isVisible());
    EXPECT_TRUE(windowOf(WindowId::Editor).isVisible());
    // The preview painted the pages from the run's book.
    EXPECT_EQ(session().printedBook.page(PrintedPageId::Stability).texts[0].frame.lines,
              session().book.text(TextId::SlidingText).upper().lines());
    EXPECT_EQ(session().printedBook.page(PrintedPageId::ToeSlab).pageNumber->text, "P11");
}

// Each printed page at 96 dpi, written where MARVOTEN_SCREENSHOT_DIR names
// (make screenshots), otherwise into a temporary folder; the pages of a design with
// a shear key after a run.
TEST_F(Printing, PrintedPageScreenshots) {
    const ScreenshotFolder screenshots("MARVOTEN_SCREENSHOT_DIR");
    const std::string dir = screenshots.path().toStdString();
    chooseShearKey();
    ASSERT_EQ(desktop->runCalculation(), RunOutcome::Completed);
    fs::create_directories(dir);
    const auto order = printedBookOrder(true);
    for (std::size_t i = 0; i < order.size(); ++i) {
        QImage image(printedPageWidth, printedPageHeight, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);  // 96 dpi
        image.setDotsPerMeterY(3780);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            PainterCanvas canvas(painter);
            renderPrintedPage(
                session().printedBook.fill(order[i], session().book, session().pageLabels), canvas);
        }
        char name[32];
        std::snprintf(name, sizeof name, "printed_page_%02zu.png", i + 1);
        const QString file = qs((fs::path(dir) / name).string());
        EXPECT_TRUE(image.save(file)) << name;
        EXPECT_TRUE(showsAPicture(file)) << name;
    }
}

}  // namespace
}  // namespace marvoten::testing
