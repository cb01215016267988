#include "output/svg_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <regex>

#include "book/calculation_book.h"
#include "figure_test_tools.h"
#include "output/figure_renderer.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

TEST(SvgCanvas, WritesElementsWithFacesAndPlacement) {
    SvgCanvas svg(200, 100);
    svg.fillRectangle({0, 0, 200, 100}, colours::white);
    svg.setClip({10, 10, 50, 50});
    svg.polyline({{11, 12}, {13.25, 14.5}}, Pen{Rgb{128, 0, 255}, 2});
    svg.polyline({{1, 2}, {3.25, 4.5}}, Pen{colours::red, 1});  // outside the clip: left out
    svg.resetClip();
    svg.text({100, 10}, "高さ(m)", Font{FontFace::Gothic, 12, colours::blue, false},
             {HorizontalAnchor::Centre, VerticalAnchor::Top}, 90);
    const std::string doc = svg.document();
    EXPECT_NE(doc.find("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"200\" "
                       "height=\"100\""),
              std::string::npos);
    EXPECT_NE(doc.find("<rect x=\"0\" y=\"0\" width=\"200\" height=\"100\" fill=\"#ffffff\"/>"),
              std::string::npos);
    EXPECT_NE(doc.find("stroke=\"#8000ff\" stroke-width=\"2\""), std::string::npos);
    EXPECT_NE(doc.find("points=\"11,12 13.25,14.5\""), std::string::npos);
    EXPECT_EQ(doc.find("#ff0000"), std::string::npos);
    EXPECT_NE(doc.find("<g clip-path=\"url(#clip1)\">"), std::string::npos);
    EXPECT_NE(doc.find("font-family=\"'ＭＳ ゴシック', 'MS Gothic', "), std::string::npos);
    EXPECT_NE(doc.find("monospace\""), std::string::npos);
    // Top anchor: baseline at the ascent below; turned a quarter anticlockwise about the anchor.
    EXPECT_NE(doc.find("y=\"20.56\" transform=\"rotate(-90 100 10)\""), std::string::npos);
    EXPECT_NE(doc.find("text-anchor=\"middle\""), std::string::npos);
    EXPECT_NE(doc.find(">高さ(m)</text>"), std::string::npos);
}

TEST(SvgCanvas, TextIsMadeSafeForXml) {
    EXPECT_EQ(xmlEscaped("a<b & \"c\" 'd'>"), "a&lt;b &amp; &quot;c&quot; &apos;d&apos;&gt;");
    EXPECT_EQ(xmlEscaped(std::string("x\x01y\rz")), "xyz");
    EXPECT_EQ(xmlEscaped("ok\xFF"), "ok\xEF\xBF\xBD");
    EXPECT_EQ(xmlEscaped("\xE3\x81"), "\xEF\xBF\xBD\xEF\xBF\xBD") << "a cut-off character";
}

// A figure with markup characters and bad bytes in its texts still gives a
// document that XML readers and renderers accept.
TEST(SvgCanvas, ReadersAcceptARenderedFigure) {
    CalculationBook book;
    testing::fillFiguresPlausibly(book);
    FigureSection& f = book.figure(FigureId::StemStressFigure);
    f.series(2).addPoint(0.5, 0.5, "D13@250 <As> & \"x\" \x02\xFF");
    SvgCanvas svg(380, 320);
    renderFigure(f, {380, 320}, svg);
    const std::string doc = svg.document();
    EXPECT_NE(doc.find(">図:たて壁鉄配筋</text>"), std::string::npos);
    EXPECT_NE(doc.find("D13@250 &lt;As&gt; &amp; &quot;x&quot; \xEF\xBF\xBD"), std::string::npos);

    testing::TempFolder folder;
    const auto path = folder.path() / "figure.svg";
    testing::writeBytes(path, doc);
    MARVOTEN_ASSERT_INSTALLED("xmllint");
    EXPECT_EQ(testing::runQuietly("xmllint --noout " + testing::shellQuoted(path)), 0);
    // The check can fail: a document cut short is refused.
    const auto cut = folder.path() / "cut.svg";
    testing::writeBytes(cut, doc.substr(0, doc.size() / 2));
    EXPECT_NE(testing::runQuietly("xmllint --noout " + testing::shellQuoted(cut)), 0);
    MARVOTEN_ASSERT_INSTALLED("rsvg-convert");
    const auto png = folder.path() / "figure.png";
    EXPECT_EQ(testing::runQuietly("rsvg-convert -o " + testing::shellQuoted(png) + " " +
                                  testing::shellQuoted(path)),
              0);
    EXPECT_EQ(testing::readBytes(png).substr(1, 3), "PNG");
}

// A bearing-factor figure: the vertical axis logarithmic from 1 to 200, the curve
// starting at 0 (which a logarithmic axis cannot show, so the line begins at the
// next point). The decades' value labels, read back from the file, are equally
// spaced.
TEST(SvgCanvas, LogarithmicAxisPlacesTheDecadesEquallyApart) {
    FigureSection::Setup setup;
    setup.title = "Nq";
    setup.vertical.title = "支持力係数 Nq";
    setup.vertical.logarithmic = true;
    setup.vertical.setRange(1, 200);
    setup.horizontal.setRange(0, 50);
    FigureSeries::Setup curve;
    curve.colour = colours::red;
    setup.series = {curve};
    FigureSection f("BearingFactorFigure", "", "", setup);
    f.series(1).keepInsertionOrder();
    for (auto [x, y] : {std::pair{0.0, 0.0}, {5.0, 1.5}, {20.0, 12.0}, {35.0, 150.0}})
        f.series(1).addPoint(x, y, " ");
    SvgCanvas svg(380, 300);
    renderFigure(f, {380, 300}, svg);
    const std::string doc = svg.document();

    std::map<std::string, double> decadeY;
    const std::regex label(
        R"re(<text x="[-0-9.]+" y="([-0-9.]+)"[^>]*text-anchor="end"[^>]*>([0-9,.]+)</text>)re");
    for (std::sregex_iterator it(doc.begin(), doc.end(), label), end; it != end; ++it)
        decadeY[(*it)[2]] = std::stod((*it)[1]);
    ASSERT_TRUE(decadeY.count("1") && decadeY.count("10") && decadeY.count("100"))
        << "decade labels 1, 10 and 100";
    const double decade = decadeY["1"] - decadeY["10"];
    EXPECT_GT(decade, 40) << "10 above 1";
    EXPECT_TRUE(testing::near(decadeY["10"] - decadeY["100"], decade, 0.02));

    // The red curve joins the three points above 0; nothing is drawn for the point at 0.
    std::smatch red;
    ASSERT_TRUE(
        std::regex_search(doc, red, std::regex(R"re(stroke="#ff0000"[^>]*points="([^"]*)")re")));
    EXPECT_EQ(std::count(red[1].first, red[1].second, ','), 3);
    std::string lower = doc;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(lower.find("nan"), std::string::npos);
    EXPECT_EQ(lower.find("inf"), std::string::npos);
}

}  // namespace
}  // namespace marvoten
