#pragma once

#include "tool_look.h"
#include "tools.h"

#include <windows.h>

#include <string>
#include <vector>

namespace quorvel::platform::win32 {

class Form;

// The tools to read the curves on the Win32 window, translated both ways:
// keys (whichever control has focus) go to the window as neutral events; the
// menu, the note and the ring it asks for are shown as it describes them,
// the note and the ring painted over the drawing.
class ReadingTools {
public:
    explicit ReadingTools(Form &form) : form_(form) {}

    void setEvents(ToolEvents events) { events_ = std::move(events); }
    const ToolEvents &events() const { return events_; }
    // A key on its way to a control, handed to the window; true when it took it.
    bool key(const MSG &message);
    // In the layout's pixels; the form's DPI is applied here.
    void showMenu(const std::vector<MenuEntry> &entries, double x, double y);
    void showNote(double x, double y, const Text &value, const Text &settings);
    void hideNote();
    void showMarker(double x, double y);
    void hideMarker();
    // Hidden while the window is copied as a picture, then shown as they were.
    void hideForPicture();
    void showAfterPicture();
    // The ring and the note, over the drawing.
    void paint(HDC dc);
    // The note's words as shown now, empty when hidden. For tests.
    Text noteText() const;

private:
    // Where the note and the ring are painted, in client pixels, or were until now.
    void invalidate();
    RECT scaledBox(const look::Box &box) const;
    double ratio() const;

    Form &form_;
    ToolEvents events_;
    struct Note {
        bool shown = false;
        std::wstring text;
        RECT box{}; // client pixels
    } note_;
    bool markerShown_ = false;
    RECT markerBox_{};
    bool noteWasShown_ = false, markerWasShown_ = false;
};

} // namespace quorvel::platform::win32
