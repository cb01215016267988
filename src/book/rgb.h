#pragma once
// 24-bit colours of the book's figures and table grounds.
#include <cstdint>
#include <optional>

namespace marvoten {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    // 0xRRGGBB
    constexpr std::uint32_t value() const {
        return (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b;
    }
    static constexpr Rgb fromValue(std::uint32_t rrggbb) {
        return {std::uint8_t(rrggbb >> 16), std::uint8_t(rrggbb >> 8), std::uint8_t(rrggbb)};
    }
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// How a line is drawn: whole, or broken into dashes and dots, so that lines of
// similar colours stay apart.
enum class LineDash { Solid, Dash, Dot, DashDot };

// The colour of one figure point: a colour of its own, or none, meaning the
// series' own colour.
using PointColour = std::optional<Rgb>;
inline constexpr PointColour seriesColourDefault = std::nullopt;

namespace colours {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb maroon{128, 0, 0};
inline constexpr Rgb green{0, 128, 0};
inline constexpr Rgb olive{128, 128, 0};
inline constexpr Rgb navy{0, 0, 128};
inline constexpr Rgb purple{128, 0, 128};
inline constexpr Rgb teal{0, 128, 128};
inline constexpr Rgb gray{128, 128, 128};
inline constexpr Rgb silver{192, 192, 192};  // ground of a table's fixed row and column
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb lime{0, 255, 0};
inline constexpr Rgb yellow{255, 255, 0};
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb fuchsia{255, 0, 255};
inline constexpr Rgb aqua{0, 255, 255};
inline constexpr Rgb white{255, 255, 255};
}  // namespace colours

}  // namespace marvoten
