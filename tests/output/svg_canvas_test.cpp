#include "output/svg_canvas.h"

#include <gtest/gtest.h>

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
    if (!testing::programInstalled("xmllint"))
        GTEST_SKIP() << "xmllint (libxml2-utils) is not installed";
    EXPECT_EQ(testing::runQuietly("xmllint --noout " + testing::shellQuoted(path)), 0);
    // The check can fail: a document cut short is refused.
    const auto cut = folder.path() / "cut.svg";
    testing::writeBytes(cut, doc.substr(0, doc.size() / 2));
    EXPECT_NE(testing::runQuietly("xmllint --noout " + testing::shellQuoted(cut)), 0);
    if (!testing::programInstalled("rsvg-convert"))
        GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
    const auto png = folder.path() / "figure.png";
    EXPECT_EQ(testing::runQuietly("rsvg-convert -o " + testing::shellQuoted(png) + " " +
                                  testing::shellQuoted(path)),
              0);
    EXPECT_EQ(testing::readBytes(png).substr(1, 3), "PNG");
}

}  // namespace
}  // namespace marvoten
