#include "curves/drawn_curves.h"

namespace quorvel {

namespace {

std::vector<SweepPass> Passes(const Fitnesses &w) {
    std::vector<SweepPass> passes;
    passes.reserve(1000);
    Sweep(w, [&passes](const SweepPass &pass) { passes.push_back(pass); });
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
    cache_.push_front({sweep.w, Passes(sweep.w)});
    if (cache_.size() > CachedSweeps)
        cache_.pop_back();
    return cache_.front().passes;
}

} // namespace quorvel
