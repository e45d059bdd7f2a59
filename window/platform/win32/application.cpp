#include "startup.h"

#include "dispatch.h"
#include "native_form.h"

namespace quorvel::platform {

// COM, which only the accessibility property service needs, starts with it,
// after the first frame (see accessibility.cpp).
struct Application::Toolkit {};

namespace {

// The command line's arguments after the program's name, in Windows' own
// UTF-16 (main's are in the ANSI code page): separated by blanks, a quoted
// part kept whole, the quotes dropped. Not CommandLineToArgvW: shell32, which
// nothing else here needs, adds a third to the memory at start-up.
std::vector<Text> CommandLineArguments() {
    std::vector<Text> arguments;
    const wchar_t *at = GetCommandLineW();
    bool first = true, quoted = false;
    Text current;
    bool any = false;
    for (;; ++at) {
        const wchar_t c = *at;
        if (c == 0 || ((c == L' ' || c == L'\t') && !quoted)) {
            if (any && !first)
                arguments.push_back(current);
            if (any)
                first = false;
            current.clear();
            any = false;
            if (c == 0)
                return arguments;
        } else if (c == L'"') {
            quoted = !quoted;
            any = true;
        } else {
            current += static_cast<char16_t>(c);
            any = true;
        }
    }
}

} // namespace

Application::Application(int &, char **) : toolkit_(std::make_unique<Toolkit>()) {
    arguments_ = CommandLineArguments();
    // The manifest says the same; this covers a build run without it.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
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
