#pragma once
// A book figure redrawn on a PDF page: title and axis titles around a frame, every
// series as a thin polyline in its colour clipped to the frame, and the point
// labels, raised where two labels of a series would run into each other.
#include "book/figure_section.h"
#include "pdf/pdf_maker.h"

namespace marvoten {

enum class PdfFigureMode {
    Upwards = 0,    // vertical values grow upwards
    Downwards = 1,  // vertical values grow downwards (heights measured from the crest)
};

struct PdfAxisRange {
    double minimum = 0;
    double maximum = 0;
};

// The range an axis is drawn with: the range a writer fixed, or for an automatic
// axis the smallest and largest coordinate over all points of the figure. A range
// narrower than 1e-10 (all points on one line, or none) becomes min .. min + 1e-10,
// as a fixed range does, so that the points map onto the frame's edge.
PdfAxisRange pdfAxisRange(const FigureSection& figure, bool horizontal);

// The room a figure's texts take around its frame, in points: the title above it,
// the horizontal-axis title below and the vertical-axis title beside it (or, when
// the page frame leaves no room beside it, above the frame's right end).
struct PdfFigureExtent {
    double above = 0;
    double below = 0;
    double width = 0;  // from the frame's left edge
};
PdfFigureExtent pdfFigureExtent(TPDFContents& c, const FigureSection& figure, double dx,
                                double width);

// Draws the figure in the frame whose upper-left corner is (45 + dx, 817 - dy).
// Labels are "ＭＳ 明朝" 8 points; a series with fewer than two points draws nothing,
// not even its labels.
void pdfFigure(TPDFContents& c, PdfFigureMode mode, const FigureSection& figure, double dx,
               double dy, double width, double height);

}  // namespace marvoten
