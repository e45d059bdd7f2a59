#pragma once

// What the Windows suites share: the window as a user meets it, in English
// whatever Windows' own language, its error reports collected instead of
// shown, and the texts a window and its controls show.
#include "native.h"
#include "quorvelcode.h"
#include "startup.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace testing {

using namespace quorvel;
using platform::Text;
using platform::win32::Native;

inline std::string Narrow(const Text &text) {
    return std::string(text.begin(), text.end());
}

// The separator this run's locale uses, as the test runner sets it.
inline char16_t Separator() {
    const char *separator = std::getenv("QUORVEL_SEPARATOR");
    return separator && *separator ? static_cast<char16_t>(*separator) : u'.';
}

// A text written with a dot, as the user's locale writes it.
inline Text Expected(const char *dotted) {
    Text text = platform::FromUtf8(dotted);
    for (char16_t &c : text)
        if (c == u'.')
            c = Separator();
    return text;
}

inline Text TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return Text(text, text + std::wcslen(text));
}

// A window whose error reports are collected instead of shown.
struct Window {
    Quorvelcode window;
    std::vector<Text> reports;
    bool shown = false;

    explicit Window(bool show = true) {
        window.errors.setSink([this](const Text &message) { reports.push_back(message); });
        window.SetLanguage(words::Language::English(), false);
        if (show) {
            form().show();
            pump();
        }
    }
    platform::win32::Form &form() { return *Native(window.form()); }
    void pump() { platform::win32::ProcessMessages(form().hwnd()); }
    void click(platform::Button *button) {
        SendMessageW(Native(button), BM_CLICK, 0, 0);
        pump();
    }
    // The notification that ends a thumb drag at value, as the control sends it.
    void drag(platform::ScrollBar *bar, int value) {
        const bool vertical = bar == window.VScrollp;
        const int position = vertical ? 1000 - value : value; // VScrollp: 1000 at the top
        SendMessageW(form().hwnd(), vertical ? WM_VSCROLL : WM_HSCROLL,
                     MAKEWPARAM(SB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(Native(bar)));
    }
    void scroll(platform::ScrollBar *bar, int request) {
        const bool vertical = bar == window.VScrollp;
        SendMessageW(form().hwnd(), vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(request, 0),
                     reinterpret_cast<LPARAM>(Native(bar)));
    }
    platform::ScrollBar *bar(int i) {
        platform::ScrollBar *bars[] = {window.HScrollw1, window.HScrollw2, window.HScrollw3,
                                       window.VScrollp};
        return bars[i];
    }
    void setBars(int w1, int w2, int w3, int p0) {
        const int values[] = {w1, w2, w3, p0};
        for (int i = 0; i < 4; ++i)
            if (values[i] >= 0)
                drag(bar(i), values[i]);
    }
    // A key as the user presses it, through the program's own dispatch.
    void key(WPARAM key) {
        MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
        platform::win32::Dispatch(form().hwnd(), message);
        pump();
    }
};

// The shown top-level window of a system class: "#32770" a dialog, "#32768"
// a menu.
inline HWND Shown(const wchar_t *kind) {
    struct Search {
        const wchar_t *kind;
        HWND found = nullptr;
    } search{kind};
    EnumWindows(
        [](HWND window, LPARAM into) -> BOOL {
            auto &search = *reinterpret_cast<Search *>(into);
            wchar_t kind[16] = {};
            GetClassNameW(window, kind, 16);
            if (std::wcscmp(kind, search.kind) != 0 || !IsWindowVisible(window))
                return TRUE;
            search.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace testing
