#pragma once

#include <QWidget>
#include <cmath>

namespace quorvel::platform::qt {

// How much larger than the layout the window is drawn, for a projector: 1 to
// 3, kept as a property of the window so that every control and the style
// can size what they paint by it.
inline double ZoomOf(const QWidget *widget) {
    const QVariant zoom = widget ? widget->window()->property("quorvelZoom") : QVariant();
    return zoom.isValid() ? zoom.toDouble() : 1.0;
}

// A length of the layout at the window's zoom, in whole logical pixels.
inline int Zoomed(int length, double zoom) {
    return static_cast<int>(std::lround(length * zoom));
}

} // namespace quorvel::platform::qt
