#pragma once
// Where the point labels of a figure go. Each label starts where the figure's
// own rule puts it (its distance above or below its point, or beside a vertical
// dimension line); a label that would cover another label, leave the figure's
// frame, be crossed by a drawn line or a point mark, or stand inside the closed
// outline whose corner it numbers is moved the least distance that clears it:
// along its dimension line first, else away from its point. A line through a
// number makes it another number ("23.81" read as "23.01"), so every line the
// figure draws counts, the light grid aside. The same labels in the same frame
// always land in the same places, so screen, print, metafile, SVG and PDF agree.
//
// Coordinates run with y downwards (canvas pixels; a PDF page negates its y).
#include <optional>
#include <vector>

#include "output/canvas.h"

namespace marvoten {

struct LabelSegment {
    CanvasPoint a;
    CanvasPoint b;
};

struct LabelRequest {
    CanvasRect box;     // where the figure's rule puts the text's em box
    CanvasPoint point;  // the point it names
    // For a label on a dimension line: the part of the line it measures.
    std::optional<LabelSegment> dimensionLine;
    // For a label on a corner of a closed outline: the outline, which it stands outside.
    std::vector<CanvasPoint> outline;
    // A text that stays where it is (a table's cell text); others keep clear of it.
    bool fixed = false;
};

// What the figure draws that labels keep clear of, by `labelClearance` pixels.
struct LabelObstacles {
    std::vector<LabelSegment> lines;
    std::vector<CanvasRect> marks;
    // The drawn pieces of a series: a point that cannot be shown breaks the line.
    void addLine(const std::vector<std::optional<CanvasPoint>>& points);
};
inline constexpr double labelClearance = 1;

// The boxes the labels take, in the order asked, at least `gap` apart. A label
// that cannot be placed clear of everything inside the frame takes the place
// crossed by the fewest lines, then with the least overlap; one wider or higher
// than the frame keeps to its left or top edge.
std::vector<CanvasRect> placeLabels(const std::vector<LabelRequest>& labels,
                                    const LabelObstacles& drawn, const CanvasRect& frame,
                                    double gap);

// The series' points as a closed outline when its last point returns to its
// first; none otherwise.
std::vector<CanvasPoint> closedOutline(const std::vector<std::optional<CanvasPoint>>& points);

// The dimension line through point `i` of a series (the points in drawing order,
// none where a point cannot be shown): the points before and after it, when the
// three lie on one straight line with point `i` between the other two.
std::optional<LabelSegment> dimensionLineAt(const std::vector<std::optional<CanvasPoint>>& points,
                                            std::size_t i);

// Whether the line runs nearer the vertical than the horizontal.
bool runsUpright(const LabelSegment& line);

// A label of `width` x `height` on a dimension line: a line nearer the vertical
// gets it beside the line, level with its point, `distance` pixels away (left
// for a negative distance); any other line gets it centred above the point
// (below for a negative distance).
CanvasRect dimensionLabelBox(const LabelSegment& line, CanvasPoint point, double width,
                             double height, double distance);

}  // namespace marvoten
