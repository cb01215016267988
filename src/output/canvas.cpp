#include "output/canvas.h"

#include <algorithm>

namespace marvoten {

std::vector<Utf8Character> utf8Characters(std::string_view utf8) {
    std::vector<Utf8Character> out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
        char32_t cp = length == 1   ? lead
                      : length == 2 ? (lead & 0x1F)
                      : length == 3 ? (lead & 0x0F)
                                    : (lead & 0x07);
        bool valid = length != 0 && i + length <= utf8.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto c = static_cast<unsigned char>(utf8[i + k]);
            if ((c >> 6) != 0x2) valid = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are not characters.
        static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (valid && (cp < smallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
            valid = false;
        if (!valid) {
            out.push_back({utf8.substr(i, 1), lead, false});
            ++i;
            continue;
        }
        out.push_back({utf8.substr(i, length), cp, true});
        i += length;
    }
    return out;
}

std::optional<SegmentSpan> spanInside(CanvasPoint a, CanvasPoint b, const CanvasRect& r) {
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - r.left, r.right() - a.x, a.y - r.top, r.bottom() - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1) return std::nullopt;
    return SegmentSpan{t0, t1};
}

CanvasPoint pointAlong(CanvasPoint a, CanvasPoint b, double t) {
    if (t == 0) return a;
    if (t == 1) return b;
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

bool crossesInterior(CanvasPoint a, CanvasPoint b, const CanvasRect& r) {
    const auto span = spanInside(a, b, r);
    if (!span || !(span->enter < span->leave)) return false;
    const bool alongUpright = a.x == b.x && (a.x == r.left || a.x == r.right());
    const bool alongLevel = a.y == b.y && (a.y == r.top || a.y == r.bottom());
    return !alongUpright && !alongLevel;
}

std::vector<std::vector<CanvasPoint>> clipPolyline(const std::vector<CanvasPoint>& points,
                                                   const CanvasRect& rect) {
    std::vector<std::vector<CanvasPoint>> pieces;
    std::vector<CanvasPoint> piece;
    auto close = [&] {
        if (piece.size() >= 2) pieces.push_back(piece);
        piece.clear();
    };
    for (std::size_t i = 1; i < points.size(); ++i) {
        const auto span = spanInside(points[i - 1], points[i], rect);
        if (!span) {
            close();
            continue;
        }
        const CanvasPoint a = pointAlong(points[i - 1], points[i], span->enter);
        const CanvasPoint b = pointAlong(points[i - 1], points[i], span->leave);
        if (!piece.empty() && !(piece.back() == a)) close();
        if (piece.empty()) piece.push_back(a);
        piece.push_back(b);
        if (!(b == points[i])) close();
    }
    close();
    return pieces;
}

CanvasRect intersection(const CanvasRect& a, const CanvasRect& b) {
    const double left = std::max(a.left, b.left), top = std::max(a.top, b.top);
    const double right = std::min(a.right(), b.right()), bottom = std::min(a.bottom(), b.bottom());
    return {left, top, std::max(0.0, right - left), std::max(0.0, bottom - top)};
}

double overlapArea(const CanvasRect& a, const CanvasRect& b) {
    constexpr double sliver = 1e-6;
    const double w = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const double h = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return w > sliver && h > sliver ? w * h : 0;
}

CanvasRect moved(const CanvasRect& r, double dx, double dy) {
    return {r.left + dx, r.top + dy, r.width, r.height};
}

CanvasRect grown(const CanvasRect& r, double by) {
    return {r.left - by, r.top - by, r.width + 2 * by, r.height + 2 * by};
}

CanvasRect anchoredTextBox(CanvasPoint at, double width, double height, TextAnchor anchor) {
    const double dx = anchor.horizontal == HorizontalAnchor::Left     ? 0
                      : anchor.horizontal == HorizontalAnchor::Centre ? width / 2
                                                                      : width;
    const double dy = anchor.vertical == VerticalAnchor::Top      ? 0
                      : anchor.vertical == VerticalAnchor::Middle ? height / 2
                                                                  : height;
    return {at.x - dx, at.y - dy, width, height};
}

double textWidth(std::string_view utf8, double pixelSize) {
    double ems = 0;
    for (const auto& c : utf8Characters(utf8)) {
        const bool singleByte =
            !c.valid || c.codePoint < 0x80 || (c.codePoint >= 0xFF61 && c.codePoint <= 0xFF9F);
        ems += singleByte ? 0.5 : 1.0;
    }
    return ems * pixelSize;
}

}  // namespace marvoten
