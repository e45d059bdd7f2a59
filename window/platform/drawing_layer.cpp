#include "drawing_layer.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>

namespace quorvel::platform {

DrawingLayer::DrawingLayer(QWidget *parent, Colour drawingColour)
    : QWidget(parent), raster_(drawingColour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void DrawingLayer::fitRaster() {
    raster_.resize(width(), height(), devicePixelRatioF());
}

// A hidden widget hears of its resizes only once shown, so an empty raster is
// fitted before it is first drawn on; later, resizes and paints keep it fitted.
void DrawingLayer::fitFirstRaster() {
    if (raster_.isEmpty())
        fitRaster();
}

void DrawingLayer::PSet(float x, float y) {
    fitFirstRaster();
    raster_.PSet(x, y);
    scheduleRepaint();
}

void DrawingLayer::PSet(float x, float y, Colour colour) {
    fitFirstRaster();
    raster_.PSet(x, y, colour);
    scheduleRepaint();
}

void DrawingLayer::Line(float x, float y) {
    fitFirstRaster();
    raster_.Line(x, y);
    scheduleRepaint();
}

void DrawingLayer::Cls() {
    raster_.Cls();
    scheduleRepaint();
}

void DrawingLayer::setDescription(const QString &text) {
    if (text == accessibleDescription())
        return;
    setAccessibleDescription(text);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

QImage DrawingLayer::image() const {
    if (raster_.isEmpty())
        return {};
    QImage image(reinterpret_cast<const uchar *>(raster_.pixels()), raster_.deviceWidth(),
                 raster_.deviceHeight(), raster_.deviceWidth() * 4,
                 QImage::Format_ARGB32_Premultiplied);
    return image.copy();
}

QColor DrawingLayer::pixelAt(int x, int y) const {
    return QColor::fromRgba(raster_.pixelAt(x, y));
}

// Repaints only what the primitives touched, once, when the handler that drew
// them has returned: W Mean draws 2000 dots in one click.
void DrawingLayer::scheduleRepaint() {
    if (repaintPending_)
        return;
    repaintPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            repaintPending_ = false;
            const PixelRect dirty = raster_.takeDirty();
            if (!dirty.isEmpty())
                update(dirty.x, dirty.y, dirty.width, dirty.height);
        },
        Qt::QueuedConnection);
}

void DrawingLayer::paintEvent(QPaintEvent *event) {
    fitRaster();
    if (raster_.isEmpty())
        return; // nothing drawn yet, or all cleared
    // The raster's own memory, shown without a copy.
    QImage image(reinterpret_cast<const uchar *>(raster_.pixels()), raster_.deviceWidth(),
                 raster_.deviceHeight(), raster_.deviceWidth() * 4,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(raster_.ratio());
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawImage(QPointF(0, 0), image);
}

void DrawingLayer::resizeEvent(QResizeEvent *) {
    fitRaster();
}

} // namespace quorvel::platform
