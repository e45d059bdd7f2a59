#include "words/narration.h"

#include "curves/plot.h"
#include "curves/sweep.h"
#include "number_text.h"
#include "settings/settings.h"
#include "words/theory_words.h"

namespace quorvel {

namespace {

using platform::FormatThreeDecimals;
using platform::NumberToText;
using words::Phrase;

// A mean fitness that varies by no more than this is constant.
constexpr double Tiny = 1e-12;

// One sentence more after what is said so far.
void Then(words::Language language, platform::Text &said, const platform::Text &next) {
    said = words::Say(language, Phrase::SentenceAfterSentence, {{"first", said}, {"second", next}});
}

} // namespace

std::u16string TrajectorySentence(words::Language language, const TrajectoryCurve &run,
                                  bool finished, int generation, double p) {
    const Fitnesses &w = run.w;
    // The generations are in the sentence already, as the p they lead to.
    PopulationSettings named = run.settings;
    named.generations = plot::DefaultGenerations;
    const platform::Text more =
        settings::Joined(language, settings::NamedSettings(language, named));
    const std::initializer_list<words::Arg> args = {
        {"wAA", NumberToText(w.wAA)},
        {"wAa", NumberToText(w.wAa)},
        {"waa", NumberToText(w.waa)},
        {"p0", NumberToText(run.p0)},
        {"p100", FormatThreeDecimals(p)},
        // "p10000" is one symbol: its digits are not grouped.
        {"generations", NumberToText(run.settings.generations)},
        {"settings", more},
        {"generation", NumberToText(generation - 1)},
        {"p", FormatThreeDecimals(p)}};
    return words::Say(language,
                      !finished      ? Phrase::NarrateTrajectoryStopped
                      : more.empty() ? Phrase::NarrateTrajectory
                                     : Phrase::NarrateTrajectoryWith,
                      args);
}

std::u16string PopulationsSentence(words::Language language, const TrajectoryCurve &run,
                                   bool finished, const Outcome &outcome) {
    const Fitnesses &w = run.w;
    const PopulationSettings &model = run.settings;
    const auto count = [language](Phrase phrase, int n) {
        return words::SayCount(language, phrase, static_cast<unsigned long>(n),
                               {{"count", platform::FormatSetting(n)}});
    };
    const std::initializer_list<words::Arg> args = {
        {"wAA", NumberToText(w.wAA)},
        {"wAa", NumberToText(w.wAa)},
        {"waa", NumberToText(w.waa)},
        {"p0", NumberToText(run.p0)},
        {"settings",
         settings::Joined(language, settings::NamedSettings(language, model, run.seed))},
        {"count", platform::FormatSetting(model.populations)},
        {"size", platform::FormatSetting(model.size)},
        {"generations",
         count(Phrase::ShortGenerations, finished ? model.generations : run.generations)},
        {"fixed", count(Phrase::OutcomeFixed, outcome.fixed)},
        {"lost", count(Phrase::OutcomeLost, outcome.lost)},
        {"both", count(Phrase::OutcomeBoth, outcome.both)},
        {"mean", FormatThreeDecimals(outcome.meanP)}};
    if (!finished)
        return words::Say(language, Phrase::NarratePopulationsStopped, args);
    platform::Text said = words::SayCount(language, Phrase::NarratePopulations,
                                          static_cast<unsigned long>(model.populations), args);
    const RunExpectation expected = ExpectationOf(w, run.p0, model);
    const auto then = [language, &said](Phrase phrase, std::initializer_list<words::Arg> more) {
        Then(language, said, words::Say(language, phrase, more));
    };
    if (expected.fixed)
        then(Phrase::NarrateFixation, {{"fixed", platform::FormatSetting(outcome.fixed)},
                                       {"count", platform::FormatSetting(model.populations)},
                                       {"expected", PercentText(language, *expected.fixed)}});
    if (expected.heterozygosity)
        then(Phrase::NarrateHeterozygosity,
             {{"observed", FormatThreeDecimals(outcome.meanHeterozygosity)},
              {"expected", FormatThreeDecimals(*expected.heterozygosity)}});
    return said;
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

std::u16string CurveSummary::sentence(words::Language language, const SweepCurves &sweep) const {
    platform::Text said = selectionSentence(language, sweep.w);
    const auto then = [language, &said](const platform::Text &next) { Then(language, said, next); };
    PopulationSettings mutation;
    mutation.mutationToa = sweep.mutationToa;
    mutation.mutationToA = sweep.mutationToA;
    const std::vector<platform::Text> rates = settings::NamedSettings(language, mutation);
    if (!rates.empty() && passes_ > 0)
        then(words::Say(language, Phrase::NarrateCurvesMutation,
                        {{"settings", settings::Joined(language, rates)}}));
    if (passes_ > 0 && anyChange())
        if (const platform::Text balances =
                BalancesText(language, Balances(sweep.w, sweep.mutationToa, sweep.mutationToA));
            !balances.empty())
            then(words::Say(language, Phrase::NarrateBalances, {{"balances", balances}}));
    return said;
}

std::u16string CurveSummary::selectionSentence(words::Language language, const Fitnesses &w) const {
    const auto say = [language](Phrase phrase, std::initializer_list<words::Arg> args = {}) {
        return words::Say(language, phrase, args);
    };
    const platform::Text wAA = NumberToText(w.wAA), wAa = NumberToText(w.wAa),
                         waa = NumberToText(w.waa);
    if (passes_ == 0)
        return say(Phrase::NarrateCurvesEmpty, {{"wAA", wAA}, {"wAa", wAa}, {"waa", waa}});

    const auto inside = [this](double at) { return at != firstP_ && at != lastP_; };
    platform::Text shape;
    if (highest_ - lowest_ <= Tiny)
        shape = say(Phrase::ShapeConstant, {{"value", FormatThreeDecimals(highest_)}});
    else if (inside(highestAt_))
        shape = say(Phrase::ShapeHighest, {{"value", FormatThreeDecimals(highest_)},
                                           {"p", FormatThreeDecimals(highestAt_)}});
    else if (inside(lowestAt_))
        shape = say(Phrase::ShapeLowest, {{"value", FormatThreeDecimals(lowest_)},
                                          {"p", FormatThreeDecimals(lowestAt_)}});
    else
        shape = say(last_ > first_ ? Phrase::ShapeRising : Phrase::ShapeFalling,
                    {{"from", FormatThreeDecimals(first_)}, {"to", FormatThreeDecimals(last_)}});

    if (!anyChange())
        return say(Phrase::NarrateCurvesUndefined,
                   {{"wAA", wAA}, {"wAa", wAa}, {"waa", waa}, {"shape", shape}});

    platform::Text change;
    const auto positive = [](const Run &run) { return run.sign > 0; };
    if (runs_.empty()) {
        change = say(Phrase::ChangeZero);
    } else if (runs_.size() == 1) {
        change =
            say(positive(runs_[0]) ? Phrase::ChangeNeverNegative : Phrase::ChangeNeverPositive);
    } else if (runs_.size() == 2) {
        change = say(positive(runs_[0]) ? Phrase::ChangePositiveThenNegative
                                        : Phrase::ChangeNegativeThenPositive,
                     {{"p", FormatThreeDecimals(runs_[1].from)}});
    } else {
        std::vector<platform::Text> parts;
        for (std::size_t i = 0; i < runs_.size(); ++i) {
            const bool up = positive(runs_[i]);
            if (i == 0)
                parts.push_back(say(up ? Phrase::ChangePositiveBelow : Phrase::ChangeNegativeBelow,
                                    {{"p", FormatThreeDecimals(runs_[1].from)}}));
            else if (i + 1 == runs_.size())
                parts.push_back(say(up ? Phrase::ChangePositiveAbove : Phrase::ChangeNegativeAbove,
                                    {{"p", FormatThreeDecimals(runs_[i].from)}}));
            else
                parts.push_back(
                    say(up ? Phrase::ChangePositiveBetween : Phrase::ChangeNegativeBetween,
                        {{"from", FormatThreeDecimals(runs_[i].from)},
                         {"to", FormatThreeDecimals(runs_[i + 1].from)}}));
        }
        change = words::ListOf(language, parts);
    }
    const std::initializer_list<words::Arg> args = {
        {"wAA", wAA}, {"wAa", wAa}, {"waa", waa}, {"shape", shape}, {"change", change}};
    if (undefined_ == 0)
        return say(Phrase::NarrateCurves, args);
    const platform::Text where =
        undefined_ == 1
            ? say(Phrase::UndefinedAtOne, {{"p", NumberToText(firstUndefinedAt_)}})
            : words::SayCount(
                  language, Phrase::UndefinedAtMany, static_cast<unsigned long>(undefined_),
                  {{"count", NumberToText(undefined_)}, {"p", NumberToText(firstUndefinedAt_)}});
    return say(Phrase::NarrateCurvesPartlyUndefined, {{"wAA", wAA},
                                                      {"wAa", wAa},
                                                      {"waa", waa},
                                                      {"shape", shape},
                                                      {"change", change},
                                                      {"where", where}});
}

} // namespace quorvel
