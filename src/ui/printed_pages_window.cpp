#include "ui/printed_pages_window.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <exception>

#include "output/page_renderer.h"
#include "ui/desktop.h"
#include "ui/painter_canvas.h"

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

bool QtPrintedPageDevice::print(std::size_t pageCount, const PageSource& page) {
    setA4WithoutMargins(printer_);
    auto job = [this](std::size_t count, const PageSource& pages) {
        QPainter painter;
        if (!printer_.isValid() || !painter.begin(&printer_)) return false;
        paintPrintedPages(painter, printer_, count, pages);
        return painter.end();
    };
    bool printed = true;
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        printed = job(pageCount, page);
    } else {
        for (std::size_t i = 0; printed && i < pageCount; ++i)
            printed = job(1, [&page, i](std::size_t) -> const PrintedPage& { return page(i); });
    }
    if (!printed) dialogs_.message(MessageKind::Error, kNoPrinterMessage);
    return printed;
}

void QtPrintedPageDevice::preview(std::size_t pageCount, const PageSource& page) {
    setA4WithoutMargins(printer_);
    QPrintPreviewDialog dialog(&printer_, parent_);
    // The dialog paints again on every zoom or page set-up; a failure must not
    // leave through Qt's signal and is raised again once the dialog has closed.
    std::exception_ptr failure;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* printer) {
                         try {
                             QPainter painter(printer);
                             paintPrintedPages(painter, *printer, pageCount, page);
                         } catch (...) {
                             failure = std::current_exception();
                         }
                     });
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
