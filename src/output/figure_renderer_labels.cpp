#include "output/figure_renderer_labels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace marvoten {
namespace {

constexpr double onLine = 0.5;  // pixels off a line that still count as on it
constexpr int directionCount = 16;
constexpr double edgeTolerance = 1e-6;

CanvasPoint centre(const CanvasRect& r) {
    return {r.left + r.width / 2, r.top + r.height / 2};
}

bool inside(const CanvasRect& r, const CanvasRect& frame) {
    return r.left >= frame.left - edgeTolerance && r.top >= frame.top - edgeTolerance &&
           r.right() <= frame.right() + edgeTolerance &&
           r.bottom() <= frame.bottom() + edgeTolerance;
}

double distanceFromLine(CanvasPoint p, const LabelSegment& line) {
    const double dx = line.b.x - line.a.x, dy = line.b.y - line.a.y;
    const double length = std::hypot(dx, dy);
    if (length == 0) return std::hypot(p.x - line.a.x, p.y - line.a.y);
    return std::fabs(dx * (p.y - line.a.y) - dy * (p.x - line.a.x)) / length;
}

double angleBetween(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 2 * std::numbers::pi);
    return std::min(d, 2 * std::numbers::pi - d);
}

// Steps straight along an axis stay exactly on it, so that a label moved sideways
// keeps its height to the last bit on every canvas.
double snapped(double v) {
    return std::fabs(v) < 1e-12 ? 0.0 : v;
}

// The unit steps a label tries, best first: along its dimension line both ways,
// then turning towards the side it stands on; a point label straight away from
// its point first, then turning either way.
std::vector<CanvasPoint> directions(const LabelRequest& label) {
    const CanvasPoint c = centre(label.box);
    double base = -std::numbers::pi / 2;  // upwards, for a label centred on its point
    double sideX = 0, sideY = 0;
    if (label.dimensionLine) {
        const LabelSegment& l = *label.dimensionLine;
        base = std::atan2(l.b.y - l.a.y, l.b.x - l.a.x);
        sideX = c.x - label.point.x;
        sideY = c.y - label.point.y;
    } else if (std::hypot(c.x - label.point.x, c.y - label.point.y) > edgeTolerance) {
        base = std::atan2(c.y - label.point.y, c.x - label.point.x);
    }
    struct Direction {
        CanvasPoint step;
        double key;
        bool towardsSide;
        int index;
    };
    std::vector<Direction> all;
    for (int k = 0; k < directionCount; ++k) {
        const double a = base + 2 * std::numbers::pi * k / directionCount;
        const CanvasPoint step{snapped(std::cos(a)), snapped(std::sin(a))};
        const double key = label.dimensionLine ? std::min(angleBetween(a, base),
                                                          angleBetween(a, base + std::numbers::pi))
                                               : angleBetween(a, base);
        all.push_back({step, std::round(key * 1e9), step.x * sideX + step.y * sideY > 0, k});
    }
    std::stable_sort(all.begin(), all.end(), [](const Direction& x, const Direction& y) {
        if (x.key != y.key) return x.key < y.key;
        return x.towardsSide > y.towardsSide;
    });
    std::vector<CanvasPoint> steps;
    for (const auto& d : all) steps.push_back(d.step);
    return steps;
}

// The box moved into the frame along each axis where it fits; where it does not,
// it keeps to the frame's left or top edge.
CanvasRect fitted(const CanvasRect& box, const CanvasRect& frame) {
    CanvasRect r = box;
    r.left = box.width > frame.width ? frame.left
                                     : std::clamp(box.left, frame.left, frame.right() - box.width);
    r.top = box.height > frame.height ? frame.top
                                      : std::clamp(box.top, frame.top, frame.bottom() - box.height);
    return r;
}

class Placement {
public:
    Placement(const CanvasRect& frame, double gap) : frame_(frame), gap_(gap) {}

    void keep(const CanvasRect& box) { taken_.push_back(box); }

