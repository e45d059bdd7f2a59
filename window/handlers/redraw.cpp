#include "quorvelcode.h"

#include "curves/plot.h"

namespace quorvel {

// At a new scale the drawing is drawn again from the kept curves, as sharp as
// at the old one, with the same primitives RUN and W Mean drew. Where older
// curves are no longer kept it stays as it was, resampled, so nothing is lost.
void Quorvelcode::Drawing_Rescaled() {
    if (drawn.empty() || !drawn.complete())
        return;
    surface->Cls();
    for (const Curve &curve : drawn.all()) {
        if (const auto *trajectory = std::get_if<TrajectoryCurve>(&curve)) {
            for (std::size_t g = 0; g < trajectory->p.size(); ++g)
                plot::Generation(*surface, static_cast<int>(g), trajectory->p[g]);
            continue;
        }
        for (const SweepPass &pass : drawn.passes(std::get<SweepCurves>(curve)))
            plot::Pass(*surface, pass);
    }
}

} // namespace quorvel
