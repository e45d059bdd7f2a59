#include "quorvelcode.h"

#include "curves/plot.h"
#include "curves/sweep.h"
#include "theory.h"
#include "words/narration.h"
#include "words/zero_mean_fitness_message.h"

namespace quorvel {

// Sweeps p from 0 in steps of 0.001 and plots, dot by dot, the mean fitness in
// Shape2 and the one-generation change of frequency in Deltap. The steps add
// up rounding, so the sweep ends after the pass at 0.9990000000000008 and
// p = 1 itself is never plotted; pscan keeps the value that ended it.
//
// The mean fitness is defined at every p; the change is not where the mean
// fitness is 0 (at p = 0 for a recessive lethal). Such a pass draws its mean
// fitness only, and the description says where the change is missing. Only a
// sweep that can draw no change at all (every fitness 0) reports an error,
// once all its mean-fitness dots are drawn.
//
// Then it marks where the change is 0, filled where p returns after a push,
// open where it leaves, on the zero line and by the trajectory frame.
//
// The change is selection's, then mutation's at the rates set; the mean
// fitness is selection's alone. An infinite population is plotted whatever
// the population size, since these are what it would follow.
void Quorvelcode::Wmean_Click() {
    const Fitnesses w{ParameterValue(w1), ParameterValue(w2), ParameterValue(w3)};
    const PopulationSettings model = Populations();
    const SweepCurves sweep{w, model.mutationToa, model.mutationToA};
    CurveSummary summary;
    const ActionNote note(*this, [&summary, sweep](bool) {
        return Sentence([summary, sweep](words::Language language) {
            return summary.sentence(language, sweep);
        });
    });
    KeptCurve<SweepCurves> kept(drawn, sweep);
    pscan = Sweep(w, sweep.mutationToa, sweep.mutationToA, [this, &summary](const SweepPass &pass) {
        pscan = pass.p;
        wbar = pass.meanFitness;
        summary.addMeanFitness(pscan, wbar);
        if (pass.changeDrawn) {
            pscanNext = pass.next;
            dp = pass.change;
            summary.addChange(pscan, dp);
        } else {
            summary.addUndefinedChange(pscan);
        }
        plot::Pass(*surface, pass);
    });
    if (!summary.anyChange())
        throw platform::ActionStopped(ZeroMeanFitnessEverywhere(language_, w));
    plot::BalanceMarks(*surface, Balances(w, sweep.mutationToa, sweep.mutationToA));
}

} // namespace quorvel
