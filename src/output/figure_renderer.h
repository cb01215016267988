#pragma once
// Draws one figure of the book (or of a printed page) onto a canvas: white
// ground, plot frame, title, axis titles, ticks and value labels, every series
// as a line through its points in their order, point labels and the legend.
//
//   RecordingCanvas canvas;   // or WmfCanvas, SvgCanvas, the screen's canvas
//   renderFigure(book.figure(FigureId::LoadDiagramFigure),
//                figureScreenSize(FigureId::LoadDiagramFigure), canvas);
#include <string_view>
#include <vector>

#include "book/calculation_book.h"
#include "book/figure_section.h"
#include "output/canvas.h"

namespace marvoten {

// What the renderer reads: the figure's set-up and points. A book figure and a
// printed-page chart both describe themselves this way.
struct FigureDrawing {
    std::string_view title;
    TitleAlignment titleAlignment = TitleAlignment::Centre;
    Rgb titleColour = colours::black;
    const FigureAxis* horizontal = nullptr;
    const FigureAxis* vertical = nullptr;
    bool legendShown = false;
    const std::vector<FigureSeries>* series = nullptr;
};
FigureDrawing figureDrawing(const FigureSection& figure);

struct FigureRenderOptions {
    // Plot frame, grid, ticks, value labels and axis titles (table frames hide them).
    bool axesShown = true;
    // The thin border around the whole figure.
    bool borderShown = true;
    // Pixels above and below the plot (with its axis texts) within the picture; a
    // printed table's grid takes nearly the whole height of its frame, so that its
    // rows keep room for their text.
    double verticalMargin = 8;
    FontFace face = FontFace::Gothic;
    // Series (numbered from 1) drawn only as their point labels: the cell texts of
    // a table drawn as a chart.
    std::vector<int> labelOnlySeries;
    // The horizontal axis shows the point labels of this series (numbered from
    // 1; 0: its own values) at their x, as many as keep apart: the slip-angle
    // curve labels its radians in degrees.
    int horizontalLabelsFromSeries = 0;
    // Ranges of the horizontal axis filled over the plot's height beneath the
    // series: the passing range of a parameter study.
    struct ShadedRange {
        double from = 0;
        double to = 0;
        Rgb colour = colours::white;
    };
    std::vector<ShadedRange> shadedRanges;
};

struct FigureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const FigureSize&, const FigureSize&) = default;
};

// The size of each book figure in the results window (client area 891 x 553,
// below one row of page tabs and one row of sub-tabs); figure files have it too.
FigureSize figureScreenSize(FigureId id);
// How each book figure is drawn beyond its own set-up.
FigureRenderOptions figureRenderOptions(FigureId id);

void renderFigure(const FigureDrawing& figure, FigureSize size, Canvas& canvas,
                  const FigureRenderOptions& options = {});
void renderFigure(const FigureSection& figure, FigureSize size, Canvas& canvas,
                  const FigureRenderOptions& options = {});

// Renderer metrics shared with tests and the screen: font sizes in pixels.
inline constexpr int figureTitlePixels = 13;
inline constexpr int figureAxisTextPixels = 12;
inline constexpr int figureLegendTextPixels = 12;
// Pixels between the picture's left and right edges and the plot with its axis texts.
inline constexpr int figureSideMargin = 8;
// A point-label size is given in points (9 at the start); at 96 pixels per inch.
int labelPixelSize(int points);

}  // namespace marvoten
