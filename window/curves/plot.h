#pragma once

// Where RUN and W Mean put their points, in the window's pixels: the three
// frames as the layout places them and the coordinate systems they carry,
// written once for the layout, the actions, redrawing, the readouts and the
// sound.
#include "colours.h"
#include "drawing_surface.h"
#include "settings/settings.h"

#include <span>
#include <vector>

namespace quorvel {
struct SweepPass;
struct Balance;
} // namespace quorvel

namespace quorvel::plot {

// A frame: left, top, width and height in pixels. Its right and bottom edges
// are left + width and top + height, and belong to it.
struct Frame {
    int left, top, width, height;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool contains(double x, double y) const {
        return x >= left && x <= right() && y >= top && y <= bottom();
    }
};

// Shape1: generation 0 at its left edge to the last of the generations it
// spans (100 unless the user sets more or fewer) at its right, five pixels a
// generation for 100; p = 0 on its bottom edge to 1 on its top, 151 pixels a
// unit.
inline constexpr Frame TrajectoryFrame{96, 136, 500, 151};
// Shape2: p from 0 to 1 across, 150 pixels a unit; the mean fitness from 0
// on its bottom edge to 1 on its top.
inline constexpr Frame MeanFitnessFrame{96, 320, 150, 100};
// Deltap: p across as in Shape2; the change of p around its zero line,
// Line2, 150 pixels a unit, so +0.3 on its top edge.
inline constexpr Frame ChangeFrame{256, 320, 150, 100};
inline constexpr int ChangeZeroY = 365;
inline constexpr double ChangeScale = 150.0;

// The change curve's colour: near-black, apart from the trajectories' blue.
inline constexpr platform::Colour ChangeColour = platform::Colour::FromRgb(2, 3, 4);

// Beside a run's populations, the infinite population they would follow
// without drift: black, and three pixels wide, so that it stands apart from
// them by more than its colour, and drawn over them.
inline constexpr platform::Colour ReferenceColour = platform::Colour::FromRgb(0, 0, 0);
inline constexpr int ReferenceWidth = 3;

// What the frame spans unless the user sets another number: 100.
inline constexpr int DefaultGenerations =
    static_cast<int>(settings::Of(settings::Id::Generations)
                         .valueAt(settings::Of(settings::Id::Generations).defaultPosition));

inline double GenerationX(int generation, int generations = DefaultGenerations) {
    // 500 * generation / 100 is exact: five pixels a generation, as always.
    return TrajectoryFrame.left +
           TrajectoryFrame.width * static_cast<double>(generation) / generations;
}
inline double FrequencyY(double frequency) {
    return TrajectoryFrame.bottom() - TrajectoryFrame.height * frequency;
}
inline double MeanFitnessX(double p) {
    return MeanFitnessFrame.left + MeanFitnessFrame.width * p;
}
inline double MeanFitnessY(double meanFitness) {
    return MeanFitnessFrame.bottom() - MeanFitnessFrame.height * meanFitness;
}
inline double ChangeX(double p) {
    return ChangeFrame.left + ChangeFrame.width * p;
}
inline double ChangeY(double change) {
    return ChangeZeroY - ChangeScale * change;
}

// What RUN draws for a generation: a dot at generation 0, which becomes the
// current point, and a segment to each later one, on an axis of so many
// generations.
void Generation(platform::DrawingSurface &surface, int generation, double frequency,
                int generations = DefaultGenerations);
// The segments of many lines drawn together, from one generation to the
// next: each starts where it ended a generation before. `segments` is room
// to build them in, kept from one generation to the next.
void Steps(platform::DrawingSurface &surface, int generation, std::span<const double> from,
           std::span<const double> to, int generations, std::vector<platform::Segment> &segments);
// The infinite population's line beside the populations, over them.
void ReferenceLine(platform::DrawingSurface &surface, const std::vector<double> &p,
                   int generations);
// What W Mean draws for a pass: its mean fitness, and its change where that
// is defined.
void Pass(platform::DrawingSurface &surface, const SweepPass &pass);

// The balances W Mean marks, each twice: on the change's zero line at its p,
// and at its height on the right edge of the trajectory frame, where the
// runs level off. A disc seven pixels across where it is stable, a ring
// where it is not, so that they differ by more than a colour.
inline constexpr platform::Colour BalanceColour = ChangeColour;
void BalanceMarks(platform::DrawingSurface &surface, const std::vector<Balance> &balances);

} // namespace quorvel::plot
