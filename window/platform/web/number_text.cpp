#include "number_text.h"

#include <emscripten.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

// Numbers as the desktop writes them for the same language: the shortest fixed
// text that reads back to the same double, and "0.000" rounded half away from
// zero. This libc++ has no floating-point to_chars, so the digits come from
// printf, whose fixed notation here is exact to the last digit.
namespace quorvel::platform {

namespace {

// The browser's decimal separator for its first language ("de-DE" writes 0,5).
// clang-format off
EM_JS(int, QuorvelDecimalSeparator, (), {
    try {
        var language = (navigator.languages && navigator.languages[0]) || navigator.language;
        var part = new Intl.NumberFormat(language).formatToParts(1.5)
                       .find(function(p) { return p.type === 'decimal'; });
        return part && part.value.length === 1 ? part.value.charCodeAt(0) : 46;
    } catch (e) {
        return 46; // no navigator (node): the dot
    }
});
// clang-format on

char16_t DecimalSeparator() {
    static const char16_t separator = static_cast<char16_t>(QuorvelDecimalSeparator());
    return separator;
}

Text Localised(const std::string &ascii) {
    Text text(ascii.begin(), ascii.end());
    for (char16_t &c : text)
        if (c == u'.')
            c = DecimalSeparator();
    return text;
}

std::string Fixed(double value, int decimals) {
    const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    text.pop_back();
    return text;
}

} // namespace

Text NumberToText(double value) {
    if (value == 0.0 || !std::isfinite(value))
        return Localised(value == 0.0 ? "0" : Fixed(value, 0));
    // The fewest decimals that read back to the same double; a double has at
    // most 1074 of them.
    for (int decimals = 0; decimals <= 1074; ++decimals) {
        std::string text = Fixed(value, decimals);
        if (std::strtod(text.c_str(), nullptr) == value)
            return Localised(text);
    }
    return Localised(Fixed(value, 1074));
}

double TextToNumber(const Text &text, bool *ok) {
    std::string ascii;
    bool read = !text.empty();
    for (char16_t c : text) {
        if (c == DecimalSeparator())
            ascii += '.';
        else if ((c >= u'0' && c <= u'9') || (c == u'-' && ascii.empty()))
            ascii += static_cast<char>(c);
        else
            read = false; // letters, a second sign, the other separator
    }
    double value = 0.0;
    if (read) {
        char *end = nullptr;
        value = std::strtod(ascii.c_str(), &end);
        read = end == ascii.c_str() + ascii.size() && ascii != "-" && std::isfinite(value);
    }
    if (ok)
        *ok = read;
    return read ? value : 0.0;
}

// From the exact decimal expansion, so that a tie (0.0625) rounds away from
// zero and 0.07145, just below its half, rounds down.
Text FormatThreeDecimals(double value) {
    std::string digits = Fixed(std::fabs(value), 1100);
    const std::size_t point = digits.find('.');
    const bool up = digits[point + 4] >= '5';
    std::string kept = digits.substr(0, point) + digits.substr(point + 1, 3);
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0 && kept[i] == '9'; --i)
            kept[i] = '0';
        if (i >= 0)
            ++kept[i];
        else
            kept.insert(kept.begin(), '1');
    }
    return Localised((value < 0.0 ? "-" : "") + kept.substr(0, kept.size() - 3) + "." +
                     kept.substr(kept.size() - 3));
}

} // namespace quorvel::platform
