#include "dispatch.h"

#include "native_form.h"

#include <cwchar>

namespace quorvel::platform::win32 {

namespace {

bool IsClass(HWND window, const wchar_t *name) {
    wchar_t found[32] = {};
    GetClassNameW(window, found, 32);
    return _wcsicmp(found, name) == 0;
}

} // namespace

void Dispatch(HWND form, MSG &message) {
    if (message.message == WM_KEYDOWN) {
        const bool control = GetKeyState(VK_CONTROL) < 0;
        if (message.wParam == VK_RETURN && IsClass(message.hwnd, L"Button")) {
            SendMessageW(message.hwnd, BM_CLICK, 0, 0);
            return;
        }
        if (control && message.wParam == 'A' && IsClass(message.hwnd, L"Edit")) {
            SendMessageW(message.hwnd, EM_SETSEL, 0, -1);
            return;
        }
    }
    if (form && IsWindow(form)) {
        auto *window = reinterpret_cast<Form *>(GetWindowLongPtrW(form, GWLP_USERDATA));
        if (window && (message.hwnd == form || IsChild(form, message.hwnd)) &&
            window->toolKey(message))
            return;
        if (IsDialogMessageW(form, &message))
            return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void ProcessMessages(HWND form) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(form, message);
    }
}

} // namespace quorvel::platform::win32
