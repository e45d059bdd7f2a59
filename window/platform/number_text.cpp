#include "number_text.h"

#include "decimal.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

// Every backend writes numbers alike: ASCII digits, the user's decimal
// separator, no group separators and a plain minus. Only the separator comes
// from the system.
namespace quorvel::platform {

namespace {

// Where the C++ library converts floating point itself (libstdc++ does; the
// browser's libc++ 13 does not), its conversions, which no C locale can
// change; elsewhere our own, which are as exact and as locale-free.

// The shortest fixed-notation digits that read back to the same double.
std::string ShortestDigits(double value) {
#if defined(__cpp_lib_to_chars)
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, end.ptr);
#else
    return decimal::Shortest(value);
#endif
}

// |value| written out exactly, with more decimals than any double has.
std::string ExactDigits(double value) {
    constexpr int Decimals = 1100;
#if defined(__cpp_lib_to_chars)
    std::string digits(1500, '\0');
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), std::fabs(value),
                                   std::chars_format::fixed, Decimals);
    digits.resize(static_cast<std::size_t>(end.ptr - digits.data()));
    return digits;
#else
    std::string digits = decimal::Exact(std::fabs(value));
    if (digits.find('.') == std::string::npos)
        digits += '.';
    digits.resize(digits.find('.') + 1 + Decimals, '0');
    return digits;
#endif
}

// A fixed number of decimals from the exact decimal expansion of |value|,
// rounded half away from zero: so a tie (0.0625) rounds up to 0.063, and
// 0.07145, just below its half in binary, down to 0.071.
std::string RoundedDecimals(const std::string &exactDigits, bool negative, int decimals) {
    const std::size_t point = exactDigits.find('.');
    const auto n = static_cast<std::size_t>(decimals);
    const bool up = exactDigits[point + 1 + n] >= '5';
    std::string kept = exactDigits.substr(0, point) + exactDigits.substr(point + 1, n);
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0 && kept[i] == '9'; --i)
            kept[i] = '0';
        if (i >= 0)
            ++kept[i];
        else
            kept.insert(kept.begin(), '1');
    }
    const std::string whole = kept.substr(0, kept.size() - n);
    return (negative ? "-" : "") + whole + (n ? "." + kept.substr(kept.size() - n) : "");
}

// ASCII digits with a dot, written with the user's separator.
Text Localised(const std::string &ascii) {
    const char16_t separator = DecimalSeparator();
    Text text(ascii.begin(), ascii.end());
    for (char16_t &c : text)
        if (c == u'.')
            c = separator;
    return text;
}

// A number text in the user's separator as ASCII digits with a dot; nothing
// when it has anything but digits, one leading minus and the separator.
std::optional<std::string> Delocalised(const Text &text) {
    const char16_t separator = DecimalSeparator();
    std::string ascii;
    for (char16_t c : text) {
        if (c == separator)
            ascii += '.';
        else if ((c >= u'0' && c <= u'9') || (c == u'-' && ascii.empty()))
            ascii += static_cast<char>(c);
        else
            return std::nullopt; // letters, a second sign, the other separator
    }
    if (ascii.empty() || ascii == "-")
        return std::nullopt;
    return ascii;
}

} // namespace

Text NumberToText(double value) {
    if (value == 0.0 || !std::isfinite(value))
        return Localised("0"); // no "-0"; nothing the window writes is infinite
    return Localised(ShortestDigits(value));
}

double TextToNumber(const Text &text, bool *ok) {
    const std::optional<std::string> ascii = Delocalised(text);
    double value = 0.0;
    bool read = false;
    if (ascii) {
#if defined(__cpp_lib_to_chars)
        const auto result = std::from_chars(ascii->data(), ascii->data() + ascii->size(), value,
                                            std::chars_format::fixed);
        const char *end = result.ec == std::errc() ? result.ptr : ascii->c_str();
        // Only a finite number counts: "1e999" would poison the model.
        read = end == ascii->c_str() + ascii->size() && std::isfinite(value);
#else
        const std::optional<double> exact = decimal::Read(*ascii);
        value = exact.value_or(0.0);
        read = exact.has_value();
#endif
    }
    if (ok)
        *ok = read;
    return read ? value : 0.0;
}

Text FormatSetting(double value) {
    if (std::isinf(value))
        return value > 0 ? u"\u221E" : u"-\u221E";
    Text text = NumberToText(value);
    const char16_t group = GroupSeparator();
    // Four digits read at a glance; from five on they are grouped.
    constexpr double Grouped = 10000.0;
    if (group == 0 || std::fabs(value) < Grouped || value != std::floor(value))
        return text;
    const std::size_t start = text.front() == u'-' ? 1 : 0;
    for (std::size_t at = text.size(); at > start + 3; at -= 3)
        text.insert(at - 3, 1, group);
    return text;
}

Text FormatThreeDecimals(double value) {
    return FormatDecimals(value, 3);
}

Text FormatDecimals(double value, int decimals) {
    if (!std::isfinite(value))
        value = 0.0;
    return Localised(RoundedDecimals(ExactDigits(value), value < 0.0, decimals));
}

} // namespace quorvel::platform
