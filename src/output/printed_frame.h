#pragma once
// The frames of a printed page, without a display: text boxes and charts as the
// page layouts hold them, and the result drawer `TDrawKekka` that fills them
// from the book. The printing code draws the frames (charts through the figure
// renderer).
//
//   TDrawKekka drawer;                       // one per printed page
//   drawer.copyTextBlock(book.text(TextId::SelfWeightText).upper(), selfWeightFrame);
//   drawer.drawTableFigure(book.table(TableId::StabilityPointTable), pointTableFrame, 1, 2, 3);
//   drawer.copyFigure(book.figure(FigureId::StabilityLoadFigure), pointFigureFrame);
#include <string>
#include <vector>

#include "book/figure_section.h"
#include "book/table_section.h"
#include "book/text_section.h"
#include "output/canvas.h"
#include "output/figure_renderer.h"

namespace marvoten {

// A multi-line text box of a printed page with its own font.
struct ReportTextFrame {
    int left = 0;
    int top = 0;
    FontFace face = FontFace::Mincho;
    // Character height in pixels; the platform may give it negative (a
    // character height rather than a cell height), so users take its magnitude.
    int fontHeight = 13;
    int height = 0;
    std::vector<std::string> lines;
};

// A chart of a printed page: its own title, axes, frame and a fixed set of
// series at the positions of the book figure it receives, or a table frame.
struct ReportFigure {
    struct Setup {
        std::string title;
        TitleAlignment titleAlignment = TitleAlignment::Centre;
        FigureAxis horizontal;
        FigureAxis vertical;
        bool legendShown = false;
        std::vector<FigureSeries::Setup> series;
    };
    ReportFigure(int left, int top, int width, int height, Setup setup);

    // A table frame: series 1 and 2 black lines without point markers for the
    // rules, series 3 the cell texts (labels only, at distance 0), no legend.
    static ReportFigure tableFrame(int left, int top, std::string title);

    // Series numbered from 1 (std::out_of_range outside 1..seriesCount()).
    int seriesCount() const { return static_cast<int>(series.size()); }
    FigureSeries& seriesAt(int number);
    const FigureSeries& seriesAt(int number) const;

    // What the figure renderer needs to draw this frame at its size.
    FigureDrawing drawing() const;
    FigureRenderOptions renderOptions() const;
    FigureSize size() const { return {width, height}; }

    int left;
    int top;
    int width;
    int height;
    std::string title;
    TitleAlignment titleAlignment;
    FigureAxis horizontal;
    FigureAxis vertical;
    bool legendShown;
    bool axesVisible = true;
    bool bevelsShown = true;
    std::vector<int> labelOnlySeries;    // drawn as their labels only (table cell texts)
    double plotMargin = 8;               // pixels above and below the plot
    int horizontalLabelsFromSeries = 0;  // see FigureRenderOptions
    std::vector<FigureSeries> series;
};

// The result drawer: created for one printed page, it copies the book's
// sections into the page's frames.
class TDrawKekka {
public:
    // The table being drawn: column widths w[0..] and their sum W, the row
    // height h (the table's row height less 5) and the total height R x h.
    struct TableMetrics {
        int columns = 0;
        int rows = 0;
        std::vector<int> w;
        int W = 0;
        int h = 0;
        int totalHeight = 0;
    };

    // The frame ends with the block's lines and (lines + 2) x |font height|
    // high; an empty block empties the frame and keeps its height.
    void copyTextBlock(const TextBlock& block, ReportTextFrame& frame);

    // The table as rules and cell texts in figure coordinates: x from 0 to W,
    // y from 0 (top) down to -R x h. Rules go into line series A (horizontal,
    // with a double rule under the header row) and B (vertical), the cell texts
    // into the label series, centred over their columns at the bottom of their
    // rows. The frame gets W + 15 x columns by 5 x rows + R x h pixels.
    void drawTableFigure(const TableSection& table, ReportFigure& frame, int lineSeriesA,
                         int lineSeriesB, int labelSeries);

    // Fixed axis ranges and every series' colour and points, in order. An axis
    // the book figure leaves automatic (0..0) is automatic in the frame too.
    void copyFigure(const FigureSection& figure, ReportFigure& frame);

    const TableMetrics& tableMetrics() const { return metrics_; }

private:
    TableMetrics metrics_;
};

}  // namespace marvoten
