#pragma once
// Shared by the figure tests: running the outside readers of the files, and a
// book whose figures hold a few plausible points.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "book/calculation_book.h"
#include "support/external_programs.h"

namespace marvoten::testing {

inline void writeBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The polylines of an SVG document as point lists, in document order.
inline std::vector<std::vector<std::pair<double, double>>> svgPolylines(const std::string& svg) {
    std::vector<std::vector<std::pair<double, double>>> out;
    const std::regex polyline(R"re(<polyline[^>]*?points="([^"]*)")re");
    const std::regex point(R"re((-?[0-9.]+),(-?[0-9.]+))re");
    for (std::sregex_iterator it(svg.begin(), svg.end(), polyline), end; it != end; ++it) {
        const std::string points = (*it)[1];
        std::vector<std::pair<double, double>> line;
        for (std::sregex_iterator p(points.begin(), points.end(), point); p != end; ++p)
            line.push_back({std::stod((*p)[1]), std::stod((*p)[2])});
        out.push_back(line);
    }
    return out;
}

// Every figure of the book with a few points in each series: closed outlines,
// labelled points with Japanese, empty and blank labels, and fixed ranges on
// some figures, as the writers leave them after a run.
inline void fillFiguresPlausibly(CalculationBook& book) {
    for (std::size_t i = 0; i < figureSectionCount; ++i) {
        FigureSection& f = book.figure(static_cast<FigureId>(i));
        f.clearSeries();
        if (i % 2 == 0) f.setAxisRanges(-1, 6, -1, 7);
        for (int n = 1; n <= f.seriesCount(); ++n) {
            FigureSeries& s = f.series(n);
            if (n == 1) {
                s.keepInsertionOrder();
                const double outline[][2] = {{0, 0},   {3.2, 0},   {3.2, 0.5}, {2.9, 0.5}, {2.9, 4},
                                             {2.5, 4}, {2.5, 0.5}, {0, 0.5},   {0, 0}};
                for (const auto& p : outline) s.addPoint(p[0], p[1], " ");
                continue;
            }
            for (int k = 0; k < 4; ++k) {
                const double x = 0.4 * n + 0.7 * k;
                const double y = 0.3 * n + std::sin(k + n);
                const char* labels[] = {"", " ", "P1=12.5kN", "ω=57.0度"};
                s.addPoint(x, y, labels[k]);
            }
        }
    }
}

}  // namespace marvoten::testing
