#include "book/line_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "platform/encoding.h"

namespace marvoten {

namespace {

bool isPlaceholder(char c) {
    return c == '0' || c == '#';
}

struct Pattern {
    std::size_t begin = 0;
    std::size_t end = 0;  // one past the last character
    bool found = false;
};

// The last run that starts with "0" or "#", continues over "0", "#" and ",",
// and may hold one "." followed by "0"/"#". Commas right before the run belong
// to it (",0" groups like "#,0"); commas at its end are literal text.
Pattern findPattern(std::string_view s) {
    Pattern last;
    std::size_t i = 0;
    while (i < s.size()) {
        if (!isPlaceholder(s[i])) {
            ++i;
            continue;
        }
        std::size_t begin = i;
        std::size_t j = i;
        while (j < s.size() && (isPlaceholder(s[j]) || s[j] == ',')) ++j;
        while (j > begin && s[j - 1] == ',') --j;
        if (j + 1 < s.size() && s[j] == '.' && isPlaceholder(s[j + 1])) {
            ++j;
            while (j < s.size() && isPlaceholder(s[j])) ++j;
        }
        while (begin > 0 && s[begin - 1] == ',') --begin;
        last = {begin, j, true};
        i = j;
    }
    return last;
}

struct PatternRules {
    int decimals = 0;          // places after the point
    int requiredDecimals = 0;  // places up to the last "0" after the point
    int minimumIntegerDigits = 0;
    bool grouped = false;
};

PatternRules readPattern(std::string_view p) {
    PatternRules rules;
    const std::size_t point = p.find('.');
    const std::string_view integerPart = p.substr(0, point);
    rules.grouped = integerPart.find(',') != std::string_view::npos;
    const std::size_t firstZero = integerPart.find('0');
    if (firstZero != std::string_view::npos)
        for (char c : integerPart.substr(firstZero))
            if (isPlaceholder(c)) ++rules.minimumIntegerDigits;
    if (point != std::string_view::npos) {
        const std::string_view fraction = p.substr(point + 1);
        rules.decimals = static_cast<int>(fraction.size());
        const std::size_t lastZero = fraction.rfind('0');
        rules.requiredDecimals =
            lastZero == std::string_view::npos ? 0 : static_cast<int>(lastZero) + 1;
    }
    return rules;
}

struct Digits {
    std::string integer;
    std::string fraction;
    bool isZero() const {
        return integer.find_first_not_of('0') == std::string::npos &&
               fraction.find_first_not_of('0') == std::string::npos;
    }
};

// |value| rounded to `decimals` places, halves away from zero, as integer and
// fraction digits. The double is first written out exactly (a binary fraction
// has a finite decimal expansion: at most 53 - exponent places), so its stored
// value decides a half; to_chars is independent of the C locale.
Digits roundedDigits(double magnitude, int decimals) {
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    const int exactPlaces = std::max(decimals + 1, std::min(1100, 53 - exponent));
    std::vector<char> buffer(static_cast<std::size_t>(exactPlaces) + 330);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, exactPlaces);
    const std::string exact(buffer.data(), result.ptr);
    const std::size_t point = exact.find('.');
    std::string digits =
        exact.substr(0, point) + exact.substr(point + 1, static_cast<std::size_t>(decimals));
    const bool roundUp = exact[point + 1 + static_cast<std::size_t>(decimals)] >= '5';
    if (roundUp) {
        std::size_t k = digits.size();
        while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
        if (k == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[k - 1];
    }
    const std::size_t integerLength = digits.size() - static_cast<std::size_t>(decimals);
    return {digits.substr(0, integerLength), digits.substr(integerLength)};
}

std::string groupByThree(const std::string& digits) {
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

std::string numberText(const Digits& d, const PatternRules& rules) {
    std::string integer =
        d.integer.substr(std::min(d.integer.find_first_not_of('0'), d.integer.size()));
    if (integer.size() < static_cast<std::size_t>(rules.minimumIntegerDigits))
        integer.insert(0, static_cast<std::size_t>(rules.minimumIntegerDigits) - integer.size(),
                       '0');
    if (rules.grouped) integer = groupByThree(integer);
    std::string fraction = d.fraction;
    while (fraction.size() > static_cast<std::size_t>(rules.requiredDecimals) &&
           fraction.back() == '0')
        fraction.pop_back();
    return fraction.empty() ? integer : integer + "." + fraction;
}

std::vector<std::string_view> splitSections(std::string_view templ) {
    std::vector<std::string_view> sections;
    while (sections.size() < 2) {
        const std::size_t semicolon = templ.find(';');
        if (semicolon == std::string_view::npos) break;
        sections.push_back(templ.substr(0, semicolon));
        templ.remove_prefix(semicolon + 1);
    }
    sections.push_back(templ);
    return sections;
}

std::string formatIn(std::string_view section, double magnitude, bool withMinus) {
    const Pattern p = findPattern(section);
    if (!p.found) return std::string(section);
    std::string number;
    bool zero = false;
    if (std::isfinite(magnitude)) {
        const PatternRules rules = readPattern(section.substr(p.begin, p.end - p.begin));
        const Digits digits = roundedDigits(magnitude, rules.decimals);
        zero = digits.isZero();
        number = numberText(digits, rules);
    } else {
        number = std::isnan(magnitude) ? "NAN" : "INF";
    }
    std::string text(section.substr(0, p.begin));
    if (withMinus && !zero) text += '-';
    text += number;
    text += section.substr(p.end);
    return text;
}

}  // namespace

std::string formatValue(std::string_view templ, double value) {
    const auto sections = splitSections(templ);
    const bool negative = value < 0;
    const bool hasZeroSection = sections.size() >= 3 && !sections[2].empty();
    if (value == 0 && hasZeroSection) return formatIn(sections[2], 0.0, false);
    // A negative value takes the negative section, which carries its own "-".
    if (negative && sections.size() >= 2 && !sections[1].empty())
        return formatIn(sections[1], -value, false);
    // Under the first section a negative value that shows as zero drops its "-".
    return formatIn(sections[0], std::fabs(value), negative);
}

std::string padRight(std::string_view text, std::size_t width) {
    std::string out(text);
    const std::size_t w = cp932Width(text);
    if (w < width) out.append(width - w, ' ');
    return out;
}

std::string padLeft(std::string_view text, std::size_t width) {
    const std::size_t w = cp932Width(text);
    std::string out;
    if (w < width) out.assign(width - w, ' ');
    out += text;
    return out;
}

}  // namespace marvoten
