#include "scroll_bar.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace quorvel::platform::web {

ScrollBar::ScrollBar(int id, const Row &row)
    : Element(id), row_(row), model_(row), geometry_(BarGeometry::Of(row)) {
    show();
}

ScrollBar::Press ScrollBar::press(double along) {
    using Part = BarGeometry::Part;
    held_.reset();
    switch (geometry_.partAt(along, model_.fraction())) {
    case Part::StartArrow:
        held_ = BarRequest::LineToStart;
        break;
    case Part::EndArrow:
        held_ = BarRequest::LineToEnd;
        break;
    case Part::TrackBeforeThumb:
        held_ = BarRequest::PageToStart;
        break;
    case Part::TrackAfterThumb:
        held_ = BarRequest::PageToEnd;
        break;
    case Part::Thumb:
        grabbed_ = along - geometry_.thumbAt(model_.fraction());
        dragged_.reset();
        return Press::Drag;
    }
    pressedAt_ = along;
    step();
    return Press::Repeat;
}

// The track pages on only while the thumb has not reached the pointer.
bool ScrollBar::repeat() {
    if (!held_)
        return false;
    using Part = BarGeometry::Part;
    const Part under = geometry_.partAt(pressedAt_, model_.fraction());
    if ((*held_ == BarRequest::PageToStart && under != Part::TrackBeforeThumb) ||
        (*held_ == BarRequest::PageToEnd && under != Part::TrackAfterThumb))
        return false;
    step();
    return true;
}

void ScrollBar::step() {
    moveTo(model_.after(*held_));
}

// The thumb follows the pointer; the value changes only when the drag ends.
void ScrollBar::drag(double along) {
    if (!grabbed_)
        return;
    dragged_ = geometry_.fractionAt(along - *grabbed_);
    dom::ShowThumb(id(), geometry_.thumbAt(*dragged_));
}

void ScrollBar::release() {
    held_.reset();
    if (!grabbed_)
        return;
    grabbed_.reset();
    if (dragged_)
        dragEnded(*std::exchange(dragged_, std::nullopt));
    else
        show();
}

void ScrollBar::dragEnded(double fraction) {
    moveTo(model_.atFraction(fraction));
}

bool ScrollBar::key(const KeyPress &press) {
    const std::optional<BarRequest> request = BarRequestForKey(press);
    if (request)
        moveTo(model_.after(*request));
    return request.has_value();
}

void ScrollBar::moveTo(int value) {
    const bool changed = model_.set(value);
    show(); // also puts back a thumb that was dragged and let go where it began
    if (changed && handler_)
        handler_();
}

// A screen reader hears the value as its box shows it: a bar on a scale
// 0 to 1; a bar of listed numbers by its place in the list, which has no
// number for an infinite population, with the number's text.
void ScrollBar::show() const {
    const int value = model_.value();
    dom::ShowBar(id(), geometry_.thumbAt(model_.fraction()),
                 row_.steps ? value : ShownValue(row_, value), ShownText(row_, value));
}

} // namespace quorvel::platform::web
