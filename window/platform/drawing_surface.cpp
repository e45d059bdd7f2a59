#include "drawing_surface.h"

namespace quorvel::platform {

void DrawingSurface::prepare() {
    if (raster_.isEmpty())
        fitRaster();
}

void DrawingSurface::PSet(float x, float y) {
    prepare();
    raster_.PSet(x, y);
    changed();
}

void DrawingSurface::PSet(float x, float y, Colour colour) {
    prepare();
    raster_.PSet(x, y, colour);
    changed();
}

void DrawingSurface::Line(float x, float y) {
    prepare();
    raster_.Line(x, y);
    changed();
}

void DrawingSurface::Line(float x, float y, Colour colour, int width) {
    prepare();
    raster_.Line(x, y, colour, width);
    changed();
}

void DrawingSurface::Segments(std::span<const Segment> segments) {
    prepare();
    raster_.Segments(segments);
    changed();
}

void DrawingSurface::Cls() {
    raster_.Cls();
    changed();
}

} // namespace quorvel::platform
