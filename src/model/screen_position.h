#pragma once
// Where a floating window's top-left corner stands on the screen, in pixels.

namespace marvoten {

struct ScreenPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPosition&, const ScreenPosition&) = default;
};

}  // namespace marvoten