    CanvasRect place(const LabelRequest& label) {
        const CanvasRect& box = label.box;
        if (box.width > frame_.width || box.height > frame_.height) return fitted(box, frame_);
        const std::vector<CanvasPoint> steps = directions(label);
        const double reach = std::hypot(frame_.width, frame_.height);
        std::optional<CanvasRect> best;
        double bestOverlap = 0;
        bool bestCrosses = false;
        for (double r = 0; r <= reach; r += 1) {
            for (const CanvasPoint& step : steps) {
                const CanvasRect candidate = moved(box, r * step.x, r * step.y);
                if (!inside(candidate, frame_)) {
                    if (r == 0) break;
                    continue;
                }
                const double overlap = overlapWithTaken(candidate);
                const bool crossing = crossesOwnLine(label, candidate);
                if (overlap == 0 && !crossing) return candidate;
                if (!best || overlap < bestOverlap ||
                    (overlap == bestOverlap && bestCrosses && !crossing)) {
                    best = candidate;
                    bestOverlap = overlap;
                    bestCrosses = crossing;
                }
                if (r == 0) break;
            }
        }
        return best.value_or(fitted(box, frame_));
    }

private:
    double overlapWithTaken(const CanvasRect& candidate) const {
        double area = 0;
        const CanvasRect padded = grown(candidate, gap_ / 2);
        for (const CanvasRect& t : taken_) area += overlapArea(padded, grown(t, gap_ / 2));
        return area;
    }

    static bool crossesOwnLine(const LabelRequest& label, const CanvasRect& candidate) {
        return std::any_of(
            label.ownLines.begin(), label.ownLines.end(),
            [&](const LabelSegment& s) { return crossesInterior(s.a, s.b, candidate); });
    }

    CanvasRect frame_;
    double gap_;
    std::vector<CanvasRect> taken_;
};

}  // namespace

std::vector<CanvasRect> placeLabels(const std::vector<LabelRequest>& labels,
                                    const CanvasRect& frame, double gap) {
    std::vector<CanvasRect> placed(labels.size());
    Placement placement(frame, gap);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (!labels[i].fixed) continue;
        placed[i] = labels[i].box;
        placement.keep(placed[i]);
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (labels[i].fixed) continue;
        placed[i] = placement.place(labels[i]);
        placement.keep(placed[i]);
    }
    return placed;
}

std::optional<LabelSegment> dimensionLineAt(const std::vector<std::optional<CanvasPoint>>& points,
                                            std::size_t i) {
    if (i == 0 || i + 1 >= points.size() || !points[i - 1] || !points[i] || !points[i + 1])
        return std::nullopt;
    const LabelSegment line{*points[i - 1], *points[i + 1]};
    const CanvasPoint p = *points[i];
    const double dx = line.b.x - line.a.x, dy = line.b.y - line.a.y;
    const double lengthSquared = dx * dx + dy * dy;
    if (lengthSquared <= onLine * onLine) return std::nullopt;
    const double t = ((p.x - line.a.x) * dx + (p.y - line.a.y) * dy) / lengthSquared;
    if (t <= 0 || t >= 1 || distanceFromLine(p, line) > onLine) return std::nullopt;
    return line;
}

std::vector<LabelSegment> segmentsAlong(const std::vector<std::optional<CanvasPoint>>& points,
                                        const LabelSegment& line) {
    std::vector<LabelSegment> out;
    for (std::size_t j = 1; j < points.size(); ++j) {
        if (!points[j - 1] || !points[j]) continue;
        const LabelSegment s{*points[j - 1], *points[j]};
        if (distanceFromLine(s.a, line) <= onLine && distanceFromLine(s.b, line) <= onLine)
            out.push_back(s);
    }
    return out;
}

bool runsUpright(const LabelSegment& line) {
    return std::fabs(line.b.y - line.a.y) > std::fabs(line.b.x - line.a.x);
}

CanvasRect dimensionLabelBox(const LabelSegment& line, CanvasPoint point, double width,
                             double height, double distance) {
    if (runsUpright(line)) {
        const double left = distance < 0 ? point.x + distance - width : point.x + distance;
        return {left, point.y - height / 2, width, height};
    }
    const double top = distance >= 0 ? point.y - distance - height : point.y - distance;
    return {point.x - width / 2, top, width, height};
}

}  // namespace marvoten
