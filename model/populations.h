#pragma once

#include "fitness.h"
#include "random.h"

#include <cstdint>
#include <span>
#include <vector>

// Many populations of one size at once, each a generation at a time: selection
// as in an infinite population, then mutation both ways, then migration among
// the populations (the island model), then drift, the next generation's 2N
// gene copies drawn at random from the last. Beside them the infinite
// population with the same selection and mutation, which is what they would
// follow without drift.
namespace quorvel {

struct PopulationSettings {
    // Diploid individuals a population; 0 for an infinite population, which
    // does not drift.
    std::uint32_t size = 0;
    int populations = 1;
    int generations = 100;
    double mutationToa = 0.0; // u, A to a
    double mutationToA = 0.0; // v, a to A
    double migration = 0.0;   // m, the share of each population that comes from the pool
    bool infinite() const { return size == 0; }
    // Every population of an infinite size follows the same path: there is
    // one to follow, whatever the number asked for.
    int drawn() const { return infinite() ? 1 : populations; }
    friend bool operator==(const PopulationSettings &, const PopulationSettings &) = default;
};

// Mutation after selection: A becomes a at rate u, a becomes A at rate v.
// Without mutation p is returned exactly as selection left it.
inline double Mutated(double p, double u, double v) {
    if (u == 0.0 && v == 0.0)
        return p;
    return (1.0 - u) * p + v * (1.0 - p);
}

// Selection, as the model has always computed it, then mutation. Raises
// ZeroMeanFitness where the mean fitness is 0.
inline double SelectedAndMutated(double p, const Fitnesses &w, double u, double v) {
    const double wbar = MeanFitness(p, w.wAA, w.wAa, w.waa);
    return Mutated(NextFrequency(p, wbar, w.wAA, w.wAa), u, v);
}

// A run of populations from one seed, generation by generation. Every draw
// comes from one generator in a fixed order, population by population within
// a generation, so that the same seed gives the same bits everywhere.
class PopulationRun {
public:
    // Where a run is between two generations: enough to go on from there
    // exactly as the run itself would.
    struct State {
        int generation = 0;
        std::vector<double> p; // each population's frequency of A
        double reference = 0.0;
        Generator::State random;
    };

    PopulationRun(const Fitnesses &w, double p0, const PopulationSettings &settings,
                  std::uint64_t seed);
    PopulationRun(const Fitnesses &w, const PopulationSettings &settings, State state);

    // One generation more. A mean fitness of 0 raises ZeroMeanFitness and
    // leaves the run where it was; stoppedBy() then names the population.
    void step();

    int generation() const { return state_.generation; }
    // Each population's frequency of A in the current generation.
    std::span<const double> frequencies() const { return state_.p; }
    // The infinite population's, without drift.
    double reference() const { return state_.reference; }
    // The population whose mean fitness was 0, or Reference.
    static constexpr int Reference = -1;
    int stoppedBy() const { return stoppedBy_; }
    State state() const;

private:
    Fitnesses w_;
    PopulationSettings settings_;
    State state_;
    Generator random_;
    std::vector<double> next_;
    int stoppedBy_ = Reference;
};

// How the populations stand: fixed for A, without A, or holding both.
struct Outcome {
    int fixed = 0, lost = 0, both = 0;
    double meanP = 0.0;
    double meanHeterozygosity = 0.0; // of 2p(1 - p)
};
Outcome OutcomeOf(std::span<const double> p);

} // namespace quorvel
