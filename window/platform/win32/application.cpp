#include "startup.h"

#include "dispatch.h"
#include "native_form.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cwchar>

namespace quorvel::platform {

// COM, which only the accessibility property service needs, starts with it,
// after the first frame (see accessibility.cpp).
struct Application::Toolkit {};

namespace {

// The command line's arguments after the program's name, in Windows' own
// UTF-16 (main's are in the ANSI code page), split by Windows' own rules for
// quotes and backslashes, as every program's C runtime splits them.
std::vector<Text> CommandLineArguments() {
    int count = 0;
    wchar_t **split = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<Text> arguments;
    for (int i = 1; split && i < count; ++i)
        arguments.emplace_back(split[i], split[i] + std::wcslen(split[i]));
    LocalFree(split);
    return arguments;
}

} // namespace

Application::Application(int &, char **) : toolkit_(std::make_unique<Toolkit>()) {
    arguments_ = CommandLineArguments();
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
