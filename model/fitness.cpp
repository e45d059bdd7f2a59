#include "fitness.h"

namespace quorvel {

ZeroMeanFitness::ZeroMeanFitness(bool numeratorIsZero)
    : std::domain_error(
          numeratorIsZero
              ? "next frequency is 0/0: mean fitness and A's gamete share are both 0"
              : "next frequency divides a non-zero A gamete share by a mean fitness of 0"),
      numeratorIsZero_(numeratorIsZero) {}

// The grouping of each sum below is deliberate: results are compared bit for
// bit, so the terms must be added in this order.
double MeanFitness(double p, double wAA, double wAa, double waa) {
    const double q = 1.0 - p;
    return ((p * p * wAA) + (((2.0 * p) * q) * wAa)) + (q * q * waa);
}

double NextFrequency(double p, double wbar, double wAA, double wAa) {
    const double q = 1.0 - p;
    // Heterozygotes pass A to half their gametes, hence p*q rather than 2*p*q.
    const double numerator = (p * p * wAA) + ((p * q) * wAa);
    // A double division by zero would quietly give inf or NaN; refuse it instead.
    if (wbar == 0.0)
        throw ZeroMeanFitness(numerator == 0.0);
    return numerator / wbar;
}

} // namespace quorvel
