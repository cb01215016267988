#include "ui/printed_pages_window.h"

#include <QApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <algorithm>
#include <exception>

#include "output/page_renderer.h"
#include "ui/desktop.h"
#include "ui/painter_canvas.h"
#include "ui/print_preview_dialog.h"
#include "ui/print_queue.h"

namespace marvoten {
namespace {

// Every layout is an A4 portrait page measured from the paper's edge.
void setA4WithoutMargins(QPrinter& printer) {
    printer.setFullPage(true);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

}  // namespace

void paintPrintedPages(QPainter& painter, QPrinter& printer, std::size_t pageCount,
                       const PrintedPageDevice::PageSource& page) {
    // Layout pixels are 1/96 inch on the paper.
    const double scale = printer.resolution() / 96.0;
    for (std::size_t i = 0; i < pageCount; ++i) {
        if (i > 0) printer.newPage();
        const PrintedPage& filled = page(i);
        painter.save();
        painter.scale(scale, scale);
        PainterCanvas canvas(painter);
        renderPrintedPage(filled, canvas);
        painter.restore();
    }
}

QtPrintedPageDevice::QtPrintedPageDevice(QPrinter& printer, Dialogs& dialogs, QWidget* parent)
    : printer_(printer), dialogs_(dialogs), parent_(parent) {
    choosePages_ = [this](QPrinter& p, int count) {
        QWidget* preview = QApplication::activeModalWidget();
        QPrintDialog dialog(&p, preview ? preview : parent_);
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
        dialog.setWindowTitle(QStringLiteral("印刷"));
        dialog.setOptions(QAbstractPrintDialog::PrintPageRange |
                          QAbstractPrintDialog::PrintCurrentPage |
                          QAbstractPrintDialog::PrintToFile);
        dialog.setMinMax(1, count);
        return dialog.exec() == QDialog::Accepted;
    };
}

std::string printFailedMessage(const QString& printer, const QString& reason) {
    const QString name = printer.isEmpty() ? QStringLiteral("（選ばれていません）") : printer;
    return (QStringLiteral("印刷できませんでした。\rプリンター：") + name +
            QStringLiteral("\r理由：") + reason)
        .toStdString();
}

QString printJobTitle(const PrintedPage& page) {
    return QStringLiteral("擁壁計算書 ") + QString::fromStdString(page.title.text);
}

bool QtPrintedPageDevice::print(std::size_t pageCount, const PageSource& page) {
    std::vector<std::size_t> all(pageCount);
    for (std::size_t i = 0; i < pageCount; ++i) all[i] = i;
    return printPages(all, page);
}

namespace {

// One document with the pages onto a printer Qt drives itself; the reason when the
// printer could not be used.
std::optional<QString> paintDocument(QPrinter& printer, const std::vector<std::size_t>& pages,
                                     const PrintedPageDevice::PageSource& page) {
    QPainter painter;
    if (!printer.isValid() || !painter.begin(&printer)) return QString::fromUtf8(kNoPrinterReason);
    paintPrintedPages(painter, printer, pages.size(),
                      [&](std::size_t i) -> const PrintedPage& { return page(pages[i]); });
    if (!painter.end() || printer.printerState() == QPrinter::Error ||
        printer.printerState() == QPrinter::Aborted)
        return QStringLiteral("プリンターが印刷を中止しました");
    return std::nullopt;
}

}  // namespace

// The page drawn into a PDF file of its own and handed to the printer's queue.
std::optional<QString> QtPrintedPageDevice::printThroughQueue(std::size_t index,
                                                              const PageSource& page) {
    if (!printer_.isValid() || printer_.printerName().isEmpty())
        return QString::fromUtf8(kNoPrinterReason);
    const PrintedPage& filled = page(index);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("page.pdf"));
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(file);
    pdf.setDocName(printJobTitle(filled));
    setA4WithoutMargins(pdf);
    if (!folder.isValid() ||
        paintDocument(pdf, {0}, [&](std::size_t) -> const PrintedPage& { return filled; }))
        return QStringLiteral("印刷用のファイルを作れませんでした");
    return submitPrintJob(printer_.printerName(), file, printJobTitle(filled),
                          printer_.copyCount());
}

bool QtPrintedPageDevice::printPages(const std::vector<std::size_t>& pages,
                                     const PageSource& page) {
    setA4WithoutMargins(printer_);
    printer_.setDocName(QStringLiteral("擁壁計算書"));
    std::optional<QString> failure;
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        failure = paintDocument(printer_, pages, page);
    } else {
        for (std::size_t i = 0; !failure && i < pages.size(); ++i)
            failure = printJobsGoThroughTheQueue() ? printThroughQueue(pages[i], page)
                                                   : paintDocument(printer_, {pages[i]}, page);
    }
    if (failure)
        dialogs_.message(MessageKind::Error, printFailedMessage(printer_.printerName(), *failure));
    return !failure;
}

