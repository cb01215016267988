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

// Whether the point lies inside the closed outline (even-odd rule).
bool insideOutline(CanvasPoint p, const std::vector<CanvasPoint>& outline) {
    bool in = false;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        const CanvasPoint& a = outline[i];
        const CanvasPoint& b = outline[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

class Placement {
public:
    Placement(const LabelObstacles& drawn, const CanvasRect& frame, double gap)
        : drawn_(drawn), frame_(frame), gap_(gap) {}

    void keep(const CanvasRect& box) { taken_.push_back(box); }

    CanvasRect place(const LabelRequest& label) {
        const CanvasRect& box = label.box;
        if (box.width > frame_.width || box.height > frame_.height) return fitted(box, frame_);
        const std::vector<CanvasPoint> steps = directions(label);
        const double reach = std::hypot(frame_.width, frame_.height);
        std::optional<CanvasRect> best;
        Conflict bestConflict;
        for (double r = 0; r <= reach; r += 1) {
            for (const CanvasPoint& step : steps) {
                const CanvasRect candidate = moved(box, r * step.x, r * step.y);
                if (!inside(candidate, frame_)) {
                    if (r == 0) break;
                    continue;
                }
                const Conflict conflict = conflictAt(label, candidate);
                if (conflict.free()) return candidate;
                if (!best || conflict < bestConflict) {
                    best = candidate;
                    bestConflict = conflict;
                }
                if (r == 0) break;
            }
        }
        return best.value_or(fitted(box, frame_));
    }

private:
    // What a place would cover: the drawn lines and marks it is crossed by (an
    // inside of its own outline counts as one), then its overlap with other labels.
    struct Conflict {
        int crossings = 0;
        double overlap = 0;
        bool free() const { return crossings == 0 && overlap == 0; }
        bool operator<(const Conflict& o) const {
            return crossings != o.crossings ? crossings < o.crossings : overlap < o.overlap;
        }
    };

    Conflict conflictAt(const LabelRequest& label, const CanvasRect& candidate) const {
        Conflict c;
        const CanvasRect padded = grown(candidate, gap_ / 2);
        for (const CanvasRect& t : taken_) c.overlap += overlapArea(padded, grown(t, gap_ / 2));
        const CanvasRect cleared = grown(candidate, labelClearance);
        for (const LabelSegment& s : drawn_.lines)
            c.crossings += crossesInterior(s.a, s.b, cleared) ? 1 : 0;
        for (const CanvasRect& m : drawn_.marks) c.crossings += overlapArea(m, cleared) > 0 ? 1 : 0;
        if (!label.outline.empty() && insideOutline(centre(candidate), label.outline))
            ++c.crossings;
        return c;
    }

    const LabelObstacles& drawn_;
    CanvasRect frame_;
    double gap_;
    std::vector<CanvasRect> taken_;
};

}  // namespace

void LabelObstacles::addLine(const std::vector<std::optional<CanvasPoint>>& points) {
    for (std::size_t j = 1; j < points.size(); ++j)
        if (points[j - 1] && points[j]) lines.push_back({*points[j - 1], *points[j]});
}

std::vector<CanvasRect> placeLabels(const std::vector<LabelRequest>& labels,
                                    const LabelObstacles& drawn, const CanvasRect& frame,
                                    double gap) {
    std::vector<CanvasRect> placed(labels.size());
    Placement placement(drawn, frame, gap);
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

std::vector<CanvasPoint> closedOutline(const std::vector<std::optional<CanvasPoint>>& points) {
    if (points.size() < 4 || !points.front() || !(*points.front() == *points.back())) return {};
    std::vector<CanvasPoint> outline;
    for (const auto& p : points) {
        if (!p) return {};
        outline.push_back(*p);
    }
    return outline;
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
