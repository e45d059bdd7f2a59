#include "words/zero_mean_fitness_message.h"

#include "number_text.h"

namespace quorvel {

namespace {

using platform::NumberToText;
using platform::Text;
using words::Phrase;

Text AllFitnesses(words::Language language, const Fitnesses &w) {
    return words::Say(
        language, Phrase::ZeroFitnessList,
        {{"wAA", NumberToText(w.wAA)}, {"wAa", NumberToText(w.wAa)}, {"waa", NumberToText(w.waa)}});
}

bool AllZero(const Fitnesses &w) {
    return w.wAA == 0.0 && w.wAa == 0.0 && w.waa == 0.0;
}

} // namespace

Text ZeroMeanFitnessInRun(words::Language language, const Fitnesses &w, int generation, double p) {
    const Text next = NumberToText(generation + 1);
    if (AllZero(w))
        return words::Say(language, Phrase::ZeroEveryFitnessInRun,
                          {{"fitnesses", AllFitnesses(language, w)}, {"next", next}});
    const std::initializer_list<words::Arg> at = {{"generation", NumberToText(generation)},
                                                  {"p", NumberToText(p)},
                                                  {"next", next},
                                                  {"wAA", NumberToText(w.wAA)},
                                                  {"waa", NumberToText(w.waa)},
                                                  {"fitnesses", AllFitnesses(language, w)}};
    // Only a population of one genotype can have a mean fitness of 0 while
    // another genotype is fit: all aa at p = 0, all AA at p = 1.
    if (p == 0.0)
        return words::Say(language, Phrase::ZeroWithOnlyaa, at);
    if (p == 1.0)
        return words::Say(language, Phrase::ZeroWithOnlyAA, at);
    return words::Say(language, Phrase::ZeroInRun, at);
}

Text ZeroMeanFitnessInPopulation(words::Language language, const Fitnesses &w, int generation,
                                 int number, int count, double p) {
    // Only a population that drift left with one genotype can meet a mean
    // fitness of 0 after the start: every other has at least two.
    if (p != 0.0 && p != 1.0)
        return ZeroMeanFitnessInRun(language, w, generation, p);
    return words::Say(language, p == 0.0 ? Phrase::ZeroPopulationLost : Phrase::ZeroPopulationFixed,
                      {{"generation", NumberToText(generation)},
                       {"number", platform::FormatSetting(number)},
                       {"count", platform::FormatSetting(count)},
                       {"wAA", NumberToText(w.wAA)},
                       {"waa", NumberToText(w.waa)}});
}

Text ZeroMeanFitnessAnywhere(words::Language language) {
    return words::Say(language, Phrase::ZeroAnywhere);
}

Text ZeroMeanFitnessEverywhere(words::Language language, const Fitnesses &w) {
    return words::Say(language, Phrase::ZeroEverywhere, {{"fitnesses", AllFitnesses(language, w)}});
}

} // namespace quorvel
