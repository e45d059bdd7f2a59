// The floor for the Windows program's start-up: a bare window of the same
// size and caption, with one static and one button, built with the same
// resources (icon, manifest), so that the system's fonts, common controls and
// theme load as in any current Windows program that shows text.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"QuorvelFloor";
    RegisterClassExW(&windowClass);
    constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, 628, 474};
    AdjustWindowRectEx(&frame, Style, FALSE, 0);
    HWND window = CreateWindowExW(0, L"QuorvelFloor", L"Quorvel, deterministic", Style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, L"STATIC", L"Fitness w(AA)", WS_CHILD | WS_VISIBLE, 24, 16, 73, 25, window,
                    nullptr, instance, nullptr);
    CreateWindowExW(0, L"BUTTON", L"RUN", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 456, 16, 65, 33,
                    window, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
