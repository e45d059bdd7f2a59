#include "decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace quorvel::platform::decimal {

namespace {

// A double is m × 2^e with an integer m below 2^53, and so has a finite
// decimal expansion: m × 5^-e, with -e decimals, when e < 0. Everything
// below works on such expansions, digit by digit, and never rounds.

// An unsigned integer in limbs of nine decimal digits, the lowest first.
using Big = std::vector<std::uint32_t>;
constexpr std::uint32_t LimbBase = 1000000000;

// factor is at most 2^31, so that a limb times it stays within 64 bits.
void Multiply(Big &n, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t &limb : n) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % LimbBase);
        carry = product / LimbBase;
    }
    for (; carry; carry /= LimbBase)
        n.push_back(static_cast<std::uint32_t>(carry % LimbBase));
}

std::string DigitsOf(const Big &n) {
    std::string digits;
    for (auto limb = n.rbegin(); limb != n.rend(); ++limb) {
        char nine[9];
        std::uint32_t value = *limb;
        for (int i = 8; i >= 0; --i, value /= 10)
            nine[i] = static_cast<char>('0' + value % 10);
        digits.append(nine, 9);
    }
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// m × 2^e written out: digits, a point where there are decimals, no zeros
// at either end but the one before a point.
std::string Expand(std::uint64_t m, int e) {
    if (m == 0)
        return "0";
    for (; (m & 1) == 0; m >>= 1)
        ++e;
    Big n;
    for (; m; m /= LimbBase)
        n.push_back(static_cast<std::uint32_t>(m % LimbBase));
    for (int left = e; left > 0; left -= 31)
        Multiply(n, std::uint32_t{1} << (left < 31 ? left : 31));
    for (int left = -e; left > 0; left -= 13) { // 5^13 < 2^31
        std::uint32_t power = 1;
        for (int i = 0; i < (left < 13 ? left : 13); ++i)
            power *= 5;
        Multiply(n, power);
    }
    std::string digits = DigitsOf(n);
    if (e >= 0)
        return digits;
    const auto decimals = static_cast<std::size_t>(-e);
    if (digits.size() <= decimals)
        digits.insert(0, decimals - digits.size() + 1, '0');
    digits.insert(digits.size() - decimals, 1, '.');
    return digits; // m was odd: the last decimal is 5, never 0
}

std::uint64_t Bits(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}
double FromBits(std::uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// |value| as m × 2^e with m an integer.
struct Parts {
    std::uint64_t m;
    int e;
};

Parts Split(double value) {
    const std::uint64_t bits = Bits(value) & ~(std::uint64_t{1} << 63);
    const auto biased = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0)
        return {fraction, -1074};
    return {fraction | (std::uint64_t{1} << 52), biased - 1075};
}

double Next(double value) {
    return FromBits(Bits(value) + 1);
}
double Previous(double value) {
    return FromBits(Bits(value) - 1);
}

// The order of two texts in the form Expand writes, or digits with a point.
int Compare(std::string_view a, std::string_view b) {
    const std::size_t pointA = a.find('.'), pointB = b.find('.');
    const std::string_view wholeA = a.substr(0, pointA), wholeB = b.substr(0, pointB);
    if (wholeA.size() != wholeB.size())
        return wholeA.size() < wholeB.size() ? -1 : 1;
    if (const int order = wholeA.compare(wholeB))
        return order < 0 ? -1 : 1;
    const std::string_view partA = pointA == a.npos ? "" : a.substr(pointA + 1);
    const std::string_view partB = pointB == b.npos ? "" : b.substr(pointB + 1);
    for (std::size_t i = 0; i < partA.size() || i < partB.size(); ++i) {
        const char x = i < partA.size() ? partA[i] : '0', y = i < partB.size() ? partB[i] : '0';
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

// The text rounded to a number of decimals: the nearest such number, and on
// a tie the one with an even last digit, as the C++ library chooses.
std::string Rounded(const std::string &exact, std::size_t decimals) {
    const std::size_t point = exact.find('.');
    if (point == std::string::npos || exact.size() - point - 1 <= decimals)
        return exact;
    std::string kept = exact.substr(0, point + 1 + decimals);
    const char next = exact[point + 1 + decimals];
    const bool tie = next == '5' && exact.size() == point + 2 + decimals;
    const char last = kept.back() == '.' ? kept[kept.size() - 2] : kept.back();
    if (next > '5' || (next == '5' && (!tie || (last - '0') % 2 == 1))) {
        std::size_t i = kept.size();
        while (i-- > 0 && (kept[i] == '9' || kept[i] == '.'))
            if (kept[i] == '9')
                kept[i] = '0';
        if (i == std::string::npos)
            kept.insert(0, 1, '1');
        else
            ++kept[i];
    }
    while (kept.back() == '0' && kept.find('.') != std::string::npos)
        kept.pop_back();
    if (kept.back() == '.')
        kept.pop_back();
    return kept;
}

constexpr double ExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A first guess, off by a few units in the last place at most: the first 19
// significant digits scaled by powers of ten that doubles hold exactly.
double Estimate(const std::string &digits, int exponent) {
    std::uint64_t leading = 0;
    std::size_t used = 0;
    for (; used < digits.size() && used < 19; ++used)
        leading = leading * 10 + static_cast<std::uint64_t>(digits[used] - '0');
    exponent += static_cast<int>(digits.size() - used);
    double value = static_cast<double>(leading);
    for (; exponent > 0 && value <= std::numeric_limits<double>::max(); exponent -= 22)
        value *= ExactPowersOfTen[exponent < 22 ? exponent : 22];
    for (; exponent < 0 && value > 0; exponent += 22)
        value /= ExactPowersOfTen[-exponent < 22 ? -exponent : 22];
    return value;
}

} // namespace

std::string Exact(double value) {
    if (value != value || value - value != 0) // not finite
        return "0";
    const Parts parts = Split(value);
    return Expand(parts.m, parts.e);
}

std::string Shortest(double value) {
    const std::string sign = std::signbit(value) ? "-" : "";
    const std::string exact = Exact(value);
    for (std::size_t decimals = 0;; ++decimals) {
        const std::string text = Rounded(exact, decimals);
        const std::optional<double> back = Read(text);
        if (text == exact || (back && *back == (value < 0 ? -value : value)))
            return sign + text;
    }
}

std::optional<double> Read(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    std::string whole(text.substr(0, point));
    std::string part(point == text.npos ? std::string_view() : text.substr(point + 1));
    if (whole.empty() && part.empty())
        return std::nullopt;
    for (const std::string *digits : {&whole, &part})
        for (char c : *digits)
            if (c < '0' || c > '9')
                return std::nullopt; // a sign inside, a second point, a letter
    whole.erase(0, whole.find_first_not_of('0') == std::string::npos
                       ? whole.size()
                       : whole.find_first_not_of('0'));
    part.erase(part.find_last_not_of('0') + 1);

    // The significant digits, and the power of ten they are scaled by.
    std::string digits = whole + part;
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    const int exponent = -static_cast<int>(part.size());
    double value = 0;
    if (digits.empty()) {
        value = 0;
    } else if (digits.size() <= 15 && part.size() <= 22) {
        // Both numbers are exact doubles, and IEEE division rounds correctly.
        value = Estimate(digits, 0) / ExactPowersOfTen[part.size()];
    } else if (whole.size() > 310) {
        return std::nullopt;
    } else {
        const std::string wanted = (whole.empty() ? "0" : whole) + (part.empty() ? "" : "." + part);
        constexpr double Largest = std::numeric_limits<double>::max();
        value = Estimate(digits, exponent);
        if (value > Largest)
            value = Largest;
        while (value > 0 && Compare(Exact(value), wanted) > 0)
            value = Previous(value);
        while (value < Largest && Compare(Exact(Next(value)), wanted) <= 0)
            value = Next(value);
        // Now value <= wanted < the next double: which is nearer, or the even one.
        const Parts parts = Split(value);
        const int order = Compare(Expand(2 * parts.m + 1, parts.e - 1), wanted);
        if (order < 0 || (order == 0 && (parts.m & 1))) {
            if (value == Largest)
                return std::nullopt; // it rounds to infinity
            value = Next(value);
        }
    }
    if (value == 0 && !digits.empty())
        return std::nullopt; // too small for a double: not the number written
    return negative ? -value : value;
}

} // namespace quorvel::platform::decimal
