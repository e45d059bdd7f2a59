#include "quorvelcode.h"

#include "plot.h"

namespace quorvel {

// At a new scale the drawing is drawn again from the kept curves, as sharp as
// at the old one, with the same primitives RUN and W Mean drew. Where older
// curves are no longer kept it stays as it was, resampled, so nothing is lost.
void Quorvelcode::Drawing_Rescaled() {
    if (drawn.empty() || !drawn.complete())
        return;
    surface->Cls();
    for (const Curve &curve : drawn.all()) {
        if (const auto *trajectory = std::get_if<TrajectoryCurve>(&curve)) {
            for (std::size_t g = 0; g < trajectory->p.size(); ++g) {
                const auto x = static_cast<float>(plot::GenerationX(static_cast<int>(g)));
                const auto y = static_cast<float>(plot::FrequencyY(trajectory->p[g]));
                g == 0 ? PSet(x, y) : Line(x, y);
            }
            continue;
        }
        for (const SweepPass &pass : drawn.passes(std::get<SweepCurves>(curve))) {
            PSet(static_cast<float>(plot::MeanFitnessX(pass.p)),
                 static_cast<float>(plot::MeanFitnessY(pass.meanFitness)));
            if (pass.changeDrawn)
                PSet(static_cast<float>(plot::ChangeX(pass.p)),
                     static_cast<float>(plot::ChangeY(pass.change)), plot::ChangeColour);
        }
    }
}

} // namespace quorvel
