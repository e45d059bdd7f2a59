#include "startup.h"

#include "dispatch.h"
#include "native_form.h"

#include <commctrl.h>

namespace quorvel::platform {

// COM, which only the accessibility property service needs, starts with it,
// after the first frame (see accessibility.cpp).
struct Application::Toolkit {};

Application::Application(int &, char **) : toolkit_(std::make_unique<Toolkit>()) {
    // The manifest says the same; this covers a build run without it.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

Application::~Application() = default;

int Application::run(Form &form, const std::function<void(Form &)> &shown) {
    auto &window = dynamic_cast<win32::Form &>(form);
    window.setQuitOnClose(true);
    form.show();
    if (shown)
        shown(form);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        win32::Dispatch(window.hwnd(), message);
    return static_cast<int>(message.wParam);
}

} // namespace quorvel::platform
