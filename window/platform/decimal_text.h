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

// The "0.000" pattern from the exact decimal expansion of |value| (at least
// four decimals), rounded half away from zero: so a tie (0.0625) rounds up,
// and 0.07145, just below its half in binary, rounds down.
std::string ThreeDecimals(const std::string &exactDigits, bool negative);

} // namespace quorvel::platform
