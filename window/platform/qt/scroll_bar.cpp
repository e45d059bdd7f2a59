#include "scroll_bar.h"

#include "classic_style.h"
#include "key_events.h"
#include "scroll_bar_model.h"

#include <QKeyEvent>
#include <algorithm>

namespace quorvel::platform::qt {

ScrollBar::ScrollBar(QWidget *parent, const Row &row)
    : Control(row.kind == Kind::HorizontalBar ? Qt::Horizontal : Qt::Vertical, parent), row_(row) {
    setRange(std::min(row.startValue, row.endValue), std::max(row.startValue, row.endValue));
    setSingleStep(row.smallChange);
    setPageStep(row.largeChange);
    setTracking(false);
    // Qt's scroll bars skip the focus chain by default; these are controls of their own.
    setFocusPolicy(Qt::StrongFocus);
    setStyle(ClassicStyle::Shared());
    SetValue(row.value);
}

// Mirrors a value between the bar's own scale and Qt's; its own inverse.
int ScrollBar::toQt(int value) const {
    return row_.startValue <= row_.endValue ? value : minimum() + maximum() - value;
}

// The keys every backend's bar takes, the way they point on either
// orientation (Qt's own mapping sends Right the wrong way on a horizontal
// bar). The start end is Qt's minimum on both bars here.
void ScrollBar::keyPressEvent(QKeyEvent *event) {
    const std::optional<BarRequest> request = BarRequestForKey(TranslateKey(*event));
    if (!request) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    switch (*request) {
    case BarRequest::LineToStart:
        triggerAction(SliderSingleStepSub);
        break;
    case BarRequest::LineToEnd:
        triggerAction(SliderSingleStepAdd);
        break;
    case BarRequest::PageToStart:
        triggerAction(SliderPageStepSub);
        break;
    case BarRequest::PageToEnd:
        triggerAction(SliderPageStepAdd);
        break;
    case BarRequest::ToStart:
        triggerAction(SliderToMinimum);
        break;
    case BarRequest::ToEnd:
        triggerAction(SliderToMaximum);
        break;
    }
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

double ScrollBar::shownValue() const {
    return ShownValue(row_, Value());
}

void ScrollBar::showValue(double shown) {
    SetValue(ValueShowing(row_, shown));
}

double ScrollBar::shownStep() const {
    return ShownValue(row_, row_.smallChange);
}

void ScrollBar::step(bool up) {
    const int value = Value() + (up ? row_.smallChange : -row_.smallChange);
    SetValue(std::clamp(value, std::min(row_.startValue, row_.endValue),
                        std::max(row_.startValue, row_.endValue)));
}

} // namespace quorvel::platform::qt
