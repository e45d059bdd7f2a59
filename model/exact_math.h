#pragma once

#include <cstdint>

// Logarithm and exponential for the model's random draws. The platforms' own
// libm differ in the last bit of exp and log, and a single bit decides whether
// a sampler accepts a draw, so a seeded run would take different turns on
// Linux, Windows and in the browser. These use nothing but IEEE basic
// arithmetic, which every platform rounds alike, and stay within 2 ulp of the
// true value over the whole range.
namespace quorvel {

// Natural logarithm: -inf at 0, NaN below 0 and for NaN, inf at inf.
double Log(double x);

// log(1 + x), accurate for tiny x where 1 + x would lose its digits: -inf at
// -1, NaN below -1 and for NaN.
double Log1p(double x);

// e^x: inf above about 709.78, 0 below about -745.13 (subnormal in between
// these and the normal range), NaN for NaN.
double Exp(double x);

// Stirling's correction log(k!) - ((k + 1/2) log(k + 1) - (k + 1) + log(2 pi) / 2),
// about 1 / (12 (k + 1)). A sampler that compares log-factorials of millions
// takes their difference from logarithms of ratios and these small terms,
// rather than subtracting two rounded numbers of ten million.
double StirlingCorrection(std::uint32_t k);

} // namespace quorvel