namespace {

// The range the print dialog left on the printer, 0-based; every page otherwise.
std::vector<std::size_t> chosenPages(const QPrinter& printer, std::size_t count, int current) {
    std::size_t from = 1, to = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = static_cast<std::size_t>(printer.fromPage());
        to = std::min(count,
                      static_cast<std::size_t>(std::max(printer.toPage(), printer.fromPage())));
    } else if (printer.printRange() == QPrinter::CurrentPage && current > 0) {
        from = to = static_cast<std::size_t>(current);
    }
    std::vector<std::size_t> pages;
    for (std::size_t p = from; p <= to; ++p) pages.push_back(p - 1);
    return pages;
}

}  // namespace

bool QtPrintedPageDevice::printFromPreview(std::size_t pageCount, const PageSource& page,
                                           int currentPage) {
    const bool chosen = choosePages_(printer_, static_cast<int>(pageCount));
    const std::vector<std::size_t> pages = chosenPages(printer_, pageCount, currentPage);
    const QPageLayout layout = printer_.pageLayout();
    // The range belongs to this print alone.
    printer_.setPrintRange(QPrinter::AllPages);
    printer_.setFromTo(0, 0);
    if (!chosen) return false;
    if (layout.pageSize().id() != QPageSize::A4 || layout.orientation() != QPageLayout::Portrait) {
        setA4WithoutMargins(printer_);
        dialogs_.message(MessageKind::Error, kBookPaperMessage);
        return false;
    }
    return printPages(pages, page);
}

void QtPrintedPageDevice::preview(std::size_t pageCount, const PageSource& page) {
    setA4WithoutMargins(printer_);
    // The view paints again on every zoom or page change; a failure must not leave
    // through Qt's signal and is raised again once the dialog has closed.
    std::exception_ptr failure;
    const auto paint = [&](QPrinter& printer) {
        try {
            QPainter painter(&printer);
            paintPrintedPages(painter, printer, pageCount, page);
        } catch (...) {
            failure = std::current_exception();
        }
    };
    const auto print = [&](int currentPage) {
        try {
            printFromPreview(pageCount, page, currentPage);
        } catch (...) {
            failure = std::current_exception();
        }
    };
    PrintPreviewDialog dialog(printer_, paint, print, parent_);
    dialog.exec();
    if (failure) std::rethrow_exception(failure);
}

std::optional<PrintedPageId> previewedPage(Command command) {
    using C = Command;
    using P = PrintedPageId;
    switch (command) {
        case C::PreviewContents:
            return P::Contents;
        case C::PreviewConditions:
            return P::Conditions;
        case C::PreviewStabilitySelfWeight:
            return P::StabilityLoads;
        case C::PreviewSlabSelfWeight:
            return P::SlabLoads;
        case C::PreviewEarthPressure:
            return P::EarthPressure;
        case C::PreviewStability:
            return P::Stability;
        case C::PreviewUltimateBearing:
            return P::UltimateBearing;
        case C::PreviewLoadDiagram:
            return P::LoadDiagram;
        case C::PreviewStemForces:
            return P::StemForces;
        case C::PreviewStemStresses:
            return P::StemStress;
        case C::PreviewStemAnchorage:
            return P::Anchorage;
        case C::PreviewToeSlab:
            return P::ToeSlab;
        case C::PreviewShearKey:
            return P::ShearKey;
        default:
            return std::nullopt;
    }
}

PrintedPagesWindow::PrintedPagesWindow(Desktop& desktop)
    : desktop_(desktop),
      holder_(&desktop.mainWindow(), Qt::Window),
      device_(desktop.printer(), desktop.dialogs(), &desktop.mainWindow()) {}

void PrintedPagesWindow::perform(Command command) {
    Session& s = desktop_.session();
    if (command == Command::PrintBook)
        printBookCommand(s, device_, *this);
    else if (command == Command::PreviewBook)
        previewBookCommand(s, device_, *this);
    else if (const auto page = previewedPage(command))
        previewPageCommand(s, *page, device_, *this);
}

void PrintedPagesWindow::hideResultsAndEditor() {
    desktop_.session().view.hide();
    for (WindowId id : {WindowId::Results, WindowId::Editor})
        if (ShellWindow* w = desktop_.window(id)) w->widget().hide();
}

// Each window shows itself as its own menu command does.
void PrintedPagesWindow::showResultsAndEditor() {
    if (ShellWindow* results = desktop_.window(WindowId::Results))
        results->perform(Command::ShowResults);
    if (ShellWindow* editor = desktop_.window(WindowId::Editor))
        editor->perform(Command::ShowEditor);
}

}  // namespace marvoten
