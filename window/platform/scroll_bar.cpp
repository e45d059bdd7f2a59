#include "scroll_bar.h"

#include <algorithm>

namespace quorvel::platform {

ScrollBar::ScrollBar(QWidget *parent, Qt::Orientation orientation, int startValue, int endValue)
    : QScrollBar(orientation, parent), start_(startValue), end_(endValue) {
    setRange(std::min(start_, end_), std::max(start_, end_));
    setTracking(false);
    // Qt's scroll bars skip the focus chain by default; these are controls of their own.
    setFocusPolicy(Qt::StrongFocus);
}

// Mirrors a value between the bar's own scale and Qt's; its own inverse.
int ScrollBar::toQt(int value) const {
    return start_ <= end_ ? value : minimum() + maximum() - value;
}

std::int16_t ScrollBar::Value() const { return static_cast<std::int16_t>(toQt(value())); }

void ScrollBar::SetValue(int value) { setValue(toQt(value)); }

} // namespace quorvel::platform
