#pragma once
// The canvas on a QPainter: the screen, an image or a printer page, drawn by the
// same figure renderer as the metafile, SVG and PDF figures.
//
//   QPainter painter(this);
//   PainterCanvas canvas(painter);
//   renderFigure(figure, size, canvas);
#include <QFont>
#include <QPainter>

#include "output/canvas.h"

namespace marvoten {

class PainterCanvas : public Canvas {
public:
    explicit PainterCanvas(QPainter& painter) : painter_(painter) {}

    void fillRectangle(const CanvasRect& rect, Rgb colour) override;
    void polyline(const std::vector<CanvasPoint>& points, const Pen& pen) override;
    void text(CanvasPoint at, const std::string& utf8, const Font& font, TextAnchor anchor,
              int angleDegrees = 0) override;
    void setClip(const CanvasRect& rect) override;
    void resetClip() override;

private:
    QPainter& painter_;
};

// The Qt font of a book face: the Windows face first, then the Japanese faces a
// Linux desktop has (IPA), then any fixed-pitch face.
QFont japaneseFont(FontFace face, double pixelSize, bool bold = false);
QColor qColour(Rgb rgb);

}  // namespace marvoten
