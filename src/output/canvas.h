#pragma once
// The drawing surface a figure is rendered onto: the screen, the printer, a
// Windows Metafile or an SVG file. Coordinates are pixels of the figure, origin
// at its upper-left corner, y downwards.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "book/rgb.h"

namespace marvoten {

struct CanvasPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

struct CanvasRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool contains(CanvasPoint p) const {
        return p.x >= left && p.x <= right() && p.y >= top && p.y <= bottom();
    }
    friend bool operator==(const CanvasRect&, const CanvasRect&) = default;
};

struct Pen {
    Rgb colour = colours::black;
    int width = 1;  // pixels
    LineDash dash = LineDash::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

// The two Japanese faces of the book: Gothic for figures and fixed-pitch report
// text, Mincho for printed page text.
enum class FontFace { Gothic, Mincho };

// The face names as Japanese Windows spells them.
inline const char* japaneseFaceName(FontFace face) {
    return face == FontFace::Gothic ? "ＭＳ ゴシック" : "ＭＳ 明朝";
}

struct Font {
    FontFace face = FontFace::Gothic;
    int pixelSize = 12;  // character height (em) in pixels
    Rgb colour = colours::black;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// Where the anchor point lies on the text's own box, before any rotation.
enum class HorizontalAnchor { Left, Centre, Right };
enum class VerticalAnchor { Top, Middle, Bottom };
struct TextAnchor {
    HorizontalAnchor horizontal = HorizontalAnchor::Left;
    VerticalAnchor vertical = VerticalAnchor::Top;
    friend bool operator==(const TextAnchor&, const TextAnchor&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void fillRectangle(const CanvasRect& rect, Rgb colour) = 0;
    // Two or more points joined in order.
    virtual void polyline(const std::vector<CanvasPoint>& points, const Pen& pen) = 0;
    // One line of UTF-8 text; angle in degrees counter-clockwise (0 or 90).
    virtual void text(CanvasPoint at, const std::string& utf8, const Font& font, TextAnchor anchor,
                      int angleDegrees = 0) = 0;
    // Drawing is limited to `rect` until resetClip.
    virtual void setClip(const CanvasRect& rect) = 0;
    virtual void resetClip() = 0;

    void line(CanvasPoint from, CanvasPoint to, const Pen& pen) { polyline({from, to}, pen); }
};

// The share of the em box above the baseline in the Japanese faces; the rest
// lies below it. Every canvas places text by these, so that metafile, SVG and
// screen agree.
inline constexpr double fontAscent = 0.88;

// Distance from the anchor point to the baseline, across the text direction.
inline double baselineOffset(VerticalAnchor anchor, double pixelSize) {
    switch (anchor) {
        case VerticalAnchor::Top:
            return fontAscent * pixelSize;
        case VerticalAnchor::Middle:
            return (fontAscent - 0.5) * pixelSize;
        case VerticalAnchor::Bottom:
            return (fontAscent - 1.0) * pixelSize;
    }
    return 0;
}

// The part of the segment a-b that lies inside `rect` (its edges included), as
// shares of the segment's length from a: it enters at `enter` and leaves at
// `leave` (Liang-Barsky). None when no point of the segment is inside.
struct SegmentSpan {
    double enter = 0;
    double leave = 1;
};
std::optional<SegmentSpan> spanInside(CanvasPoint a, CanvasPoint b, const CanvasRect& rect);
// The point a share `t` of the way from a to b; exactly a at 0 and b at 1.
CanvasPoint pointAlong(CanvasPoint a, CanvasPoint b, double t);
// Whether some length of the segment runs through the rectangle's interior: a
// segment that only touches it, or runs along an edge, does not.
bool crossesInterior(CanvasPoint a, CanvasPoint b, const CanvasRect& rect);

// The pieces of a polyline that lie inside `rect`, each of two or more points in
// order: what a file canvas writes so that no coordinate leaves its picture.
std::vector<std::vector<CanvasPoint>> clipPolyline(const std::vector<CanvasPoint>& points,
                                                   const CanvasRect& rect);
// The part of `a` inside `b` (of zero size when they do not meet).
CanvasRect intersection(const CanvasRect& a, const CanvasRect& b);
// The area two rectangles share; slivers under a millionth of a pixel across count as none.
double overlapArea(const CanvasRect& a, const CanvasRect& b);
CanvasRect moved(const CanvasRect& r, double dx, double dy);
// The rectangle with `by` pixels added on every side.
CanvasRect grown(const CanvasRect& r, double by);
// The em box of a text drawn unrotated with this anchor.
CanvasRect anchoredTextBox(CanvasPoint at, double width, double height, TextAnchor anchor);

// The area a file canvas writes to: its whole picture, or the part of it the
// clip leaves, so that no coordinate in the file lies beyond the picture.
class PictureArea {
public:
    PictureArea(int width, int height) : picture_{0, 0, double(width), double(height)} {}
    void clip(const CanvasRect& rect) { clip_ = rect; }
    void unclip() { clip_.reset(); }
    bool clipped() const { return clip_.has_value(); }
    CanvasRect drawable() const { return clip_ ? intersection(picture_, *clip_) : picture_; }

private:
    CanvasRect picture_;
    std::optional<CanvasRect> clip_;
};

// One character of a UTF-8 text; a byte that starts no valid sequence is a
// character of its own with `valid` false.
struct Utf8Character {
    std::string_view bytes;
    char32_t codePoint = 0;
    bool valid = true;
};
std::vector<Utf8Character> utf8Characters(std::string_view utf8);

// Estimated advance width of a text in a Japanese face: half the em for a
// single-byte character (ASCII, half-width katakana), a full em for the others,
// as the faces are built. Invalid UTF-8 bytes count as single-byte.
double textWidth(std::string_view utf8, double pixelSize);

}  // namespace marvoten
