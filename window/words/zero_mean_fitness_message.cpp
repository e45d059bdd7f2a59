#include "words/zero_mean_fitness_message.h"

#include "number_text.h"

namespace quorvel {

namespace {

using platform::NumberToText;
using platform::Text;

// No-break spaces around "=": a message box wraps at spaces only, and "p =" at
// the end of one line with its number on the next reads wrongly.
Text Equals(const char16_t *name, double value) {
    return Text(name) + u"\u00A0=\u00A0" + NumberToText(value);
}

Text AllFitnesses(const Fitnesses &w) {
    return Equals(u"w(AA)", w.wAA) + u", " + Equals(u"w(Aa)", w.wAa) + u", " +
           Equals(u"w(aa)", w.waa);
}

bool AllZero(const Fitnesses &w) {
    return w.wAA == 0.0 && w.wAa == 0.0 && w.waa == 0.0;
}

const char16_t *const MoveTheBars =
    u" Move the fitness bars above\u00A00 (a bar that has not been moved counts as\u00A00).";

} // namespace

Text ZeroMeanFitnessInRun(const Fitnesses &w, int generation, double p) {
    const Text next =
        u"the frequency in generation " + NumberToText(generation + 1) + u" is undefined.";
    if (AllZero(w))
        return u"Every fitness is 0 (" + AllFitnesses(w) + u"), so the mean fitness is 0 and " +
               next + MoveTheBars;
    const Text at = u"The mean fitness is 0 in generation " + NumberToText(generation) + u" (";
    const Text so = u"), so " + next;
    // Only a population of one genotype can have a mean fitness of 0 while
    // another genotype is fit: all aa at p = 0, all AA at p = 1.
    if (p == 0.0)
        return at + Equals(u"p", p) + u", " + Equals(u"w(aa)", w.waa) + so +
               u" Raise w(aa) above\u00A00, or start with p0 above\u00A00.";
    if (p == 1.0)
        return at + Equals(u"p", p) + u", " + Equals(u"w(AA)", w.wAA) + so +
               u" Raise w(AA) above\u00A00, or start with p0 below\u00A01.";
    return at + Equals(u"p", p) + u", " + AllFitnesses(w) + so;
}

Text ZeroMeanFitnessAnywhere() {
    return u"The mean fitness of the population is 0, so the frequency of the next "
           u"generation is undefined.\n\n"
           u"The fitnesses of the genotypes present must be above\u00A00.";
}

Text ZeroMeanFitnessEverywhere(const Fitnesses &w) {
    return u"Every fitness is 0 (" + AllFitnesses(w) +
           u"), so the mean fitness is 0 at every p and the change of p is undefined." +
           MoveTheBars;
}

} // namespace quorvel
