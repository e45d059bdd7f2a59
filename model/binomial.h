#pragma once

#include "random.h"

#include <cstdint>

namespace quorvel {

// One draw from the binomial distribution: the number of successes in n
// independent trials of probability p each, as when 2N gene copies of the next
// generation are drawn from the parents' allele frequency. Exact for every n
// and p, not a normal or Poisson approximation, and bit for bit the same on
// every platform for the same generator state. p = 0, p = 1 and n = 0 give
// 0, n and 0 without drawing; p outside [0, 1] or NaN throws
// std::invalid_argument.
std::uint32_t Binomial(Generator &generator, std::uint32_t n, double p);

} // namespace quorvel
