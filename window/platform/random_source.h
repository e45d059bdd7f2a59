#pragma once

#include <cstdint>

namespace quorvel::platform {

// A seed no one can foresee, for each run of finite populations: from the
// system's own source of randomness, never the clock, so that two students
// who press RUN in the same second still draw populations of their own.
std::uint64_t FreshSeed();

} // namespace quorvel::platform
