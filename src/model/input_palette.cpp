#include "model/input_palette.h"

namespace marvoten {

void InputPalette::open(ScreenPosition fieldTopLeft, Writer target) {
    target_ = std::move(target);
    position_ = {fieldTopLeft.x, fieldTopLeft.y + kPaletteOffsetBelowField};
    visible_ = true;
}

void InputPalette::press(std::string_view key) {
    text_ += key;
}

void InputPalette::clearText() {
    text_.clear();
}

void InputPalette::cancel() {
    text_.clear();
    visible_ = false;
}

void InputPalette::transfer() {
    if (target_ && !target_(text_)) return;
    text_.clear();
    visible_ = false;
}

const std::vector<std::vector<std::string>>& paletteKeyRows() {
    static const std::vector<std::vector<std::string>> rows{
        {"7", "8", "9"}, {"4", "5", "6"}, {"1", "2", "3"}, {"0", "."}};
    return rows;
}

}  // namespace marvoten
