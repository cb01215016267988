// Printing the book through the print system as an engineer's desktop has it: CUPS
// with the PDF printer "MarvotenPDF" (cups-pdf writes each job it takes into ~/PDF).
// Regression: with the print system stopped, or a queue refusing jobs, the program
// said the pages were on their way and every page was lost.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QTest>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <thread>

#include "session/print_commands.h"
#include "support/external_programs.h"
#include "ui/printed_pages_window.h"
#include "ui_support.h"

namespace marvoten::testing {
namespace {

namespace fs = std::filesystem;

const QString kQueue = QStringLiteral("MarvotenPDF");

void printSystem(const char* action) {
    ASSERT_EQ(
        std::system((std::string("bash ") + MARVOTEN_PRINT_QUEUE_SCRIPT + " " + action).c_str()), 0)
        << action;
}

fs::path printedFolder() {
    const passwd* user = getpwuid(getuid());
    return fs::path(user ? user->pw_dir : "/root") / "PDF";
}

std::set<fs::path> printedFiles() {
    std::set<fs::path> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(printedFolder(), ec)) files.insert(e.path());
    return files;
}

// The files the PDF printer wrote since `before`, once `count` of them are there
// (each job is converted in turn; a page takes about a second).
std::vector<fs::path> newPrintedFiles(const std::set<fs::path>& before, std::size_t count) {
    std::vector<fs::path> files;
    for (int waited = 0; waited < 1200; ++waited) {
        files.clear();
        for (const fs::path& f : printedFiles())
            if (!before.count(f)) files.push_back(f);
        if (files.size() >= count) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the last one written
    return files;
}

// The titles of the queue's jobs newer than job `after`, in the order they were sent.
std::vector<std::string> jobTitlesAfter(int after) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs(&jobs, "MarvotenPDF", 0, CUPS_WHICHJOBS_ALL);
    std::vector<std::pair<int, std::string>> newer;
    for (int i = 0; i < count; ++i)
        if (jobs[i].id > after) newer.emplace_back(jobs[i].id, jobs[i].title);
    cupsFreeJobs(count, jobs);
    std::sort(newer.begin(), newer.end());
    std::vector<std::string> titles;
    for (const auto& [id, title] : newer) titles.push_back(title);
    return titles;
}

int lastJob() {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs(&jobs, "MarvotenPDF", 0, CUPS_WHICHJOBS_ALL);
    int last = 0;
    for (int i = 0; i < count; ++i) last = std::max(last, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return last;
}

class PrintQueue : public ::testing::Test {
protected:
    void SetUp() override {
        printSystem("start");
        desktop->start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&desktop->mainWindow()));
        ASSERT_EQ(desktop->runCalculation(), RunOutcome::Completed);
        desktop->printer().setOutputFormat(QPrinter::NativeFormat);
        desktop->printer().setPrinterName(kQueue);
        ASSERT_TRUE(desktop->printer().isValid()) << "the queue is known to the print system";
        desktop.dialogs.messages.clear();
    }
    void TearDown() override { printSystem("start"); }

    bool windowsBack() {
        return desktop->window(WindowId::Results)->widget().isVisible() &&
               desktop->window(WindowId::Editor)->widget().isVisible();
    }

    TestDesktop desktop;
};

