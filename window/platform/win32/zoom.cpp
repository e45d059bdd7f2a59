#include "native_form.h"

#include "conversions.h"
#include "surface.h"

#include <cmath>

// The window's DPI and zoom: its controls' places and fonts at them.
namespace quorvel::platform::win32 {

RECT Form::scaled(int left, int top, int width, int height) const {
    const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
    return {Edge(left, ratio), Edge(top, ratio), Edge(left + width, ratio),
            Edge(top + height, ratio)};
}

// Places the window and its controls at the current DPI, in its fonts.
void Form::layOut() {
    const RECT frame = windowFrame();
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        auto *child = dynamic_cast<ChildControl *>(controls_[i].get());
        if (!child || !child->hwnd())
            continue; // one of the panel's not made yet: made at the DPI it then has
        const Row &row = rows_[i];
        const RECT place = scaled(row.left, row.top, row.width, row.height);
        SetWindowPos(child->hwnd(), nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(child->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font(i)), TRUE);
    }
    surface_->refit();
    canvas_.reset();
    InvalidateRect(window_, nullptr, FALSE);
}

// The whole window larger or smaller, laid out as at a monitor of that scale,
// and the drawing made again at it.
void Form::setZoom(double zoom) {
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    dpi_ = static_cast<UINT>(std::lround(monitorDpi_ * zoom_));
    tools_.hideNote();
    layOut();
    if (tools_.events().rescaled)
        tools_.events().rescaled();
}

} // namespace quorvel::platform::win32
