#pragma once
// The five small sketches of an inverted-L wall on the design-conditions editor. They
// are fixed pixel drawings, not drawn to the entered dimensions: only the choices
// (shear key, backfill surface, surcharge and snow, other loads) change them. Every
// line is carved: a white line with a black one a pixel beside it, on a silver ground.
#include <array>
#include <vector>

#include "model/design_conditions.h"
#include "output/canvas.h"

namespace marvoten {

enum class WallPicture {
    Shape,            // tab "逆Ｌ型" of "③擁壁形状": outline with its dimension lines
    ShearKey,         // tab "突起": the key's dimension lines when there is a key
    Backfill,         // "①背面土形状"
    OtherLoads,       // "(3)その他の荷重": one symbol per other load chosen
    GroundConstants,  // "■地盤定数説明図": the ground levels explained
};

// The pictures in the order they are redrawn.
const std::vector<WallPicture>& wallPictures();

struct PictureSize {
    int width = 0;
    int height = 0;
};
PictureSize wallPictureSize(WallPicture picture);

// The outline points 0..10 of the wall in a picture: 0..3 the toe slab (front end,
// sloped top), 3..6 the stem (front face, crest, vertical back face), 6..10 the base
// with the key hanging below it when there is one.
std::array<CanvasPoint, 11> wallOutline(WallPicture picture, bool hasShearKey);

// Which part of the backfill surface is hatched as loaded: 0 none, 1 the level part
// only, 2 the whole surface. Snow lies on the whole surface.
int surchargeMode(const DesignConditions& d);

// Draws one picture over its whole size, origin at its upper-left corner.
void drawWallPicture(Canvas& canvas, WallPicture picture, const DesignConditions& d);

namespace picture_colours {
inline constexpr Rgb ground = colours::silver;
inline constexpr Rgb soil = colours::teal;
inline constexpr Rgb surcharge = colours::navy;
inline constexpr Rgb water = colours::aqua;
}  // namespace picture_colours

}  // namespace marvoten
