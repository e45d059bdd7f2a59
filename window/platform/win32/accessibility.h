#pragma once

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
};

} // namespace quorvel::platform::win32
