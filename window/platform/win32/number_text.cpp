#include "number_text.h"

#include "decimal_text.h"

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
    return platform::Localised(ascii, DecimalSeparator());
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
    const std::optional<std::string> ascii = Delocalised(text, DecimalSeparator());
    double value = 0.0;
    bool read = false;
    if (ascii) {
        const auto result = std::from_chars(ascii->data(), ascii->data() + ascii->size(), value,
                                            std::chars_format::fixed);
        read = result.ec == std::errc() && result.ptr == ascii->data() + ascii->size() &&
               std::isfinite(value);
    }
    if (ok)
        *ok = read;
    return read ? value : 0.0;
}

Text FormatThreeDecimals(double value) {
    return FormatDecimals(value, 3);
}

// From the exact decimal expansion, so that a tie (0.0625) rounds away from zero.
Text FormatDecimals(double value, int decimals) {
    std::string digits(1500, '\0');
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), std::fabs(value),
                                   std::chars_format::fixed, 1100);
    digits.resize(static_cast<std::size_t>(end.ptr - digits.data()));
    return Localised(RoundedDecimals(digits, value < 0.0, decimals));
}

} // namespace quorvel::platform
