#include "native_form.h"

#include "conversions.h"

#include <cwchar>

// Message boxes: the error and the help, laid out in the words' direction.
namespace quorvel::platform::win32 {

void Form::showError(const Text &message) {
    ShowMessage(Wide(message), Wide(words_.title), MB_ICONWARNING);
}

void Form::showHelp(const Text &title, const Text &text) {
    ShowMessage(Wide(text), Wide(title), MB_ICONINFORMATION);
}

namespace {

// Once a box for words read right to left is laid out, before it shows: its
// parts are set mirrored, as Arabic programs' boxes are, its icon and buttons
// on the right and its text set from the right, which MB_RTLREADING and
// MB_RIGHT alone do not do everywhere. Not on activation: Wine places the
// buttons after that. A box the system has mirrored itself is left alone.
LRESULT CALLBACK MirrorTheBox(int code, WPARAM wParam, LPARAM lParam) {
    const auto &call = *reinterpret_cast<const CWPRETSTRUCT *>(lParam);
    wchar_t kind[16] = {};
    if (code == HC_ACTION && call.message == WM_INITDIALOG && GetClassNameW(call.hwnd, kind, 16) &&
        std::wcscmp(kind, L"#32770") == 0 &&
        !(GetWindowLongW(call.hwnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL)) {
        const HWND box = call.hwnd;
        RECT client{};
        GetClientRect(box, &client);
        for (HWND part = GetWindow(box, GW_CHILD); part; part = GetWindow(part, GW_HWNDNEXT)) {
            RECT place{};
            GetWindowRect(part, &place);
            MapWindowPoints(nullptr, box, reinterpret_cast<POINT *>(&place), 2);
            SetWindowPos(part, nullptr, client.right - place.right, place.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            GetClassNameW(part, kind, 16);
            const LONG style = GetWindowLongW(part, GWL_STYLE);
            if (_wcsicmp(kind, L"Static") == 0 && (style & SS_TYPEMASK) != SS_ICON) {
                SetWindowLongW(part, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_RIGHT);
                SetWindowLongW(part, GWL_EXSTYLE,
                               GetWindowLongW(part, GWL_EXSTYLE) | WS_EX_RTLREADING);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void Form::ShowMessage(const std::wstring &text, const std::wstring &title, UINT icon) {
    HHOOK mirror = rightToLeft() ? SetWindowsHookExW(WH_CALLWNDPROCRET, MirrorTheBox, nullptr,
                                                     GetCurrentThreadId())
                                 : nullptr;
    const UINT reading = rightToLeft() ? MB_RTLREADING | MB_RIGHT : 0;
    MessageBoxW(window_, text.c_str(), title.c_str(), MB_OK | icon | reading);
    if (mirror)
        UnhookWindowsHookEx(mirror);
}

} // namespace quorvel::platform::win32