TEST_F(PrintQueue, AFailedPrintIsReportedAndNeverCalledDone) {
    const struct {
        const char* name;
        const char* breakIt;  // what the print system does
        const char* reason;
    } cases[] = {
        {"queue refusing jobs", "cupsreject MarvotenPDF",
         "プリンターが印刷ジョブを受け付けていません"},
        {"print system stopped", "bash " MARVOTEN_PRINT_QUEUE_SCRIPT " stop-system",
         "印刷システム(CUPS)に接続できません"},
        {"printer removed after it was chosen", "bash " MARVOTEN_PRINT_QUEUE_SCRIPT " remove",
         "プリンターが見つかりません"},
    };
    for (const auto& c : cases) {
        printSystem("start");
        const std::set<fs::path> before = printedFiles();
        ASSERT_EQ(std::system(c.breakIt), 0) << c.name;
        desktop.dialogs.messages.clear();
        desktop->perform(Command::PrintBook);
        ASSERT_EQ(desktop.dialogs.messages.size(), 1u) << c.name;
        const std::string& text = desktop.dialogs.messages[0].text;
        EXPECT_EQ(desktop.dialogs.messages[0].kind, MessageKind::Error) << c.name;
        EXPECT_EQ(text.rfind("印刷できませんでした。\rプリンター：MarvotenPDF\r理由：", 0), 0u)
            << c.name << ": " << text;
        EXPECT_NE(text.find(c.reason), std::string::npos) << c.name << ": " << text;
        EXPECT_EQ(text.find("出力しています"), std::string::npos) << c.name;
        EXPECT_TRUE(windowsBack()) << c.name;
        EXPECT_EQ(printedFiles(), before) << c.name << ": nothing printed";
    }
}

// The whole book: one job a page, each through the queue.
TEST_F(PrintQueue, TheBookPrintsThroughAWorkingQueue) {
    const std::set<fs::path> before = printedFiles();
    const int last = lastJob();
    desktop->perform(Command::PrintBook);
    ASSERT_EQ(desktop.dialogs.messages.size(), 1u);
    EXPECT_EQ(desktop.dialogs.messages[0].text, kPrintingMessage);
    EXPECT_TRUE(windowsBack());
    const std::vector<std::string> titles = jobTitlesAfter(last);
    ASSERT_EQ(titles.size(), 12u);
    EXPECT_EQ(titles[0], "擁壁計算書 目　　次");
    EXPECT_EQ(titles[5], "擁壁計算書 Ⅲ-1．安定計算");
    EXPECT_EQ(newPrintedFiles(before, 12).size(), 12u);
}

// The preview's "印刷..." with pages 6 to 6 chosen prints that page alone, and the next
// print from the preview is of every page again.
TEST_F(PrintQueue, ThePreviewPrintsTheChosenPagesOnly) {
    ASSERT_TRUE(installed("pdfinfo"));
    auto* pages = desktop->windowAs<PrintedPagesWindow>(WindowId::PrintedPages);
    ASSERT_NE(pages, nullptr);
    QtPrintedPageDevice* device = &pages->device();
    std::vector<int> rangesOffered;
    device->setPageChooser([&](QPrinter& printer, int count) {
        rangesOffered.push_back(printer.printRange());
        if (rangesOffered.size() == 1) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(6, 6);
        }
        EXPECT_EQ(count, 12);
        return true;
    });
    const std::set<fs::path> before = printedFiles();
    const int last = lastJob();
    const PrintedPageDevice::PageSource page = [&](std::size_t i) -> const PrintedPage& {
        return desktop->session().printedBook.fill(
            printedBookOrder(false).at(i), desktop->session().book, desktop->session().pageLabels);
    };
    ASSERT_TRUE(device->printFromPreview(12, page, 1));
    EXPECT_EQ(jobTitlesAfter(last), std::vector<std::string>{"擁壁計算書 Ⅲ-1．安定計算"});
    const std::vector<fs::path> printed = newPrintedFiles(before, 1);
    ASSERT_EQ(printed.size(), 1u);
    const ProgramRun info = runProgram("pdfinfo " + shellQuoted(printed[0]));
    EXPECT_NE(info.output.find("Pages:           1\n"), std::string::npos) << info.output;
    EXPECT_EQ(desktop->printer().printRange(), QPrinter::AllPages) << "the range does not stay";

    const std::set<fs::path> beforeSecond = printedFiles();
    ASSERT_TRUE(device->printFromPreview(12, page, 1));
    EXPECT_EQ(newPrintedFiles(beforeSecond, 12).size(), 12u);
    EXPECT_EQ(rangesOffered, (std::vector<int>{QPrinter::AllPages, QPrinter::AllPages}));
}

}  // namespace
}  // namespace marvoten::testing
