#pragma once
// A canvas that keeps every drawing call, in order, for checking what a renderer
// drew without a display.
#include <string>
#include <variant>
#include <vector>

#include "output/canvas.h"

namespace marvoten {

class RecordingCanvas : public Canvas {
public:
    struct Fill {
        CanvasRect rect;
        Rgb colour;
    };
    struct Polyline {
        std::vector<CanvasPoint> points;
        Pen pen;
        // Drawn while a clip was set (the clip itself is a Clip call before it).
        bool clipped = false;
    };
    struct Text {
        CanvasPoint at;
        std::string text;
        Font font;
        TextAnchor anchor;
        int angle = 0;
    };
    struct Clip {
        bool set = false;  // false: reset
        CanvasRect rect;
    };
    using Call = std::variant<Fill, Polyline, Text, Clip>;

    void fillRectangle(const CanvasRect& rect, Rgb colour) override {
        calls_.push_back(Fill{rect, colour});
    }
    void polyline(const std::vector<CanvasPoint>& points, const Pen& pen) override {
        Polyline call;
        call.points = points;
        call.pen = pen;
        call.clipped = clipped_;
        calls_.emplace_back(std::move(call));
    }
    void text(CanvasPoint at, const std::string& utf8, const Font& font, TextAnchor anchor,
              int angleDegrees) override {
        calls_.push_back(Text{at, utf8, font, anchor, angleDegrees});
    }
    void setClip(const CanvasRect& rect) override {
        clipped_ = true;
        calls_.push_back(Clip{true, rect});
    }
    void resetClip() override {
        clipped_ = false;
        calls_.push_back(Clip{false, {}});
    }

    const std::vector<Call>& calls() const { return calls_; }

    template <class T>
    std::vector<T> all() const {
        std::vector<T> out;
        for (const auto& c : calls_)
            if (const T* t = std::get_if<T>(&c)) out.push_back(*t);
        return out;
    }
    std::vector<Polyline> polylines() const { return all<Polyline>(); }
    std::vector<Text> texts() const { return all<Text>(); }
    // The texts drawn with exactly this content.
    std::vector<Text> textsEqual(const std::string& s) const {
        std::vector<Text> out;
        for (const auto& t : texts())
            if (t.text == s) out.push_back(t);
        return out;
    }

    // The em box a text covers, measured as the renderer measures it: its width by
    // textWidth, its height the font's pixel size, placed by its anchor and turned
    // about the anchor point for upright text.
    static CanvasRect box(const Text& t) {
        const double w = textWidth(t.text, t.font.pixelSize);
        const double h = t.font.pixelSize;
        const double along = t.anchor.horizontal == HorizontalAnchor::Left     ? 0
                             : t.anchor.horizontal == HorizontalAnchor::Centre ? w / 2
                                                                               : w;
        const double across = t.anchor.vertical == VerticalAnchor::Top      ? 0
                              : t.anchor.vertical == VerticalAnchor::Middle ? h / 2
                                                                            : h;
        if (t.angle == 90) return {t.at.x - across, t.at.y - (w - along), h, w};
        return {t.at.x - along, t.at.y - across, w, h};
    }

private:
    std::vector<Call> calls_;
    bool clipped_ = false;
};

}  // namespace marvoten
