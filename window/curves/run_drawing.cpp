#include "curves/run_drawing.h"

#include "curves/plot.h"

namespace quorvel {

RunDrawing::RunDrawing(platform::DrawingSurface &surface, const TrajectoryCurve &run, int axis)
    : surface_(surface), axis_(axis), many_(run.hasReference() || run.populations() > 1) {}

void RunDrawing::add(int generation, std::span<const double> p, double reference) {
    if (generation > axis_)
        return;
    if (!many_) {
        plot::Generation(surface_, generation, p[0], axis_);
        return;
    }
    if (generation == 0) {
        // Every population starts at p0: one dot marks them all.
        plot::Generation(surface_, 0, p[0], axis_);
    } else {
        plot::Steps(surface_, generation, last_, p, axis_, segments_);
    }
    last_.assign(p.begin(), p.end());
    reference_.push_back(reference);
}

void RunDrawing::finish() {
    if (many_)
        plot::ReferenceLine(surface_, reference_, axis_);
}

void DrawRun(platform::DrawingSurface &surface, const TrajectoryCurve &run, int axis) {
    RunDrawing drawing(surface, run, axis);
    // No further than the axis reaches.
    Replay(
        run,
        [&drawing](int generation, std::span<const double> p, double reference) {
            drawing.add(generation, p, reference);
        },
        axis);
    drawing.finish();
}

} // namespace quorvel
