#pragma once
// The input palette ("設計条件入力"): a number pad that opens under a number field of
// the editor or of the allowable-stress table, collects a text typed with the mouse
// and writes it into the field that opened it. The typed text survives hiding the
// palette and opening it under another field; only "CLS", "取消" and "転記" clear it.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/screen_position.h"

namespace marvoten {

class InputPalette {
public:
    // Writes the typed text into the target field; false when the field took nothing
    // (it was disabled while the palette stood open).
    using Writer = std::function<bool(const std::string&)>;

    // A click into a number field whose upper-left corner stands at `fieldTopLeft` on
    // the screen: the palette moves under it (left edges aligned, 40 pixels below the
    // field's top) and the field becomes the target.
    void open(ScreenPosition fieldTopLeft, Writer target);
    // A key of the pad ("0" … "9", "."): appended as it is; nothing checks the result
    // is a number.
    void press(std::string_view key);
    void clearText();  // "CLS"
    void cancel();     // "取消": clears and hides; the target keeps its text
    // "転記": the typed text, empty or not, into the target. A target that takes
    // nothing leaves the text typed and the palette open.
    void transfer();

    bool visible() const { return visible_; }
    const std::string& text() const { return text_; }
    ScreenPosition position() const { return position_; }

private:
    Writer target_;
    std::string text_;
    ScreenPosition position_;
    bool visible_ = false;
};

// The pad's keys in their rows, and the captions and hint of the window.
const std::vector<std::vector<std::string>>& paletteKeyRows();
inline constexpr const char* kPaletteCaption = "設計条件入力";
inline constexpr const char* kPaletteKeyGroup = "Ten_Key";
inline constexpr const char* kPalettePointHint = "少数点";
inline constexpr const char* kPaletteCancel = "取消";
inline constexpr const char* kPaletteClear = "CLS";
inline constexpr const char* kPaletteTransfer = "転記";
inline constexpr int kPaletteOffsetBelowField = 40;

}  // namespace marvoten
