#pragma once

#include <cstdint>
#include <vector>

namespace quorvel::platform::qt {

// Plays a WAV file in memory (16-bit mono PCM, as the window makes them) in
// the background, stopping the one before. Where no sound server or library
// is there (a lab machine without audio, CI) nothing plays and nothing fails.
void PlayWav(const std::vector<std::uint8_t> &wav);

} // namespace quorvel::platform::qt
