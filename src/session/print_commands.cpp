#include "session/print_commands.h"

#include <vector>

namespace marvoten {
namespace {

// The windows stand aside for as long as pages are shown, and come back even
// when the platform's printing fails.
class WindowsAside {
public:
    explicit WindowsAside(PrintingWindows& windows) : windows_(windows) {
        windows_.hideResultsAndEditor();
    }
    ~WindowsAside() { windows_.showResultsAndEditor(); }
    WindowsAside(const WindowsAside&) = delete;
    WindowsAside& operator=(const WindowsAside&) = delete;

private:
    PrintingWindows& windows_;
};

PrintedPageDevice::PageSource filling(Session& s, const std::vector<PrintedPageId>& order) {
    return [&s, order](std::size_t i) -> const PrintedPage& {
        return s.printedBook.fill(order.at(i), s.book, s.pageLabels);
    };
}

std::vector<PrintedPageId> bookOrder(const Session& s) {
    return printedBookOrder(s.editor.conditions().hasShearKey == 1);
}

void previewPages(Session& s, const std::vector<PrintedPageId>& order, PrintedPageDevice& device,
                  PrintingWindows& windows) {
    WindowsAside aside(windows);
    device.preview(order.size(), filling(s, order));
}

}  // namespace

bool printBookCommand(Session& s, PrintedPageDevice& device, PrintingWindows& windows) {
    // The question stands at the screen's left edge, under the main window's toolbars.
    if (!s.dialogs.confirmAt(kPrinterQuestion, 0, 82)) return false;
    const std::vector<PrintedPageId> order = bookOrder(s);
    WindowsAside aside(windows);
    // A printer that could not be used has said so; the pages are not on their way.
    if (!device.print(order.size(), filling(s, order))) return false;
    s.dialogs.message(MessageKind::Information, kPrintingMessage);
    return true;
}

void previewBookCommand(Session& s, PrintedPageDevice& device, PrintingWindows& windows) {
    previewPages(s, bookOrder(s), device, windows);
}

void previewPageCommand(Session& s, PrintedPageId id, PrintedPageDevice& device,
                        PrintingWindows& windows) {
    previewPages(s, {id}, device, windows);
}

}  // namespace marvoten
