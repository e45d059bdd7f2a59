#pragma once

#include "text.h"

// Numbers as the user reads and writes them, always in the user's locale.
// Each backend reads the locale from its own system.
namespace quorvel::platform {

// The shortest fixed-notation text that reads back to the same double,
// without group separators: 0.57, 1, 0, 0.005.
Text NumberToText(double value);

// Reads what NumberToText wrote. ok, when given, tells whether the text was a
// finite number; any other text gives 0.
double TextToNumber(const Text &text, bool *ok = nullptr);

// The "0.000" pattern: three decimals, at least one digit before the separator.
Text FormatThreeDecimals(double value);

// The same with another number of decimals (0 to 20), for readouts.
Text FormatDecimals(double value, int decimals);

} // namespace quorvel::platform
