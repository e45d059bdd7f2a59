#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quorvel::platform {

namespace {

// Nearest pixel, halves rounding towards +infinity. Far-off values are pinned
// well outside any raster, since converting them to int as they are is undefined.
int PixelOf(double v) {
    constexpr double Far = 1 << 30;
    return static_cast<int>(std::clamp(std::floor(v + 0.5), -Far, Far));
}

// Cuts the segment to the box [lo, hi] on both axes (Cohen-Sutherland), so that
// a point far outside the window costs nothing and never overflows an int. A cut
// end lies exactly on the box edge, however far away the other end was.
bool ClipToBox(double &x0, double &y0, double &x1, double &y1, double lo, double hiX, double hiY) {
    enum { Left = 1, Right = 2, Above = 4, Below = 8 };
    const auto outcode = [&](double x, double y) {
        return (x < lo ? Left : x > hiX ? Right : 0) | (y < lo ? Above : y > hiY ? Below : 0);
    };
    int code0 = outcode(x0, y0), code1 = outcode(x1, y1);
    while (code0 | code1) {
        if (code0 & code1)
            return false;
        const int out = code0 ? code0 : code1;
        double x, y;
        if (out & Below) {
            x = x0 + (x1 - x0) * (hiY - y0) / (y1 - y0);
            y = hiY;
        } else if (out & Above) {
            x = x0 + (x1 - x0) * (lo - y0) / (y1 - y0);
            y = lo;
        } else if (out & Right) {
            y = y0 + (y1 - y0) * (hiX - x0) / (x1 - x0);
            x = hiX;
        } else {
            y = y0 + (y1 - y0) * (lo - x0) / (x1 - x0);
            x = lo;
        }
        if (!std::isfinite(x) || !std::isfinite(y))
            return false;
        if (out == code0) {
            x0 = x;
            y0 = y;
            code0 = outcode(x0, y0);
        } else {
            x1 = x;
            y1 = y;
            code1 = outcode(x1, y1);
        }
    }
    return true;
}

} // namespace

PixelRect PixelRect::united(const PixelRect &other) const {
    if (isEmpty())
        return other;
    if (other.isEmpty())
        return *this;
    const int left = std::min(x, other.x), top = std::min(y, other.y);
    const int right = std::max(x + width, other.x + other.width);
    const int bottom = std::max(y + height, other.y + other.height);
    return {left, top, right - left, bottom - top};
}

Raster::Raster(Colour drawingColour)
    : drawingColour_(drawingColour), drawingPixel_(drawingColour.pixel()) {}

void Raster::resize(int width, int height, double ratio) {
    ratio = ratio > 0.0 && std::isfinite(ratio) ? ratio : 1.0;
    const int deviceWidth = static_cast<int>(std::ceil(width * ratio));
    const int deviceHeight = static_cast<int>(std::ceil(height * ratio));
    if (width == width_ && height == height_ && ratio == ratio_)
        return;
    std::vector<std::uint32_t> old;
    old.swap(pixels_);
    const int oldWidth = deviceWidth_, oldHeight = deviceHeight_;
    const double scale = ratio_ / ratio;
    width_ = width;
    height_ = height;
    ratio_ = ratio;
    deviceWidth_ = deviceWidth;
    deviceHeight_ = deviceHeight;
    if (old.empty())
        return; // nothing drawn: stay without a buffer
    allocate();
    for (int y = 0; y < deviceHeight_; ++y) {
        const int from = static_cast<int>((y + 0.5) * scale);
        if (from >= oldHeight)
            break;
        for (int x = 0; x < deviceWidth_; ++x) {
            const int fromX = static_cast<int>((x + 0.5) * scale);
            if (fromX >= oldWidth)
                break;
            pixels_[static_cast<std::size_t>(y) * deviceWidth_ + x] =
                old[static_cast<std::size_t>(from) * oldWidth + fromX];
        }
    }
    markDirty(0, 0, width_ - 1, height_ - 1);
}

void Raster::record(DrawCall::Kind kind, float x, float y, Colour colour, int width) {
    if (recorder_)
        recorder_->push_back({kind, x, y, colour, width});
}

