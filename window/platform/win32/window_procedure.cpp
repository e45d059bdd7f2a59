#include "native_form.h"

#include "conversions.h"
#include "error_report.h"
#include "surface.h"

#include <cmath>

// The window's messages: clicks and scrolls to the controls, the pointer and
// the context menu to the tools, focus kept as a dialog keeps it, paints,
// a new DPI. No exception crosses into the system's message dispatch.
namespace quorvel::platform::win32 {

LRESULT CALLBACK Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *form = reinterpret_cast<Form *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    // No exception may cross into the system's message dispatch.
    try {
        return form->handle(message, wParam, lParam);
    } catch (...) {
        form->ShowMessage(Wide(form->words_.unexpectedError), Wide(form->words_.title),
                          MB_ICONWARNING);
        return 0;
    }
}

LRESULT Form::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam)
            if (auto *pressed = dynamic_cast<Button *>(controlOf(reinterpret_cast<HWND>(lParam))))
                pressed->clicked();
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam)
            if (auto *bar = dynamic_cast<ScrollBar *>(controlOf(reinterpret_cast<HWND>(lParam))))
                bar->scrolled(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC: // read-only boxes, white like any box
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(boxBackground_.get());
    // As a dialog manager does: the focused control is kept while another
    // window (a message box) is active, and gets focus back afterwards,
    // rather than the form itself, which no key reaches.
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focused = GetFocus();
            if (focused && IsChild(window_, focused))
                focusWhenInactive_ = focused;
            return 0;
        }
        if (focusWhenInactive_ && IsWindow(focusWhenInactive_) &&
            IsChild(window_, focusWhenInactive_)) {
            SetFocus(focusWhenInactive_);
            return 0;
        }
        return DefWindowProcW(window_, message, wParam, lParam);
    case WM_MOUSEMOVE: {
        if (!trackingMouse_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
            trackingMouse_ = TrackMouseEvent(&track);
        }
        const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
        if (tools_.events().pointerMoved)
            tools_.events().pointerMoved(static_cast<short>(LOWORD(lParam)) / ratio,
                                         static_cast<short>(HIWORD(lParam)) / ratio);
        return 0;
    }
    case WM_MOUSELEAVE:
        trackingMouse_ = false;
        if (tools_.events().pointerLeft)
            tools_.events().pointerLeft();
        return 0;
    case WM_CONTEXTMENU: {
        if (!tools_.events().menu)
            return 0;
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (at.x == -1 && at.y == -1) { // from the keyboard
            tools_.events().menu(std::nullopt);
            return 0;
        }
        ScreenToClient(window_, &at);
        const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
        tools_.events().menu(Point{at.x / ratio, at.y / ratio});
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // the paint handler covers every pixel
    case WM_PAINT: {
        PAINTSTRUCT paintStruct;
        HDC dc = BeginPaint(window_, &paintStruct);
        paint(dc, paintStruct.rcPaint);
        EndPaint(window_, &paintStruct);
        return 0;
    }
    case ShowDrawing: {
        repaintPending_ = false;
        const PixelRect dirty = surface_->takeDirty();
        if (!dirty.isEmpty()) {
            RECT area = scaled(dirty.x, dirty.y, dirty.width, dirty.height);
            InvalidateRect(window_, &area, FALSE);
        }
        return 0;
    }
    case WM_DPICHANGED: {
        monitorDpi_ = HIWORD(wParam);
        dpi_ = static_cast<UINT>(std::lround(monitorDpi_ * zoom_));
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        layOut();
        if (tools_.events().rescaled)
            tools_.events().rescaled();
        return 0;
    }
    case WM_TIMER:
        if (wParam == FirstFrameShown) {
            KillTimer(window_, FirstFrameShown);
            afterFirstFrame();
        }
        return 0;
    case WM_DESTROY:
        if (quitOnClose_)
            PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        const HWND window = window_;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

} // namespace quorvel::platform::win32
