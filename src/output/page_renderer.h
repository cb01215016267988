#pragma once
// Draws one filled printed page onto a canvas in page pixels (794 x 1123): white
// ground, every figure and table frame through the figure renderer (a table's
// title in a strip above its grid), the title band with the page title, then the
// text frames line by line, the page's fixed labels and the page number, so that
// no text lies under a figure's ground.
//
//   const PrintedPage& page = printed.fill(PrintedPageId::Stability, book, labels);
//   renderPrintedPage(page, canvas);  // a printer, the preview or a RecordingCanvas
#include "output/canvas.h"
#include "output/printed_pages.h"

namespace marvoten {

void renderPrintedPage(const PrintedPage& page, Canvas& canvas);

// Where a figure or table frame is drawn, in page pixels (a table frame at the
// height it ends with).
CanvasRect frameRect(const ReportFigure& frame);

}  // namespace marvoten
