#include "model/colour.h"

#include <array>
#include <utility>

namespace marvoten {
namespace {

struct NamedColour {
    const char* name;
    Colour colour;
};

// The Delphi-style names used by design files, including the standard colours a
// file from another installation may carry.
constexpr std::array<NamedColour, 21> kNamed{{
    {"clWindow", clWindow},   {"clBlack", clBlack},      {"clMaroon", clMaroon},
    {"clGreen", 0x00008000},  {"clOlive", 0x00008080},   {"clNavy", 0x00800000},
    {"clPurple", 0x00800080}, {"clTeal", 0x00808000},    {"clGray", 0x00808080},
    {"clSilver", clSilver},   {"clRed", 0x000000FF},     {"clLime", 0x0000FF00},
    {"clYellow", 0x0000FFFF}, {"clBlue", 0x00FF0000},    {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},   {"clWhite", clWhite},      {"clLtGray", 0x00C0C0C0},
    {"clDkGray", 0x00808080}, {"clBtnFace", 0xFF00000F}, {"clWindowText", 0xFF000008},
}};

}  // namespace

std::optional<std::string> colourName(Colour c) {
    for (const auto& n : kNamed)
        if (n.colour == c) return std::string(n.name);
    return std::nullopt;
}

std::optional<Colour> colourFromName(std::string_view name) {
    for (const auto& n : kNamed)
        if (name == n.name) return n.colour;
    return std::nullopt;
}

std::uint32_t displayRgb(Colour c) {
    switch (c) {
        case clWindow:
            return 0xFFFFFF;
        case 0xFF00000F:
            return 0xF0F0F0;  // button face
        case 0xFF000008:
            return 0x000000;  // window text
        default:
            break;
    }
    std::uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return (r << 16) | (g << 8) | b;
}

}  // namespace marvoten
