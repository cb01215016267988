#pragma once
// Report lines: a template of literal text with one number pattern, and padding
// by display width (CP932 bytes, the width in the book's fixed-pitch face).
#include <cstddef>
#include <string>
#include <string_view>

namespace marvoten {

// The template with `value` put in place of its number pattern.
//  - Sections split at ";": positive; negative (used with the absolute value and
//    no added sign when non-empty); zero (used when non-empty).
//  - The pattern is the last run starting with "0" or "#" over "0", "#", ","
//    with at most one "." followed by "0"/"#"; a "," right before that run
//    belongs to it (",0mm2" groups like "#,0mm2"). Text around it is copied.
//  - Rounded to the shown decimals, halves away from zero, decided by the
//    stored double's exact value (2.675 -> "2.67", 0.125 -> "0.13").
//  - Integer digits at least the placeholders from the first "0" to the point;
//    grouped by three when the integer part of the pattern holds ",".
//  - Single-section negative values get "-" before the first digit, unless the
//    rounded value is zero ("-0.001" with "0.00" prints "0.00").
//  - A template without a pattern is returned as it stands (its first section).
std::string formatValue(std::string_view templ, double value);

// The short name the writers' long lists of book lines use.
inline std::string fv(std::string_view templ, double value) {
    return formatValue(templ, value);
}

// The text followed by blanks up to `width` CP932 bytes; longer texts unchanged.
std::string padRight(std::string_view text, std::size_t width);

// Blanks before the text up to `width` CP932 bytes; longer texts unchanged.
std::string padLeft(std::string_view text, std::size_t width);

}  // namespace marvoten
