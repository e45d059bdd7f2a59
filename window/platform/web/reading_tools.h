#pragma once

#include "form_layout.h"
#include "tools.h"

#include <vector>

namespace quorvel::platform::web {

// The tools to read the curves in the page, translated both ways: the page's
// keys, pointer and menu requests (js/tools.js) go to the window as neutral
// events; the menu, the note and the ring it asks for are shown as it
// describes them.
class ReadingTools {
public:
    explicit ReadingTools(const FormDesign &design) : design_(design) {}

    // The page's keys, pointer and menu requests go to the program from now on.
    void start();
    void setEvents(ToolEvents events) { events_ = std::move(events); }
    const ToolEvents &events() const { return events_; }
    // In the layout's pixels; the page's fit is applied by the browser.
    void showMenu(const std::vector<MenuEntry> &entries, double x, double y);
    void showNote(double x, double y, const Text &value, const Text &settings);
    void hideNote();
    void showMarker(double x, double y);
    void hideMarker();
    // Read by a finger, the note goes above it, clear of the fingertip.
    void pointerIsFinger(bool finger) { byFinger_ = finger; }

private:
    const FormDesign &design_;
    ToolEvents events_;
    bool byFinger_ = false;
};

} // namespace quorvel::platform::web
