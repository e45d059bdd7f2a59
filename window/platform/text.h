#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::platform {

// Text as it crosses between the window and the toolkit: UTF-16, which both
// Qt and Windows hold as they are, with nothing lost either way.
using Text = std::u16string;

// The layout and the program's messages are written in UTF-8.
Text FromUtf8(std::string_view utf8);
// The bytes of a file of text: UTF-8, with a lone surrogate as U+FFFD.
std::vector<std::uint8_t> ToUtf8(const Text &text);

// Whether every letter is one the layout's faces and their stand-ins have:
// Latin, Greek and Cyrillic letters and general punctuation.
bool InLatinFaces(const Text &text);

} // namespace quorvel::platform
