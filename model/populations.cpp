#include "populations.h"

#include "binomial.h"

#include <algorithm>

namespace quorvel {

PopulationRun::PopulationRun(const Fitnesses &w, double p0, const PopulationSettings &settings,
                             std::uint64_t seed)
    : w_(w), settings_(settings), random_(seed) {
    state_.p.assign(static_cast<std::size_t>(settings.drawn()), p0);
    state_.reference = p0;
    next_.resize(state_.p.size());
}

PopulationRun::PopulationRun(const Fitnesses &w, const PopulationSettings &settings, State state)
    : w_(w), settings_(settings), state_(std::move(state)), random_(state_.random) {
    next_.resize(state_.p.size());
}

PopulationRun::State PopulationRun::state() const {
    State state = state_;
    state.random = random_.state();
    return state;
}

void PopulationRun::step() {
    const double u = settings_.mutationToa, v = settings_.mutationToA;
    const std::size_t count = state_.p.size();
    // Into next_ first, so that a mean fitness of 0 leaves the run as it was.
    for (std::size_t i = 0; i < count; ++i) {
        stoppedBy_ = static_cast<int>(i);
        next_[i] = SelectedAndMutated(state_.p[i], w_, u, v);
    }
    stoppedBy_ = Reference;
    const double reference =
        settings_.infinite() ? next_[0] : SelectedAndMutated(state_.reference, w_, u, v);

    // The pool every population sends migrants to: their mean after
    // mutation, added in the populations' order.
    const double m = settings_.migration;
    if (m > 0.0 && count > 1) {
        double sum = 0.0;
        for (const double p : next_)
            sum += p;
        const double pool = sum / static_cast<double>(count);
        for (double &p : next_)
            p = (1.0 - m) * p + m * pool;
    }

    if (!settings_.infinite()) {
        const std::uint32_t copies = 2 * settings_.size;
        const double perCopy = static_cast<double>(copies);
        for (double &p : next_) {
            // Rounding may carry a frequency a hair past 0 or 1.
            const double chance = std::clamp(p, 0.0, 1.0);
            p = static_cast<double>(Binomial(random_, copies, chance)) / perCopy;
        }
    }
    state_.p.swap(next_);
    state_.reference = reference;
    ++state_.generation;
}

Outcome OutcomeOf(std::span<const double> p) {
    Outcome outcome;
    double sum = 0.0, heterozygosity = 0.0;
    for (const double value : p) {
        heterozygosity += 2.0 * value * (1.0 - value);
        if (value == 1.0)
            ++outcome.fixed;
        else if (value == 0.0)
            ++outcome.lost;
        else
            ++outcome.both;
        sum += value;
    }
    outcome.meanP = p.empty() ? 0.0 : sum / static_cast<double>(p.size());
    outcome.meanHeterozygosity = p.empty() ? 0.0 : heterozygosity / static_cast<double>(p.size());
    return outcome;
}

} // namespace quorvel
