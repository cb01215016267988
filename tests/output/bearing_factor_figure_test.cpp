#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string>

#include "output/figure_renderer.h"
#include "output/svg_canvas.h"
#include "report/coefficient_tables.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

// The y of each value label at the left of the plot (right-aligned texts), by text.
std::map<std::string, double> verticalLabels(const std::string& svg) {
    std::map<std::string, double> out;
    const std::regex text(
        R"re(<text x="[^"]*" y="([-0-9.]+)"[^>]*text-anchor="end"[^>]*>([^<]*)</text>)re");
    for (std::sregex_iterator it(svg.begin(), svg.end(), text), end; it != end; ++it)
        out[(*it)[2]] = std::stod((*it)[1]);
    return out;
}

// The decades of a bearing-factor figure lie evenly spaced up its vertical axis.
TEST(BearingFactorFigure, DecadesEvenlySpacedInTheSvg) {
    BearingFactorTabs tabs = makeBearingFactorTabs();
    fillBearingFactorTabs(tabs);
    const FigureSection& nc = tabs[0].figure;
    FigureRenderOptions options;
    SvgCanvas svg(600, 420);
    renderFigure(nc, {600, 420}, svg, options);
    const auto labels = verticalLabels(svg.document());
    ASSERT_TRUE(labels.count("1") && labels.count("10") && labels.count("100"))
        << svg.document().substr(0, 4000);
    const double lower = labels.at("1") - labels.at("10");
    const double upper = labels.at("10") - labels.at("100");
    EXPECT_GT(lower, 50);
    EXPECT_TRUE(testing::near(upper, lower, 1.0));
}

}  // namespace
}  // namespace marvoten
