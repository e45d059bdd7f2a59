#include "drawing_layer.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
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

DrawingLayer::DrawingLayer(QWidget *parent, Colour drawingColour)
    : QWidget(parent), drawingColour_(drawingColour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    drawingPixel_ = pixelValue(drawingColour_);
}

QRgb DrawingLayer::pixelValue(Colour colour) const {
    return colour.resolve(palette()).rgba(); // opaque, so premultiplied is the same
}

void DrawingLayer::record(DrawCall::Kind kind, float x, float y, Colour colour) {
    if (recorder_)
        recorder_->push_back({kind, x, y, colour});
}

void DrawingLayer::PSet(float x, float y) {
    record(DrawCall::Kind::Point, x, y, drawingColour_);
    current_ = QPointF(x, y);
    if (std::isfinite(x) && std::isfinite(y))
        point(PixelOf(x), PixelOf(y), drawingPixel_);
}

void DrawingLayer::PSet(float x, float y, Colour colour) {
    record(DrawCall::Kind::Point, x, y, colour);
    current_ = QPointF(x, y);
    if (std::isfinite(x) && std::isfinite(y))
        point(PixelOf(x), PixelOf(y), pixelValue(colour));
}

void DrawingLayer::Line(float x, float y) {
    record(DrawCall::Kind::Segment, x, y, drawingColour_);
    const QPointF from = current_;
    current_ = QPointF(x, y);
    if (std::isfinite(from.x()) && std::isfinite(from.y()) && std::isfinite(x) && std::isfinite(y))
        segment(from.x(), from.y(), x, y, drawingPixel_);
}

void DrawingLayer::Cls() {
    image_ = QImage(); // nothing drawn: no raster until the next primitive
    current_ = QPointF(0.0, 0.0);
    markDirty(rect());
}

QColor DrawingLayer::pixelAt(int x, int y) const {
    if (image_.isNull() || x < 0 || y < 0 || x >= image_.width() / block_ ||
        y >= image_.height() / block_)
        return QColor(Qt::transparent);
    return image_.pixelColor(x * block_, y * block_);
}

void DrawingLayer::point(int x, int y, QRgb value) {
    if (plot(x, y, value))
        markDirty(QRect(x, y, 1, 1));
}

bool DrawingLayer::plot(int x, int y, QRgb value) {
    // The raster is made at the first primitive, and a hidden widget hears of
    // its resizes only once shown: draw at the widget's size now.
    if (image_.width() != width() * block_ || image_.height() != height() * block_)
        fitRaster(true);
    if (x < 0 || y < 0 || x >= image_.width() / block_ || y >= image_.height() / block_)
        return false;
    const int dx = x * block_, dy = y * block_;
    for (int row = dy; row < std::min(dy + block_, image_.height()); ++row) {
        auto *line = reinterpret_cast<QRgb *>(image_.scanLine(row));
        std::fill(line + dx, line + std::min(dx + block_, image_.width()), value);
    }
    return true;
}

// Bresenham between the nearest pixels of the two ends, both ends painted.
void DrawingLayer::segment(double x0, double y0, double x1, double y1, QRgb value) {
    const double margin = 2.0;
    if (!ClipToBox(x0, y0, x1, y1, -margin, width() + margin, height() + margin))
        return;
    int ax = PixelOf(x0), ay = PixelOf(y0);
    const int bx = PixelOf(x1), by = PixelOf(y1);
    const int dx = std::abs(bx - ax), sx = ax < bx ? 1 : -1;
    const int dy = -std::abs(by - ay), sy = ay < by ? 1 : -1;
    markDirty(QRect(QPoint(std::min(ax, bx), std::min(ay, by)),
                    QPoint(std::max(ax, bx), std::max(ay, by))));
    int err = dx + dy;
    for (;;) {
        plot(ax, ay, value);
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

// Sizes the raster to the widget at the screen's pixel ratio, keeping what is
// already drawn when the window moves to a screen of another ratio. Without
// allocate, a layer with nothing drawn stays without a raster.
void DrawingLayer::fitRaster(bool allocate) {
    if (image_.isNull() && !allocate)
        return;
    const int block = std::max(1, static_cast<int>(std::lround(devicePixelRatioF())));
    const QSize size = this->size() * block;
    if (image_.size() == size && block_ == block)
        return;
    QImage raster(size, QImage::Format_ARGB32_Premultiplied);
    raster.fill(Qt::transparent);
    if (!image_.isNull()) {
        QPainter painter(&raster);
        painter.drawImage(QRect(QPoint(0, 0), image_.size() / block_ * block), image_);
    }
    raster.setDevicePixelRatio(block);
    image_ = std::move(raster);
    block_ = block;
}

// Repaints only what the primitives touched, once, when the handler that drew
// them has returned: W Mean draws 2000 dots in one click.
void DrawingLayer::markDirty(const QRect &area) {
    dirty_ |= area;
    if (repaintPending_)
        return;
    repaintPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            repaintPending_ = false;
            update(dirty_ & rect());
            dirty_ = QRect();
        },
        Qt::QueuedConnection);
}

void DrawingLayer::paintEvent(QPaintEvent *event) {
    fitRaster(false);
    if (image_.isNull())
        return; // nothing drawn yet, or all cleared
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, image_, QRect(area.topLeft() * block_, area.size() * block_));
}

void DrawingLayer::resizeEvent(QResizeEvent *) {
    fitRaster(false);
}

void DrawingLayer::changeEvent(QEvent *event) {
    if (event->type() == QEvent::PaletteChange)
        drawingPixel_ = pixelValue(drawingColour_);
    QWidget::changeEvent(event);
}

} // namespace quorvel::platform
