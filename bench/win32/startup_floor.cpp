// The floor for the Windows program's start-up: a bare window of the same
// size and caption, with one static and one button, built with the same
// resources (icon, manifest), so that the system's fonts, common controls and
// theme load as in any current Windows program that shows text. Given
// "controls", it has the program's twelve native controls instead, of the
// same classes and sizes (three buttons, five read-only boxes, four scroll
// bars), with the program's styles (sunken read-only boxes, every control a
// Tab stop), to tell what Wine charges for them whatever the program does.
#include <windows.h>

#include <cwchar>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
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
    if (std::wcscmp(arguments, L"controls") != 0) {
        CreateWindowExW(0, L"STATIC", L"Fitness w(AA)", WS_CHILD | WS_VISIBLE, 24, 16, 73, 25,
                        window, nullptr, instance, nullptr);
        CreateWindowExW(0, L"BUTTON", L"RUN", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 456, 16, 65,
                        33, window, nullptr, instance, nullptr);
    } else {
        struct Control {
            const wchar_t *kind, *text;
            DWORD style;
            int left, top, width, height;
        };
        constexpr DWORD Box = ES_READONLY | ES_AUTOHSCROLL | ES_LEFT, Horizontal = SBS_HORZ,
                        Vertical = SBS_VERT, Button = BS_PUSHBUTTON;
        const Control controls[] = {
            {L"BUTTON", L"RUN", Button, 456, 16, 65, 33},
            {L"BUTTON", L"CLS", Button, 528, 16, 65, 33},
            {L"BUTTON", L"W Mean", Button, 24, 344, 65, 25},
            {L"EDIT", L"w(AA)", Box, 104, 16, 49, 19},
            {L"EDIT", L"w(Aa)", Box, 104, 48, 49, 19},
            {L"EDIT", L"w(aa)", Box, 104, 80, 49, 19},
            {L"EDIT", L"p0", Box, 8, 184, 57, 19},
            {L"EDIT", L"p100", Box, 552, 104, 65, 19},
            {L"SCROLLBAR", L"", Horizontal, 160, 16, 73, 17},
            {L"SCROLLBAR", L"", Horizontal, 160, 48, 73, 17},
            {L"SCROLLBAR", L"", Horizontal, 160, 80, 73, 17},
            {L"SCROLLBAR", L"", Vertical, 72, 120, 17, 185},
        };
        for (const Control &c : controls)
            CreateWindowExW(c.style == Box ? WS_EX_CLIENTEDGE : 0, c.kind, c.text,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | c.style, c.left, c.top, c.width,
                            c.height, window, nullptr, instance, nullptr);
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
