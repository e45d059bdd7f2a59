#include "words/narration.h"

#include "curves/sweep.h"
#include "number_text.h"
#include "quorvelcode.h"

namespace quorvel {

namespace {

using platform::FormatThreeDecimals;
using platform::NumberToText;

std::u16string Named(const Fitnesses &w) {
    return u"w(AA) " + NumberToText(w.wAA) + u", w(Aa) " + NumberToText(w.wAa) + u", w(aa) " +
           NumberToText(w.waa);
}

// A mean fitness that varies by no more than this is constant.
constexpr double Tiny = 1e-12;

} // namespace

std::u16string TrajectorySentence(const Fitnesses &w, double p0, bool finished, int generation,
                                  double p) {
    std::u16string text = u"Trajectory: " + Named(w) + u", from p0 " + NumberToText(p0);
    if (finished)
        return text + u" to p100 " + FormatThreeDecimals(p) + u".";
    return text + u"; stopped at generation " + NumberToText(generation - 1) + u", p " +
           FormatThreeDecimals(p) + u", where the mean fitness is 0.";
}

void CurveSummary::addMeanFitness(double p, double meanFitness) {
    if (passes_++ == 0) {
        firstP_ = p;
        first_ = highest_ = lowest_ = meanFitness;
        highestAt_ = lowestAt_ = p;
    }
    lastP_ = p;
    last_ = meanFitness;
    if (meanFitness > highest_)
        highest_ = meanFitness, highestAt_ = p;
    if (meanFitness < lowest_)
        lowest_ = meanFitness, lowestAt_ = p;
}

void CurveSummary::addChange(double p, double change) {
    const int sign = SignOfChange(change);
    if (sign == 0)
        ++zeros_;
    else if (runs_.empty() || runs_.back().sign != sign)
        runs_.push_back({sign, p});
}

void CurveSummary::addUndefinedChange(double p) {
    if (undefined_++ == 0)
        firstUndefinedAt_ = p;
}

std::u16string CurveSummary::sentence(const Fitnesses &w) const {
    std::u16string text = u"Mean fitness and change curves: " + Named(w);
    if (passes_ == 0)
        return text + u".";

    text += u"; mean fitness ";
    const auto inside = [this](double at) { return at != firstP_ && at != lastP_; };
    if (highest_ - lowest_ <= Tiny)
        text += u"constant, " + FormatThreeDecimals(highest_);
    else if (inside(highestAt_))
        text += u"highest, " + FormatThreeDecimals(highest_) + u", at p " +
                FormatThreeDecimals(highestAt_);
    else if (inside(lowestAt_))
        text += u"lowest, " + FormatThreeDecimals(lowest_) + u", at p " +
                FormatThreeDecimals(lowestAt_);
    else
        text += (last_ > first_ ? u"rising from " : u"falling from ") +
                FormatThreeDecimals(first_) + u" to " + FormatThreeDecimals(last_);

    if (!anyChange())
        return text + u"; the change of p is undefined, since the mean fitness is 0 at every p.";
    text += u"; the change of p is ";
    const auto word = [](int sign) -> std::u16string {
        return sign > 0 ? u"positive" : u"negative";
    };
    if (runs_.empty())
        text += u"0 throughout";
    else if (runs_.size() == 1)
        text += runs_[0].sign > 0 ? u"never negative" : u"never positive";
    for (std::size_t i = 0; runs_.size() > 1 && i < runs_.size(); ++i) {
        const std::u16string at = FormatThreeDecimals(runs_[i].from);
        if (i == 0)
            text += word(runs_[i].sign) + u" below p " + FormatThreeDecimals(runs_[1].from);
        else if (i + 1 == runs_.size())
            text += (runs_.size() == 2 ? u" and " : u", and ") + word(runs_[i].sign) +
                    (runs_.size() == 2 ? u" above it" : u" above p " + at);
        else
            text += u", " + word(runs_[i].sign) + u" from p " + at + u" to p " +
                    FormatThreeDecimals(runs_[i + 1].from);
    }
    if (undefined_ == 1)
        text += u"; the change of p is undefined at p = " + NumberToText(firstUndefinedAt_) +
                u", where the mean fitness is 0";
    else if (undefined_ > 1)
        text += u"; the change of p is undefined at " + NumberToText(undefined_) +
                u" values of p from p = " + NumberToText(firstUndefinedAt_) +
                u", where the mean fitness is 0";
    return text + u".";
}

ActionNote::ActionNote(Quorvelcode &window, Compose compose)
    : window_(window), compose_(std::move(compose)) {}

ActionNote::~ActionNote() {
    try {
        window_.Describe(compose_(std::uncaught_exceptions() == exceptions_));
    } catch (...) {
        // A sentence that cannot be made must not turn one error into two.
    }
}

} // namespace quorvel
