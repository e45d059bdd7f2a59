#include "theory.h"

#include "exact_math.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quorvel {

namespace {

// The change of p, selection's then mutation's, times the mean fitness: a
// cubic in p with the change's sign and roots wherever the mean fitness is
// not 0. Written as the model writes the change, not as a cubic's
// coefficients, which would lose digits near a root.
struct ScaledChange {
    double a, b, c; // w(AA), w(Aa), w(aa)
    double u, v;

    double operator()(double p) const {
        // Selection's pq (p (w(AA) - w(Aa)) + q (w(Aa) - w(aa))), then u times
        // the A gametes lost and v times the a gametes gained: products, with
        // no difference of two near-equal sums, so that a balance near an
        // end (1 - sqrt(u) for a recessive lethal) keeps its last digits.
        const double q = 1.0 - p;
        const double selection = (p * q) * (p * (a - b) + q * (b - c));
        return selection - u * (p * (p * a + q * b)) + v * (q * (p * b + q * c));
    }
    // Where its slope is 0, in (0, 1): from its coefficients, which only
    // split [0, 1] into pieces where it is monotone.
    std::vector<double> turningPoints() const {
        const double k = 1.0 - u - v;
        const double curvature = a - 2.0 * b + c;
        const double c3 = -curvature;
        const double c2 = k * (a - b) + v * curvature - 2.0 * (b - c);
        const double c1 = k * b + 2.0 * v * (b - c) - c;
        // 3 c3 p^2 + 2 c2 p + c1 = 0
        std::vector<double> points;
        if (c3 == 0.0) {
            if (c2 != 0.0)
                points.push_back(-c1 / (2.0 * c2));
        } else {
            const double discriminant = 4.0 * c2 * c2 - 12.0 * c3 * c1;
            if (discriminant >= 0.0) {
                const double root = std::sqrt(discriminant);
                points.push_back((-2.0 * c2 - root) / (6.0 * c3));
                points.push_back((-2.0 * c2 + root) / (6.0 * c3));
            }
        }
        std::erase_if(points, [](double p) { return !(p > 0.0 && p < 1.0); });
        std::sort(points.begin(), points.end());
        return points;
    }
};

int Sign(double x) {
    return x > 0.0 ? 1 : x < 0.0 ? -1 : 0;
}

// A root between lo and hi, where the change has opposite signs, halved until
// no double lies between.
double Bisect(const ScaledChange &change, double lo, double hi) {
    const int signLo = Sign(change(lo));
    for (;;) {
        const double mid = lo + (hi - lo) / 2.0;
        if (mid <= lo || mid >= hi)
            return std::abs(change(lo)) <= std::abs(change(hi)) ? lo : hi;
        const double at = change(mid);
        if (at == 0.0)
            return mid;
        (Sign(at) == signLo ? lo : hi) = mid;
    }
}

} // namespace

std::vector<Balance> Balances(const Fitnesses &w, double u, double v) {
    const ScaledChange change{w.wAA, w.wAa, w.waa, u, v};
    if (w.wAA == 0.0 && w.wAa == 0.0 && w.waa == 0.0)
        return {};
    std::vector<double> roots;
    const bool mutation = u != 0.0 || v != 0.0;
    if (!mutation) {
        // Without selection p stays wherever it is: no one balance to mark.
        if (w.wAA == w.wAa && w.wAa == w.waa)
            return {};
        roots = {0.0, 1.0};
        const double denominator = 2.0 * w.wAa - w.wAA - w.waa;
        if (denominator != 0.0) {
            const double inner = (w.wAa - w.waa) / denominator;
            if (inner > 0.0 && inner < 1.0)
                roots.insert(roots.begin() + 1, inner);
        }
    } else {
        // Without mutation to A, a population without it stays so, whatever
        // its fitness; the same for a.
        if (v == 0.0)
            roots.push_back(0.0);
        std::vector<double> ends{0.0};
        for (const double point : change.turningPoints())
            ends.push_back(point);
        ends.push_back(1.0);
        for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
            const double lo = ends[i], hi = ends[i + 1];
            const int signLo = Sign(change(lo)), signHi = Sign(change(hi));
            if (i > 0 && signLo == 0)
                roots.push_back(lo); // touches 0 where it turns
            else if (signLo != 0 && signHi != 0 && signLo != signHi)
                roots.push_back(Bisect(change, lo, hi));
        }
        if (u == 0.0)
            roots.push_back(1.0);
        std::sort(roots.begin(), roots.end());
        roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    }
    // Stable where p rises below the balance and falls above it; at an end,
    // where it returns from its one side.
    std::vector<Balance> balances;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        const double r = roots[i];
        const double below = i > 0 ? roots[i - 1] : 0.0;
        const double above = i + 1 < roots.size() ? roots[i + 1] : 1.0;
        const bool risesBelow = r == 0.0 || change(below + (r - below) / 2.0) > 0.0;
        const bool fallsAbove = r == 1.0 || change(r + (above - r) / 2.0) < 0.0;
        balances.push_back({r, risesBelow && fallsAbove});
    }
    return balances;
}

