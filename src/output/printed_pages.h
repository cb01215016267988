#pragma once
// The printed calculation book: thirteen A4 page layouts, each a title band, a
// page-number label and text, figure and table frames at fixed places, filled
// afresh from the calculation book every time a page is printed or previewed.
//
//   PrintedBook printed(book);              // the layouts as at start-up
//   for (PrintedPageId id : printedBookOrder(hasShearKey)) {
//       const PrintedPage& page = printed.fill(id, book, pageLabels);
//       renderPrintedPage(page, canvas);    // page_renderer.h
//   }
#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "book/calculation_book.h"
#include "output/canvas.h"
#include "output/printed_frame.h"
#include "report/printed_layout.h"

namespace marvoten {

// The layouts in the order of the printed book.
enum class PrintedPageId {
    Contents,
    Conditions,       // Ⅰ
    StabilityLoads,   // Ⅱ-1
    SlabLoads,        // Ⅱ-2
    EarthPressure,    // Ⅱ-3
    Stability,        // Ⅲ-1
    UltimateBearing,  // Ⅲ-1 (極限支持力)
    LoadDiagram,      // Ⅲ-2
    StemForces,       // Ⅳ-1-1
    StemStress,       // Ⅳ-1-2
    Anchorage,        // Ⅳ-1-3
    ToeSlab,          // Ⅳ-2-1
    ShearKey,         // Ⅳ-2-2
};
inline constexpr std::size_t printedPageCount = 13;

// A4 portrait at 96 layout pixels per inch (210 x 297 mm).
inline constexpr int printedPageWidth = 794;
inline constexpr int printedPageHeight = 1123;

// One line of fixed text on a page, its upper-left corner in page pixels.
struct PageText {
    CanvasPoint at;
    std::string text;
    int pixels = 13;
    friend bool operator==(const PageText&, const PageText&) = default;
};

struct PrintedTextFrame {
    TextId source;
    int block = 0;  // 0 upper, 1 lower
    ReportTextFrame frame;
};

struct PrintedFigureFrame {
    std::variant<FigureId, TableId> source;
    ReportFigure frame;
    // A table frame set to this height after its drawing (0: the drawn height).
    int heightAfterDrawing = 0;
    // Where the page's layout puts the frame's top; a table above that grew with
    // its rows pushes the frame down from here.
    int layoutTop = 0;
};

struct PrintedPage {
    PrintedPageId id;
    CanvasRect band;
    PageText title;
    std::optional<PageText> productLine;  // layout Ⅰ only
    std::optional<PageText> pageNumber;   // none on the contents page
    std::vector<PageText> labels;
    std::vector<PrintedTextFrame> texts;
    std::vector<PrintedFigureFrame> figures;
};

// The printed pages in book order; the shear key page only for a wall with a key.
std::vector<PrintedPageId> printedBookOrder(bool hasShearKey);

// The thirteen layouts for the whole program run. Each keeps the contents of its
// last filling; nothing of a filling survives the next one.
class PrintedBook {
public:
    // The layouts as at start-up; the printed figures take the series set-up of
    // the book figures they receive.
    explicit PrintedBook(const CalculationBook& setUp);

    // Fills the layout from the book through a fresh TDrawKekka; the toe slab and
    // shear key pages show the page numbers `labels` hold.
    const PrintedPage& fill(PrintedPageId id, const CalculationBook& book,
                            const PrintedPageLabels& labels);

    const PrintedPage& page(PrintedPageId id) const { return pages_[static_cast<std::size_t>(id)]; }

private:
    std::vector<PrintedPage> pages_;
};

}  // namespace marvoten
