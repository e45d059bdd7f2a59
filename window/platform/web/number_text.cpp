#include "number_text.h"

#include "decimal_text.h"

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
    return platform::Localised(ascii, DecimalSeparator());
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
    const std::optional<std::string> ascii = Delocalised(text, DecimalSeparator());
    double value = 0.0;
    bool read = false;
    if (ascii) {
        char *end = nullptr;
        value = std::strtod(ascii->c_str(), &end);
        read = end == ascii->c_str() + ascii->size() && std::isfinite(value);
    }
    if (ok)
        *ok = read;
    return read ? value : 0.0;
}

// From the exact decimal expansion, so that a tie (0.0625) rounds away from
// zero and 0.07145, just below its half, rounds down.
Text FormatThreeDecimals(double value) {
    return FormatDecimals(value, 3);
}

Text FormatDecimals(double value, int decimals) {
    return Localised(RoundedDecimals(Fixed(std::fabs(value), 1100), value < 0.0, decimals));
}

} // namespace quorvel::platform
