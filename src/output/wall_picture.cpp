#include "output/wall_picture.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace marvoten {

namespace {

// The sketch's outline points before the picture's shift.
constexpr double kPlainX[11] = {70, 70, 110, 117, 121, 130, 130, 128, 128, 128, 128};
constexpr double kPlainY[11] = {184, 175, 168, 168, 64, 64, 184, 184, 184, 184, 184};
constexpr double kKeyX[11] = {70, 70, 110, 117, 121, 130, 130, 110, 110, 100, 100};
constexpr double kKeyY[11] = {184, 175, 168, 168, 64, 64, 184, 184, 195, 195, 184};

struct PictureFrame {
    PictureSize size;
    CanvasPoint shift;
};

PictureFrame frameOf(WallPicture picture) {
    switch (picture) {
        case WallPicture::Shape:
            return {{249, 249}, {0, 0}};
        case WallPicture::ShearKey:
            return {{97, 113}, {-60, -135}};
        case WallPicture::Backfill:
            return {{195, 209}, {-60, 0}};
        case WallPicture::OtherLoads:
            return {{193, 257}, {-40, 20}};
        case WallPicture::GroundConstants:
            return {{249, 249}, {25, 0}};
    }
    return {};
}

const Pen kWhite{colours::white, 1};
const Pen kBlack{colours::black, 1};
const Pen kGrey{colours::gray, 1};

// A white line with a black one a pixel below it (or right of it, for a steep line).
void carvedLine(Canvas& c, CanvasPoint a, CanvasPoint b) {
    const bool steep = std::abs(b.y - a.y) > std::abs(b.x - a.x);
    const CanvasPoint beside{steep ? 1.0 : 0.0, steep ? 0.0 : 1.0};
    c.line(a, b, kWhite);
    c.line({a.x + beside.x, a.y + beside.y}, {b.x + beside.x, b.y + beside.y}, kBlack);
}

// A dotted level line: dots two pixels long, four apart.
void dottedLevel(Canvas& c, double x0, double x1, double y, const Pen& pen, double dash = 2,
                 double period = 4) {
    for (double x = x0; x < x1; x += period) c.line({x, y}, {std::min(x + dash, x1), y}, pen);
}

// Fills the columns x0 ≤ x < x1 between top(x) and bottom(x), joining neighbouring
// columns of the same span into one rectangle.
void fillColumns(Canvas& c, int x0, int x1, const std::function<double(double)>& top,
                 const std::function<double(double)>& bottom, Rgb colour) {
    int start = x0;
    for (int x = x0 + 1; x <= x1; ++x) {
        const bool sameSpan = x < x1 && std::round(top(x)) == std::round(top(start)) &&
                              std::round(bottom(x)) == std::round(bottom(start));
        if (sameSpan) continue;
        const double t = std::round(top(start)), b = std::round(bottom(start));
        if (b > t) c.fillRectangle({double(start), t, double(x - start), b - t}, colour);
        start = x;
    }
}

class PictureDrawing {
public:
    PictureDrawing(Canvas& canvas, WallPicture picture, const DesignConditions& d)
        : c_(canvas),
          picture_(picture),
          d_(d),
          frame_(frameOf(picture)),
          p_(wallOutline(picture, d.hasShearKey == 1)) {}

    void draw() {
        const double W = frame_.size.width, H = frame_.size.height;
        c_.setClip({0, 0, W, H});
        c_.fillRectangle({0, 0, W, H}, colours::white);
        c_.fillRectangle({0, 0, W, H}, picture_colours::ground);
        drawSoil();
        drawSurcharge();
        drawOutline();
        drawMarks();
        drawFrame();
        c_.resetClip();
    }

private:
    double width() const { return frame_.size.width; }
    double height() const { return frame_.size.height; }
    CanvasPoint at(double x, double y) const { return {x + frame_.shift.x, y + frame_.shift.y}; }

    // Height of the backfill surface at x, from the top back corner of the stem:
    // level, rising 1 in 3 for an endless slope, or 30 over 40 pixels up to a level
    // embankment top.
    double surfaceY(double x) const {
        const double run = std::max(0.0, x - p_[5].x);
        switch (d_.backfillShape) {
            case 1:
                return p_[5].y - run / 3.0;
            case 2:
                return p_[5].y - std::min(run, 40.0) * 30.0 / 40.0;
            default:
                return p_[5].y;
        }
    }
    double frontGroundY() const { return p_[3].y - 29; }
    // Height on the stem's front face at x, below the crest.
    double faceY(double x) const {
        return p_[3].y - (p_[3].y - p_[4].y) * std::max(0.0, x - p_[3].x) / (p_[4].x - p_[3].x);
    }
    // Top of the toe slab at x: the sloped part from the front end, then level.
    double toeTopY(double x) const {
        if (x < p_[1].x) return p_[0].y;
        if (x >= p_[2].x) return std::min(p_[2].y, faceY(x));
        return p_[1].y + (p_[2].y - p_[1].y) * (x - p_[1].x) / (p_[2].x - p_[1].x);
    }

