#include "words/theory_words.h"

#include "number_text.h"

#include <cmath>

namespace quorvel {

using platform::Text;
using words::Phrase;

namespace {

// To so many decimals and no more, trailing zeros dropped, never "-0".
Text Rounded(double value, double scale) {
    return platform::NumberToText(std::round(value * scale) / scale + 0.0);
}

} // namespace

Text BalancesText(words::Language language, const std::vector<Balance> &balances) {
    std::vector<Text> each;
    for (const Balance &balance : balances)
        each.push_back(words::Say(language,
                                  balance.stable ? Phrase::BalanceStable : Phrase::BalanceUnstable,
                                  {{"p", platform::FormatThreeDecimals(balance.p)}}));
    return each.empty() ? Text() : words::ListOf(language, each);
}

Text PercentText(words::Language language, double share) {
    return words::Say(language, Phrase::Percent, {{"value", Rounded(100.0 * share, 10.0)}});
}

Text CoefficientsText(words::Language language, const Fitnesses &w) {
    const SelectionCoefficients coefficients = CoefficientsOf(w);
    if (!coefficients.h)
        return words::Say(language, Phrase::CoefficientsEqual);
    const Text plain = words::Say(
        language,
        coefficients.against == SelectionCoefficients::Against::A ? Phrase::CoefficientsAgainstA
                                                                  : Phrase::Coefficients,
        {{"s", Rounded(coefficients.s, 1000.0)}, {"h", Rounded(*coefficients.h, 1000.0)}});
    // As said, so that a rounding of 1 to 1.0000000000000002 is no underdominance.
    const double h = std::round(*coefficients.h * 1000.0) / 1000.0;
    if (h < 0.0)
        return words::Say(language, Phrase::CoefficientsOverdominance, {{"coefficients", plain}});
    if (h > 1.0)
        return words::Say(language, Phrase::CoefficientsUnderdominance, {{"coefficients", plain}});
    return plain;
}

} // namespace quorvel
