#include "native_form.h"

// Showing the window, and what waits until its first frame is out.
namespace quorvel::platform::win32 {

void Form::show() {
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    // A timer's message comes only once the queue is empty: after the first
    // frame is out.
    SetTimer(window_, FirstFrameShown, USER_TIMER_MINIMUM, nullptr);
    if (initialFocus_)
        SetFocus(initialFocus_);
}

void Form::afterFirstFrame() {
    SetWindowLongPtrW(window_, GWL_STYLE, GetWindowLongPtrW(window_, GWL_STYLE) | WS_CLIPCHILDREN);
    accessibility_.connect();
}

} // namespace quorvel::platform::win32
