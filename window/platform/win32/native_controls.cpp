#include "native_controls.h"

#include "form_window.h"

#include <algorithm>

namespace quorvel::platform::win32 {

namespace {

Text WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return Text(text.begin(), text.end());
}

} // namespace

void ChildControl::describe(const Text &name, const Text &description) {
    form_.describe(window_, name, description);
}

void ChildControl::setFocus() {
    form_.focus(window_);
}

Text Button::text() const {
    return WindowText(window_);
}

Text TextBox::text() const {
    return WindowText(window_);
}

void TextBox::setText(const Text &text) {
    SetWindowTextW(window_, std::wstring(text.begin(), text.end()).c_str());
    SendMessageW(window_, EM_SETSEL, 0, 0); // shown from its start
}

ScrollBar::ScrollBar(Form &form, HWND window, const Row &row)
    : ChildControl(form, window), low_(std::min(row.startValue, row.endValue)),
      high_(std::max(row.startValue, row.endValue)), downwards_(row.startValue > row.endValue),
      smallChange_(row.smallChange), largeChange_(row.largeChange) {
    SCROLLINFO info{
        sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE, low_, high_, 0, mirrored(row.value), 0};
    SetScrollInfo(window_, SB_CTL, &info, FALSE);
}

int ScrollBar::mirrored(int value) const {
    return downwards_ ? low_ + high_ - value : value;
}

std::int16_t ScrollBar::Value() const {
    return static_cast<std::int16_t>(mirrored(GetScrollPos(window_, SB_CTL)));
}

void ScrollBar::SetValue(int value) {
    moveTo(mirrored(value));
}

void ScrollBar::moveTo(int position) {
    position = std::clamp(position, low_, high_);
    if (position == GetScrollPos(window_, SB_CTL))
        return; // the value stays: no change, no handler
    SetScrollPos(window_, SB_CTL, position, TRUE);
    if (handler_)
        handler_();
}

void ScrollBar::scrolled(int request, int thumbPosition) {
    const int position = GetScrollPos(window_, SB_CTL);
    switch (request) {
    case SB_LINEUP:
        return moveTo(position - smallChange_);
    case SB_LINEDOWN:
        return moveTo(position + smallChange_);
    case SB_PAGEUP:
        return moveTo(position - largeChange_);
    case SB_PAGEDOWN:
        return moveTo(position + largeChange_);
    case SB_TOP:
        return moveTo(low_);
    case SB_BOTTOM:
        return moveTo(high_);
    case SB_THUMBPOSITION:
        return moveTo(thumbPosition);
    default:
        return; // SB_THUMBTRACK during a drag, SB_ENDSCROLL after any request
    }
}

} // namespace quorvel::platform::win32
