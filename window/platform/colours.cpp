#include "colours.h"

namespace quorvel::platform {

namespace {

// Qt's palette has no scroll-bar role; the classic scroll-bar grey keeps dots
// drawn in highlighted text visible on frames filled with it.
const QColor ClassicScrollBarGrey(200, 200, 200);

QColor SystemColourFor(int index, const QPalette &palette) {
    switch (index) {
    case 0:
        return ClassicScrollBarGrey;
    case 14:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case 8:
    default:
        // An index this program never writes still gets a visible colour.
        return palette.color(QPalette::Active, QPalette::WindowText);
    }
}

} // namespace

QColor Colour::resolve(const QPalette &palette) const {
    if (isSystem())
        return SystemColourFor(systemIndex(), palette);
    return QColor(static_cast<int>(code_ & 0xFFu), static_cast<int>((code_ >> 8) & 0xFFu),
                  static_cast<int>((code_ >> 16) & 0xFFu));
}

} // namespace quorvel::platform
