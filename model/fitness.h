#pragma once

#include <stdexcept>

// One locus, two alleles A and a, random mating, discrete generations.
// p is always the frequency of A; fitnesses are those of AA, Aa and aa.
namespace quorvel {

// The three genotype fitnesses, w(AA), w(Aa) and w(aa), that a trajectory or
// a sweep is computed with.
struct Fitnesses {
    double wAA, wAa, waa;
    friend bool operator==(const Fitnesses &, const Fitnesses &) = default;
};

// Raised by NextFrequency when the mean fitness it divides by is exactly 0:
// the next generation's frequency is then undefined.
class ZeroMeanFitness : public std::domain_error {
public:
    explicit ZeroMeanFitness(bool numeratorIsZero);
    // True for 0/0, false for a non-zero numerator over 0.
    bool numeratorIsZero() const noexcept { return numeratorIsZero_; }

private:
    bool numeratorIsZero_;
};

// Raises ZeroMeanFitness; kept out of line so the arithmetic stays inline and short.
[[noreturn]] void RaiseZeroMeanFitness(bool numeratorIsZero);

// The grouping of each sum below is deliberate: results are compared bit for
// bit, so the terms must be added in this order. Both are inline because a run
// is a chain of 100 of them, each waiting on the last.
inline double MeanFitness(double p, double wAA, double wAa, double waa) {
    const double q = 1.0 - p;
    return ((p * p * wAA) + (((2.0 * p) * q) * wAa)) + (q * q * waa);
}

// wbar is the mean fitness at the same p and fitnesses, as the caller has just
// computed it; w(aa) does not enter the numerator.
inline double NextFrequency(double p, double wbar, double wAA, double wAa) {
    const double q = 1.0 - p;
    // Heterozygotes pass A to half their gametes, hence p*q rather than 2*p*q.
    const double numerator = (p * p * wAA) + ((p * q) * wAa);
    // A double division by zero would quietly give inf or NaN; refuse it instead.
    if (wbar == 0.0) [[unlikely]]
        RaiseZeroMeanFitness(numerator == 0.0);
    return numerator / wbar;
}

} // namespace quorvel
