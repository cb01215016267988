#pragma once
// Angles are held in radians; the book prints them, and the fitted bearing-factor
// curves read them, in degrees. Every such conversion goes through this one
// routine, so that one angle never prints with two different last digits.
#include <numbers>

namespace marvoten {

inline double degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

}  // namespace marvoten
