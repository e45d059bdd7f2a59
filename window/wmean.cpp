#include "quorvelcode.h"

#include "fitness.h"
#include "narration.h"

namespace quorvel {

namespace {

const platform::Colour ChangeColour = platform::Colour::FromRgb(2, 3, 4);

} // namespace

// Sweeps p from 0 in steps of 0.001 and plots, dot by dot, the mean fitness in
// Shape2 and the one-generation change of frequency in Deltap. The steps add
// up rounding, so the sweep ends after the pass at 0.9990000000000008 and
// p = 1 itself is never plotted.
void Quorvelcode::Wmean_Click() {
    const double wAA = ParameterValue(w1);
    const double wAa = ParameterValue(w2);
    const double waa = ParameterValue(w3);
    CurveSummary drawn;
    const ActionNote note(*this, [&, w = Fitnesses{wAA, wAa, waa}](bool finished) {
        return drawn.sentence(w, finished, pscan);
    });
    pscan = 0.0;
    while (pscan <= 1.0) {
        wbar = MeanFitness(pscan, wAA, wAa, waa);
        // The mean-fitness dot comes before the division that may fail.
        PSet(static_cast<float>(96.0 + 150.0 * pscan), static_cast<float>(420.0 - 100.0 * wbar));
        pscanNext = NextFrequency(pscan, wbar, wAA, wAa);
        dp = pscanNext - pscan;
        PSet(static_cast<float>(256.0 + 150.0 * pscan), static_cast<float>(365.0 - 150.0 * dp),
             ChangeColour);
        drawn.add(pscan, wbar, dp);
        pscan = pscan + 0.001;
    }
}

} // namespace quorvel
