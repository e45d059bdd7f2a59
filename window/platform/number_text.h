#pragma once

#include "text.h"

// Numbers as the user reads and writes them, always with the user's decimal
// separator, whatever the C library's locale: written once for every backend.
namespace quorvel::platform {

// The user's decimal separator, one character: each backend reads it from its
// own system's regional setting (a separator of several characters gives the dot).
char16_t DecimalSeparator();

// The user's separator between groups of three digits, one character; none
// where the system gives none, or several.
char16_t GroupSeparator();

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

// A setting as its box shows it: "∞" for infinity, a whole number of five
// digits or more in groups of three ("1,000,000" or "1.000.000", as the user
// writes them), any other number as NumberToText writes it.
Text FormatSetting(double value);

} // namespace quorvel::platform
