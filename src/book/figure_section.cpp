#include "book/figure_section.h"

#include <algorithm>
#include <stdexcept>

#include "book/line_format.h"

namespace marvoten {

FigureSeries::FigureSeries(Setup setup)
    : kind_(setup.kind),
      colour_(setup.colour),
      lineWidth_(setup.lineWidth),
      dash_(setup.dash),
      labelsShown_(setup.labelsShown),
      labelDistance_(setup.labelDistance),
      legendTitle_(std::move(setup.legendTitle)) {}

void FigureSeries::addPoint(double x, double y, std::string label, PointColour colour) {
    FigurePoint point{x, y, std::move(label), colour};
    if (keepInsertionOrder_) {
        points_.push_back(std::move(point));
        return;
    }
    auto at = std::upper_bound(points_.begin(), points_.end(), x,
                               [](double value, const FigurePoint& p) { return value < p.x; });
    points_.insert(at, std::move(point));
}

std::string FigureSeries::shownLabel(const FigurePoint& p) const {
    if (!labelsShown_) return {};
    return p.label.empty() ? formatValue("#,##0.###", p.y) : p.label;
}

void FigureSeries::setLabelFont(int size, Rgb colour) {
    labelFontSize_ = size;
    labelColour_ = colour;
}

void FigureAxis::setRange(double a, double b) {
    automatic = false;
    minimum = std::min(a, b);
    maximum = std::max(a, b);
    // A chart axis cannot span nothing.
    if (maximum - minimum < 1e-10) maximum = minimum + 1e-10;
}

FigureSection::FigureSection(std::string name, std::string groupCaption, std::string tabCaption,
                             Setup setup)
    : name_(std::move(name)),
      groupCaption_(std::move(groupCaption)),
      tabCaption_(std::move(tabCaption)),
      title_(std::move(setup.title)),
      titleAlignment_(setup.titleAlignment),
      horizontal_(std::move(setup.horizontal)),
      vertical_(std::move(setup.vertical)),
      legendShown_(setup.legendShown) {
    for (auto& s : setup.series) series_.emplace_back(std::move(s));
}

FigureSeries& FigureSection::series(int number) {
    if (number < 1 || number > seriesCount())
        throw std::out_of_range(name_ + ": no series " + std::to_string(number));
    return series_[static_cast<std::size_t>(number - 1)];
}

const FigureSeries& FigureSection::series(int number) const {
    if (number < 1 || number > seriesCount())
        throw std::out_of_range(name_ + ": no series " + std::to_string(number));
    return series_[static_cast<std::size_t>(number - 1)];
}

void FigureSection::clearSeries() {
    for (auto& s : series_) s.clear();
}

void FigureSection::setAxisRanges(double verticalMin, double verticalMax, double horizontalMin,
                                  double horizontalMax) {
    vertical_.setRange(verticalMin, verticalMax);
    horizontal_.setRange(horizontalMin, horizontalMax);
}

}  // namespace marvoten
