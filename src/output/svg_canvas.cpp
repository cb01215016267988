#include "output/svg_canvas.h"

#include <cmath>
#include <cstdio>

namespace marvoten {
namespace {

std::string number(double v) {
    if (!std::isfinite(v)) v = 0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    std::string s = buf;
    // 12.50 -> 12.5, 12.00 -> 12
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

std::string colour(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

// The dashes of a broken line, in pixels of stroke and gap.
std::string dashArray(LineDash dash) {
    switch (dash) {
        case LineDash::Solid:
            return "";
        case LineDash::Dash:
            return " stroke-dasharray=\"6,3\"";
        case LineDash::Dot:
            return " stroke-dasharray=\"1.5,2\"";
        case LineDash::DashDot:
            return " stroke-dasharray=\"6,3,1.5,3\"";
    }
    return "";
}

std::string fontFamily(FontFace face) {
    const std::string japanese = japaneseFaceName(face);
    const std::string roman = face == FontFace::Gothic ? "MS Gothic" : "MS Mincho";
    const std::string fallbacks =
        face == FontFace::Gothic
            ? "'Noto Sans Mono CJK JP', 'IPAGothic', 'Hiragino Kaku Gothic ProN', monospace"
            : "'IPAMincho', 'Noto Serif CJK JP', 'Hiragino Mincho ProN', serif";
    return "'" + japanese + "', '" + roman + "', " + fallbacks;
}

}  // namespace

std::string xmlEscaped(const std::string& utf8) {
    std::string out;
    for (const auto& c : utf8Characters(utf8)) {
        if (!c.valid) {
            out += "\xEF\xBF\xBD";
            continue;
        }
        switch (c.codePoint) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                if ((c.codePoint < 0x20 && c.codePoint != '\t') || c.codePoint == 0xFFFE ||
                    c.codePoint == 0xFFFF)
                    break;
                out += c.bytes;
        }
    }
    return out;
}

SvgCanvas::SvgCanvas(int width, int height)
    : width_(width), height_(height), area_(width, height) {}

void SvgCanvas::fillRectangle(const CanvasRect& asked, Rgb c) {
    const CanvasRect rect = intersection(asked, area_.drawable());
    if (rect.width <= 0 || rect.height <= 0) return;
    body_ += "<rect x=\"" + number(rect.left) + "\" y=\"" + number(rect.top) + "\" width=\"" +
             number(rect.width) + "\" height=\"" + number(rect.height) + "\" fill=\"" + colour(c) +
             "\"/>\n";
}

void SvgCanvas::polyline(const std::vector<CanvasPoint>& points, const Pen& pen) {
    for (const auto& piece : clipPolyline(points, area_.drawable())) writePolyline(piece, pen);
}

void SvgCanvas::writePolyline(const std::vector<CanvasPoint>& points, const Pen& pen) {
    body_ += "<polyline fill=\"none\" stroke=\"" + colour(pen.colour) + "\" stroke-width=\"" +
             number(std::max(1, pen.width)) + "\"" + dashArray(pen.dash) +
             " stroke-linejoin=\"round\" points=\"";
    for (std::size_t i = 0; i < points.size(); ++i)
        body_ += (i ? " " : "") + number(points[i].x) + "," + number(points[i].y);
    body_ += "\"/>\n";
}

void SvgCanvas::text(CanvasPoint at, const std::string& utf8, const Font& font, TextAnchor anchor,
                     int angleDegrees) {
    const std::string content = xmlEscaped(utf8);
    if (content.empty()) return;
    const char* textAnchor = anchor.horizontal == HorizontalAnchor::Left     ? "start"
                             : anchor.horizontal == HorizontalAnchor::Centre ? "middle"
                                                                             : "end";
    // Placed on its baseline, in the text's own frame, then turned about the anchor.
    const double baseline = baselineOffset(anchor.vertical, font.pixelSize);
    body_ += "<text x=\"" + number(at.x) + "\" y=\"" + number(at.y + baseline) + "\"";
    if (angleDegrees != 0)
        body_ += " transform=\"rotate(" + number(-angleDegrees) + " " + number(at.x) + " " +
                 number(at.y) + ")\"";
    body_ += " font-family=\"" + fontFamily(font.face) + "\" font-size=\"" +
             number(font.pixelSize) + "\"";
    if (font.bold) body_ += " font-weight=\"bold\"";
    body_ += " fill=\"" + colour(font.colour) + "\" text-anchor=\"" + textAnchor +
             "\" xml:space=\"preserve\">" + content + "</text>\n";
}

void SvgCanvas::setClip(const CanvasRect& rect) {
    resetClip();
    const std::string id = "clip" + std::to_string(++clipCount_);
    body_ += "<clipPath id=\"" + id + "\"><rect x=\"" + number(rect.left) + "\" y=\"" +
             number(rect.top) + "\" width=\"" + number(rect.width) + "\" height=\"" +
             number(rect.height) + "\"/></clipPath>\n";
    body_ += "<g clip-path=\"url(#" + id + ")\">\n";
    area_.clip(rect);
}

void SvgCanvas::resetClip() {
    if (!area_.clipped()) return;
    body_ += "</g>\n";
    area_.unclip();
}

std::string SvgCanvas::document() const {
    std::string doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    doc += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           std::to_string(width_) + "\" height=\"" + std::to_string(height_) + "\" viewBox=\"0 0 " +
           std::to_string(width_) + " " + std::to_string(height_) + "\">\n";
    doc += body_;
    if (area_.clipped()) doc += "</g>\n";
    doc += "</svg>\n";
    return doc;
}

}  // namespace marvoten
