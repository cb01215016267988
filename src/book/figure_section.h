#pragma once
// A figure section of the book: title, two axes and numbered series of points.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "book/rgb.h"

namespace marvoten {

struct FigurePoint {
    double x = 0;
    double y = 0;
    // A series that shows labels shows this text, or the y value when it is
    // empty; writers pass " " where no text is wanted.
    std::string label;
    PointColour colour = seriesColourDefault;
};

enum class SeriesKind {
    Polyline,      // a line through the points, with point markers
    FastPolyline,  // a plain line without point markers
};

class FigureSeries {
public:
    struct Setup {
        SeriesKind kind = SeriesKind::Polyline;
        Rgb colour = colours::black;
        int lineWidth = 1;
        bool labelsShown = false;
        int labelDistance = 0;    // pixels; negative puts the label on the other side
        std::string legendTitle;  // empty: no legend entry
        LineDash dash = LineDash::Solid;
    };
    explicit FigureSeries(Setup setup);

    SeriesKind kind() const { return kind_; }
    Rgb colour() const { return colour_; }
    int lineWidth() const { return lineWidth_; }
    LineDash dash() const { return dash_; }
    bool labelsShown() const { return labelsShown_; }
    int labelDistance() const { return labelDistance_; }
    const std::string& legendTitle() const { return legendTitle_; }
    int labelFontSize() const { return labelFontSize_; }
    Rgb labelColour() const { return labelColour_; }
    // False while the points are kept sorted by x ascending (a new series).
    bool keepsInsertionOrder() const { return keepInsertionOrder_; }

    // Sorted series: the point goes after every point with x <= its x, so points
    // added with non-decreasing x keep their order.
    void addPoint(double x, double y, std::string label = {},
                  PointColour colour = seriesColourDefault);
    // Removes the points of this series only; the set-up stays.
    void clear() { points_.clear(); }
    void setColour(Rgb colour) { colour_ = colour; }
    void keepInsertionOrder() { keepInsertionOrder_ = true; }
    void setLabelFont(int size, Rgb colour);
    void setLabelFontSize(int size) { labelFontSize_ = size; }
    void setLabelColour(Rgb colour) { labelColour_ = colour; }
    void setLabelDistance(int pixels) { labelDistance_ = pixels; }

    std::size_t pointCount() const { return points_.size(); }
    const std::vector<FigurePoint>& points() const { return points_; }
    // The label shown next to a point: none when the series shows no labels,
    // else the point's label, or its y value ("#,##0.###") when that is empty.
    std::string shownLabel(const FigurePoint& p) const;
    // A point's colour with seriesColourDefault resolved to the series colour.
    Rgb pointColour(const FigurePoint& p) const { return p.colour.value_or(colour_); }

private:
    SeriesKind kind_;
    Rgb colour_;
    int lineWidth_;
    LineDash dash_;
    bool labelsShown_;
    int labelDistance_;
    std::string legendTitle_;
    int labelFontSize_ = 9;
    Rgb labelColour_ = colours::black;
    bool keepInsertionOrder_ = false;
    std::vector<FigurePoint> points_;
};

struct FigureAxis {
    std::string title;
    // Automatic (from the points) until a writer fixes the range; an automatic
    // axis reports 0..0.
    bool automatic = true;
    double minimum = 0;
    double maximum = 0;
    bool inverted = false;        // values run downwards (vertical axis)
    bool logarithmic = false;     // base-10 scale; decades evenly spaced (vertical axis)
    std::string valueFormat;      // formatValue template of the value labels; empty: renderer's own
    int minimumLabelSpacing = 0;  // pixels between value labels; 0: renderer's own

    // Bounds in either order; a range narrower than 1e-10 becomes min .. min + 1e-10.
    void setRange(double a, double b);
};

enum class TitleAlignment { Centre, Left };

class FigureSection {
public:
    struct Setup {
        std::string title;
        TitleAlignment titleAlignment = TitleAlignment::Centre;
        FigureAxis horizontal;
        FigureAxis vertical;
        bool legendShown = false;
        std::vector<FigureSeries::Setup> series;
    };
    FigureSection(std::string name, std::string groupCaption, std::string tabCaption, Setup setup);

    const std::string& name() const { return name_; }
    const std::string& groupCaption() const { return groupCaption_; }
    // The small tab the figure sits under within its group ("図", "L1"), or empty.
    const std::string& tabCaption() const { return tabCaption_; }

    const std::string& title() const { return title_; }
    // A run retitles the member figures ("図:つま先版地盤反力").
    void setTitle(std::string title) { title_ = std::move(title); }
    Rgb titleColour() const { return titleColour_; }
    void setTitleColour(Rgb colour) { titleColour_ = colour; }
    TitleAlignment titleAlignment() const { return titleAlignment_; }
    const FigureAxis& horizontalAxis() const { return horizontal_; }
    const FigureAxis& verticalAxis() const { return vertical_; }
    bool legendShown() const { return legendShown_; }

    // Series are numbered from 1 (std::out_of_range outside 1..seriesCount()).
    int seriesCount() const { return static_cast<int>(series_.size()); }
    FigureSeries& series(int number);
    const FigureSeries& series(int number) const;
    const std::vector<FigureSeries>& allSeries() const { return series_; }

    // Removes every point of every series; the series set-up stays.
    void clearSeries();
    // Fixes both axes, vertical first; bounds of a pair in either order.
    void setAxisRanges(double verticalMin, double verticalMax, double horizontalMin,
                       double horizontalMax);
    void setVerticalRange(double a, double b) { vertical_.setRange(a, b); }
    void setHorizontalRange(double a, double b) { horizontal_.setRange(a, b); }

private:
    std::string name_;
    std::string groupCaption_;
    std::string tabCaption_;
    std::string title_;
    Rgb titleColour_ = colours::black;
    TitleAlignment titleAlignment_;
    FigureAxis horizontal_;
    FigureAxis vertical_;
    bool legendShown_;
    std::vector<FigureSeries> series_;
};

}  // namespace marvoten
