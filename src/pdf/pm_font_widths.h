#pragma once
// Glyph widths of the TrueType families for WinAnsi codes 31..255, in 1/1000 of
// the font size.
#include <array>

namespace marvoten {

using TrueTypeWidths = std::array<int, 225>;

extern const TrueTypeWidths kCenturyWidths;
extern const TrueTypeWidths kCenturyBoldWidths;
extern const TrueTypeWidths kArialWidths;
extern const TrueTypeWidths kArialBoldWidths;

}  // namespace marvoten
