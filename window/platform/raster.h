#pragma once

#include "colours.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quorvel::platform {

// One drawing primitive as a caller handed it over, for tests that check the
// coordinates rather than the pixels. A segment starts at the point before it.
struct DrawCall {
    enum class Kind { Point, Segment, Move };
    Kind kind;
    float x;
    float y;
    Colour colour;
    int width = 1; // of a segment, in logical pixels
    friend bool operator==(const DrawCall &, const DrawCall &) = default;
};

// A segment between two points, apart from any other.
struct Segment {
    float x0, y0, x1, y1;
};

// A rectangle of pixels: left, top, width, height.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool isEmpty() const { return width <= 0 || height <= 0; }
    PixelRect united(const PixelRect &other) const;
    friend bool operator==(const PixelRect &, const PixelRect &) = default;
};

// The persistent picture that PSet and Line draw on, in plain memory: pixels
// 0xAARRGGBB (premultiplied; what is drawn is opaque), at the screen's device
// pixel ratio, kept until Cls so that drawings pile up. A backend only shows it.
//
// Coordinates are logical pixels. A point is a square one logical pixel wide,
// in whole device pixels, centred on its exact position (at ratio 1: the
// nearest pixel). A segment is one logical pixel wide: at ratio 1 a Bresenham
// line between the two nearest pixels, both ends painted; above it, a stroke
// of the same width in device pixels through the exact end points, so that it
// is as smooth as the screen allows.
class Raster {
public:
    explicit Raster(Colour drawingColour);

    // The size in logical pixels and the device pixel ratio; what is drawn is
    // kept, resampled, when either changes.
    void resize(int width, int height, double ratio);

    void PSet(float x, float y);
    void PSet(float x, float y, Colour colour);
    void Line(float x, float y);
    // A segment from the current point in a colour, `width` logical pixels wide.
    void Line(float x, float y, Colour colour, int width);
    // Makes (x, y) the current point, drawing nothing: many lines drawn a
    // segment at a time each.
    void MoveTo(float x, float y);
    // Segments in the drawing colour, each as a MoveTo to its start and a
    // Line to its end; the last end becomes the current point.
    void Segments(std::span<const Segment> segments);
    void Cls();

    int width() const { return width_; }
    int height() const { return height_; }
    double ratio() const { return ratio_; }
    int deviceWidth() const { return deviceWidth_; }
    int deviceHeight() const { return deviceHeight_; }
    // Nothing drawn since the start or the last Cls: no pixel buffer at all.
    bool isEmpty() const { return pixels_.empty(); }
    const std::uint32_t *pixels() const { return pixels_.data(); }
    std::uint32_t *pixels() { return pixels_.data(); }

    // Logical pixel (x, y): 0 (transparent) where nothing was drawn.
    std::uint32_t pixelAt(int x, int y) const;
    float currentX() const { return currentX_; }
    float currentY() const { return currentY_; }
    Colour drawingColour() const { return drawingColour_; }

    // The logical pixels changed since the last call, then forgets them.
    PixelRect takeDirty();

    // Every primitive from now on is appended to calls; nullptr stops it.
    void setRecorder(std::vector<DrawCall> *calls) { recorder_ = calls; }

private:
    void record(DrawCall::Kind kind, float x, float y, Colour colour, int width = 1);
    void point(double x, double y, std::uint32_t value);
    void segment(double x0, double y0, double x1, double y1, std::uint32_t value, int width = 1);
    void bresenham(int ax, int ay, int bx, int by, std::uint32_t value);
    void stroke(double x0, double y0, double x1, double y1, std::uint32_t value, int width);
    void fill(int left, int top, int right, int bottom, std::uint32_t value); // device, exclusive
    void allocate();
    void markDirty(int left, int top, int right, int bottom); // logical, inclusive

    Colour drawingColour_;
    std::uint32_t drawingPixel_;
    int width_ = 0, height_ = 0;
    double ratio_ = 1.0;
    int deviceWidth_ = 0, deviceHeight_ = 0;
    std::vector<std::uint32_t> pixels_;
    float currentX_ = 0.0f, currentY_ = 0.0f;
    PixelRect dirty_;
    std::vector<DrawCall> *recorder_ = nullptr;
};

} // namespace quorvel::platform
