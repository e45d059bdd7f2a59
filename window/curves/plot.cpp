#include "curves/plot.h"

#include "curves/sweep.h"

namespace quorvel::plot {

// Coordinates reach the drawing in single precision.
void Generation(platform::DrawingSurface &surface, int generation, double frequency,
                int generations) {
    const auto x = static_cast<float>(GenerationX(generation, generations));
    const auto y = static_cast<float>(FrequencyY(frequency));
    generation == 0 ? surface.PSet(x, y) : surface.Line(x, y);
}

void Steps(platform::DrawingSurface &surface, int generation, std::span<const double> from,
           std::span<const double> to, int generations, std::vector<platform::Segment> &segments) {
    const auto x0 = static_cast<float>(GenerationX(generation - 1, generations));
    const auto x1 = static_cast<float>(GenerationX(generation, generations));
    segments.clear();
    for (std::size_t i = 0; i < to.size(); ++i)
        segments.push_back({x0, static_cast<float>(FrequencyY(from[i])), x1,
                            static_cast<float>(FrequencyY(to[i]))});
    surface.Segments(segments);
}

void ReferenceLine(platform::DrawingSurface &surface, const std::vector<double> &p,
                   int generations) {
    for (std::size_t g = 0; g < p.size(); ++g) {
        const auto x = static_cast<float>(GenerationX(static_cast<int>(g), generations));
        const auto y = static_cast<float>(FrequencyY(p[g]));
        g == 0 ? surface.MoveTo(x, y) : surface.Line(x, y, ReferenceColour, ReferenceWidth);
    }
}

void Pass(platform::DrawingSurface &surface, const SweepPass &pass) {
    surface.PSet(static_cast<float>(MeanFitnessX(pass.p)),
                 static_cast<float>(MeanFitnessY(pass.meanFitness)));
    if (pass.changeDrawn)
        surface.PSet(static_cast<float>(ChangeX(pass.p)), static_cast<float>(ChangeY(pass.change)),
                     ChangeColour);
}

} // namespace quorvel::plot
