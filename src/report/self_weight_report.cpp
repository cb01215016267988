#include "report/self_weight_report.h"

#include <string>
#include <vector>

#include "book/line_format.h"

namespace marvoten {
namespace {

std::string trimTrailingBlanks(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return std::string(s);
}

bool blackAndWhite(const DesignConditions& dc) {
    return dc.outputColour == 1;
}

struct WeightBlock {
    std::string_view key;
    std::string_view title;
    std::string_view areaLabel;
    std::string_view weightLabel;
    bool withIx;
};

// One block of the coordinate method, numbered over the blocks written.
void writeWeightBlock(const PolygonWeight& weighed, const WeightBlock& w, TextSection& text,
                      int& number) {
    const PolygonResult& p = weighed.polygon;
    if (p.area <= 0) return;
    text.addLine(std::to_string(++number) + std::string(w.title));
    text.addLine("  " + padRight(w.areaLabel, 21) + formatValue("=0.00m2", p.area));
    // The submerged front soil is weighed at the fixed 9 kN/m3, not at γw.
    if (w.key == "TS_FA") text.addLine("  γw(水の単位重量)    =9.00kN");
    text.addLine("  " + padRight(w.weightLabel, 21) + formatValue("=0.00kN", weighed.W));
    text.addLine(formatValue("  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=0.00m3", weighed.Iy));
    if (w.withIx) text.addLine(formatValue("  Ix(x軸の断面1次ﾓｰﾒﾝﾄ)=0.00m3", weighed.Ix));
    text.addLine(formatValue("  x (図心)=Iy/A        =0.000m", p.centroidX));
    if (w.withIx) text.addLine(formatValue("  y (図心)=Ix/A        =0.000m", p.centroidY));
    text.addLine("");
}

void addLines(TextSection& text, const std::vector<std::string_view>& lines) {
    for (std::string_view line : lines) text.addLine(std::string(line));
}

void setUpFigure(FigureSection& f, const TTeisu& t, const DesignConditions& dc,
                 const std::vector<std::pair<std::vector<int>, Rgb>>& colours, Rgb titleColour) {
    f.clearSeries();
    f.series(1).setColour(colours::black);
    f.series(1).setLabelColour(colours::black);
    for (const auto& [series, colour] : colours)
        for (int n : series) f.series(n).setColour(blackAndWhite(dc) ? colours::black : colour);
    f.setTitleColour(blackAndWhite(dc) ? colours::black : titleColour);
    f.setAxisRanges(t.point(12).y - 1, t.point(23).y + 0.5, -0.5, t.baseWidth + 1.0);
}

void writeStabilityPage(const TAntei& a, const LoadPolygonTable& polygons,
                        const DesignConditions& dc, CalculationBook& book) {
    FigureSection& figure = book.figure(FigureId::StabilityLoadFigure);
    setUpFigure(figure, a, dc, {{{2, 3}, colours::maroon}, {{4}, colours::aqua}}, colours::maroon);
    TableSection& table = book.table(TableId::StabilityPointTable);
    PointTableCursor cursor;
    const auto polygon = [&](std::string_view key) -> const PolygonResult& {
        return polygons.of(key).polygon;
    };
    writePolygonPoints(polygon("W_A"), "躯体重量", table, cursor, &figure.series(1));
    if (a.hasWater) {
        writePolygonPoints(polygon("W_FA"), "躯体浮力", table, cursor);
        drawWaterMark(a, figure.series(4), dc.outputColour);
    }
    writePolygonPoints(polygon("TS_A"), "前面土重量", table, cursor, &figure.series(3));
    if (a.hasWater) writePolygonPoints(polygon("TS_FA"), "前面土浮力", table, cursor);

    TextSection& text = book.text(TextId::SelfWeightText);
    text.clear();
    addLines(
        text,
        {"荷重の計算", "  座標法により、荷重を求める。", "　図形の折点(0,1,2...i,i+1,...N)の各座標",
         "　値を(x[i],y[i])とすると", "　  A (断面積)", "    Iy(y軸に関する断面1次ﾓｰﾒﾝﾄ)",
         "    Ix(x軸に関する断面1次ﾓｰﾒﾝﾄ)", "  は、次式で求められる。",
         "  A = 1/2･Σ(xi1･yi-xi･yi1)", "  Iy=-1/2･Σ(yi1-yi){xi^2+1/3･(xi1-xi)(xi1+2･xi)}",
         "  Ix= 1/2･Σ(xi1-xi){yi^2+1/3･(yi1-yi)(yi1+2･yi)}", "  ここに", "    xi1=x[i+1] , xi=x[i]",
         "    yi1=y[i+1] , yi=y[i]", "  座標法による計算結果を下記に示す。", ""});
    const WeightBlock blocks[] = {
        {"W_A", ".躯体重量の計算", "A (擁壁躯体面積)", "W (擁壁重量)=γc･A", true},
        {"W_FA", ".躯体浮力の計算", "A (擁壁躯体面積)", "W (擁壁浮力)=γw･A", true},
        {"TS_A", ".前面土重量の計算", "A (前面土面積)", "W (前面土重量)=γ･A", true},
        {"TS_FA", ".前面土浮力の計算", "A (前面土面積)", "W (前面土浮力)=γw･A", false},
    };
    int number = 0;
    for (const WeightBlock& w : blocks) {
        const bool buoyancy = w.key == "W_FA" || w.key == "TS_FA";
        if (!buoyancy || a.hasWater) writeWeightBlock(polygons.of(w.key), w, text, number);
    }
    text.addLine("ここに");
    text.addLine(formatValue("  γc(ｺﾝｸﾘｰﾄ単位重量)  =0.00kN", a.concreteUnitWeight));
    text.addLine(formatValue("  γs(土の単位重量)    =0.00kN", a.backfillUnitWeight));
    if (a.hasWater) text.addLine(formatValue("  γw(水の単位重量)    =0.00kN", a.waterUnitWeight));
}

struct SlabPolygon {
    std::string_view key;
    std::string_view pointTitle;
    int series;  // 0: table only
    std::string_view rowLabel;
    bool buoyancy;
};

const SlabPolygon slabPolygons[] = {
    {"T_M", "つま先(M)", 2, ".つま先版(M)　　", false},
    {"T_S", "つま先(S)", 3, ".つま先版(S)　　", false},
    {"T_FM", "つま先浮力(M)", 0, ".つま先版浮力(M)", true},
    {"T_FS", "つま先浮力(S)", 0, ".つま先版浮力(S)", true},
    {"TS_M", "前面土(M)", 5, ".前面土(M)　　　", false},
    {"TS_S", "前面土(S)", 6, ".前面土(S)　　　", false},
    {"TS_FM", "前面土浮力(M)", 0, ".前面土浮力(M)　", true},
    {"TS_FS", "前面土浮力(S)", 0, ".前面土浮力(S)　", true},
};

void writeSlabPage(const TAntei& a, const LoadPolygonTable& polygons, const DesignConditions& dc,
                   CalculationBook& book) {
    FigureSection& figure = book.figure(FigureId::SlabLoadFigure);
    setUpFigure(
        figure, a, dc,
        {{{2, 3, 4, 9}, colours::red}, {{5, 6, 7, 10}, colours::maroon}, {{8}, colours::aqua}},
        colours::maroon);
    drawPolygonOutline(polygons.wallBody(), figure.series(1));
    TableSection& points = book.table(TableId::SlabPointTable);
    PointTableCursor cursor;
    for (const SlabPolygon& s : slabPolygons) {
        if (s.buoyancy && !a.hasWater) continue;
        writePolygonPoints(polygons.of(s.key).polygon, s.pointTitle, points, cursor,
                           s.series ? &figure.series(s.series) : nullptr);
        if (s.key == "T_FS") drawWaterMark(a, figure.series(8), dc.outputColour);
    }

    TextSection& text = book.text(TextId::SlabSelfWeightText);
    text.clear();
    addLines(text, {"座標法により、荷重を求める。", "", "図形の折点(0,1,2...i,i+1,...N)の各座標",
                    "値を(x[i],y[i])とすると", "  A (断面積)", "  Iy(y軸に関する断面1次ﾓｰﾒﾝﾄ)",
                    "は、次式で求められる。", "  A = 1/2･Σ(xi1･yi-xi･yi1)",
                    "  Iy=-1/2･Σ(yi1-yi){xi^2+1/3･(xi1-xi)(xi1+2･xi)}", "ここに",
                    "  xi1=x[i+1] , xi=x[i]", "  yi1=y[i+1] , yi=y[i]", "",
                    "W (重量)は,A×(単位重量)である。"});
    text.addLine(formatValue("  γc(ｺﾝｸﾘｰﾄ単位重量)  =0.00kN", a.concreteUnitWeight));
    text.addLine(formatValue("  γ (土の単位重量)    =0.00kN", a.backfillUnitWeight));
    if (a.hasWater) text.addLine(formatValue("  γw(水の単位重量)    =0.00kN", a.waterUnitWeight));
    addLines(text, {"なお", "  (M)は、ﾓｰﾒﾝﾄ計算用を示す。 ", "  (S)は、剪断力計算用を示す。", "",
                    "座標法による計算結果を下記に示す。"});

    TableSection& loads = book.table(TableId::SlabLoadTable);
    int row = 0;
    for (const SlabPolygon& s : slabPolygons) {
        if (s.buoyancy && !a.hasWater) continue;
        const PolygonWeight& weighed = polygons.of(s.key);
        const PolygonResult& p = weighed.polygon;
        if (p.area <= 0) continue;
        ++row;
        loads.setCell(0, row, std::to_string(row) + std::string(s.rowLabel));
        loads.setCell(1, row, formatValue("0.00", p.area));
        loads.setCell(2, row, formatValue("0.00", weighed.W));
        loads.setCell(3, row, formatValue("0.00", weighed.Iy));
        loads.setCell(4, row, formatValue("0.000", p.centroidX));
    }
    loads.setRowCount(row + 1);
}

}  // namespace

void drawPolygonOutline(const PolygonResult& p, FigureSeries& series) {
    series.clear();
    series.keepInsertionOrder();
    for (int k = 0; k < p.q; ++k)
        series.addPoint(p.xs[k], p.ys[k], formatValue("0", k), seriesColourDefault);
    series.addPoint(p.xs[p.q], p.ys[p.q], " ");
}

void writePolygonPoints(const PolygonResult& p, std::string_view title, TableSection& table,
                        PointTableCursor& cursor, FigureSeries* series) {
    if (p.q == 0) return;
    ++cursor.blockNumber;
    const int header = cursor.lastRow + 1;
    table.setCell(0, header, std::to_string(cursor.blockNumber) + "." + trimTrailingBlanks(title));
    table.setCell(1, header, "座標x(m)");
    table.setCell(2, header, "座標y(m)");
    cursor.lastRow = header + p.q;
    table.setRowCount(header + p.q + 1);
    // The row of the closing entry lies beyond the row count; the next block's
    // header overwrites it.
    for (int k = 0; k <= p.q; ++k) {
        table.setCell(0, header + 1 + k, std::to_string(k));
        table.setCell(1, header + 1 + k, formatValue("0.000", p.xs[k]));
        table.setCell(2, header + 1 + k, formatValue("0.000", p.ys[k]));
    }
    if (series) drawPolygonOutline(p, *series);
}

void drawWaterMark(const TTeisu& t, FigureSeries& series, int outputColour) {
    // Offsets in single precision, as fractions of a 1 m span.
    const float fifth = 1.0f / 5.0f, half = 1.0f / 2.0f, tenth = 1.0f / 10.0f,
                fourFifths = 4.0f / 5.0f;
    const double B = t.point(6).x, H1 = t.waterDepth;
    const double rise = fifth;
    series.clear();
    series.keepInsertionOrder();
    series.setColour(outputColour == 1 ? colours::black : colours::aqua);
    series.addPoint(B + double(fifth), H1, " ");
    series.addPoint(B + double(half), H1, " ");
    series.addPoint(B + double(half - tenth), H1 + rise, " ");
    series.addPoint(B + double(half + tenth), H1 + rise, " ");
    series.addPoint(B + double(half), H1, " ");
    series.addPoint(B + double(fourFifths), H1, " ");
}

void writeSelfWeightPages(const TAntei& a, const LoadPolygonTable& polygons,
                          const DesignConditions& dc, CalculationBook& book) {
    writeStabilityPage(a, polygons, dc, book);
    writeSlabPage(a, polygons, dc, book);
}

}  // namespace marvoten
