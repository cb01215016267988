#include "output/figure_renderer_labels.h"

#include <gtest/gtest.h>

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
        r.ownLines = segmentsAlong(chain, *r.dimensionLine);
        r.box = dimensionLabelBox(*r.dimensionLine, r.point, 18, 12, 2);
        labels.push_back(r);
    }
    EXPECT_TRUE(overlap(labels[0].box, labels[1].box)) << "the fixture must collide";
    const auto boxes = placeLabels(labels, frame, gap);
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
    r.ownLines = segmentsAlong(chain, *r.dimensionLine);
    r.box = dimensionLabelBox(*r.dimensionLine, r.point, 18, 12, -4);
    const CanvasRect placed = placeLabels({r}, frame, gap)[0];
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
    EXPECT_EQ(placeLabels({r}, frame, gap)[0], c.expected);
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
    const auto boxes = placeLabels({label, cell}, frame, gap);
    EXPECT_EQ(boxes[1], cell.box);
    EXPECT_FALSE(overlap(boxes[0], cell.box));
    EXPECT_TRUE(frame.contains({boxes[0].left, boxes[0].top}));
}

}  // namespace
}  // namespace marvoten