void Raster::PSet(float x, float y) {
    record(DrawCall::Kind::Point, x, y, drawingColour_);
    currentX_ = x;
    currentY_ = y;
    point(x, y, drawingPixel_);
}

void Raster::PSet(float x, float y, Colour colour) {
    record(DrawCall::Kind::Point, x, y, colour);
    currentX_ = x;
    currentY_ = y;
    point(x, y, colour.pixel());
}

void Raster::Line(float x, float y) {
    record(DrawCall::Kind::Segment, x, y, drawingColour_);
    const float fromX = currentX_, fromY = currentY_;
    currentX_ = x;
    currentY_ = y;
    segment(fromX, fromY, x, y, drawingPixel_);
}

void Raster::Line(float x, float y, Colour colour, int width) {
    record(DrawCall::Kind::Segment, x, y, colour, width);
    const float fromX = currentX_, fromY = currentY_;
    currentX_ = x;
    currentY_ = y;
    segment(fromX, fromY, x, y, colour.pixel(), width);
}

void Raster::Segments(std::span<const Segment> segments) {
    const std::uint32_t value = drawingPixel_;
    for (const Segment &each : segments) {
        record(DrawCall::Kind::Move, each.x0, each.y0, drawingColour_);
        record(DrawCall::Kind::Segment, each.x1, each.y1, drawingColour_);
        segment(each.x0, each.y0, each.x1, each.y1, value);
    }
    if (!segments.empty()) {
        currentX_ = segments.back().x1;
        currentY_ = segments.back().y1;
    }
}

void Raster::MoveTo(float x, float y) {
    record(DrawCall::Kind::Move, x, y, drawingColour_);
    currentX_ = x;
    currentY_ = y;
}

void Raster::Cls() {
    // Nothing drawn: no buffer until the next primitive.
    std::vector<std::uint32_t>().swap(pixels_);
    currentX_ = currentY_ = 0.0f;
    markDirty(0, 0, width_ - 1, height_ - 1);
}

std::uint32_t Raster::pixelAt(int x, int y) const {
    if (pixels_.empty() || x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    // The device pixel at the logical pixel's centre.
    const int dx = std::min(static_cast<int>((x + 0.5) * ratio_), deviceWidth_ - 1);
    const int dy = std::min(static_cast<int>((y + 0.5) * ratio_), deviceHeight_ - 1);
    return pixels_[static_cast<std::size_t>(dy) * deviceWidth_ + dx];
}

PixelRect Raster::takeDirty() {
    const PixelRect area = dirty_;
    dirty_ = {};
    const int left = std::max(area.x, 0), top = std::max(area.y, 0);
    const int right = std::min(area.x + area.width, width_);
    const int bottom = std::min(area.y + area.height, height_);
    if (right <= left || bottom <= top)
        return {};
    return {left, top, right - left, bottom - top};
}

void Raster::allocate() {
    if (pixels_.empty())
        pixels_.assign(static_cast<std::size_t>(deviceWidth_) * deviceHeight_, 0u);
}

void Raster::markDirty(int left, int top, int right, int bottom) {
    // A run of a thousand populations marks a million segments: plain
    // comparisons, not a rectangle made for each.
    if (dirty_.isEmpty()) {
        dirty_ = {left, top, right - left + 1, bottom - top + 1};
        return;
    }
    if (left < dirty_.x) {
        dirty_.width += dirty_.x - left;
        dirty_.x = left;
    }
    if (top < dirty_.y) {
        dirty_.height += dirty_.y - top;
        dirty_.y = top;
    }
    dirty_.width = std::max(dirty_.width, right - dirty_.x + 1);
    dirty_.height = std::max(dirty_.height, bottom - dirty_.y + 1);
}

void Raster::fill(int left, int top, int right, int bottom, std::uint32_t value) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, deviceWidth_);
    bottom = std::min(bottom, deviceHeight_);
    if (left >= right || top >= bottom)
        return;
    allocate();
    for (int y = top; y < bottom; ++y) {
        std::uint32_t *row = pixels_.data() + static_cast<std::size_t>(y) * deviceWidth_;
        std::fill(row + left, row + right, value);
    }
}