    void drawSoil() {
        const double baseBottom = p_[6].y;
        fillColumns(
            c_, int(p_[5].x) + 1, int(width()), [this](double x) { return surfaceY(x); },
            [baseBottom](double) { return baseBottom; }, picture_colours::soil);
        // The front soil reaches the stem's battered face at the ground level.
        const double faceX =
            p_[3].x + (p_[4].x - p_[3].x) * (p_[3].y - frontGroundY()) / (p_[3].y - p_[4].y);
        fillColumns(
            c_, 0, int(std::ceil(faceX)), [this](double) { return frontGroundY(); },
            [this](double x) { return toeTopY(x); }, picture_colours::soil);
    }

    void drawSurcharge() {
        const int m = surchargeMode(d_);
        if (m == 0) return;
        double from = p_[5].x + 1;
        if (m == 1) {
            if (d_.backfillShape == 1) return;  // an endless slope has no level part
            if (d_.backfillShape == 2) from = p_[5].x + 40;
        }
        const Pen navy{picture_colours::surcharge, 1};
        for (double x = from; x < width(); x += 3)
            c_.line({x, surfaceY(x) - 10}, {x, surfaceY(x)}, navy);
    }

    void drawOutline() {
        // White where the light falls (front and top), black on the shaded side.
        constexpr bool kWhiteSegment[11] = {true,  true,  true,  true, true, false,
                                            false, false, false, true, false};
        for (int i = 0; i < 11; ++i)
            c_.line(p_[i], p_[(i + 1) % 11], kWhiteSegment[i] ? kWhite : kBlack);
        // The front (toe end, toe top and stem face) doubled outside and inside.
        for (int i = 0; i < 4; ++i) {
            c_.line({p_[i].x - 1, p_[i].y - 1}, {p_[i + 1].x - 1, p_[i + 1].y - 1}, kGrey);
            c_.line({p_[i].x + 1, p_[i].y + 1}, {p_[i + 1].x + 1, p_[i + 1].y + 1}, kBlack);
        }
        for (int k = 1; k <= 3; ++k) c_.line({p_[5].x - k, p_[5].y}, {p_[6].x - k, p_[6].y}, kGrey);
    }

    // The sunken frame: grey and black at the top and left, white three pixels wide
    // at the right and bottom.
    void drawFrame() {
        const double W = width(), H = height();
        c_.line({0, 0}, {W, 0}, kGrey);
        c_.line({0, 0}, {0, H}, kGrey);
        c_.line({1, 1}, {W, 1}, kBlack);
        c_.line({1, 1}, {1, H}, kBlack);
        for (int k = 1; k <= 3; ++k) {
            c_.line({W - k, 0}, {W - k, H}, kWhite);
            c_.line({0, H - k}, {W, H - k}, kWhite);
        }
    }

    void drawMarks() {
        switch (picture_) {
            case WallPicture::Shape:
                return drawShapeDimensions();
            case WallPicture::ShearKey:
                if (d_.hasShearKey == 1) drawKeyDimensions();
                return;
            case WallPicture::OtherLoads:
                return drawOtherLoads();
            case WallPicture::GroundConstants:
                return drawGroundLevels();
            case WallPicture::Backfill:
                return;
        }
    }

    // The dimension lines of the outline's eight inputs, fixed whatever is entered.
    void drawShapeDimensions() {
        struct Level {
            double y, x0, x1;
        };
        struct Upright {
            double x, y0, y1;
        };
        const Level levels[] = {{62, 121, 130}, {166, 110, 117}, {174, 60, 70},  {183, 60, 70},
                                {44, 117, 130}, {157, 70, 110},  {197, 70, 117}, {233, 70, 130}};
        const Upright uprights[] = {{56, 64, 168},   {113, 156, 168}, {120, 48, 62},
                                    {129, 40, 62},   {107, 157, 168}, {70, 186, 236},
                                    {115, 186, 200}, {132, 186, 236}};
        for (const auto& l : levels) carvedLine(c_, at(l.x0, l.y), at(l.x1, l.y));
        for (const auto& u : uprights) carvedLine(c_, at(u.x, u.y0), at(u.x, u.y1));
    }

    // Position from the base's front end to the key, the key's width and its height.
    void drawKeyDimensions() {
        const CanvasPoint front = p_[0], keyFront = p_[9], keyBack = p_[8];
        carvedLine(c_, {front.x, keyFront.y + 4}, {keyFront.x, keyFront.y + 4});
        carvedLine(c_, {keyFront.x, keyFront.y + 8}, {keyBack.x, keyBack.y + 8});
        carvedLine(c_, {keyBack.x + 4, p_[7].y}, {keyBack.x + 4, keyBack.y});
    }

