#include "surface.h"

#include "dom.h"

#include <algorithm>
#include <cmath>

namespace quorvel::platform::web {

CanvasSurface::CanvasSurface(int id, int width, int height, Colour drawingColour)
    : DrawingSurface(drawingColour), id_(id), width_(width), height_(height) {
    fitRaster();
}

void CanvasSurface::fitRaster() {
    const double ratio = dom::PixelRatio();
    if (ratio == raster().ratio() && raster().width() == width_ && raster().deviceWidth() > 0)
        return;
    ownRaster().resize(width_, height_, ratio);
    dom::SizeCanvas(id_, raster().deviceWidth(), raster().deviceHeight());
}

void CanvasSurface::refit() {
    fitRaster();
    ownRaster().takeDirty();
    paint({0, 0, width_, height_}); // a resized canvas starts blank
}

void CanvasSurface::changed() {
    if (flushPending_)
        return;
    flushPending_ = true;
    dom::FlushSoon();
}

void CanvasSurface::flush() {
    flushPending_ = false;
    const PixelRect dirty = ownRaster().takeDirty();
    if (!dirty.isEmpty())
        paint(dirty);
}

// The device pixels under the logical rectangle, whole ones.
void CanvasSurface::paint(const PixelRect &logical) {
    const double ratio = raster().ratio();
    const int left = std::max(0, static_cast<int>(std::floor(logical.x * ratio)));
    const int top = std::max(0, static_cast<int>(std::floor(logical.y * ratio)));
    const int right = std::min(raster().deviceWidth(),
                               static_cast<int>(std::ceil((logical.x + logical.width) * ratio)));
    const int bottom = std::min(raster().deviceHeight(),
                                static_cast<int>(std::ceil((logical.y + logical.height) * ratio)));
    if (right <= left || bottom <= top)
        return;
    dom::PaintCanvas(id_, raster().isEmpty() ? nullptr : raster().pixels(), raster().deviceWidth(),
                     left, top, right - left, bottom - top);
}

// A canvas has one text for a screen reader: its label, the drawing's name
// with what is drawn.
void CanvasSurface::setDescription(const Text &, const Text &namedDescription) {
    dom::SetCanvasDescription(id_, namedDescription);
}

void CanvasSurface::announce(const Text &sentence) {
    dom::Announce(sentence);
}

} // namespace quorvel::platform::web
