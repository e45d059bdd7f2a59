#include "native_controls.h"

#include "form_window.h"

#include <algorithm>
#include <cstdlib>

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
    : ChildControl(form, window), model_(row) {
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_POS | SIF_PAGE,
                    0,
                    std::abs(row.endValue - row.startValue),
                    0,
                    model_.distance(),
                    0};
    SetScrollInfo(window_, SB_CTL, &info, FALSE);
}

void ScrollBar::moveTo(int value) {
    if (!model_.set(value))
        return; // the value stays: no change, no handler
    SetScrollPos(window_, SB_CTL, model_.distance(), TRUE);
    if (handler_)
        handler_();
}

void ScrollBar::scrolled(int request, int thumbPosition) {
    switch (request) {
    case SB_LINEUP:
        return moveTo(model_.after(BarRequest::LineToStart));
    case SB_LINEDOWN:
        return moveTo(model_.after(BarRequest::LineToEnd));
    case SB_PAGEUP:
        return moveTo(model_.after(BarRequest::PageToStart));
    case SB_PAGEDOWN:
        return moveTo(model_.after(BarRequest::PageToEnd));
    case SB_TOP:
        return moveTo(model_.after(BarRequest::ToStart));
    case SB_BOTTOM:
        return moveTo(model_.after(BarRequest::ToEnd));
    case SB_THUMBPOSITION:
        return moveTo(model_.atDistance(thumbPosition));
    default:
        return; // SB_THUMBTRACK during a drag, SB_ENDSCROLL after any request
    }
}

bool ScrollBar::key(const KeyPress &press) {
    const std::optional<BarRequest> request = BarRequestForKey(press);
    if (request)
        moveTo(model_.after(*request));
    return request.has_value();
}

} // namespace quorvel::platform::win32
