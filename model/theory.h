#pragma once

#include "fitness.h"
#include "populations.h"

#include <cstdint>
#include <optional>
#include <vector>

// What theory expects of the model, to hold beside what it draws: where the
// change of p is 0, the chance that drift fixes A, and the fitnesses as a
// selection coefficient and a dominance.
namespace quorvel {

// A frequency where the change of p, selection's then mutation's, is 0, and
// whether p returns there after a small push (stable) or leaves (unstable).
struct Balance {
    double p;
    bool stable;
    friend bool operator==(const Balance &, const Balance &) = default;
};

// Every balance in [0, 1], lowest first, for these fitnesses and the rates
// u (A to a) and v (a to A). p = 0 is one wherever no mutation makes A, and
// p = 1 wherever none makes a; the inner one of over- and underdominance is
// (w(Aa) - w(aa)) / (2 w(Aa) - w(AA) - w(aa)); with mutation the roots of the
// whole change, to the last bit the arithmetic allows. None where the change
// is 0 at every p (no selection, no mutation), or where every fitness is 0.
// A balance that p leaves on either side, even one only, is unstable.
std::vector<Balance> Balances(const Fitnesses &w, double u = 0.0, double v = 0.0);

// The chance that drift fixes A in a population of N diploids starting at p0,
// by the diffusion approximation with the model's own change of p:
//   u(p0) = int_0^p0 psi / int_0^1 psi, psi(x) = exp(-4N int_0^x dp(y) / (y (1 - y)) dy).
// p0 itself without selection; Kimura's (1 - e^(-4Nsp0)) / (1 - e^(-4Ns)) in
// the limit of weak additive selection. Worked out in logarithms, so that no
// N s overflows. None where a homozygote's fitness is 0 (its change has no
// limit at that end) or N is 0 (infinite: no drift).
std::optional<double> FixationChance(const Fitnesses &w, std::uint32_t size, double p0);

// The expected heterozygosity 2p(1-p) after so many generations of drift
// alone: H0 (1 - 1/2N)^G.
double ExpectedHeterozygosity(double p0, std::uint32_t size, int generations);

// What theory expects of a run of populations: the share that fixes A, where
// selection and drift alone act (finite N, no mutation, no migration); and
// where drift alone acts, the mean heterozygosity after it.
struct RunExpectation {
    std::optional<double> fixed, heterozygosity;
};
RunExpectation ExpectationOf(const Fitnesses &w, double p0, const PopulationSettings &settings);

// The fitnesses as w = 1, 1 - hs, 1 - s, divided by the fitter homozygote's:
// s is the selection coefficient against the other homozygote and h the
// dominance of its allele (a where AA is the fitter, A where aa is). h below
// 0 is overdominance, above 1 underdominance.
struct SelectionCoefficients {
    enum class Against { a, A };
    Against against = Against::a;
    double s = 0.0;
    // None where the homozygotes are equally fit (s = 0), or both unfit.
    std::optional<double> h;
};
SelectionCoefficients CoefficientsOf(const Fitnesses &w);

} // namespace quorvel
