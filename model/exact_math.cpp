#include "exact_math.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace quorvel {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ln 2 in two parts: the high part has 32 significant bits, so k * kLn2Hi is
// exact for every |k| < 2^21 and only the tiny low part carries rounding.
constexpr double kLn2Hi = 0x1.62e42feep-1;
constexpr double kLn2Lo = 0x1.a39ef35793c76p-33;
constexpr double kInvLn2 = 0x1.71547652b82fep+0;

// The bits of a double and back. The browser build's libc++ has no
// std::bit_cast; memcpy is what it would do, and compiles to a register move.
std::uint64_t Bits(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}
double FromBits(std::uint64_t bits) {
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

constexpr std::uint64_t kMantissaMask = (std::uint64_t{1} << 52) - 1;
// Mantissa bits of sqrt(2): reduced mantissas at or above it are halved.
constexpr std::uint64_t kSqrt2Mantissa = 0x6a09e667f3bcd;

// A positive, finite, normal x as 2^k * m, m in [sqrt(1/2), sqrt(2)); returns
// m - 1, which is exact there.
double Reduce(double x, int &k) {
    const std::uint64_t bits = Bits(x);
    const std::uint64_t mantissa = bits & kMantissaMask;
    const bool halve = mantissa >= kSqrt2Mantissa;
    k = static_cast<int>(bits >> 52) - 1023 + halve;
    const std::uint64_t exponent = halve ? 1022 : 1023;
    return FromBits(mantissa | exponent << 52) - 1.0;
}

// log(2^k (1 + f)) + c, for 1 + f in [sqrt(1/2), sqrt(2)) and c a correction
// far below the result's last bit. With s = f / (2 + f), log(1 + f) is
// 2 atanh(s) = 2s + 2s^3/3 + 2s^5/5 + ...; written as f - (f^2/2 - s (f^2/2 + R))
// the exact f carries the result and the rounding falls on the small rest.
// |s| <= 0.172 and s^2 <= 0.0295, so ten terms of R leave less than 2^-60.
// R's even and odd terms are summed apart, which halves the chain of
// dependent operations a sampler waits on.
double LogReduced(int k, double f, double c) {
    static constexpr double kTwoOverOdd[] = {2.0 / 3,  2.0 / 5,  2.0 / 7,  2.0 / 9,  2.0 / 11,
                                             2.0 / 13, 2.0 / 15, 2.0 / 17, 2.0 / 19, 2.0 / 21};
    const double halfSquare = 0.5 * f * f;
    const double s = f / (2.0 + f);
    const double z = s * s;
    const double w = z * z;
    double even = kTwoOverOdd[8], odd = kTwoOverOdd[9];
    for (int i = 6; i >= 0; i -= 2) {
        even = even * w + kTwoOverOdd[i];
        odd = odd * w + kTwoOverOdd[i + 1];
    }
    const double r = (even + odd * z) * z;
    const double dk = k;
    return dk * kLn2Hi - ((halfSquare - (s * (halfSquare + r) + (dk * kLn2Lo + c))) - f);
}

} // namespace

double Log(double x) {
    if (!(x > 0.0) || x == kInf)
        return x == 0.0 ? -kInf : x == kInf ? kInf : kNaN;
    int shift = 0;
    if (x < 0x1.0p-1022) { // subnormal: make it normal, exactly
        x *= 0x1.0p54;
        shift = 54;
    }
    int k;
    const double f = Reduce(x, k);
    return LogReduced(k - shift, f, 0.0);
}

double Log1p(double x) {
    if (!(x > -1.0) || x == kInf)
        return x == -1.0 ? -kInf : x == kInf ? kInf : kNaN;
    if (x == 0.0)
        return x; // keeps the sign of -0
    // Where 1 + x lies in [sqrt(1/2), sqrt(2)), x itself is the reduced f:
    // nothing rounds before the series.
    if (x >= -0.29 && x < 0.41)
        return LogReduced(0, x, 0.0);
    // Elsewhere 1 + x rounds; d is what it lost (exact, by Fast2Sum), and
    // log(u + d) is log(u) + d / u to far below the last bit.
    const double u = 1.0 + x;
    const double d = std::abs(x) <= 1.0 ? (1.0 - u) + x : (x - u) + 1.0;
    int k;
    const double f = Reduce(u, k);
    return LogReduced(k, f, d / u);
}

double Exp(double x) {
    if (x != x)
        return x;
    if (x > 709.79) // beyond the largest double's logarithm, 709.7827...
        return kInf;
    if (x < -745.14) // below the logarithm of half the least subnormal, -745.1332...
        return 0.0;
    // x = k ln 2 + r with |r| <= ln 2 / 2; x - k * kLn2Hi is exact, so r is
    // kept as hi - lo and the sum below puts the two back together.
    const double k = std::floor(x * kInvLn2 + 0.5);
    const double hi = x - k * kLn2Hi;
    const double lo = k * kLn2Lo;
    const double r = hi - lo;
    // e^r = 1 + r + r^2 P(r), P the Taylor series from 1/2!: up to r^14/14!,
    // the next term is below 2^-62 for |r| <= 0.35.
    static constexpr double kInverseFactorials[] = {
        1.0 / 2,         1.0 / 6,          1.0 / 24,         1.0 / 120,     1.0 / 720,
        1.0 / 5040,      1.0 / 40320,      1.0 / 362880,     1.0 / 3628800, 1.0 / 39916800,
        1.0 / 479001600, 1.0 / 6227020800, 1.0 / 87178291200};
    double p = kInverseFactorials[12];
    for (int i = 11; i >= 0; --i)
        p = p * r + kInverseFactorials[i];
    const double y = 1.0 + (hi - (lo - r * r * p));
    // Scale by 2^k through the exponent bits. Results that end subnormal are
    // scaled in two steps, so that only the last one rounds.
    const int n = static_cast<int>(k);
    const auto power = [](int e) { return FromBits(std::uint64_t(e + 1023) << 52); };
    if (n > 1023)
        return y * 2.0 * power(n - 1);
    if (n < -1021)
        return y * power(n + 54) * 0x1.0p-54;
    return y * power(n);
}

// Exact to the last bit for k < 16; above, Stirling's series in 1/(k + 1),
// whose next term, 3617 / (122400 (k + 1)^15), is below 2^-66 there.
double StirlingCorrection(std::uint32_t k) {
    static constexpr double kSmall[] = {
        0.08106146679532726,  0.0413406959554093,    0.02767792568499834,  0.020790672103765093,
        0.016644691189821193, 0.013876128823070748,  0.01189670994589177,  0.010411265261972096,
        0.009255462182712733, 0.00833056343336287,   0.007573675487951841, 0.00694284010720953,
        0.006408994188004207, 0.0059513701127588475, 0.005554733551962801, 0.0052076559196096404};
    if (k < 16)
        return kSmall[k];
    // The leading 1 / (12 (k + 1)) is one correctly rounded division; the
    // rest is a ten-thousandth of it, so the rounding of 1 / (k + 1) taken
    // from it hardly shows there.
    const double lead = 1.0 / (12.0 * (k + 1.0));
    const double z = 12.0 * lead;
    const double z2 = z * z;
    return lead -
           z * z2 *
               (1.0 / 360 -
                z2 * (1.0 / 1260 -
                      z2 * (1.0 / 1680 - z2 * (1.0 / 1188 - z2 * (691.0 / 360360 - z2 / 156)))));
}

} // namespace quorvel
