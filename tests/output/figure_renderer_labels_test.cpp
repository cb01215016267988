#include "output/figure_renderer_labels.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/test_support.h"

namespace marvoten {
namespace {

using testing::near;

const CanvasRect frame{0, 0, 200, 100};
constexpr double gap = 4;

bool overlap(const CanvasRect& a, const CanvasRect& b) {
    return std::min(a.right(), b.right()) - std::max(a.left, b.left) > 1e-9 &&
           std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top) > 1e-9;
}

// A chain at y 50 from x 20 to x 43 with a joint at 27: "142" over the short
// segment and "400" over the next, both 2 pixels above the line, printed as
// "14400" before.
TEST(LabelPlacement, LabelsOnOneDimensionLineMoveApartAlongIt) {
    const std::vector<std::optional<CanvasPoint>> chain{CanvasPoint{20, 50}, CanvasPoint{23.5, 50},
                                                        CanvasPoint{27, 50}, CanvasPoint{35, 50},
                                                        CanvasPoint{43, 50}};
    std::vector<LabelRequest> labels;
    for (std::size_t i : {1u, 3u}) {
        LabelRequest r;
        r.point = *chain[i];
        r.dimensionLine = dimensionLineAt(chain, i);
        ASSERT_TRUE(r.dimensionLine) << i;
        r.box = dimensionLabelBox(*r.dimensionLine, r.point, 18, 12, 2);
        labels.push_back(r);
    }
    EXPECT_TRUE(overlap(labels[0].box, labels[1].box)) << "the fixture must collide";
    LabelObstacles drawn;
    drawn.addLine(chain);
    const auto boxes = placeLabels(labels, drawn, frame, gap);
    EXPECT_EQ(boxes[0], labels[0].box) << "the first keeps its place";
    EXPECT_TRUE(near(boxes[1].top, labels[1].box.top, 1e-9)) << "moved along the line only";
    EXPECT_TRUE(near(boxes[1].left, boxes[0].right() + gap, 1.01)) << "by the least distance";
}

// A vertical chain: the label stands beside the line, level with its point, so it
// stays within its 10-pixel span and the line does not run through it.
TEST(LabelPlacement, UprightDimensionLabelStandsBesideItsLineWithinItsSpan) {
    const std::vector<std::optional<CanvasPoint>> chain{CanvasPoint{100, 80}, CanvasPoint{100, 75},
                                                        CanvasPoint{100, 70}};
    LabelRequest r;
    r.point = *chain[1];
    r.dimensionLine = dimensionLineAt(chain, 1);
    ASSERT_TRUE(r.dimensionLine);
    r.box = dimensionLabelBox(*r.dimensionLine, r.point, 18, 12, -4);
    LabelObstacles drawn;
    drawn.addLine(chain);
    const CanvasRect placed = placeLabels({r}, drawn, frame, gap)[0];
    EXPECT_TRUE(near(placed.right(), 96, 1e-9)) << "4 pixels left of the line";
    EXPECT_TRUE(near(placed.top + placed.height / 2, 75, 1e-9)) << "level with its point";
}

struct EdgeCase {
    const char* name;
    CanvasRect box;
    CanvasRect expected;
};

class LabelAtTheFrame : public ::testing::TestWithParam<EdgeCase> {};

// "237.18kN/m2" beyond the frame's left edge was cut to "7.18kN/m2"; a label
// that a frame would cut moves inside by the least distance.
TEST_P(LabelAtTheFrame, MovesInsideByTheLeastDistance) {
    const EdgeCase& c = GetParam();
    LabelRequest r;
    r.box = c.box;
    r.point = {c.box.left + c.box.width / 2, c.box.top};
    EXPECT_EQ(placeLabels({r}, {}, frame, gap)[0], c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    LabelPlacement, LabelAtTheFrame,
    ::testing::Values(EdgeCase{"PastTheLeftEdge", {-20, 40, 66, 12}, {0, 40, 66, 12}},
                      EdgeCase{"PastTheBottomEdge", {50, 95, 30, 12}, {50, 88, 30, 12}},
                      EdgeCase{"Inside", {50, 40, 30, 12}, {50, 40, 30, 12}},
                      EdgeCase{"WiderThanTheFrame", {-10, 40, 250, 12}, {0, 40, 250, 12}}),
    [](const auto& info) { return std::string(info.param.name); });

// A table's cell text never moves; a label on top of it does.
TEST(LabelPlacement, AFixedTextStaysAndOthersKeepClearOfIt) {
    LabelRequest cell;
    cell.box = {50, 40, 30, 12};
    cell.point = {65, 52};
    cell.fixed = true;
    LabelRequest label = cell;
    label.fixed = false;
    label.box = {55, 45, 30, 12};
    label.point = {70, 57};
    const auto boxes = placeLabels({label, cell}, {}, frame, gap);
    EXPECT_EQ(boxes[1], cell.box);
    EXPECT_FALSE(overlap(boxes[0], cell.box));
    EXPECT_TRUE(frame.contains({boxes[0].left, boxes[0].top}));
}

// What the figure draws beside a label: a line of another series, a point mark, a
// closed outline whose corner the label numbers.
struct Obstacle {
    const char* name;
    LabelObstacles drawn;
    std::vector<CanvasPoint> outline;
};

class LabelAndDrawing : public ::testing::TestWithParam<Obstacle> {};

// "23.81kN/m2" with the base line through it read as "23.01kN/m2". A label 2
// pixels above its point at (100, 50) moves off whatever is drawn there, stays
// clear of it by the clearance, and moves no farther than that needs.
TEST_P(LabelAndDrawing, MovesToTheNearestFreePlace) {
    const Obstacle& o = GetParam();
    LabelRequest r;
    r.point = {100, 50};
    r.box = {88, 36, 24, 12};
    r.outline = o.outline;
    const CanvasRect placed = placeLabels({r}, o.drawn, frame, gap)[0];
    const CanvasRect cleared = grown(placed, labelClearance);
    for (const LabelSegment& s : o.drawn.lines)
        EXPECT_FALSE(crossesInterior(s.a, s.b, cleared)) << o.name;
    for (const CanvasRect& m : o.drawn.marks) EXPECT_FALSE(overlap(m, cleared)) << o.name;
    const CanvasPoint middle{placed.left + placed.width / 2, placed.top + placed.height / 2};
    if (!o.outline.empty()) {
        EXPECT_FALSE(middle.x > 60 && middle.x < 140 && middle.y > 30 && middle.y < 90)
            << o.name << ": inside the outline at " << middle.x << ", " << middle.y;
    }
    EXPECT_LT(std::hypot(middle.x - 100, middle.y - 42), 20) << o.name << ": moved too far";
}

INSTANTIATE_TEST_SUITE_P(
    LabelPlacement, LabelAndDrawing,
    ::testing::Values(Obstacle{"ASlopingLineThroughIt", {{{{80, 30}, {120, 50}}}, {}}, {}},
                      Obstacle{"ALevelLineThroughIt", {{{{60, 42}, {140, 42}}}, {}}, {}},
                      Obstacle{"AMarkUnderIt", {{}, {{98, 44, 3, 3}}}, {}},
                      // A label inside the outline it numbers, 6 pixels below the outline's upper
                      // edge: it goes above the edge.
                      Obstacle{"InsideTheOutlineOfItsCorner",
                               {{{{60, 30}, {140, 30}}, {{140, 30}, {140, 90}}}, {}},
                               {{60, 30}, {140, 30}, {140, 90}, {60, 90}, {60, 30}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace marvoten