namespace {

// Gauss-Legendre, eight points on [-1, 1].
constexpr std::array<double, 4> Nodes{0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                      0.9602898564975363};
constexpr std::array<double, 4> Weights{0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                        0.1012285362903763};

template <class F> double GaussLegendre(double from, double to, F &&f) {
    const double half = (to - from) / 2.0, middle = from + half;
    double sum = 0.0;
    for (std::size_t i = 0; i < Nodes.size(); ++i)
        sum += Weights[i] * (f(middle - half * Nodes[i]) + f(middle + half * Nodes[i]));
    return sum * half;
}

// The diffusion of p under selection and drift in N diploids. Its drift term
// over the sampling variance, dp / (p (1 - p)), is
//   g(p) = (p (w(AA) - w(Aa)) + (1 - p) (w(Aa) - w(aa))) / mean fitness,
// smooth on [0, 1] when neither homozygote is unfit; phi = -4N int_0^x g is
// the logarithm of psi. g's numerator is linear, so phi has at most one turn.
class Diffusion {
public:
    Diffusion(const Fitnesses &w, double fourN) : w_(w), fourN_(fourN) {}

    double g(double p) const { return slope(p) / mean(p); }

    // phi at x, from 0, in panels short beside the mean fitness's own scale.
    double phi(double x) const {
        double at = 0.0, integral = 0.0;
        while (at < x) {
            const double next = std::min(x, at + gPanel(at));
            integral += GaussLegendre(at, next, [this](double p) { return g(p); });
            at = next;
        }
        return -fourN_ * integral;
    }

    // The turn of phi, where g is 0, if any in (0, 1).
    std::optional<double> turn() const {
        const double denominator = 2.0 * w_.wAa - w_.wAA - w_.waa;
        if (denominator == 0.0)
            return std::nullopt;
        const double at = (w_.wAa - w_.waa) / denominator;
        if (!(at > 0.0 && at < 1.0))
            return std::nullopt;
        return at;
    }

    // int e^(phi - top) from `from` towards `to`, phi being monotone between
    // them and phiFrom its value at `from`; panels short enough that phi
    // changes by about 1 across each, until it is so far below `top` that
    // nothing more counts.
    double sweep(double from, double to, double phiFrom, double top) const {
        constexpr double Negligible = -70.0; // e^-70: below any digit of the result
        const double direction = to > from ? 1.0 : -1.0;
        double at = from, phiAt = phiFrom, sum = 0.0;
        while (direction * (to - at) > 0.0 && phiAt - top > Negligible) {
            const double gAt = std::abs(g(at));
            const double bend = std::abs(gSlope(at));
            double width = std::min(gPanel(at), 1.0 / (fourN_ * gAt + 1e-300));
            width = std::min(width, 0.5 / std::sqrt(fourN_ * bend + 1e-300));
            width = std::min(width, direction * (to - at));
            // A width below the last bit of `at` would never end the sweep.
            const double step = at + direction * width;
            const double next = step == at ? to : step;
            width = direction * (next - at);
            const auto phiOf = [&](double x) {
                return phiAt - fourN_ * GaussLegendre(at, x, [this](double p) { return g(p); });
            };
            sum += width * GaussLegendre(0.0, 1.0, [&](double t) {
                       return Exp(phiOf(at + direction * width * t) - top);
                   });
            phiAt = phiOf(next);
            at = next;
        }
        return sum;
    }

private:
    double slope(double p) const { return p * (w_.wAA - w_.wAa) + (1.0 - p) * (w_.wAa - w_.waa); }
    double mean(double p) const { return MeanFitness(p, w_.wAA, w_.wAa, w_.waa); }
    double meanSlope(double p) const {
        return 2.0 * (p * w_.wAA + (1.0 - 2.0 * p) * w_.wAa - (1.0 - p) * w_.waa);
    }
    double gSlope(double p) const {
        const double m = mean(p);
        return ((w_.wAA - 2.0 * w_.wAa + w_.waa) * m - slope(p) * meanSlope(p)) / (m * m);
    }
    double gPanel(double p) const {
        return std::min(1.0 / 16.0, 0.25 * mean(p) / (std::abs(meanSlope(p)) + 1e-300));
    }

