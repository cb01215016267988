#include "model/decimal_text.h"

#include <cmath>
#include <cstdio>

namespace marvoten {

std::string fixedDecimals(double value, int decimals) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    // glibc prints the exact decimal expansion; 80 decimals are far below half an
    // ulp of any value whose rounding to a few decimals is in doubt.
    constexpr int kDigits = 80;
    std::string text(std::snprintf(nullptr, 0, "%.*f", kDigits, std::fabs(value)) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", kDigits, std::fabs(value));
    text.pop_back();
    const std::size_t point = text.find('.');
    const std::size_t keep = point + (decimals > 0 ? decimals + 1 : 0);
    const bool roundUp = text[point + decimals + 1] >= '5';
    text.resize(keep);
    if (roundUp) {
        std::size_t i = text.size();
        while (i-- > 0) {
            if (text[i] == '.') continue;
            if (text[i] != '9') {
                ++text[i];
                break;
            }
            text[i] = '0';
            if (i == 0) text.insert(text.begin(), '1');
        }
    }
    const bool zero = text.find_first_not_of("0.") == std::string::npos;
    return (value < 0 && !zero ? "-" : "") + text;
}

}  // namespace marvoten
