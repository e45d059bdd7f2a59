#pragma once

#include "curves/drawn_curves.h"
#include "reading/readout.h"

#include <cstdint>
#include <vector>

// A curve as sound, for those who cannot see it: about two seconds, left to
// right along the curve, the pitch rising with the height of each point in its
// frame, from 220 Hz at the bottom to 880 Hz at the top on a log scale; a short
// click where the change of p turns from one sign to the other. Mono 16-bit
// samples, made here; a backend only plays them.
namespace quorvel {

inline constexpr int SoundRate = 22050;

std::vector<std::int16_t> CurveSound(const DrawnCurves &drawn, const Series &series);

// The samples as a WAV file in memory, which every platform plays.
std::vector<std::uint8_t> Wav(const std::vector<std::int16_t> &samples);

} // namespace quorvel
