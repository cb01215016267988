#include "output/wmf_canvas.h"

#include <gtest/gtest.h>

#include <cmath>

#include "book/calculation_book.h"
#include "figure_test_tools.h"
#include "output/figure_renderer.h"
#include "platform/encoding.h"
#include "support/test_support.h"
#include "wmf_file_reader.h"

namespace marvoten {
namespace {

using testing::readWmf;

std::uint32_t colourRef(Rgb c) {
    return c.r | (c.g << 8) | (std::uint32_t(c.b) << 16);
}

// A point of the drawing lies in the pixel that covers it: the figure's border, drawn
// at half a pixel in from the edges, lands on the first and the last pixel of the
// picture. What runs beyond the picture is cut at its edge (a reader sizes the picture
// by what it draws), and what lies wholly outside it is left out.
TEST(WmfCanvas, CoordinatesArePixelsTheDrawingFallsIn) {
    WmfCanvas wmf(400, 300);
    wmf.line({0.5, 0.5}, {399.5, 299.5}, Pen{colours::gray, 1});
    wmf.line({-10, 150.5}, {1e9, 150.5}, Pen{colours::gray, 1});
    wmf.line({-0.5, 2.99}, {3.01, 1e9}, Pen{colours::gray, 1});
    const auto f = readWmf(wmf.bytes());
    ASSERT_EQ(f.polylines.size(), 2u);
    EXPECT_EQ(f.polylines[0].points, (std::vector<std::pair<int, int>>{{0, 0}, {399, 299}}));
    EXPECT_EQ(f.polylines[1].points, (std::vector<std::pair<int, int>>{{0, 150}, {400, 150}}));
}

TEST(WmfCanvas, HeadersObjectsAndTextAsWindowsReadsThem) {
    WmfCanvas wmf(400, 300);
    wmf.fillRectangle({0, 0, 400, 300}, colours::white);
    wmf.line({10, 10}, {390, 10}, Pen{colours::red, 2});
    wmf.text({200, 8}, "荷重図(安定計算時)", Font{FontFace::Gothic, 13, colours::blue, false},
             {HorizontalAnchor::Centre, VerticalAnchor::Top});
    wmf.text({8, 150}, "高さ(m)", Font{FontFace::Mincho, 12, colours::black, false},
             {HorizontalAnchor::Centre, VerticalAnchor::Top}, 90);
    wmf.text({50, 50}, "한", Font{}, {});
    const auto f = readWmf(wmf.bytes());
    ASSERT_TRUE(f.ok()) << ::testing::PrintToString(f.faults);
    EXPECT_EQ(f.left, 0);
    EXPECT_EQ(f.top, 0);
    EXPECT_EQ(f.right, 400);
    EXPECT_EQ(f.bottom, 300);
    EXPECT_EQ(f.inch, 96);
    // A font's record is the largest here: 3 + 5 words + 8 bytes + a 32-byte face.
    EXPECT_EQ(f.maxRecord, 3u + 5 + 4 + 16);

    ASSERT_EQ(f.texts.size(), 3u);
    EXPECT_EQ(f.texts[0].cp932, toCp932("荷重図(安定計算時)"));
    EXPECT_EQ(f.texts[0].faceCp932, toCp932("ＭＳ ゴシック"));
    EXPECT_EQ(f.texts[0].charset, 128);
    EXPECT_EQ(f.texts[0].height, -13);
    EXPECT_EQ(f.texts[0].escapement, 0);
    // Top anchor: the baseline is the ascent below the anchor point.
    EXPECT_EQ(f.texts[0].y, std::floor(8 + fontAscent * 13));  // the pixel the baseline falls in
    EXPECT_EQ(f.texts[0].x, 200);
    EXPECT_EQ(f.texts[1].faceCp932, toCp932("ＭＳ 明朝"));
    EXPECT_EQ(f.texts[1].escapement, 900);
    EXPECT_EQ(f.texts[1].x, std::floor(8 + fontAscent * 12))
        << "turned text: the baseline lies to the right";
    EXPECT_EQ(f.texts[2].cp932, "?") << "a character CP932 lacks";

    ASSERT_EQ(f.polylines.size(), 1u);
    EXPECT_EQ(f.polylines[0].points, (std::vector<std::pair<int, int>>{{10, 10}, {390, 10}}));
    EXPECT_EQ(f.polylines[0].penColour, colourRef(colours::red));
    EXPECT_EQ(f.polylines[0].penWidth, 2);
}

// Objects replaced inside a clip must survive until RestoreDC selects them
// again; a player that met a deleted pen there would draw with the wrong one.
TEST(WmfCanvas, ClipKeepsTheObjectsItRestores) {
    WmfCanvas wmf(200, 200);
    wmf.line({0, 0}, {10, 10}, Pen{colours::red, 1});
    wmf.text({5, 5}, "A", Font{}, {});
    wmf.setClip({20, 20, 100, 100});
    wmf.line({25, 25}, {35, 35}, Pen{colours::blue, 1});
    wmf.line({25, 25}, {35, 35}, Pen{colours::green, 2});
    wmf.text({5, 5}, "B", Font{FontFace::Gothic, 20}, {});
    wmf.fillRectangle({30, 30, 5, 5}, colours::navy);
    wmf.resetClip();
    wmf.line({0, 0}, {10, 10}, Pen{colours::red, 1});
    wmf.text({5, 5}, "C", Font{}, {});
    wmf.setClip({0, 0, 50, 50});
    wmf.line({0, 0}, {10, 10}, Pen{colours::lime, 1});
    const auto f = readWmf(wmf.bytes());  // the open clip is closed at the end
    ASSERT_TRUE(f.ok()) << ::testing::PrintToString(f.faults);
    EXPECT_EQ(f.clipRecords, 2);
    ASSERT_EQ(f.polylines.size(), 5u);
    EXPECT_EQ(f.polylines[3].penColour, colourRef(colours::red)) << "restored, not created again";
    EXPECT_EQ(f.polylines[4].penColour, colourRef(colours::lime));
    ASSERT_EQ(f.texts.size(), 3u);
    EXPECT_EQ(f.texts[2].height, -12);
    EXPECT_LE(f.numberOfObjects, 6);
}

TEST(WmfCanvas, LongLinesAndFarCoordinates) {
    WmfCanvas wmf(300, 300);
    std::vector<CanvasPoint> points;
    for (int i = 0; i < 20000; ++i) points.push_back({double(i % 300), double(i / 100)});
    wmf.polyline(points, Pen{});
    wmf.line({-50000, 5}, {50000, 5}, Pen{});
    const auto f = readWmf(wmf.bytes());
    ASSERT_TRUE(f.ok()) << ::testing::PrintToString(f.faults);
    ASSERT_GE(f.polylines.size(), 4u);
    std::vector<std::pair<int, int>> joined;
    for (std::size_t i = 0; i + 1 < f.polylines.size(); ++i)
        for (const auto& p : f.polylines[i].points)
            if (joined.empty() || joined.back() != p) joined.push_back(p);
    ASSERT_EQ(joined.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        ASSERT_EQ(joined[i], (std::pair<int, int>{int(points[i].x), int(points[i].y)})) << i;
    EXPECT_EQ(f.polylines.back().points, (std::vector<std::pair<int, int>>{{0, 5}, {300, 5}}))
        << "cut at the picture's edges";
}

TEST(WmfCanvas, NothingIsDrawnAfterTheFileIsFinished) {
    WmfCanvas wmf(10, 10);
    const std::string first = wmf.bytes();
    EXPECT_EQ(wmf.bytes(), first);
    EXPECT_THROW(wmf.line({0, 0}, {1, 1}, Pen{}), std::logic_error);
}

std::string renderedFigure(FigureSize size) {
    CalculationBook book;
    testing::fillFiguresPlausibly(book);
    WmfCanvas wmf(size.width, size.height);
    renderFigure(book.figure(FigureId::LoadDiagramFigure), size, wmf);
    return wmf.bytes();
}

// The reader must see damage, or its passing the figure files would mean nothing.
TEST(WmfFileReader, FindsDamage) {
    const std::string good = renderedFigure({560, 490});
    ASSERT_TRUE(readWmf(good).ok());
    struct Damage {
        const char* name;
        std::string bytes;
    };
    std::string badKey = good, badSum = good, badSize = good, badRecord = good;
    badKey[0] = 0;
    badSum[20] ^= 1;
    badSize[22 + 6] ^= 1;
    badRecord[22 + 18] = 0x7F;  // first record size far beyond the file
    for (const auto& d :
         {Damage{"truncated", good.substr(0, good.size() - 6)}, Damage{"key", badKey},
          Damage{"checksum", badSum}, Damage{"size", badSize}, Damage{"record", badRecord}})
        EXPECT_FALSE(readWmf(d.bytes).ok()) << d.name;
}

TEST(WmfFileReader, Wmf2svgReadsTheLinesWeWrote) {
    MARVOTEN_ASSERT_INSTALLED("wmf2svg");
    testing::TempFolder folder;
    const auto wmfPath = folder.path() / "figure.wmf";
    const auto svgPath = folder.path() / "figure.svg";
    const std::string bytes = renderedFigure({560, 490});
    testing::writeBytes(wmfPath, bytes);
    ASSERT_EQ(testing::runQuietly("wmf2svg -o " + testing::shellQuoted(svgPath) + " " +
                                  testing::shellQuoted(wmfPath)),
              0);
    const auto ours = readWmf(bytes).polylines;
    const auto theirs = testing::svgPolylines(testing::readBytes(svgPath));
    ASSERT_EQ(theirs.size(), ours.size());
    for (std::size_t i = 0; i < ours.size(); ++i) {
        ASSERT_EQ(theirs[i].size(), ours[i].points.size()) << "polyline " << i;
        for (std::size_t k = 0; k < ours[i].points.size(); ++k) {
            EXPECT_LE(std::fabs(theirs[i][k].first - ours[i].points[k].first), 2.5)
                << i << "/" << k;
            EXPECT_LE(std::fabs(theirs[i][k].second - ours[i].points[k].second), 2.5)
                << i << "/" << k;
        }
    }
    // A truncated file is refused.
    testing::writeBytes(wmfPath, bytes.substr(0, bytes.size() / 2));
    EXPECT_NE(testing::runQuietly("wmf2svg -o " + testing::shellQuoted(svgPath) + " " +
                                  testing::shellQuoted(wmfPath)),
              0);
}

}  // namespace
}  // namespace marvoten
