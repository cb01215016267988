#include "ui/painter_canvas.h"

#include <QGuiApplication>
#include <QPolygonF>

namespace marvoten {

QColor qColour(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

QFont japaneseFont(FontFace face, double pixelSize, bool bold) {
    QFont font;
    if (face == FontFace::Gothic)
        font.setFamilies({japaneseFaceName(face), "MS Gothic", "Noto Sans Mono CJK JP", "IPAGothic",
                          "IPAexGothic", "monospace"});
    else
        font.setFamilies({japaneseFaceName(face), "MS Mincho", "IPAMincho", "IPAexMincho",
                          "Noto Serif CJK JP", "serif"});
    font.setStyleHint(face == FontFace::Gothic ? QFont::TypeWriter : QFont::Serif);
    font.setPixelSize(std::max(1, static_cast<int>(pixelSize + 0.5)));
    font.setBold(bold);
    return font;
}

QFont japaneseUiFont() {
    QFont font = QGuiApplication::font();
    font.setFamilies({"Yu Gothic UI", "MS UI Gothic", "Noto Sans CJK JP", "IPAPGothic", "IPAGothic",
                      font.family()});
    font.setPointSize(9);
    return font;
}

void PainterCanvas::fillRectangle(const CanvasRect& rect, Rgb colour) {
    painter_.fillRect(QRectF(rect.left, rect.top, rect.width, rect.height), qColour(colour));
}

void PainterCanvas::polyline(const std::vector<CanvasPoint>& points, const Pen& pen) {
    if (points.size() < 2) return;
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const auto& p : points) polygon << QPointF(p.x, p.y);
    QPen qpen(qColour(pen.colour));
    qpen.setWidthF(std::max(1, pen.width));
    qpen.setJoinStyle(Qt::RoundJoin);
    qpen.setStyle(pen.dash == LineDash::Dash      ? Qt::DashLine
                  : pen.dash == LineDash::Dot     ? Qt::DotLine
                  : pen.dash == LineDash::DashDot ? Qt::DashDotLine
                                                  : Qt::SolidLine);
    painter_.setPen(qpen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolyline(polygon);
}

void PainterCanvas::text(CanvasPoint at, const std::string& utf8, const Font& font,
                         TextAnchor anchor, int angleDegrees) {
    const QString content = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    if (content.isEmpty()) return;
    const QFont qfont = japaneseFont(font.face, font.pixelSize, font.bold);
    const double width = QFontMetricsF(qfont).horizontalAdvance(content);
    double dx = 0;
    if (anchor.horizontal == HorizontalAnchor::Centre) dx = -width / 2;
    if (anchor.horizontal == HorizontalAnchor::Right) dx = -width;
    // Placed on its baseline in the text's own frame, then turned about the anchor.
    painter_.save();
    painter_.translate(at.x, at.y);
    if (angleDegrees != 0) painter_.rotate(-angleDegrees);
    painter_.setFont(qfont);
    painter_.setPen(qColour(font.colour));
    painter_.drawText(QPointF(dx, baselineOffset(anchor.vertical, font.pixelSize)), content);
    painter_.restore();
}

void PainterCanvas::setClip(const CanvasRect& rect) {
    painter_.setClipRect(QRectF(rect.left, rect.top, rect.width, rect.height));
}

void PainterCanvas::resetClip() {
    painter_.setClipping(false);
}

}  // namespace marvoten
