#pragma once

#include "curves/sweep.h"
#include "fitness.h"

#include <cstddef>
#include <deque>
#include <variant>
#include <vector>

// What was drawn since the last CLS, kept as computed so that a user can read
// exact values off a curve, hear it and copy it.
namespace quorvel {

// A RUN: the frequency of each generation it drew, from p0 (generation 0) to
// p100, or to where a zero mean fitness stopped it.
struct TrajectoryCurve {
    Fitnesses w;
    double p0 = 0.0;
    std::vector<double> p;
};

// A W Mean. Its two curves follow from the fitnesses alone, so only these
// are kept (a thousand passes would take 32 KB a sweep); DrawnCurves::passes()
// works them out again, in the sweep's own arithmetic, bit for bit.
struct SweepCurves {
    Fitnesses w;
};

using Curve = std::variant<TrajectoryCurve, SweepCurves>;

class DrawnCurves {
public:
    // Only the newest curves are kept: a RUN keeps 101 numbers, so a class that
    // never clears stays under a megabyte of trajectories.
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

private:
    std::deque<Curve> curves_;
    std::size_t added_ = 0;
    struct Cached {
        Fitnesses w;
        std::vector<SweepPass> passes;
    };
    mutable std::deque<Cached> cache_;
};

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
