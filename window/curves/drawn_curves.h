#pragma once

#include "curves/run_values.h"
#include "curves/sweep.h"
#include "fitness.h"
#include "populations.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <list>
#include <variant>
#include <vector>

// What was drawn since the last CLS, kept as what it was drawn from, so that
// a user can read exact values off a curve, hear it and copy it: the values
// themselves are worked out again, bit for bit, when they are read.
namespace quorvel {

// A W Mean. Its two curves follow from the fitnesses and the mutation rates
// alone, so only these are kept (a thousand passes would take 32 KB a
// sweep); DrawnCurves::passes() works them out again, in the sweep's own
// arithmetic, bit for bit.
struct SweepCurves {
    Fitnesses w;
    double mutationToa = 0.0, mutationToA = 0.0;
};

using Curve = std::variant<TrajectoryCurve, SweepCurves>;

class DrawnCurves {
public:
    // Only the newest curves are kept, a few dozen bytes each: a class that
    // never clears keeps the last thousand.
    static constexpr std::size_t Kept = 1000;

    void add(Curve curve);
    void clear() {
        curves_.clear();
        added_ = 0;
    }
    // Whether every curve since the last clear is still kept, so that the
    // drawing can be made again from them.
    bool complete() const { return added_ == curves_.size(); }
    const std::deque<Curve> &all() const { return curves_; }
    bool empty() const { return curves_.empty(); }
    // A W Mean's passes, as its sweep computed them; the last few are cached.
    const std::vector<SweepPass> &passes(const SweepCurves &sweep) const;
    // A RUN's frequencies, as it computed them; those of the runs read
    // lately are cached, within a bound, not those of every run.
    RunValues &values(const TrajectoryCurve &run) const;

    // How many generations the trajectory frame spans, for every run drawn.
    int axisGenerations() const { return axis_; }
    void setAxisGenerations(int generations) { axis_ = generations; }

private:
    std::deque<Curve> curves_;
    std::size_t added_ = 0;
    int axis_ = 100;
    struct Cached {
        SweepCurves sweep;
        std::vector<SweepPass> passes;
    };
    mutable std::deque<Cached> cache_;
    mutable std::list<RunValues> runs_; // the latest read first
};

// The passes of a sweep with these fitnesses and mutation rates.
std::vector<SweepPass> PassesOf(const SweepCurves &sweep);

// Adds the curve an action builds to the kept curves when the action ends,
// finished or stopped part way, as the drawing keeps what was drawn.
template <class Kind> class KeptCurve {
public:
    KeptCurve(DrawnCurves &drawn, Kind curve) : drawn_(drawn), curve_(std::move(curve)) {}
    ~KeptCurve() {
        try {
            drawn_.add(std::move(curve_));
        } catch (...) {
            // Out of memory: the drawing stays, only its numbers are lost.
        }
    }
    KeptCurve(const KeptCurve &) = delete;
    KeptCurve &operator=(const KeptCurve &) = delete;
    Kind &operator*() { return curve_; }
    Kind *operator->() { return &curve_; }

private:
    DrawnCurves &drawn_;
    Kind curve_;
};

} // namespace quorvel
