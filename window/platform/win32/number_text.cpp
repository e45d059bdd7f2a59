#include "number_text.h"

#include <windows.h>

#include <charconv>
#include <cmath>
#include <string>

// Numbers in the user's regional setting, as the Qt backend writes them for the
// same locale: the shortest text that reads back to the same double, and
// "0.000" rounded half away from zero, as Qt rounds.
namespace quorvel::platform {

namespace {

char16_t DecimalSeparator() {
    static const char16_t separator = [] {
        wchar_t text[8] = {};
        if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text, 8) > 1 &&
            text[1] == L'\0')
            return static_cast<char16_t>(text[0]);
        return u'.'; // a separator of more than one character: keep to the dot
    }();
    return separator;
}

Text Localised(const std::string &ascii) {
    Text text(ascii.begin(), ascii.end());
    for (char16_t &c : text)
        if (c == u'.')
            c = DecimalSeparator();
    return text;
}

} // namespace

Text NumberToText(double value) {
    if (value == 0.0)
        value = 0.0; // no "-0"
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return Localised(std::string(buffer, end.ptr));
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
        const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value,
                                            std::chars_format::fixed);
        read = result.ec == std::errc() && result.ptr == ascii.data() + ascii.size() &&
               std::isfinite(value);
    }
    if (ok)
        *ok = read;
    return read ? value : 0.0;
}

// From the exact decimal expansion, so that a tie (0.0625) rounds away from zero.
Text FormatThreeDecimals(double value) {
    std::string digits(1500, '\0');
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), std::fabs(value),
                                   std::chars_format::fixed, 1100);
    digits.resize(static_cast<std::size_t>(end.ptr - digits.data()));
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
    const std::string text = (value < 0.0 ? "-" : "") + kept.substr(0, kept.size() - 3) + "." +
                             kept.substr(kept.size() - 3);
    return Localised(text);
}

} // namespace quorvel::platform
