#pragma once
// The printed-page layouts as the desktop holds them: the commands of the
// "印刷(&P)" menu and the toolbar button "印刷", over the session's print
// commands, with the shared printer and the platform's print preview. Nothing of
// a page is drawn here; the page renderer draws it onto a canvas over the printer.
#include <QPrinter>
#include <QWidget>
#include <optional>

#include "session/print_commands.h"
#include "ui/shell_window.h"

namespace marvoten {

class Desktop;

// The printer and the print preview of Qt.
class QtPrintedPageDevice : public PrintedPageDevice {
public:
    QtPrintedPageDevice(QPrinter& printer, Dialogs& dialogs, QWidget* parent)
        : printer_(printer), dialogs_(dialogs), parent_(parent) {}

    // A printer each page is a print job of its own; a PDF file printer gets one
    // document with every page, which page-by-page jobs would each replace.
    bool print(std::size_t pageCount, const PageSource& page) override;
    // QPrintPreviewDialog over the shared printer, all pages in order.
    void preview(std::size_t pageCount, const PageSource& page) override;

private:
    QPrinter& printer_;
    Dialogs& dialogs_;
    QWidget* parent_;
};

inline constexpr const char* kNoPrinterMessage =
    "印刷できません。\rプリンターが見つからないか、使える状態ではありません。\r"
    "「3.プリンタ設定...」でプリンターを選んでください。";

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
