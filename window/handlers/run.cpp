#include "quorvelcode.h"

#include "curves/plot.h"
#include "number_text.h"
#include "words/narration.h"
#include "words/zero_mean_fitness_message.h"

namespace quorvel {

// Follows the frequency of A for 100 generations and draws its trajectory over
// whatever is already drawn. A zero mean fitness stops it where it is: what is
// drawn stays, Textp100 keeps its text, and the user is told why, in numbers.
void Quorvelcode::RUN_Click() {
    const double wAA = ParameterValue(w1);
    const double wAa = ParameterValue(w2);
    const double waa = ParameterValue(w3);
    p = ParameterValue(p0);
    const ActionNote note(*this, [this, w = Fitnesses{wAA, wAa, waa}, start = p](bool finished) {
        return Sentence([w, start, finished, generation = gen, last = p](words::Language language) {
            return TrajectorySentence(language, w, start, finished, generation, last);
        });
    });
    KeptCurve<TrajectoryCurve> kept(drawn, {{wAA, wAa, waa}, p, {}});
    kept->p.reserve(101);
    gen = 1;
    try {
        while (gen <= 100) {
            if (gen == 1) {
                plot::Generation(*surface, gen - 1, p); // a dot, and the current point
                kept->p.push_back(p);
            }
            wbar = MeanFitness(p, wAA, wAa, waa);
            pnext = NextFrequency(p, wbar, wAA, wAa);
            plot::Generation(*surface, gen, pnext); // a segment from the current point
            kept->p.push_back(pnext);
            p = pnext;
            gen = static_cast<std::int16_t>(gen + 1);
        }
    } catch (const ZeroMeanFitness &) {
        throw platform::ActionStopped(ZeroMeanFitnessInRun(language_, {wAA, wAa, waa}, gen - 1, p));
    }
    Textp100->setText(platform::FormatThreeDecimals(p));
    p100Shown_ = true;
}

} // namespace quorvel
