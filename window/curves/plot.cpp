#include "curves/plot.h"

#include "curves/sweep.h"

namespace quorvel::plot {

// Coordinates reach the drawing in single precision.
void Generation(platform::DrawingSurface &surface, int generation, double frequency) {
    const auto x = static_cast<float>(GenerationX(generation));
    const auto y = static_cast<float>(FrequencyY(frequency));
    generation == 0 ? surface.PSet(x, y) : surface.Line(x, y);
}

void Pass(platform::DrawingSurface &surface, const SweepPass &pass) {
    surface.PSet(static_cast<float>(MeanFitnessX(pass.p)),
                 static_cast<float>(MeanFitnessY(pass.meanFitness)));
    if (pass.changeDrawn)
        surface.PSet(static_cast<float>(ChangeX(pass.p)), static_cast<float>(ChangeY(pass.change)),
                     ChangeColour);
}

} // namespace quorvel::plot
