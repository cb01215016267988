#include "ui/wall_picture_view.h"

#include <QPainter>

#include "ui/painter_canvas.h"

namespace marvoten {

WallPictureView::WallPictureView(const DesignConditions& conditions, WallPicture picture,
                                 QWidget* parent)
    : QWidget(parent), conditions_(conditions), picture_(picture) {
    const PictureSize size = wallPictureSize(picture);
    setFixedSize(size.width, size.height);
}

void WallPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PainterCanvas canvas(painter);
    drawWallPicture(canvas, picture_, conditions_);
}

}  // namespace marvoten
