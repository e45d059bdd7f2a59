#pragma once

// Where RUN and W Mean put their points, in the window's pixels: the frames'
// coordinate systems, written once for the actions, the readouts and redrawing.
#include "colours.h"

namespace quorvel::plot {

// The change curve's colour: near-black, apart from the trajectories' blue.
inline constexpr platform::Colour ChangeColour = platform::Colour::FromRgb(2, 3, 4);

// Generation 0 to 100 across Shape1, five pixels a generation.
inline double GenerationX(int generation) {
    return 96 + 5 * generation;
}
// p = 0 at y = 287 and p = 1 at y = 136, 151 pixels per unit of frequency.
inline double FrequencyY(double frequency) {
    return 287.0 - 151.0 * frequency;
}
// Shape2 and Deltap: p from 0 to 1 over 150 pixels.
inline double MeanFitnessX(double p) {
    return 96.0 + 150.0 * p;
}
inline double MeanFitnessY(double meanFitness) {
    return 420.0 - 100.0 * meanFitness;
}
inline double ChangeX(double p) {
    return 256.0 + 150.0 * p;
}
inline double ChangeY(double change) {
    return 365.0 - 150.0 * change;
}

} // namespace quorvel::plot
