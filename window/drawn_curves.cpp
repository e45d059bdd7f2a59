#include "drawn_curves.h"

#include "fitness.h"

namespace quorvel {

namespace {

// The W Mean sweep's arithmetic: p from 0 in steps of 0.001 added up, the
// mean fitness at every p, the change where the mean fitness is not 0.
std::vector<SweepPass> Sweep(const Fitnesses &w) {
    std::vector<SweepPass> passes;
    passes.reserve(1000);
    for (double p = 0.0; p <= 1.0; p = p + 0.001) {
        const double wbar = MeanFitness(p, w.wAA, w.wAa, w.waa);
        if (wbar != 0.0)
            passes.push_back({p, wbar, NextFrequency(p, wbar, w.wAA, w.wAa) - p, true});
        else
            passes.push_back({p, wbar, 0.0, false});
    }
    return passes;
}

bool Same(const Fitnesses &a, const Fitnesses &b) {
    return a.wAA == b.wAA && a.wAa == b.wAa && a.waa == b.waa;
}

} // namespace

void DrawnCurves::add(Curve curve) {
    curves_.push_back(std::move(curve));
    ++added_;
    if (curves_.size() > Kept)
        curves_.pop_front();
}

const std::vector<SweepPass> &DrawnCurves::passes(const SweepCurves &sweep) const {
    for (auto it = cache_.begin(); it != cache_.end(); ++it)
        if (Same(it->w, sweep.w)) {
            if (it != cache_.begin()) { // the latest used first
                Cached found = std::move(*it);
                cache_.erase(it);
                cache_.push_front(std::move(found));
            }
            return cache_.front().passes;
        }
    constexpr std::size_t CachedSweeps = 4;
    cache_.push_front({sweep.w, Sweep(sweep.w)});
    if (cache_.size() > CachedSweeps)
        cache_.pop_back();
    return cache_.front().passes;
}

} // namespace quorvel
