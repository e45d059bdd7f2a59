#pragma once

#include "text.h"

#include <vector>

namespace quorvel::platform {

// Every word a form shows of its own, in the language the window speaks: a
// backend shows these and no others. The window makes them from its
// catalogue and hands them over anew when the user chooses another language.
struct FormWords {
    Text language; // its tag, "de" or "pt-BR", for a page and a screen reader
    // Written right to left: captions end at their control's right edge
    // (PlaceText), and menus, messages, the help and the note read right to
    // left and open mirrored. The bars, the plots and their marks keep their
    // direction.
    bool rightToLeft = false;
    // Every word in letters the layout's faces have (Latin, Greek, Cyrillic):
    // otherwise the system's faces must stand in for some, as a desktop's
    // font fallback or linking finds them.
    bool latinLetters = true;
    Text title;
    // One a row, as the rows name them: a button's or a label's caption, a
    // box's placeholder; empty where a row shows none.
    std::vector<Text> captions;
    Text drawing;         // the drawing's name for screen readers
    Text ok, close;       // the buttons of a message and of the help, where drawn
    Text turnHint;        // a page's line asking a phone held upright to be turned
    Text unexpectedError; // what a backend's last guard says of a fault
    // The help, shown anew where it is open when the words change.
    Text helpTitle, help;
};

} // namespace quorvel::platform
