#pragma once
// Colours of editor fields and captions as the design file stores them:
// 0x00BBGGRR (red in the lowest byte). The system's window background is not an
// RGB value but a system colour, kept distinct so that it survives a save and load.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marvoten {

using Colour = std::uint32_t;

inline constexpr Colour clWindow = 0xFF000005;  // system window background
inline constexpr Colour clBlack = 0x00000000;
inline constexpr Colour clMaroon = 0x00000080;
inline constexpr Colour clSilver = 0x00C0C0C0;
inline constexpr Colour clWhite = 0x00FFFFFF;

// Standard colour names that the design file writes and reads.
std::optional<std::string> colourName(Colour c);
std::optional<Colour> colourFromName(std::string_view name);

// The 24-bit RGB (0xRRGGBB) a window shows for the colour.
std::uint32_t displayRgb(Colour c);

}  // namespace marvoten
