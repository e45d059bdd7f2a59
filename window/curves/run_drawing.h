#pragma once

#include "curves/run_values.h"
#include "drawing_surface.h"

#include <span>
#include <vector>

namespace quorvel {

// What RUN draws, generation by generation, as it computes them or as a run
// kept is made again: one population as the trajectory always was, a dot and
// a segment a generation; many at once, a segment a generation each, and,
// with finite populations, the infinite population's line over them at the
// end. On an axis of `axis` generations; what lies beyond it is not drawn.
class RunDrawing {
public:
    RunDrawing(platform::DrawingSurface &surface, const TrajectoryCurve &run, int axis);
    void add(int generation, std::span<const double> p, double reference);
    // The reference line, once the populations are drawn; drawn where the
    // run stopped too.
    void finish();

private:
    platform::DrawingSurface &surface_;
    int axis_;
    bool many_;
    std::vector<double> last_;
    std::vector<double> reference_;
    std::vector<platform::Segment> segments_;
};

// A kept run drawn again, bit for bit as it was.
void DrawRun(platform::DrawingSurface &surface, const TrajectoryCurve &run, int axis);

} // namespace quorvel
