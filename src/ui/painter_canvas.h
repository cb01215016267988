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
// Linux desktop has, then any fixed-pitch face. On Linux the Gothic is Noto Sans
// Mono CJK JP before IPA Gothic: at the 11 to 13 pixels of the screen, IPA Gothic
// draws "," no lower than "." and "1,316.46" reads "1,316,46"; Noto's comma hangs a
// pixel or two below the baseline at every size. The Mincho stays IPA Mincho, the
// only fixed-pitch Mincho Debian has; on paper, at the printer's resolution, its
// comma and point differ plainly.
QFont japaneseFont(FontFace face, double pixelSize, bool bold = false);
// The face of captions, menus, tabs, buttons and input fields: a proportional
// Japanese Gothic, Noto Sans CJK JP before IPA P Gothic for the same reason.
QFont japaneseUiFont();
QColor qColour(Rgb rgb);

}  // namespace marvoten
