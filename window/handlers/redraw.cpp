#include "quorvelcode.h"

#include "curves/plot.h"
#include "curves/run_drawing.h"

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
        for (const SweepPass &pass : drawn.passes(std::get<SweepCurves>(curve)))
            plot::Pass(*surface, pass);
    }
}

} // namespace quorvel
