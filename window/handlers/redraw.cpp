#include "quorvelcode.h"

#include "curves/plot.h"
#include "curves/run_drawing.h"
#include "theory.h"

#include <algorithm>

namespace quorvel {

// At a new scale the drawing is drawn again from the kept curves, as sharp as
// at the old one, with the same primitives RUN and W Mean drew. Where older
// curves are no longer kept it stays as it was, resampled, so nothing is lost.
void Quorvelcode::Drawing_Rescaled() {
    if (drawn.empty() || !drawn.complete())
        return;
    RedrawOnAxis();
}

// Every kept curve drawn again in the order drawn, runs on the trajectory
// frame's axis as it is now.
void Quorvelcode::RedrawOnAxis() {
    surface->Cls();
    for (const Curve &curve : drawn.all()) {
        if (const auto *run = std::get_if<TrajectoryCurve>(&curve)) {
            DrawRun(*surface, *run, drawn.axisGenerations());
            continue;
        }
        const SweepCurves &sweep = std::get<SweepCurves>(curve);
        const std::vector<SweepPass> &passes = drawn.passes(sweep);
        for (const SweepPass &pass : passes)
            plot::Pass(*surface, pass);
        if (std::any_of(passes.begin(), passes.end(),
                        [](const SweepPass &pass) { return pass.changeDrawn; }))
            plot::BalanceMarks(*surface, Balances(sweep.w, sweep.mutationToa, sweep.mutationToA));
    }
}

} // namespace quorvel
