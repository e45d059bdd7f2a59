#include "quorvelcode.h"

#include "fitness.h"
#include "narration.h"
#include "plot.h"
#include "zero_mean_fitness_message.h"

namespace quorvel {

// Sweeps p from 0 in steps of 0.001 and plots, dot by dot, the mean fitness in
// Shape2 and the one-generation change of frequency in Deltap. The steps add
// up rounding, so the sweep ends after the pass at 0.9990000000000008 and
// p = 1 itself is never plotted.
//
// The mean fitness is defined at every p; the change is not where the mean
// fitness is 0 (at p = 0 for a recessive lethal). Such a pass draws its mean
// fitness only, and the description says where the change is missing. Only a
// sweep that can draw no change at all (every fitness 0) reports an error,
// once all its mean-fitness dots are drawn.
void Quorvelcode::Wmean_Click() {
    const double wAA = ParameterValue(w1);
    const double wAa = ParameterValue(w2);
    const double waa = ParameterValue(w3);
    const Fitnesses w{wAA, wAa, waa};
    CurveSummary summary;
    const ActionNote note(*this, [&](bool) { return summary.sentence(w); });
    KeptCurve<SweepCurves> kept(drawn, {w});
    pscan = 0.0;
    while (pscan <= 1.0) {
        wbar = MeanFitness(pscan, wAA, wAa, waa);
        PSet(static_cast<float>(plot::MeanFitnessX(pscan)),
             static_cast<float>(plot::MeanFitnessY(wbar)));
        summary.addMeanFitness(pscan, wbar);
        if (wbar != 0.0) {
            pscanNext = NextFrequency(pscan, wbar, wAA, wAa);
            dp = pscanNext - pscan;
            PSet(static_cast<float>(plot::ChangeX(pscan)), static_cast<float>(plot::ChangeY(dp)),
                 plot::ChangeColour);
            summary.addChange(pscan, dp);
        } else {
            summary.addUndefinedChange(pscan);
        }
        pscan = pscan + 0.001;
    }
    if (!summary.anyChange())
        throw platform::ActionStopped(ZeroMeanFitnessEverywhere(w));
}

} // namespace quorvel
