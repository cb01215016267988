#include "output/printed_frame.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <stdexcept>

#include "output/figure_renderer.h"

namespace marvoten {
namespace {

// Cell texts print in 8 points (11 pixels).
constexpr int tableCellPoints = 8;

}  // namespace

ReportFigure::ReportFigure(int left_, int top_, int width_, int height_, Setup setup)
    : left(left_),
      top(top_),
      width(width_),
      height(height_),
      title(std::move(setup.title)),
      titleAlignment(setup.titleAlignment),
      horizontal(std::move(setup.horizontal)),
      vertical(std::move(setup.vertical)),
      legendShown(setup.legendShown) {
    for (auto& s : setup.series) series.emplace_back(std::move(s));
}

ReportFigure ReportFigure::tableFrame(int left, int top, std::string title) {
    Setup setup;
    setup.title = std::move(title);
    // Rules are plain lines: point markers would stud every crossing.
    FigureSeries::Setup rule;
    rule.kind = SeriesKind::FastPolyline;
    FigureSeries::Setup cells;
    cells.labelsShown = true;
    setup.series = {rule, rule, cells};
    ReportFigure frame(left, top, 0, 0, std::move(setup));
    frame.labelOnlySeries = {3};
    // The grid takes nearly the whole frame, so that each row keeps room for its text.
    frame.plotMargin = 1;
    frame.seriesAt(3).setLabelFontSize(tableCellPoints);
    return frame;
}

FigureSeries& ReportFigure::seriesAt(int number) {
    if (number < 1 || number > seriesCount())
        throw std::out_of_range("ReportFigure: no series " + std::to_string(number));
    return series[static_cast<std::size_t>(number - 1)];
}

const FigureSeries& ReportFigure::seriesAt(int number) const {
    if (number < 1 || number > seriesCount())
        throw std::out_of_range("ReportFigure: no series " + std::to_string(number));
    return series[static_cast<std::size_t>(number - 1)];
}

FigureDrawing ReportFigure::drawing() const {
    return FigureDrawing{title,     titleAlignment, colours::black, &horizontal,
                         &vertical, legendShown,    &series};
}

FigureRenderOptions ReportFigure::renderOptions() const {
    FigureRenderOptions options;
    options.axesShown = axesVisible;
    options.borderShown = bevelsShown;
    options.face = FontFace::Mincho;
    options.labelOnlySeries = labelOnlySeries;
    options.verticalMargin = plotMargin;
    options.horizontalLabelsFromSeries = horizontalLabelsFromSeries;
    return options;
}

void TDrawKekka::copyTextBlock(const TextBlock& block, ReportTextFrame& frame) {
    frame.lines.clear();
    const int fontHeight = std::abs(frame.fontHeight);
    for (std::size_t i = 0; i < block.lineCount(); ++i) {
        frame.height = fontHeight * static_cast<int>(i + 3);
        frame.lines.push_back(block.line(i));
    }
}

namespace {

// Pixels a printed cell keeps free on either side of its text.
constexpr double cellRoom = 2;

// The column widths of a printed table: as the table asks, and wider where a cell's
// text in the print size needs it, so that no rule runs through a number. The grid
// is drawn `15` pixels wider per column than its widths, less the figure's side
// margins, so a width takes a little more on paper than its number.
std::vector<int> printedColumnWidths(const TableSection& table) {
    std::vector<int> widths;
    std::vector<double> needed;
    for (int c = 0; c < table.columnCount(); ++c) {
        double widest = 0;
        for (int r = 0; r < table.rowCount(); ++r)
            widest = std::max(widest, textWidth(table.cell(c, r), labelPixelSize(tableCellPoints)));
        widths.push_back(table.columnWidth(c));
        needed.push_back(widest + 2 * cellRoom);
    }
    for (bool widened = true; widened;) {
        widened = false;
        const int total = std::accumulate(widths.begin(), widths.end(), 0);
        const double scale =
            total > 0 ? double(total + 15 * int(widths.size()) - 2 * figureSideMargin) / total : 1;
        for (std::size_t c = 0; c < widths.size(); ++c)
            if (widths[c] * scale < needed[c]) {
                widths[c] = static_cast<int>(std::ceil(needed[c] / scale));
                widened = true;
            }
    }
    return widths;
}

}  // namespace

void TDrawKekka::drawTableFigure(const TableSection& table, ReportFigure& frame, int lineSeriesA,
                                 int lineSeriesB, int labelSeries) {
    TableMetrics& m = metrics_;
    m.columns = table.columnCount();
    m.rows = table.rowCount();
    m.w = printedColumnWidths(table);
    m.W = std::accumulate(m.w.begin(), m.w.end(), 0);
    m.h = table.rowHeight() - 5;
    m.totalHeight = m.rows * m.h;
    const double W = m.W, h = m.h, R = m.rows;

    // Every filling starts from no rules, so a table that lost rows since the
    // last filling keeps none of the old ones.
    FigureSeries& a = frame.seriesAt(lineSeriesA);
    a.clear();
    a.keepInsertionOrder();
    auto rule = [&a](double y, double width) {
        a.addPoint(0, y, {}, colours::black);
        a.addPoint(width, y, {}, colours::black);
        a.addPoint(0, y, {}, colours::black);
    };
    rule(-h - 1, W);
    for (int r = 1; r <= m.rows; ++r) rule(-r * h, W);

    FigureSeries& b = frame.seriesAt(lineSeriesB);
    b.clear();
    b.keepInsertionOrder();
    auto column = [&b, h, R](double x) {
        b.addPoint(x, 0, {}, colours::black);
        b.addPoint(x, -R * h, {}, colours::black);
        b.addPoint(x, 0, {}, colours::black);
    };
    if (m.columns > 0) column(m.w[0] + 1);
    double x = 0;
    for (int width : m.w) column(x += width);

    frame.axesVisible = false;
    frame.bevelsShown = false;
    frame.vertical.setRange(-R * h, 0);
    frame.horizontal.setRange(0, W);
    frame.width = m.W + 15 * m.columns;
    frame.height = 5 * m.rows + m.totalHeight;

    // An empty cell shows nothing: an empty label would show the point's y value.
    FigureSeries& labels = frame.seriesAt(labelSeries);
    labels.clear();
    double columnLeft = 0;
    for (int c = 0; c < m.columns; ++c) {
        for (int r = 0; r < m.rows; ++r) {
            const std::string& text = table.cell(c, r);
            labels.addPoint(columnLeft + m.w[c] / 2.0, -(r + 1) * h, text.empty() ? " " : text);
        }
        columnLeft += m.w[c];
    }
}

void TDrawKekka::copyFigure(const FigureSection& figure, ReportFigure& frame) {
    auto copyAxis = [](const FigureAxis& from, FigureAxis& to) {
        if (from.minimum == 0 && from.maximum == 0) {
            to.automatic = true;
            to.minimum = to.maximum = 0;
        } else {
            to.setRange(from.minimum, from.maximum);
        }
    };
    copyAxis(figure.verticalAxis(), frame.vertical);
    copyAxis(figure.horizontalAxis(), frame.horizontal);
    const int count = std::min(figure.seriesCount(), frame.seriesCount());
    for (int n = 1; n <= count; ++n) {
        const FigureSeries& from = figure.series(n);
        FigureSeries& to = frame.seriesAt(n);
        to.clear();
        to.keepInsertionOrder();
        to.setColour(from.colour());
        const PointColour colour = to.kind() == SeriesKind::FastPolyline
                                       ? PointColour(colours::black)
                                       : seriesColourDefault;
        for (const auto& p : from.points()) to.addPoint(p.x, p.y, p.label, colour);
    }
}

}  // namespace marvoten
