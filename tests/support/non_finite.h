#pragma once
// Free of GoogleTest, so that the fuzz targets can use it as well as the test binaries.
#include <cstddef>
#include <string_view>

namespace marvoten::testing {

// True when the text shows a number that is not finite as a formatter writes it: "nan",
// "inf" or "infinity" in any case ("NAN", "-INF", "Inf"), standing as a word of its own
// so that words such as "Info" do not count.
inline bool showsNonFinite(std::string_view text) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    auto letter = [&](std::size_t i) {
        return i < text.size() && lower(text[i]) >= 'a' && lower(text[i]) <= 'z';
    };
    auto wordAt = [&](std::size_t i, std::string_view word) {
        if (i + word.size() > text.size()) return false;
        for (std::size_t k = 0; k < word.size(); ++k)
            if (lower(text[i + k]) != word[k]) return false;
        return (i == 0 || !letter(i - 1)) && !letter(i + word.size());
    };
    for (std::size_t i = 0; i < text.size(); ++i)
        if (wordAt(i, "nan") || wordAt(i, "inf") || wordAt(i, "infinity")) return true;
    return false;
}

}  // namespace marvoten::testing
