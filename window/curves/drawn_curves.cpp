#include "curves/drawn_curves.h"

namespace quorvel {

namespace {

bool Same(const SweepCurves &a, const SweepCurves &b) {
    return a.w.wAA == b.w.wAA && a.w.wAa == b.w.wAa && a.w.waa == b.w.waa &&
           a.mutationToa == b.mutationToa && a.mutationToA == b.mutationToA;
}

// The runs read lately keep their values within this, so that a pointer
// moving over every run drawn does not make them again at every move: some
// forty of the largest (a thousand populations over ten thousand
// generations keep 1.8 MB), or any number of a lesson's usual size.
constexpr std::size_t RunCacheBytes = 64 * 1024 * 1024;

} // namespace

std::vector<SweepPass> PassesOf(const SweepCurves &sweep) {
    std::vector<SweepPass> passes;
    passes.reserve(1000);
    Sweep(sweep.w, sweep.mutationToa, sweep.mutationToA,
          [&passes](const SweepPass &pass) { passes.push_back(pass); });
    return passes;
}

void DrawnCurves::add(Curve curve) {
    curves_.push_back(std::move(curve));
    ++added_;
    if (curves_.size() > Kept)
        curves_.pop_front();
}

const std::vector<SweepPass> &DrawnCurves::passes(const SweepCurves &sweep) const {
    for (auto it = cache_.begin(); it != cache_.end(); ++it)
        if (Same(it->sweep, sweep)) {
            if (it != cache_.begin()) { // the latest used first
                Cached found = std::move(*it);
                cache_.erase(it);
                cache_.push_front(std::move(found));
            }
            return cache_.front().passes;
        }
    constexpr std::size_t CachedSweeps = 4;
    cache_.push_front({sweep, PassesOf(sweep)});
    if (cache_.size() > CachedSweeps)
        cache_.pop_back();
    return cache_.front().passes;
}

RunValues &DrawnCurves::values(const TrajectoryCurve &run) const {
    for (auto it = runs_.begin(); it != runs_.end(); ++it)
        if (it->run() == run) {
            runs_.splice(runs_.begin(), runs_, it);
            return runs_.front();
        }
    runs_.emplace_front(run);
    // The latest stays whatever its size; older ones go beyond the bound.
    std::size_t bytes = 0;
    for (auto it = runs_.begin(); it != runs_.end(); ++it) {
        bytes += it->bytes();
        if (it != runs_.begin() && bytes > RunCacheBytes) {
            runs_.erase(it, runs_.end());
            break;
        }
    }
    return runs_.front();
}

} // namespace quorvel
