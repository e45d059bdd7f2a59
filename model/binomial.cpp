#include "binomial.h"

#include "exact_math.h"

#include <cmath>
#include <stdexcept>

namespace quorvel {

namespace {

// Inversion, for n p < 10 (p <= 1/2): walks the probabilities from k = 0, each
// from the last by the ratio P(k) / P(k - 1) = (n - k + 1) / k * p / q, taking
// them off one uniform until it falls inside one. About n p + 1 steps. The
// computed probabilities may add up to a hair less than 1; a uniform that
// outlasts them all (or outlasts them until they underflow) is drawn again.
std::uint32_t Inversion(Generator &generator, std::uint32_t n, double p) {
    const double q = 1.0 - p;
    const double odds = p / q;
    const double scaled = (n + 1.0) * odds;
    const double first = Exp(n * Log1p(-p)); // q^n, at least e^-14 here
    for (;;) {
        double u = generator.uniform();
        double probability = first;
        for (std::uint32_t k = 0; k < n; ++k) {
            if (u < probability)
                return k;
            u -= probability;
            probability *= scaled / (k + 1.0) - odds;
            if (probability == 0.0)
                break;
        }
        if (u < probability)
            return n;
    }
}

// W. Hörmann, "The generation of binomial random variates" (Journal of
// Statistical Computation and Simulation 46, 1993), algorithm BTRS: transformed
// rejection with squeeze, for n p >= 10 (p <= 1/2). A uniform pair (u, v) maps
// to k = floor((2a / us + b) u + c) under a hat close to the distribution.
// About four pairs in five are accepted by a squeeze with no logarithm at all;
// the rest are accepted when log V, V = v alpha / (a / us^2 + b), is at most
// log(P(k) / P(m)), m the mode.
std::uint32_t Btrs(Generator &generator, std::uint32_t count, double p) {
    const double n = count;
    const double q = 1.0 - p;
    const double npq = n * p * q;
    const double spq = std::sqrt(npq);
    const double b = 1.15 + 2.53 * spq;
    const double a = -0.0873 + 0.0248 * b + 0.01 * p;
    const double c = n * p + 0.5;
    const double inverseB = 1.0 / b;
    const double vr = 0.92 - 4.2 * inverseB;
    const double alpha = (2.83 + 5.1 * inverseB) * spq;
    const double m = std::floor((n + 1.0) * p);
    // h, which only the exact test below needs, waits until a pair first gets
    // there: p changes from one call to the next (one draw per population per
    // generation), so every call is a new setup, and fewer than one in a
    // hundred calls at n = 2,000,000 ever need h.
    bool haveH = false;
    double h = 0.0;
    for (;;) {
        const double u = generator.uniform() - 0.5;
        const double v = generator.uniform();
        const double us = 0.5 - std::abs(u);
        const double k = std::floor((2.0 * a / us + b) * u + c);
        // Within the squeeze (|u| <= 0.43) k lies in [0, n] whenever n p >= 10.
        if (us >= 0.07 && v <= vr)
            return static_cast<std::uint32_t>(k);
        if (!(k >= 0.0 && k <= n))
            continue;
        const double us2 = us * us;
        const double logV = Log(v * alpha * us2 / (a + b * us2));
        // Kachitvichyanukul and Schmeiser's bounds (algorithm BTPE, "Binomial
        // random variate generation", Communications of the ACM 31, 1988):
        // log(P(k) / P(m)) lies within rho of -x^2 / (2 n p q), x = |k - m|,
        // for 20 < x < n p q / 2 - 1. Outside [t - rho, t + rho] they decide.
        // They are tightest at p = 1/2 and x = 21, where exact rational
        // arithmetic still finds 3e-7 of rho to spare at n = 2^32 - 1, far
        // above the rounding of these few operations.
        const double x = std::abs(k - m);
        if (x > 20.0 && x < npq / 2.0 - 1.0) {
            const double rho = (x / npq) * ((x * (x / 3.0 + 0.625) + 1.0 / 6.0) / npq + 0.5);
            const double t = -x * x / (2.0 * npq);
            if (logV < t - rho)
                return static_cast<std::uint32_t>(k);
            if (logV > t + rho)
                continue;
        }
        // The exact test: log(P(k) / P(m)) through Stirling's formula, grouped
        // so that log-factorials of millions cancel before they are rounded;
        // (n + 1) log((n - m + 1) / (n - k + 1)) is taken through Log1p, as
        // its factor n + 1 would magnify a rounded ratio.
        if (!haveH) {
            h = (m + 0.5) * Log((m + 1.0) * q / (p * (n - m + 1.0))) +
                StirlingCorrection(static_cast<std::uint32_t>(m)) +
                StirlingCorrection(static_cast<std::uint32_t>(n - m));
            haveH = true;
        }
        const double nk = n - k + 1.0;
        const double logRatio = h + (n + 1.0) * Log1p((k - m) / nk) +
                                (k + 0.5) * Log(nk * p / (q * (k + 1.0))) -
                                StirlingCorrection(static_cast<std::uint32_t>(k)) -
                                StirlingCorrection(static_cast<std::uint32_t>(n - k));
        if (logV <= logRatio)
            return static_cast<std::uint32_t>(k);
    }
}

} // namespace

std::uint32_t Binomial(Generator &generator, std::uint32_t n, double p) {
    if (!(p >= 0.0 && p <= 1.0))
        throw std::invalid_argument("binomial draw with p outside [0, 1]");
    // Both methods want p <= 1/2; 1 - p is exact for p > 1/2.
    const bool mirrored = p > 0.5;
    const double pp = mirrored ? 1.0 - p : p;
    std::uint32_t k = 0;
    if (n > 0 && pp > 0.0)
        k = n * pp < 10.0 ? Inversion(generator, n, pp) : Btrs(generator, n, pp);
    return mirrored ? n - k : k;
}

} // namespace quorvel
