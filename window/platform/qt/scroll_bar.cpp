#include "scroll_bar.h"

#include "classic_style.h"
#include "key_events.h"
#include "scroll_bar_model.h"

#include <QKeyEvent>
#include <algorithm>
#include <cmath>
#include <utility>

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
    // A click or a hold on an arrow or the track moves as the bar's model
    // says, as a key does: Qt has moved the position already, the value not yet.
    connect(this, &QScrollBar::actionTriggered, this, [this](int action) {
        // Qt's minimum is the start end on both bars here.
        static constexpr std::pair<int, BarRequest> Requests[] = {
            {SliderSingleStepSub, BarRequest::LineToStart},
            {SliderSingleStepAdd, BarRequest::LineToEnd},
            {SliderPageStepSub, BarRequest::PageToStart},
            {SliderPageStepAdd, BarRequest::PageToEnd},
            {SliderToMinimum, BarRequest::ToStart},
            {SliderToMaximum, BarRequest::ToEnd},
        };
        for (const auto &[qtAction, request] : Requests)
            if (action == qtAction)
                setSliderPosition(toQt(model().after(request)));
    });
}

BarModel ScrollBar::model() const {
    BarModel model(row_);
    model.set(Value());
    return model;
}

double ScrollBar::fractionAt(int qtPosition) const {
    BarModel model(row_);
    model.set(toQt(qtPosition));
    return model.fraction();
}

// Mirrors a value between the bar's own scale and Qt's; its own inverse.
int ScrollBar::toQt(int value) const {
    return row_.startValue <= row_.endValue ? value : minimum() + maximum() - value;
}

// The keys every backend's bar takes, the way they point on either
// orientation (Qt's own mapping sends Right the wrong way on a horizontal
// bar), moving as the bar's model says.
void ScrollBar::keyPressEvent(QKeyEvent *event) {
    const std::optional<BarRequest> request = BarRequestForKey(TranslateKey(*event));
    if (!request) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    SetValue(model().after(*request));
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

// A bar of listed numbers steps by the least of their differences, which
// tells a screen reader how many decimals its values have.
double ScrollBar::shownStep() const {
    if (!row_.steps)
        return ShownValue(row_, row_.smallChange);
    double least = HUGE_VAL;
    for (int i = 1; i < row_.stepCount; ++i)
        if (std::isfinite(row_.steps[i]) && row_.steps[i] - row_.steps[i - 1] > 0)
            least = std::min(least, row_.steps[i] - row_.steps[i - 1]);
    return least;
}

void ScrollBar::step(bool up) {
    BarModel model = this->model();
    model.set(Value() + (up ? row_.smallChange : -row_.smallChange));
    SetValue(model.value());
}

} // namespace quorvel::platform::qt