    Fitnesses w_;
    double fourN_;
};

// log int_0^x e^phi, as (the largest phi, the integral of e^(phi - it)).
struct Scaled {
    double top, integral;
};

Scaled IntegralTo(const Diffusion &diffusion, double x) {
    std::vector<double> ends{0.0};
    if (const std::optional<double> turn = diffusion.turn(); turn && *turn < x)
        ends.push_back(*turn);
    ends.push_back(x);
    std::vector<double> phis;
    for (const double end : ends)
        phis.push_back(end == 0.0 ? 0.0 : diffusion.phi(end));
    const double top = *std::max_element(phis.begin(), phis.end());
    double integral = 0.0;
    for (std::size_t i = 0; i + 1 < ends.size(); ++i)
        integral += phis[i] >= phis[i + 1]
                        ? diffusion.sweep(ends[i], ends[i + 1], phis[i], top)
                        : diffusion.sweep(ends[i + 1], ends[i], phis[i + 1], top);
    return {top, integral};
}

} // namespace

std::optional<double> FixationChance(const Fitnesses &w, std::uint32_t size, double p0) {
    if (size == 0 || w.wAA <= 0.0 || w.waa <= 0.0 || !(p0 >= 0.0 && p0 <= 1.0))
        return std::nullopt;
    if (p0 == 0.0 || p0 == 1.0)
        return p0;
    if (w.wAA == w.wAa && w.wAa == w.waa)
        return p0;
    const Diffusion diffusion(w, 4.0 * static_cast<double>(size));
    const Scaled part = IntegralTo(diffusion, p0);
    const Scaled whole = IntegralTo(diffusion, 1.0);
    const double chance = Exp(part.top - whole.top) * (part.integral / whole.integral);
    return std::clamp(chance, 0.0, 1.0);
}

double ExpectedHeterozygosity(double p0, std::uint32_t size, int generations) {
    // (1 - 1/2N)^G by squaring, in basic arithmetic only, the same bits everywhere.
    if (size == 0)
        return 2.0 * p0 * (1.0 - p0);
    double kept = 1.0, factor = 1.0 - 1.0 / (2.0 * static_cast<double>(size));
    for (int n = generations; n > 0; n /= 2) {
        if (n % 2 != 0)
            kept *= factor;
        factor *= factor;
    }
    return 2.0 * p0 * (1.0 - p0) * kept;
}

RunExpectation ExpectationOf(const Fitnesses &w, double p0, const PopulationSettings &settings) {
    if (settings.infinite() || settings.mutationToa != 0.0 || settings.mutationToA != 0.0 ||
        settings.migration != 0.0)
        return {};
    RunExpectation expected{FixationChance(w, settings.size, p0), std::nullopt};
    if (w.wAA == w.wAa && w.wAa == w.waa && w.wAA > 0.0)
        expected.heterozygosity = ExpectedHeterozygosity(p0, settings.size, settings.generations);
    return expected;
}

SelectionCoefficients CoefficientsOf(const Fitnesses &w) {
    SelectionCoefficients result;
    const bool aFitter = w.waa > w.wAA;
    result.against =
        aFitter ? SelectionCoefficients::Against::A : SelectionCoefficients::Against::a;
    const double fitter = aFitter ? w.waa : w.wAA;
    const double other = aFitter ? w.wAA : w.waa;
    if (fitter == 0.0)
        return result;
    result.s = 1.0 - other / fitter;
    if (result.s != 0.0)
        result.h = (1.0 - w.wAa / fitter) / result.s;
    return result;
}

} // namespace quorvel
