#include "curves/plot.h"

#include "curves/sweep.h"
#include "theory.h"

#include <array>
#include <cmath>

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

namespace {

// A disc of radius 3 as rows of pixels, (dy, half its width), and the ring
// round it as a closed polygon.
constexpr std::array<std::array<int, 2>, 7> DiscRows{
    {{-3, 1}, {-2, 2}, {-1, 3}, {0, 3}, {1, 3}, {2, 2}, {3, 1}}};
constexpr std::array<std::array<int, 2>, 13> Ring{{{-1, -3},
                                                   {1, -3},
                                                   {2, -2},
                                                   {3, -1},
                                                   {3, 1},
                                                   {2, 2},
                                                   {1, 3},
                                                   {-1, 3},
                                                   {-2, 2},
                                                   {-3, 1},
                                                   {-3, -1},
                                                   {-2, -2},
                                                   {-1, -3}}};

void Mark(platform::DrawingSurface &surface, double x, double y, bool filled) {
    // Centred on the pixel the point falls in, as PSet would draw it.
    const auto cx = static_cast<float>(std::floor(x)), cy = static_cast<float>(std::floor(y));
    if (filled) {
        for (const auto &[dy, half] : DiscRows) {
            surface.MoveTo(cx - static_cast<float>(half), cy + static_cast<float>(dy));
            surface.Line(cx + static_cast<float>(half), cy + static_cast<float>(dy), BalanceColour,
                         1);
        }
        return;
    }
    surface.MoveTo(cx + static_cast<float>(Ring[0][0]), cy + static_cast<float>(Ring[0][1]));
    for (std::size_t i = 1; i < Ring.size(); ++i)
        surface.Line(cx + static_cast<float>(Ring[i][0]), cy + static_cast<float>(Ring[i][1]),
                     BalanceColour, 1);
}

} // namespace

void BalanceMarks(platform::DrawingSurface &surface, const std::vector<Balance> &balances) {
    for (const Balance &balance : balances) {
        Mark(surface, ChangeX(balance.p), ChangeZeroY, balance.stable);
        Mark(surface, TrajectoryFrame.right(), FrequencyY(balance.p), balance.stable);
    }
}

} // namespace quorvel::plot
