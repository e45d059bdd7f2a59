#pragma once

#include "raster.h"
#include "text.h"

namespace quorvel::platform {

// What PSet, Line and Cls draw on: the persistent raster, which a backend shows
// above the window's frames and labels and below its controls.
class DrawingSurface {
public:
    explicit DrawingSurface(Colour drawingColour) : raster_(drawingColour) {}
    virtual ~DrawingSurface() = default;

    void PSet(float x, float y);
    void PSet(float x, float y, Colour colour);
    // A segment from the current point; (x, y) becomes the current point.
    void Line(float x, float y);
    // The same in a colour and `width` logical pixels wide.
    void Line(float x, float y, Colour colour, int width);
    // (x, y) becomes the current point; nothing is drawn.
    void MoveTo(float x, float y) { raster_.MoveTo(x, y); }
    // Many segments at once, in the drawing colour, as MoveTo and Line would
    // draw them one by one.
    void Segments(std::span<const Segment> segments);
    void Cls();

    // What is drawn, in words, for assistive tools, which hear of each
    // change: the description, and the same after the drawing's name for a
    // platform that gives the drawing one text only.
    virtual void setDescription(const Text &description, const Text &namedDescription) = 0;
    // Has a screen reader speak the newest sentence now: the drawing never
    // takes focus, so a change of its description alone is not spoken.
    virtual void announce(const Text &sentence) = 0;

    const Raster &raster() const { return raster_; }
    Colour drawingColour() const { return raster_.drawingColour(); }
    // Every primitive from now on is appended to calls; nullptr stops it.
    void setRecorder(std::vector<DrawCall> *calls) { raster_.setRecorder(calls); }

protected:
    Raster &ownRaster() { return raster_; }
    // Sizes the raster to the surface at the screen's pixel ratio, before it is
    // first drawn on (a backend also keeps it fitted on resizes and paints).
    virtual void fitRaster() = 0;
    // Something was drawn or erased: show the raster's dirty area once the
    // running handler has returned.
    virtual void changed() = 0;

private:
    void prepare();

    Raster raster_;
};

} // namespace quorvel::platform
