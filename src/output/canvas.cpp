#include "output/canvas.h"

namespace marvoten {

std::vector<Utf8Character> utf8Characters(std::string_view utf8) {
    std::vector<Utf8Character> out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
        char32_t cp = length == 1   ? lead
                      : length == 2 ? (lead & 0x1F)
                      : length == 3 ? (lead & 0x0F)
                                    : (lead & 0x07);
        bool valid = length != 0 && i + length <= utf8.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto c = static_cast<unsigned char>(utf8[i + k]);
            if ((c >> 6) != 0x2) valid = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are not characters.
        static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (valid && (cp < smallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
            valid = false;
        if (!valid) {
            out.push_back({utf8.substr(i, 1), lead, false});
            ++i;
            continue;
        }
        out.push_back({utf8.substr(i, length), cp, true});
        i += length;
    }
    return out;
}

double textWidth(std::string_view utf8, double pixelSize) {
    double ems = 0;
    for (const auto& c : utf8Characters(utf8)) {
        const bool singleByte =
            !c.valid || c.codePoint < 0x80 || (c.codePoint >= 0xFF61 && c.codePoint <= 0xFF9F);
        ems += singleByte ? 0.5 : 1.0;
    }
    return ems * pixelSize;
}

}  // namespace marvoten
