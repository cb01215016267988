#pragma once
// The printed-page layouts as the desktop holds them: the commands of the
// "印刷(&P)" menu and the toolbar button "印刷", over the session's print
// commands, with the shared printer and the platform's print preview. Nothing of
// a page is drawn here; the page renderer draws it onto a canvas over the printer.
#include <QPrinter>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "session/print_commands.h"
#include "ui/shell_window.h"

namespace marvoten {

class Desktop;

// The printer and the print preview of Qt. Each page goes to the chosen printer's
// queue as a print job of its own, titled with the book and the page; the print
// system's answer to each job decides whether the printing succeeded.
class QtPrintedPageDevice : public PrintedPageDevice {
public:
    // The print dialog of the preview's "印刷...": true when the user chose to print;
    // the pages chosen are left on the printer as its print range.
    using PageChooser = std::function<bool(QPrinter&, int pageCount)>;

    QtPrintedPageDevice(QPrinter& printer, Dialogs& dialogs, QWidget* parent);

    // Every page; a PDF file printer gets one document with every page, which
    // page-by-page jobs would each replace.
    bool print(std::size_t pageCount, const PageSource& page) override;
    // The book's own preview over the shared printer, all pages in order.
    void preview(std::size_t pageCount, const PageSource& page) override;
    // The preview's "印刷...": the pages chosen in the print dialog, and only those;
    // the choice does not stay on the printer for the next print.
    bool printFromPreview(std::size_t pageCount, const PageSource& page, int currentPage);
    void setPageChooser(PageChooser chooser) { choosePages_ = std::move(chooser); }

private:
    bool printPages(const std::vector<std::size_t>& pages, const PageSource& page);
    std::optional<QString> printThroughQueue(std::size_t index, const PageSource& page);

    QPrinter& printer_;
    Dialogs& dialogs_;
    QWidget* parent_;
    PageChooser choosePages_;
};

// "印刷できませんでした。" with the printer and the reason.
std::string printFailedMessage(const QString& printer, const QString& reason);
inline constexpr const char* kNoPrinterReason =
    "プリンターが見つからないか、使える状態ではありません。\r"
    "「3.プリンタ設定...」でプリンターを選んでください。";
inline constexpr const char* kBookPaperMessage =
    "計算書は A4 縦の用紙に印刷します。\rほかの用紙や横向きでは印刷できません。";
// The title of a page's print job.
QString printJobTitle(const PrintedPage& page);

// Paints the pages one after the other onto a painter that is active on `printer`
// (A4 portrait, no margins), the layout's 96 pixels per inch scaled to the device.
void paintPrintedPages(QPainter& painter, QPrinter& printer, std::size_t pageCount,
                       const PrintedPageDevice::PageSource& page);

class PrintedPagesWindow : public ShellWindow, private PrintingWindows {
public:
    explicit PrintedPagesWindow(Desktop& desktop);
    // The layouts are never shown as a window of their own.
    QWidget& widget() override { return holder_; }
    void perform(Command command) override;
    QtPrintedPageDevice& device() { return device_; }

private:
    void hideResultsAndEditor() override;
    void showResultsAndEditor() override;

    Desktop& desktop_;
    QWidget holder_;
    QtPrintedPageDevice device_;
};

// The layout a command of "2.計算書ﾌﾟﾚﾋﾞｭｰ" previews, or none.
std::optional<PrintedPageId> previewedPage(Command command);

}  // namespace marvoten
