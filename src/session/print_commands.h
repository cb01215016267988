#pragma once
// The commands of the "印刷(&P)" menu and the toolbar button "印刷": the whole
// printed book sent to the printer after a question, the whole book previewed,
// one page previewed. Each page is filled from the book just before it is drawn;
// the results window and the editor are out of the way while pages are shown.
#include <cstddef>
#include <functional>

#include "output/printed_pages.h"
#include "session/session.h"

namespace marvoten {

// The platform's printer and print preview.
class PrintedPageDevice {
public:
    virtual ~PrintedPageDevice() = default;
    // The page at a position of the command's order, filled when it is asked for.
    using PageSource = std::function<const PrintedPage&(std::size_t)>;

    // Sends the pages to the chosen printer in order, each page as one print job.
    // False when the printer could not be used; the device has shown the
    // platform's message then.
    virtual bool print(std::size_t pageCount, const PageSource& page) = 0;
    // The platform's print preview of the pages in order (zoom, page navigation,
    // printing from it); returns when the preview is closed.
    virtual void preview(std::size_t pageCount, const PageSource& page) = 0;
};

// The windows that stand aside while pages are printed or previewed.
class PrintingWindows {
public:
    virtual ~PrintingWindows() = default;
    // The results window and the design-conditions editor.
    virtual void hideResultsAndEditor() = 0;
    virtual void showResultsAndEditor() = 0;
};

inline constexpr const char* kPrinterQuestion = "プリンターの準備はいいですか。\r一括印刷します。";
inline constexpr const char* kPrintingMessage =
    "出力しています．．．\r印刷が終わるまでお待ち下さい。";

// "即印刷" and the toolbar's "印刷": asks whether the printer is ready; Yes prints
// the contents and every result page (the key page with a shear key), reports
// that the pages are on their way and shows the windows again. No does nothing.
// Returns true when the pages went to the printer.
bool printBookCommand(Session& session, PrintedPageDevice& device, PrintingWindows& windows);

// "ﾌﾟﾚﾋﾞｭｰ": the same pages in the same order in one preview, without a question.
void previewBookCommand(Session& session, PrintedPageDevice& device, PrintingWindows& windows);

// The entries of "2.計算書ﾌﾟﾚﾋﾞｭｰ": one page previewed.
void previewPageCommand(Session& session, PrintedPageId id, PrintedPageDevice& device,
                        PrintingWindows& windows);

}  // namespace marvoten
