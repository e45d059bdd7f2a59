#include "scroll_bar.h"

#include <cstdlib>

namespace quorvel::platform::win32 {

ScrollBar::ScrollBar(Form &form, HWND window, const Row &row)
    : ChildControl(form, window), model_(row), row_(row) {
    if (window_)
        fit();
}

void ScrollBar::attach(HWND window) {
    ChildControl::attach(window);
    fit();
}

void ScrollBar::fit() {
    const Row &row = row_;
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
    if (window_)
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
