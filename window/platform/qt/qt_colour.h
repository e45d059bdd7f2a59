#pragma once

#include "colours.h"

#include <QColor>

namespace quorvel::platform::qt {

inline QColor ToQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}
inline QColor ToQColor(Colour colour) {
    return ToQColor(colour.resolve());
}

} // namespace quorvel::platform::qt
