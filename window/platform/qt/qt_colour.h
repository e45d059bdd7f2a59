#pragma once

#include "colours.h"

#include <QColor>

namespace quorvel::platform::qt {

inline QColor ToQColor(Colour colour) {
    const Rgb rgb = colour.resolve();
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace quorvel::platform::qt
