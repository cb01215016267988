#include "report/coefficient_tables.h"

#include <limits>
#include <string>

#include "book/line_format.h"

namespace marvoten {
namespace {

constexpr int coefficientColumns = 13;
constexpr int coefficientRows = 13;
constexpr int factorCells = 11;

const std::array<std::string, embankmentSlopes.size()> slopeTexts{"1:1.5", "1:1.8", "1:2.0",
                                                                  "1:3.0"};
// "Kh 1:2.0" is drawn black: white on the white plot could not be seen and cut gaps
// into the curves and the grid it crossed.
const std::array<Rgb, embankmentSlopes.size()> khColours{colours::red, colours::yellow,
                                                         colours::black, colours::fuchsia};
const std::array<Rgb, embankmentSlopes.size()> kvColours{colours::green, colours::blue,
                                                         colours::gray, colours::teal};

FigureSeries::Setup line(Rgb colour, std::string title, bool labelsShown = false) {
    FigureSeries::Setup s;
    s.colour = colour;
    s.labelsShown = labelsShown;
    s.legendTitle = std::move(title);
    return s;
}

struct FactorTabText {
    BearingFactorKind kind;
    const char* caption;
    const char* verticalTitle;
    double verticalMin;
    double verticalMax;
};
const std::array<FactorTabText, 3> factorTabTexts{{
    {BearingFactorKind::Nc, "支持力係数　Nc", "支持力係数 Nc", 1, 200},
    {BearingFactorKind::Nq, "支持力係数　Nq", "支持力係数 Nq", 0.5, 200},
    {BearingFactorKind::Ngamma, "支持力係数　Nγ", "支持力係数　Nγ", 0.1, 300},
}};

constexpr double thetaAxisMax = 50;

// A point that cannot be drawn: the line stops there and the next one starts anew.
void addBreak(FigureSeries& s, double x) {
    s.addPoint(x, std::numeric_limits<double>::quiet_NaN(), " ");
}

void fillTab(BearingFactorTab& tab, const FactorTabText& text) {
    FigureSection& f = tab.figure;
    f.setAxisRanges(text.verticalMin, text.verticalMax, 0, thetaAxisMax);
    FigureSeries& curveSeries = f.series(1);
    FigureSeries& endSeries = f.series(2);
    for (FigureSeries* s : {&curveSeries, &endSeries}) {
        s->clear();
        s->keepInsertionOrder();
    }
    const std::vector<BearingFactorCurve> curves = bearingFactorCurves(tab.kind);
    for (std::size_t p = 0; p < curves.size(); ++p) {
        const BearingFactorCurve& c = curves[p];
        const int column = static_cast<int>(p) + 1;
        tab.table.setCell(column, 0, formatValue("φ#0.0", c.phiDeg));
        for (const FactorPoint& point : c.points) {
            // The curve is named at half its φ, where it is well inside the plot.
            const std::string label =
                point.thetaDeg == c.phiDeg / 2 ? "φ" + std::to_string(c.phiDeg) + "°" : " ";
            curveSeries.addPoint(point.thetaDeg, point.value, label);
            if (point.thetaDeg % 5 == 0 && point.thetaDeg <= 45) {
                const int row = point.thetaDeg / 5 + 1;
                tab.table.setCell(0, row, formatValue("θ##0.0", point.thetaDeg));
                tab.table.setCell(column, row, formatValue("##0.00", point.value));
            }
        }
        if (c.endPoint) {
            endSeries.addPoint(c.endPoint->thetaDeg, c.endPoint->value, " ");
            // The end marks of different φ are single points, not one line.
            addBreak(endSeries, c.endPoint->thetaDeg);
        }
        addBreak(curveSeries, c.points.empty() ? 0 : c.points.back().thetaDeg);
    }
}

}  // namespace

TableSection makeCoefficientTable() {
    std::vector<int> widths{40, 36};
    widths.resize(coefficientColumns, 44);
    return TableSection("CoefficientTable", "土圧係数", "", coefficientColumns, coefficientRows,
                        widths, 18);
}

FigureSection makeCoefficientFigure() {
    FigureSection::Setup setup;
    setup.title = "H1/H～土圧係数";
    setup.horizontal.setRange(0, 1.0);
    setup.vertical.title = "土圧係数（Kh Kv）";
    setup.vertical.valueFormat = "#,##0.00";
    setup.legendShown = true;
    for (std::size_t s = 0; s < embankmentSlopes.size(); ++s)
        setup.series.push_back(line(khColours[s], "Kh " + slopeTexts[s]));
    for (std::size_t s = 0; s < embankmentSlopes.size(); ++s)
        setup.series.push_back(line(kvColours[s], "Kv " + slopeTexts[s]));
    return FigureSection("CoefficientFigure", "土圧係数", "", std::move(setup));
}

void writeCoefficientFixedCells(TableSection& table) {
    table.setCell(0, 0, "勾配");
    table.setCell(1, 0, "係数");
    for (std::size_t s = 0; s < embankmentSlopes.size(); ++s) {
        const int top = 3 * static_cast<int>(s) + 1;
        table.setCell(0, top, slopeTexts[s]);
        table.setCell(1, top, "Ka");
        table.setCell(1, top + 1, "Kah");
        table.setCell(1, top + 2, "Kav");
    }
}

void computeCoefficientTable(const CoefficientConditions& conditions, TableSection& table,
                             FigureSection& figure) {
    const std::vector<CoefficientColumn> columns = embankmentCoefficients(conditions);
    figure.clearSeries();
    const int slopes = static_cast<int>(embankmentSlopes.size());
    for (std::size_t j = 0; j < columns.size(); ++j) {
        const CoefficientColumn& c = columns[j];
        const int column = 2 + static_cast<int>(j);
        table.setCell(column, 0, formatValue("0.00", c.ratio));
        for (int s = 0; s < slopes; ++s) {
            const EarthPressureCoefficients& k = c.bySlope[static_cast<std::size_t>(s)];
            const std::string label = formatValue("0.0", c.ratio);
            figure.series(s + 1).addPoint(c.ratio, k.Kah, label);
            figure.series(slopes + s + 1).addPoint(c.ratio, k.Kav, label);
            table.setCell(column, 3 * s + 1, formatValue("0.000", k.Ka));
            table.setCell(column, 3 * s + 2, formatValue("0.000", k.Kah));
            table.setCell(column, 3 * s + 3, formatValue("0.000", k.Kav));
        }
    }
}

BearingFactorTabs makeBearingFactorTabs() {
    auto make = [](const FactorTabText& t) {
        FigureSection::Setup setup;
        setup.title = t.caption;
        setup.horizontal.title = "傾斜角θ";
        setup.vertical.title = t.verticalTitle;
        setup.vertical.logarithmic = true;
        setup.series.push_back(line(colours::red, "", true));
        setup.series.push_back(line(colours::green, ""));
        std::vector<int> widths{50};
        widths.resize(factorCells, 50);
        return BearingFactorTab{
            t.kind, TableSection(t.caption, t.caption, "", factorCells, factorCells, widths, 18),
            FigureSection(t.caption, t.caption, "", std::move(setup))};
    };
    return {make(factorTabTexts[0]), make(factorTabTexts[1]), make(factorTabTexts[2])};
}

void fillBearingFactorTabs(BearingFactorTabs& tabs) {
    for (std::size_t i = 0; i < tabs.size(); ++i) fillTab(tabs[i], factorTabTexts[i]);
}

}  // namespace marvoten
