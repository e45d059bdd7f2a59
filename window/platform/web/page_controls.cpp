#include "page_controls.h"

#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quorvel::platform::web {

void TextBox::setText(const Text &text) {
    text_ = text;
    dom::SetText(id(), text);
}

ScrollBar::ScrollBar(int id, const Row &row)
    : Element(id), start_(row.startValue), end_(row.endValue), value_(row.value),
      smallChange_(row.smallChange), largeChange_(row.largeChange) {
    show();
}

void ScrollBar::request(dom::Event event, int argument) {
    const int towardEnd = end_ > start_ ? 1 : -1;
    switch (event) {
    case dom::LineToStart:
        return moveTo(value_ - towardEnd * smallChange_);
    case dom::LineToEnd:
        return moveTo(value_ + towardEnd * smallChange_);
    case dom::PageToStart:
        return moveTo(value_ - towardEnd * largeChange_);
    case dom::PageToEnd:
        return moveTo(value_ + towardEnd * largeChange_);
    case dom::ToStart:
        return moveTo(start_);
    case dom::ToEnd:
        return moveTo(end_);
    case dom::DragEnded: {
        const double along = std::clamp(argument / 1e6, 0.0, 1.0) * std::abs(end_ - start_);
        return moveTo(start_ + towardEnd * static_cast<int>(std::lround(along)));
    }
    default:
        return;
    }
}

void ScrollBar::moveTo(int value) {
    value = std::clamp(value, std::min(start_, end_), std::max(start_, end_));
    if (value == value_) {
        show(); // a drag that ended where it began puts the thumb back
        return;
    }
    value_ = value;
    show();
    if (handler_)
        handler_();
}

// A screen reader hears the value as its box shows it, 0 to 1.
void ScrollBar::show() const {
    const int range = std::abs(end_ - start_);
    const double fraction = range ? std::abs(value_ - start_) / static_cast<double>(range) : 0.0;
    const double fullScale = std::max(std::abs(start_), std::abs(end_));
    const double shown = fullScale ? value_ / fullScale : 0.0;
    dom::ShowBar(id(), fraction, shown, NumberToText(shown));
}

} // namespace quorvel::platform::web