// A square one logical pixel wide, in whole device pixels, centred on the
// exact point: at ratio 1 the nearest pixel; above it, dots 0.15 pixels apart
// make a smooth curve instead of a staircase of whole logical pixels.
void Raster::point(double x, double y, std::uint32_t value) {
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    const int i = PixelOf(x), j = PixelOf(y);
    // Beyond a pixel outside the raster nothing can land in it; this also keeps
    // far-off values out of the device arithmetic.
    if (i < -1 || j < -1 || i > width_ || j > height_)
        return;
    const int size = std::max(1, static_cast<int>(std::lround(ratio_)));
    const double half = (size - 1) / 2.0;
    // Device pixel d is centred on d + 0.5; the square's first one is the
    // nearest to its centre less half its width.
    const int left = static_cast<int>(std::floor((x + 0.5) * ratio_ - half));
    const int top = static_cast<int>(std::floor((y + 0.5) * ratio_ - half));
    fill(left, top, left + size, top + size, value);
    markDirty(i - 1, j - 1, i + 1, j + 1);
}

void Raster::segment(double x0, double y0, double x1, double y1, std::uint32_t value, int width) {
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1))
        return;
    const double margin = 2.0;
    if (!ClipToBox(x0, y0, x1, y1, -margin, width_ + margin, height_ + margin))
        return;
    const int ax = PixelOf(x0), ay = PixelOf(y0), bx = PixelOf(x1), by = PixelOf(y1);
    const int reach = width / 2 + 1;
    markDirty(std::min(ax, bx) - reach, std::min(ay, by) - reach, std::max(ax, bx) + reach,
              std::max(ay, by) + reach);
    if (ratio_ == 1.0 && width == 1)
        bresenham(ax, ay, bx, by, value);
    else
        stroke(x0, y0, x1, y1, value, width);
}

// Bresenham between the nearest pixels of the two ends, both ends painted.
void Raster::bresenham(int ax, int ay, int bx, int by, std::uint32_t value) {
    const int dx = std::abs(bx - ax), sx = ax < bx ? 1 : -1;
    const int dy = -std::abs(by - ay), sy = ay < by ? 1 : -1;
    int err = dx + dy;
    allocate(); // at ratio 1 a logical pixel is a device pixel
    for (;;) {
        if (ax >= 0 && ay >= 0 && ax < width_ && ay < height_)
            pixels_[static_cast<std::size_t>(ay) * deviceWidth_ + ax] = value;
        if (ax == bx && ay == by)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            ax += sx;
        }
        if (e2 <= dx) {
            err += dx;
            ay += sy;
        }
    }
}

// A stroke as wide as `logicalWidth` logical pixels, in whole device pixels
// so that its width never wavers, through the exact end points: for every
// device column (or row, on a steep segment) the run of pixels centred on the
// line.
void Raster::stroke(double x0, double y0, double x1, double y1, std::uint32_t value,
                    int logicalWidth) {
    const int width = std::max(1, static_cast<int>(std::lround(ratio_ * logicalWidth)));
    const double half = (width - 1) / 2.0;
    // Device coordinates in which pixel d is centred on d; a logical pixel's
    // centre lands on the centre of its device block.
    double u0 = (x0 + 0.5) * ratio_ - 0.5, v0 = (y0 + 0.5) * ratio_ - 0.5;
    double u1 = (x1 + 0.5) * ratio_ - 0.5, v1 = (y1 + 0.5) * ratio_ - 0.5;
    const bool steep = std::abs(v1 - v0) > std::abs(u1 - u0);
    if (steep) {
        std::swap(u0, v0);
        std::swap(u1, v1);
    }
    if (u1 < u0) {
        std::swap(u0, u1);
        std::swap(v0, v1);
    }
    const auto first = [half](double c) { return static_cast<int>(std::floor(c - half + 0.5)); };
    const int from = first(u0), to = first(u1) + width - 1;
    for (int u = from; u <= to; ++u) {
        const double t = u1 > u0 ? std::clamp((u - u0) / (u1 - u0), 0.0, 1.0) : 0.0;
        const int v = first(v0 + t * (v1 - v0));
        if (steep)
            fill(v, u, v + width, u + 1, value);
        else
            fill(u, v, u + 1, v + width, value);
    }
}

} // namespace quorvel::platform
