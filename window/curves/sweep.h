#pragma once

#include "fitness.h"
#include "populations.h"

#include <utility>

// The W Mean sweep's arithmetic, written once for drawing the curves, keeping
// them, reading them, hearing them and drawing them again.
namespace quorvel {

// One pass of the sweep. The change of p is defined, and drawn, only where
// the mean fitness is not 0.
struct SweepPass {
    double p, meanFitness, next, change;
    bool changeDrawn;
};

// p from 0 in steps of 0.001, each added in double precision, so that the
// rounding accumulates: 1000 passes, the last at p = 0.9990000000000008; the
// next value, 1.0000000000000007, ends the sweep and is returned. visit sees
// every pass in order. The next frequency is selection's, then mutation's at
// rates u (A to a) and v (a to A); the mean fitness is selection's alone.
template <class Visit> double Sweep(const Fitnesses &w, double u, double v, Visit &&visit) {
    double p = 0.0;
    for (; p <= 1.0; p = p + 0.001) {
        SweepPass pass{p, MeanFitness(p, w.wAA, w.wAa, w.waa), 0.0, 0.0, false};
        if (pass.meanFitness != 0.0) {
            pass.next = Mutated(NextFrequency(p, pass.meanFitness, w.wAA, w.wAa), u, v);
            pass.change = pass.next - p;
            pass.changeDrawn = true;
        }
        visit(static_cast<const SweepPass &>(pass));
    }
    return p;
}

template <class Visit> double Sweep(const Fitnesses &w, Visit &&visit) {
    return Sweep(w, 0.0, 0.0, std::forward<Visit>(visit));
}

// +1, -1 or 0: changes smaller than 1e-12 either way are rounding, not selection.
inline int SignOfChange(double change) {
    constexpr double Rounding = 1e-12;
    return change > Rounding ? 1 : change < -Rounding ? -1 : 0;
}

} // namespace quorvel
