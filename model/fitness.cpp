#include "fitness.h"

namespace quorvel {

ZeroMeanFitness::ZeroMeanFitness(bool numeratorIsZero)
    : std::domain_error(
          numeratorIsZero
              ? "next frequency is 0/0: mean fitness and A's gamete share are both 0"
              : "next frequency divides a non-zero A gamete share by a mean fitness of 0"),
      numeratorIsZero_(numeratorIsZero) {}

void RaiseZeroMeanFitness(bool numeratorIsZero) {
    throw ZeroMeanFitness(numeratorIsZero);
}

} // namespace quorvel
