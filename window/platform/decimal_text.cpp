#include "decimal_text.h"

namespace quorvel::platform {

Text Localised(const std::string &ascii, char16_t separator) {
    Text text(ascii.begin(), ascii.end());
    for (char16_t &c : text)
        if (c == u'.')
            c = separator;
    return text;
}

std::optional<std::string> Delocalised(const Text &text, char16_t separator) {
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

} // namespace quorvel::platform
