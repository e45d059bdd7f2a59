#pragma once

#include "text.h"

#include <optional>
#include <string>

// The parts of number texts that are the same whatever makes the digits: a
// backend whose toolkit has no locale-aware number formatting (Win32, the
// browser) writes its digits in ASCII with a dot and leaves the rest to these.
namespace quorvel::platform {

// ASCII digits with a dot, written with the user's separator.
Text Localised(const std::string &ascii, char16_t separator);

// A number text in the user's separator as ASCII digits with a dot; nothing
// when it has anything but digits, one leading minus and the separator.
std::optional<std::string> Delocalised(const Text &text, char16_t separator);

// A fixed number of decimals from the exact decimal expansion of |value| (with
// more decimals than that), rounded half away from zero: so a tie (0.0625)
// rounds up to 0.063, and 0.07145, just below its half in binary, down to 0.071.
std::string RoundedDecimals(const std::string &exactDigits, bool negative, int decimals);

} // namespace quorvel::platform
