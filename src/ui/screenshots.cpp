#include "ui/screenshots.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>

#include "output/page_renderer.h"
#include "ui/desktop.h"
#include "ui/painter_canvas.h"
#include "ui/results_window.h"

namespace marvoten {
namespace {

std::filesystem::path save(QWidget& window, const std::filesystem::path& folder,
                           const std::string& name) {
    QApplication::processEvents();
    const std::filesystem::path file = folder / (name + ".png");
    window.grab().save(QString::fromStdString(file.string()), "PNG");
    return file;
}

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// Each printed page of the book at 96 dpi, as it goes to the printer.
void savePrintedPages(Session& s, const std::filesystem::path& folder,
                      std::vector<std::filesystem::path>& files) {
    const auto order = printedBookOrder(s.editor.conditions().hasShearKey == 1);
    for (std::size_t i = 0; i < order.size(); ++i) {
        QImage image(printedPageWidth, printedPageHeight, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            PainterCanvas canvas(painter);
            renderPrintedPage(s.printedBook.fill(order[i], s.book, s.pageLabels), canvas);
        }
        files.push_back(folder / ("printed_page_" + twoDigits(int(i) + 1) + ".png"));
        image.save(QString::fromStdString(files.back().string()), "PNG");
    }
}

}  // namespace

std::vector<std::filesystem::path> writeScreenshots(Desktop& desktop,
                                                    const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    std::vector<std::filesystem::path> files;
    files.push_back(save(desktop.mainWindow(), folder, "main-window"));
    auto* results = desktop.windowAs<ResultsWindow>(WindowId::Results);
    if (!results) return files;
    desktop.perform(Command::ShowResults);
    QTabWidget& pages = results->pageTabs();
    for (int p = 0; p < pages.count(); ++p) {
        if (!pages.isTabVisible(p)) continue;
        pages.setCurrentIndex(p);
        const std::string page = "results-" + twoDigits(p + 1);
        QTabWidget* tabs = results->subTabs(static_cast<PageId>(p));
        if (!tabs) {
            files.push_back(save(results->widget(), folder, page));
            continue;
        }
        for (int t = 0; t < tabs->count(); ++t) {
            if (!tabs->isTabVisible(t)) continue;
            tabs->setCurrentIndex(t);
            files.push_back(save(results->widget(), folder, page + "-" + std::to_string(t + 1)));
        }
    }
    // The small tabs of the stem page's second and third sub-tabs.
    for (InnerTabSet set : {InnerTabSet::StemStress, InnerTabSet::Anchorage}) {
        QTabWidget* inner = results->innerTabs(set);
        if (!inner) continue;
        pages.setCurrentIndex(static_cast<int>(PageId::PageStem));
        results->subTabs(PageId::PageStem)->setCurrentIndex(set == InnerTabSet::StemStress ? 1 : 2);
        inner->setCurrentIndex(1);
        files.push_back(
            save(results->widget(), folder,
                 set == InnerTabSet::StemStress ? "results-06-2-figure" : "results-06-3-L2"));
        inner->setCurrentIndex(0);
    }
    savePrintedPages(desktop.session(), folder, files);
    return files;
}

}  // namespace marvoten
