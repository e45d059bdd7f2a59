#pragma once

#include <optional>
#include <string>
#include <string_view>

// Doubles to decimal texts and back, exactly, in plain integer arithmetic:
// for a C++ library without floating-point to_chars and from_chars (the
// browser's), where printf and strtod would bring long-double arithmetic and
// a fifth of the page's code with them.
namespace quorvel::platform::decimal {

// Every digit of |value|, as many decimals as it has, with a point when it
// has any: 0.125, 3, 0.1000000000000000055511151231257827021181583404541015625.
std::string Exact(double value);

// The shortest text in fixed notation, with its sign, that reads back as
// exactly value; the nearest one where several are as short.
std::string Shortest(double value);

// The double nearest to an optional minus, digits and an optional point with
// digits after it (ties to even, as IEEE rounding does); nothing for any
// other text, or for a number too large or too small for a double to hold.
std::optional<double> Read(std::string_view text);

} // namespace quorvel::platform::decimal
