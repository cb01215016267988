#pragma once
// One of the editor's wall pictures on the screen: the picture builder draws it on a
// painter canvas from the current conditions; the widget only paints.
#include <QWidget>

#include "model/design_conditions.h"
#include "output/wall_picture.h"

namespace marvoten {

class WallPictureView : public QWidget {
public:
    WallPictureView(const DesignConditions& conditions, WallPicture picture, QWidget* parent);
    WallPicture picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const DesignConditions& conditions_;
    WallPicture picture_;
};

}  // namespace marvoten
