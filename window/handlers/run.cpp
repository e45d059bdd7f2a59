#include "quorvelcode.h"

#include "curves/plot.h"
#include "curves/run_drawing.h"
#include "number_text.h"
#include "random_source.h"
#include "theory.h"
#include "words/narration.h"
#include "words/theory_words.h"
#include "words/zero_mean_fitness_message.h"

namespace quorvel {

// Follows the frequency of A for the generations set (100 unless changed)
// and draws its trajectory over whatever is already drawn. A zero mean
// fitness stops it where it is: what is drawn stays, Textp100 keeps its text,
// and the user is told why, in numbers. With finite populations it follows
// each of them, drifting, beside the infinite population.
void Quorvelcode::RUN_Click() {
    const double wAA = ParameterValue(w1);
    const double wAa = ParameterValue(w2);
    const double waa = ParameterValue(w3);
    p = ParameterValue(p0);
    const PopulationSettings model = Populations();
    if (!model.infinite())
        return RunPopulations({wAA, wAa, waa}, model);

    const int generations = model.generations;
    // gen counts them, as the window has always counted them, in 16 bits.
    static_assert(
        settings::detail::GenerationCounts[std::size(settings::detail::GenerationCounts) - 1] <
        INT16_MAX);
    KeptCurve<TrajectoryCurve> kept(drawn, {{wAA, wAa, waa}, p, model, 0, 0});
    const ActionNote note(*this, [this, &kept](bool finished) {
        return Sentence(
            [run = *kept, finished, generation = gen, last = p](words::Language language) {
                return TrajectorySentence(language, run, finished, generation, last);
            });
    });
    gen = 1;
    try {
        while (gen <= generations) {
            if (gen == 1)
                plot::Generation(*surface, gen - 1, p, generations); // a dot, and the current point
            wbar = MeanFitness(p, wAA, wAa, waa);
            pnext = Mutated(NextFrequency(p, wbar, wAA, wAa), model.mutationToa, model.mutationToA);
            plot::Generation(*surface, gen, pnext, generations); // a segment from the current point
            kept->generations = gen;
            p = pnext;
            gen = static_cast<std::int16_t>(gen + 1);
        }
    } catch (const ZeroMeanFitness &) {
        throw platform::ActionStopped(ZeroMeanFitnessInRun(language_, {wAA, wAa, waa}, gen - 1, p));
    }
    Textp100->setText(platform::FormatThreeDecimals(p));
    p100Shown_ = true;
    // Every population of an infinite size is where this one is.
    Outcome outcome = OutcomeOf({&p, 1});
    outcome.fixed *= model.populations;
    outcome.lost *= model.populations;
    outcome.both *= model.populations;
    ShowOutcome(outcome, std::nullopt);
}

// Many populations of N, each drawn, the infinite population over them; the
// seed from the link that asked for this run, or else a fresh one.
void Quorvelcode::RunPopulations(const Fitnesses &w, const PopulationSettings &model) {
    const std::uint64_t seed = nextSeed_ ? *nextSeed_ : platform::FreshSeed();
    nextSeed_.reset();
    KeptCurve<TrajectoryCurve> kept(drawn, {w, p, model, seed, 0});
    PopulationRun populations(w, p, model, seed);
    Outcome outcome;
    const ActionNote note(*this, [&kept, &outcome](bool finished) {
        return Sentence([run = *kept, finished, outcome](words::Language language) {
            return PopulationsSentence(language, run, finished, outcome);
        });
    });
    RunDrawing drawing(*surface, *kept, model.generations);
    drawing.add(0, populations.frequencies(), populations.reference());
    try {
        while (populations.generation() < model.generations) {
            populations.step();
            drawing.add(populations.generation(), populations.frequencies(),
                        populations.reference());
            kept->generations = populations.generation();
        }
    } catch (const ZeroMeanFitness &) {
        drawing.finish();
        const int at = populations.generation();
        const int stopped = populations.stoppedBy();
        throw platform::ActionStopped(
            stopped == PopulationRun::Reference || at == 0
                ? ZeroMeanFitnessInRun(language_, w, at,
                                       stopped == PopulationRun::Reference
                                           ? populations.reference()
                                           : populations.frequencies()[0])
                : ZeroMeanFitnessInPopulation(language_, w, at, stopped + 1, model.populations,
                                              populations.frequencies()[stopped]));
    }
    drawing.finish();
    outcome = OutcomeOf(populations.frequencies());
    p = outcome.meanP;
    Textp100->setText(platform::FormatThreeDecimals(outcome.meanP));
    p100Shown_ = true;
    ShowOutcome(outcome, ExpectationOf(w, kept->p0, model).fixed);
}

// How many populations fixed A, lost it or hold both, and the share theory
// expects to fix A where it expects one, in the panel's boxes; kept for when
// the panel opens, while it is closed, since a classic RUN must not pay for
// boxes no one sees.
void Quorvelcode::ShowOutcome(const Outcome &outcome, std::optional<double> expected) {
    outcome_ = outcome;
    expectedFixed_ = expected;
    if (!panelShown_)
        return;
    TextExpected->setText(expected ? PercentText(language_, *expected) : platform::Text());
    TextFixed->setText(platform::FormatSetting(outcome.fixed));
    TextLost->setText(platform::FormatSetting(outcome.lost));
    TextBoth->setText(platform::FormatSetting(outcome.both));
}

} // namespace quorvel
