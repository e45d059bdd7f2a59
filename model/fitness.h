#pragma once

#include <stdexcept>

// One locus, two alleles A and a, random mating, discrete generations.
// p is always the frequency of A; fitnesses are those of AA, Aa and aa.
namespace quorvel {

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

double MeanFitness(double p, double wAA, double wAa, double waa);

// wbar is the mean fitness at the same p and fitnesses, as the caller has just
// computed it; w(aa) does not enter the numerator.
double NextFrequency(double p, double wbar, double wAA, double wAa);

} // namespace quorvel
