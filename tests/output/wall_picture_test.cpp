#include "output/wall_picture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "output/recording_canvas.h"

namespace marvoten {
namespace {

RecordingCanvas draw(WallPicture picture, const DesignConditions& d) {
    RecordingCanvas canvas;
    drawWallPicture(canvas, picture, d);
    return canvas;
}

bool drawsSegment(const RecordingCanvas& canvas, CanvasPoint a, CanvasPoint b) {
    for (const auto& line : canvas.polylines())
        for (std::size_t i = 0; i + 1 < line.points.size(); ++i)
            if ((line.points[i] == a && line.points[i + 1] == b) ||
                (line.points[i] == b && line.points[i + 1] == a))
                return true;
    return false;
}

std::vector<RecordingCanvas::Polyline> linesOf(const RecordingCanvas& canvas, Rgb colour) {
    std::vector<RecordingCanvas::Polyline> out;
    for (const auto& line : canvas.polylines())
        if (line.pen.colour == colour) out.push_back(line);
    return out;
}

const char* nameOf(WallPicture p) {
    switch (p) {
        case WallPicture::Shape:
            return "shape";
        case WallPicture::ShearKey:
            return "shear key";
        case WallPicture::Backfill:
            return "backfill";
        case WallPicture::OtherLoads:
            return "other loads";
        case WallPicture::GroundConstants:
            return "ground constants";
    }
    return "";
}

TEST(WallPicture, EachPictureFillsItsOwnSizeAndDrawsInsideIt) {
    const DesignConditions d;
    const PictureSize sizes[] = {{249, 249}, {97, 113}, {195, 209}, {193, 257}, {249, 249}};
    ASSERT_EQ(wallPictures().size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        const WallPicture p = wallPictures()[i];
        EXPECT_EQ(wallPictureSize(p).width, sizes[i].width) << nameOf(p);
        EXPECT_EQ(wallPictureSize(p).height, sizes[i].height) << nameOf(p);
        const RecordingCanvas canvas = draw(p, d);
        const auto fills = canvas.all<RecordingCanvas::Fill>();
        ASSERT_GE(fills.size(), 2u);
        const CanvasRect whole{0, 0, double(sizes[i].width), double(sizes[i].height)};
        EXPECT_EQ(fills[0].rect, whole);
        EXPECT_EQ(fills[1].colour, picture_colours::ground) << nameOf(p);
        for (const auto& line : canvas.polylines()) EXPECT_TRUE(line.clipped) << nameOf(p);
    }
}

// With a key the base bottom turns down at the key's front and back; without it the
// points 7 to 10 lie on the base bottom.
TEST(WallPicture, TheShearKeyChangesTheOutlineInAllFiveAndAddsMarksOnlyInTheKeyPicture) {
    DesignConditions plain, keyed;
    keyed.hasShearKey = 1;
    for (WallPicture p : wallPictures()) {
        const auto withoutKey = wallOutline(p, false), withKey = wallOutline(p, true);
        EXPECT_EQ(withKey[8].y - withKey[7].y, 11) << nameOf(p) << ": the key is 11 pixels deep";
        EXPECT_EQ(withoutKey[8], withoutKey[7]) << nameOf(p);
        const RecordingCanvas a = draw(p, plain), b = draw(p, keyed);
        EXPECT_TRUE(drawsSegment(b, withKey[8], withKey[9])) << nameOf(p);
        EXPECT_FALSE(drawsSegment(a, withKey[8], withKey[9])) << nameOf(p);
        const auto extraLines = b.polylines().size() - a.polylines().size();
        if (p == WallPicture::ShearKey)
            EXPECT_GT(extraLines, 0u) << "position, width and height marks";
        else
            EXPECT_EQ(extraLines, 0u) << nameOf(p);
    }
}

TEST(WallPicture, ShiftedOutlinePoints) {
    EXPECT_EQ(wallOutline(WallPicture::Shape, false)[4], (CanvasPoint{121, 64}));
    EXPECT_EQ(wallOutline(WallPicture::ShearKey, true)[9], (CanvasPoint{40, 60}));
    EXPECT_EQ(wallOutline(WallPicture::Backfill, false)[0], (CanvasPoint{10, 184}));
    EXPECT_EQ(wallOutline(WallPicture::OtherLoads, false)[5], (CanvasPoint{90, 84}));
    EXPECT_EQ(wallOutline(WallPicture::GroundConstants, true)[7], (CanvasPoint{135, 184}));
}

TEST(WallPicture, SurchargeModeByBackfillShapeZoneAndSnow) {
    struct Case {
        int shape;
        bool surcharge;
        int zone;
        bool snow;
        int mode;
    };
    const Case cases[] = {
        {0, false, 0, false, 0}, {0, true, 0, false, 1}, {0, true, 1, false, 2},
        {1, true, 0, false, 0},  {1, true, 1, false, 2}, {2, true, 0, false, 1},
        {2, true, 1, false, 2},  {0, false, 0, true, 2}, {1, true, 0, true, 2},
        {2, true, 0, true, 2},
    };
    for (const auto& c : cases) {
        DesignConditions d;
        d.backfillShape = c.shape;
        d.hasSurcharge.on = c.surcharge;
        d.surchargeZone = c.zone;
        d.hasSnow.on = c.snow;
        EXPECT_EQ(surchargeMode(d), c.mode) << "shape " << c.shape << " surcharge " << c.surcharge
                                            << " zone " << c.zone << " snow " << c.snow;
    }
}

// The hatch's columns: first and last x of the navy lines.
std::pair<double, double> hatchSpan(const RecordingCanvas& canvas) {
    const auto navy = linesOf(canvas, picture_colours::surcharge);
    EXPECT_FALSE(navy.empty()) << "no surcharge hatch drawn";
    double lo = 1e9, hi = -1e9;
    for (const auto& line : navy)
        for (const auto& p : line.points) lo = std::min(lo, p.x), hi = std::max(hi, p.x);
    return {lo, hi};
}

TEST(WallPicture, SnowWithoutSurchargeHatchesTheWholeBackfillSurface) {
    for (int shape : {0, 1, 2}) {
        DesignConditions d;
        d.backfillShape = shape;
        d.hasSurcharge.on = false;
        d.hasSnow.on = true;
        const RecordingCanvas canvas = draw(WallPicture::Backfill, d);
        const double back = wallOutline(WallPicture::Backfill, false)[5].x;
        const auto [lo, hi] = hatchSpan(canvas);
        EXPECT_LE(lo, back + 1) << "shape " << shape << ": from the wall";
        EXPECT_GE(hi, wallPictureSize(WallPicture::Backfill).width - 4) << "to the edge";
        for (const auto& line : linesOf(canvas, picture_colours::surcharge))
            EXPECT_EQ(line.points.back().y - line.points.front().y, 10) << "a band 10 deep";
    }
}

TEST(WallPicture, SlopeWithSurchargeOnTheLevelPartShowsNoHatch) {
    DesignConditions d;
    d.backfillShape = 1;
    d.hasSurcharge.on = true;
    d.surchargeZone = 0;
    for (WallPicture p : wallPictures())
        EXPECT_TRUE(linesOf(draw(p, d), picture_colours::surcharge).empty()) << nameOf(p);
}

// On an embankment the level part lies behind the 40-pixel slope.
TEST(WallPicture, EmbankmentSurchargeOnTheLevelPartStartsBehindItsSlope) {
    DesignConditions d;
    d.backfillShape = 2;
    const RecordingCanvas level = draw(WallPicture::Backfill, d);
    d.surchargeZone = 1;
    const RecordingCanvas whole = draw(WallPicture::Backfill, d);
    const double back = wallOutline(WallPicture::Backfill, false)[5].x;
    EXPECT_GE(hatchSpan(level).first, back + 40);
    EXPECT_LE(hatchSpan(whole).first, back + 1);
    // The embankment top is 30 pixels above the crest.
    const auto levelHatch = linesOf(level, picture_colours::surcharge);
    ASSERT_FALSE(levelHatch.empty());
    for (const auto& line : levelHatch)
        EXPECT_EQ(line.points.back().y, wallOutline(WallPicture::Backfill, false)[5].y - 30);
}

TEST(WallPicture, OtherLoadsShowOneSymbolPerLoadChosen) {
    const DesignConditions none = [] {
        DesignConditions d;
        d.hasPassive.on = false;
        return d;
    }();
    const auto baseline = draw(WallPicture::OtherLoads, none).polylines().size();
    EXPECT_TRUE(linesOf(draw(WallPicture::OtherLoads, none), picture_colours::water).empty());

    DesignConditions water = none;
    water.hasWater.on = true;
    const auto aqua = linesOf(draw(WallPicture::OtherLoads, water), picture_colours::water);
    ASSERT_FALSE(aqua.empty());
    const double crest = wallOutline(WallPicture::OtherLoads, false)[4].y;
    EXPECT_EQ(aqua[0].points[0].y, crest + 40) << "the water level 40 pixels below the crest";
    EXPECT_EQ(aqua[0].points[1].x - aqua[0].points[0].x, 80);

    struct Case {
        const char* name;
        Switch DesignConditions::*option;
    };
    for (const Case c :
         {Case{"passive", &DesignConditions::hasPassive}, Case{"wind", &DesignConditions::hasWind},
          Case{"collision", &DesignConditions::hasCollision}}) {
        DesignConditions d = none;
        (d.*c.option).on = true;
        EXPECT_GT(draw(WallPicture::OtherLoads, d).polylines().size(), baseline) << c.name;
        EXPECT_EQ(draw(WallPicture::Backfill, d).polylines().size(),
                  draw(WallPicture::Backfill, none).polylines().size())
            << c.name << " appears only in the other-loads picture";
    }
}

}  // namespace
}  // namespace marvoten
