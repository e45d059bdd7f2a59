#include "scroll_bar.h"

#include "classic_style.h"

#include <QKeyEvent>
#include <algorithm>
#include <cstdlib>

namespace quorvel::platform::qt {

ScrollBar::ScrollBar(QWidget *parent, Qt::Orientation orientation, int startValue, int endValue)
    : Control(orientation, parent), start_(startValue), end_(endValue) {
    setRange(std::min(start_, end_), std::max(start_, end_));
    setTracking(false);
    // Qt's scroll bars skip the focus chain by default; these are controls of their own.
    setFocusPolicy(Qt::StrongFocus);
    setStyle(ClassicStyle::Shared());
}

// Mirrors a value between the bar's own scale and Qt's; its own inverse.
int ScrollBar::toQt(int value) const {
    return start_ <= end_ ? value : minimum() + maximum() - value;
}

// Keys move the thumb the way they point, on either orientation: Qt's own
// mapping sends Right the wrong way on a horizontal bar. The left or top end is
// Qt's minimum on both bars here, whichever way their values run.
void ScrollBar::keyPressEvent(QKeyEvent *event) {
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

std::int16_t ScrollBar::Value() const {
    return static_cast<std::int16_t>(toQt(value()));
}

void ScrollBar::SetValue(int value) {
    setValue(toQt(value));
}

void ScrollBar::onChange(Handler handler) {
    connect(this, &QScrollBar::valueChanged, this, [handler = std::move(handler)] { handler(); });
}

void ScrollBar::StepBy(int delta) {
    const int low = std::min(start_, end_), high = std::max(start_, end_);
    SetValue(std::clamp(Value() + delta, low, high));
}

int ScrollBar::FullScale() const {
    return std::max(std::abs(start_), std::abs(end_));
}

} // namespace quorvel::platform::qt
