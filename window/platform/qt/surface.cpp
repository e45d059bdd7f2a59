#include "surface.h"

#include "accessibility.h"
#include "zoom.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>

namespace quorvel::platform::qt {

namespace {

// The raster's own memory as an image, without a copy.
QImage View(const Raster &raster) {
    return QImage(reinterpret_cast<const uchar *>(raster.pixels()), raster.deviceWidth(),
                  raster.deviceHeight(), raster.deviceWidth() * 4,
                  QImage::Format_ARGB32_Premultiplied);
}

} // namespace

DrawingLayer::DrawingLayer(QWidget *parent, Colour drawingColour, int width, int height)
    : QWidget(parent), DrawingSurface(drawingColour), layoutWidth_(width), layoutHeight_(height) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

// The raster keeps the layout's coordinates; zoom, like a screen's scale, only
// gives it more device pixels to each.
void DrawingLayer::fitRaster() {
    ownRaster().resize(layoutWidth_, layoutHeight_, devicePixelRatioF() * ZoomOf(this));
}

// Qt names the drawing itself, and describes it apart.
void DrawingLayer::setDescription(const Text &text, const Text &) {
    const QString description = ToQString(text);
    if (description == accessibleDescription())
        return;
    setAccessibleDescription(description);
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void DrawingLayer::announce(const Text &sentence) {
    if (announcer_)
        announcer_->say(ToQString(sentence));
}

QImage DrawingLayer::image() const {
    return raster().isEmpty() ? QImage() : View(raster()).copy();
}

QColor DrawingLayer::pixelAt(int x, int y) const {
    return QColor::fromRgba(raster().pixelAt(x, y));
}

// Repaints only what the primitives touched, once, when the handler that drew
// them has returned: W Mean draws 2000 dots in one click.
void DrawingLayer::changed() {
    if (repaintPending_)
        return;
    repaintPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            repaintPending_ = false;
            const PixelRect dirty = ownRaster().takeDirty();
            const double zoom = ZoomOf(this);
            if (!dirty.isEmpty())
                update(
                    QRectF(dirty.x * zoom, dirty.y * zoom, dirty.width * zoom, dirty.height * zoom)
                        .toAlignedRect());
        },
        Qt::QueuedConnection);
}

void DrawingLayer::paintEvent(QPaintEvent *event) {
    fitRaster(); // the window may have moved to a screen of another pixel ratio
    if (raster().isEmpty())
        return; // nothing drawn yet, or all cleared
    QImage image = View(raster());
    image.setDevicePixelRatio(raster().ratio() / ZoomOf(this));
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.drawImage(QPointF(0, 0), image);
}

void DrawingLayer::resizeEvent(QResizeEvent *) {
    fitRaster();
}

} // namespace quorvel::platform::qt
