#include "text.h"

namespace quorvel::platform {

// A malformed sequence becomes U+FFFD, so that any byte string converts.
Text FromUtf8(std::string_view utf8) {
    Text text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        int length = byte < 0x80         ? 1
                     : (byte >> 5) == 6  ? 2
                     : (byte >> 4) == 14 ? 3
                     : (byte >> 3) == 30 ? 4
                                         : 0;
        char32_t code = length == 1   ? byte
                        : length == 2 ? byte & 0x1F
                        : length == 3 ? byte & 0x0F
                                      : byte & 0x07;
        bool valid = length > 0 && i + length <= utf8.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = (next >> 6) == 2;
            code = (code << 6) | (next & 0x3F);
        }
        // The shortest form only: "C0 AF" is no "/", as a surrogate is no character.
        constexpr char32_t Least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!valid || code < Least[length] || code > 0x10FFFF ||
            (code >= 0xD800 && code <= 0xDFFF)) {
            text += u'\uFFFD';
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            text += static_cast<char16_t>(0xD800 + (code >> 10));
            text += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            text += static_cast<char16_t>(code);
        }
        i += static_cast<std::size_t>(length);
    }
    return text;
}

std::vector<std::uint8_t> ToUtf8(const Text &text) {
    std::vector<std::uint8_t> utf8;
    utf8.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (code >= 0xD800 && code <= 0xDFFF)
            code = 0xFFFD;
        if (code < 0x80) {
            utf8.push_back(static_cast<std::uint8_t>(code));
            continue;
        }
        const int length = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
        utf8.push_back(
            static_cast<std::uint8_t>((0xF00u >> length) | (code >> (6 * (length - 1)))));
        for (int k = length - 2; k >= 0; --k)
            utf8.push_back(static_cast<std::uint8_t>(0x80 | ((code >> (6 * k)) & 0x3F)));
    }
    return utf8;
}

bool InLatinFaces(const Text &text) {
    for (const char16_t c : text)
        if (c >= 0x0590 && !(c >= 0x2000 && c < 0x2060))
            return false;
    return true;
}

} // namespace quorvel::platform
