#pragma once
// Angles are held in radians; the book prints them, and the fitted bearing-factor
// curves read them, in degrees. Every such conversion goes through these
// routines, so that one angle never prints with two different last digits.
// Input gathering alone multiplies by the precomputed factor π/180, which rounds
// differently in the last bit (3°, 6°, 12°, ...), so it keeps its own factor.
#include <numbers>

namespace marvoten {

inline double degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

inline double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

}  // namespace marvoten