    void drawOtherLoads() {
        const double baseBottom = p_[0].y, crest = p_[4].y;
        if (d_.hasPassive.on) {
            // Passive soil top 15 pixels above the base bottom, its depth at the front.
            dottedLevel(c_, 2, p_[0].x, baseBottom - 15, kBlack);
            carvedLine(c_, {p_[0].x - 6, baseBottom - 15}, {p_[0].x - 6, baseBottom});
        }
        if (d_.hasWater.on) drawWaterSign(crest + 40, p_[6].x + 50, baseBottom);
        if (d_.hasWind.on || d_.hasCollision.on) drawBarrier();
    }

    void drawWaterSign(double level, double centre, double baseBottom) {
        const Pen aqua{picture_colours::water, 1};
        c_.line({centre - 40, level}, {centre + 40, level}, aqua);
        for (int k = 1; k <= 3; ++k)
            c_.line({centre - 40 + 8 * k, level + 3 * k}, {centre + 40 - 8 * k, level + 3 * k},
                    aqua);
        c_.polyline({{centre - 4, level - 7},
                     {centre + 4, level - 7},
                     {centre, level - 1},
                     {centre - 4, level - 7}},
                    aqua);
        carvedLine(c_, {centre + 44, level}, {centre + 44, baseBottom});
    }

    // A noise barrier on the crest; wind pushes it from the front, a vehicle from behind.
    void drawBarrier() {
        const double left = p_[4].x, top = p_[4].y - 50, right = left + 5;
        c_.fillRectangle({left, top, 5, 50}, colours::gray);
        carvedLine(c_, {left, top}, {right, top});
        const auto arrow = [this](double tipX, double y, double direction) {
            const double tail = tipX - direction * 25;
            c_.line({tail, y}, {tipX, y}, kBlack);
            c_.polyline({{tipX - direction * 5, y - 3}, {tipX, y}, {tipX - direction * 5, y + 3}},
                        kBlack);
        };
        if (d_.hasWind.on) {
            arrow(left - 2, top + 15, +1);
            arrow(left - 2, top + 35, +1);
        }
        if (d_.hasCollision.on) {
            arrow(right + 2, top + 2, -1);
            arrow(right + 2, top + 25, -1);
        }
    }

    // The bearing stratum's top (dotted) and the base bottom (dashed) across the
    // picture, with the two depths Df and Df' marked.
    void drawGroundLevels() {
        dottedLevel(c_, 2, width() - 3, 172, kBlack);
        dottedLevel(c_, 2, width() - 3, 183, kBlack, 6, 9);
        struct Upright {
            double x, y0, y1;
        };
        for (const Upright u : {Upright{90, 141, 183}, Upright{227, 174, 183}}) {
            carvedLine(c_, {u.x, u.y0}, {u.x, u.y1});
            c_.line({u.x - 3, u.y0}, {u.x + 4, u.y0}, kBlack);
            c_.line({u.x - 3, u.y1}, {u.x + 4, u.y1}, kBlack);
        }
    }

    Canvas& c_;
    WallPicture picture_;
    const DesignConditions& d_;
    PictureFrame frame_;
    std::array<CanvasPoint, 11> p_;
};

}  // namespace

const std::vector<WallPicture>& wallPictures() {
    static const std::vector<WallPicture> pictures{WallPicture::Shape, WallPicture::ShearKey,
                                                   WallPicture::Backfill, WallPicture::OtherLoads,
                                                   WallPicture::GroundConstants};
    return pictures;
}

PictureSize wallPictureSize(WallPicture picture) {
    return frameOf(picture).size;
}

std::array<CanvasPoint, 11> wallOutline(WallPicture picture, bool hasShearKey) {
    const CanvasPoint shift = frameOf(picture).shift;
    std::array<CanvasPoint, 11> points;
    for (int i = 0; i < 11; ++i)
        points[i] = {(hasShearKey ? kKeyX : kPlainX)[i] + shift.x,
                     (hasShearKey ? kKeyY : kPlainY)[i] + shift.y};
    return points;
}

int surchargeMode(const DesignConditions& d) {
    int m = 0;
    if (d.hasSurcharge.on) {
        const bool wholeSurface = d.surchargeZone == 1;
        if (d.backfillShape == 1)
            m = wholeSurface ? 2 : 0;
        else
            m = wholeSurface ? 2 : 1;
    }
    if (d.hasSnow.on && m <= 2) m = 2;
    return m;
}

void drawWallPicture(Canvas& canvas, WallPicture picture, const DesignConditions& d) {
    PictureDrawing(canvas, picture, d).draw();
}

}  // namespace marvoten
