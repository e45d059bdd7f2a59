#pragma once

#include "drawing_surface.h"

namespace quorvel::platform::web {

// The drawing surface of the page: the neutral raster at the page's pixel
// ratio, copied into a canvas of as many device pixels once each event has
// been handled.
class CanvasSurface final : public DrawingSurface {
public:
    CanvasSurface(int id, int width, int height, Colour drawingColour);

    void setDescription(const Text &description, const Text &namedDescription) override;
    void announce(const Text &sentence) override;

    // Copies what changed into the canvas.
    void flush();
    // The pixel ratio changed (browser zoom): refits, keeping what is drawn.
    void refit();

protected:
    void fitRaster() override;
    void changed() override;

private:
    void paint(const PixelRect &logical);

    int id_, width_, height_;
    bool flushPending_ = false;
};

} // namespace quorvel::platform::web
