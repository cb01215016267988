#pragma once
// A canvas that writes an SVG picture (UTF-8 XML), the figure-file format that
// browsers and office programs everywhere open. Text keeps the Japanese face
// names first and falls back to common Japanese faces and the generic family.
//
//   SvgCanvas svg(400, 300);
//   renderFigure(figure, {400, 300}, svg);
//   writeFileSafely(path, svg.document());
#include <string>
#include <vector>

#include "output/canvas.h"

namespace marvoten {

class SvgCanvas : public Canvas {
public:
    SvgCanvas(int width, int height);

    void fillRectangle(const CanvasRect& rect, Rgb colour) override;
    void polyline(const std::vector<CanvasPoint>& points, const Pen& pen) override;
    void text(CanvasPoint at, const std::string& utf8, const Font& font, TextAnchor anchor,
              int angleDegrees = 0) override;
    void setClip(const CanvasRect& rect) override;
    void resetClip() override;

    // The whole document, closed; drawing may go on afterwards.
    std::string document() const;

private:
    void writePolyline(const std::vector<CanvasPoint>& points, const Pen& pen);

    int width_;
    int height_;
    std::string body_;
    int clipCount_ = 0;
    PictureArea area_;
};

// Text made safe for XML character data and attribute values: markup characters
// escaped, control characters that XML forbids dropped, and invalid UTF-8 bytes
// replaced by U+FFFD.
std::string xmlEscaped(const std::string& utf8);

}  // namespace marvoten
