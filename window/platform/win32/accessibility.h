#pragma once

#include "form_layout.h"
#include "text.h"

#include <windows.h>

#include <map>

struct IAccPropServices;

namespace quorvel::platform::win32 {

// What screen readers hear of a window: its controls' names and
// descriptions, the drawing's description (the window's own), and the newest
// sentence, spoken as the focused control's description until the next.
// Through the accessibility property service, made only once the window has
// shown its first frame; what was described before then is handed to it then.
// A bar of listed numbers answers for itself (see readValueOf).
class Accessibility {
public:
    explicit Accessibility(const HWND &window) : window_(window) {}
    ~Accessibility();
    Accessibility(const Accessibility &) = delete;
    Accessibility &operator=(const Accessibility &) = delete;

    void connect();
    void describe(HWND control, const Text &name, const Text &description);
    void describeDrawing(const Text &text);
    void announce(const Text &sentence);
    // The name given to a control, the drawing's description for none.
    Text nameOf(HWND control) const;
    // What a control's description says now: the newest sentence on the
    // control it was announced on, else the one it was given.
    Text descriptionOf(HWND control) const;
    // A bar of listed numbers (population sizes, rates) is heard with the
    // value its box shows ("50", "∞"), which the system's own object for a
    // scroll bar cannot know: its window hands screen readers an object of
    // the window's, with the name and description given here.
    // Called once the bar is in sight, so that none of it costs the first frame.
    void readValueOf(HWND bar, const Row &row);
    // The value as the bar's box shows it; empty for any other control.
    Text valueOf(HWND bar) const;
    // The object a bar's window hands a screen reader that asks for it
    // (WM_GETOBJECT), or 0 for the system's own.
    LRESULT object(HWND bar, WPARAM flags);

private:
    void setDescription(HWND control, const Text &text);

    const HWND &window_; // the form's, made after this
    IAccPropServices *service_ = nullptr;
    bool tried_ = false;
    HMODULE com_ = nullptr; // ole32, loaded with the service
    bool comStarted_ = false;
    std::map<HWND, Text> names_;
    std::map<HWND, Text> descriptions_;
    HWND announcedOn_ = nullptr;
    Text announced_;
    std::map<HWND, const Row *> valueRows_;
};

} // namespace quorvel::platform::win32
