#pragma once

#include "fitness.h"
#include "populations.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

// A RUN, kept as what it was drawn from, and its frequencies worked out again
// from that when they are read: a run of a thousand populations over ten
// thousand generations would take 80 MB to keep.
namespace quorvel {

struct TrajectoryCurve {
    Fitnesses w;
    double p0 = 0.0;
    PopulationSettings settings;
    // What its populations drew from; nothing where N is infinite.
    std::uint64_t seed = 0;
    // Generations computed: all it was set to, or fewer where a mean fitness
    // of 0 stopped it.
    int generations = 0;

    // Its lines: each population, then, with finite populations, the infinite
    // population beside them.
    int populations() const { return settings.drawn(); }
    bool hasReference() const { return !settings.infinite(); }
    int lines() const { return populations() + (hasReference() ? 1 : 0); }
    friend bool operator==(const TrajectoryCurve &, const TrajectoryCurve &) = default;
};

// Runs it again from its start, generation by generation: visit(generation,
// the populations' frequencies, the reference's) from generation 0 to the
// last it computed, or to `last` where that comes first. The populations are
// the same bits as when it was drawn.
template <class Visit> void Replay(const TrajectoryCurve &run, Visit &&visit, int last = -1) {
    const int until = last < 0 ? run.generations : std::min(last, run.generations);
    PopulationRun replay(run.w, run.p0, run.settings, run.seed);
    visit(0, replay.frequencies(), replay.reference());
    while (replay.generation() < until) {
        replay.step();
        visit(replay.generation(), replay.frequencies(), replay.reference());
    }
}

// A run's values at any generation, for reading them one by one: the run is
// made again once, keeping where it stood every Stride generations, and a
// stretch of generations is made again from the nearest of those when it is
// asked for.
class RunValues {
public:
    explicit RunValues(const TrajectoryCurve &run);

    const TrajectoryCurve &run() const { return run_; }
    // Every line's frequency in one generation: the populations', then the
    // reference's where there is one.
    std::span<const double> at(int generation);
    double at(int line, int generation) { return at(generation)[static_cast<std::size_t>(line)]; }
    // One line over all its generations.
    std::vector<double> line(int line);
    // Roughly what it holds, to bound how many are cached.
    std::size_t bytes() const;

    // The generations are made again in stretches of Stride, from the state
    // the run had at the start of each; a stretch also holds its last
    // generation, the next one's first.
    static constexpr int Stride = 64;
    int stretches() const { return static_cast<int>(ranges_.size()); }
    // The least and the greatest frequency of any line in a stretch, so
    // that a search can pass over stretches far from where it looks.
    struct Range {
        double low, high;
    };
    Range range(int stretch) const { return ranges_[static_cast<std::size_t>(stretch)]; }

private:
    void makeStretch(int stretch);

    TrajectoryCurve run_;
    std::vector<PopulationRun::State> marks_; // at generations 0, Stride, 2 Stride ...
    std::vector<Range> ranges_;               // one a stretch
    int stretch_ = -1;
    std::vector<double> values_; // (Stride + 1) generations of every line, from stretch_ * Stride
};

} // namespace quorvel
