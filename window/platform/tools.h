#pragma once

#include "keys.h"
#include "text.h"

#include <functional>
#include <optional>
#include <vector>

// The tools to read the curves, as the window and a backend speak of them:
// what a backend hears from the user and hands on, and what the window asks
// it to show.
namespace quorvel::platform {

enum class Tool {
    ReadValues,
    Listen,
    CopyValues,
    CopyPicture,
    CopyLink,
    SavePicture,
    SaveValues,
    Help,
    ZoomIn,
    ZoomOut,
    ActualSize,
    // The examples, in the order the window lists them: the classic five,
    // then four of populations.
    Example1,
    Example2,
    Example3,
    Example4,
    Example5,
    Example6,
    Example7,
    Example8,
    Example9,
    // One of the languages, by its place in the Language menu.
    Language,
    // Shows or hides the panel of population settings beside the window.
    PopulationSettings,
    Last = PopulationSettings
};

// Which keys a platform leaves to the program: a desktop all of them; a
// browser keeps F1, Ctrl+Shift+T and C and its zoom keys, and zooms a page
// itself.
enum class ToolKeys { Desktop, Browser };

// A point in the window's logical pixels, the layout's.
struct Point {
    double x, y;
};

// One entry of the context menu: its words, its key as the user presses it,
// and the tool it starts with its index (which language); or, when it has
// entries of its own, the submenu they make, which it opens. A checked entry
// is the one chosen of its submenu, as the language shown.
struct MenuEntry {
    Text label;
    Text keys;
    Tool tool;
    std::vector<MenuEntry> entries;
    int index = 0;
    bool checked = false;
};

struct ToolEvents {
    // A key on its way to the focused control, or to the window itself; true
    // when the window took it, and then no control sees it.
    std::function<bool(const KeyPress &)> key;
    // An entry of the context menu was chosen: its tool and index.
    std::function<void(Tool, int)> tool;
    // The context menu was asked for: at the pointer, or from the keyboard
    // (no point), by whatever has focus.
    std::function<void(std::optional<Point>)> menu;
    // The pointer moved to (x, y), or left the window.
    std::function<void(double x, double y)> pointerMoved;
    std::function<void()> pointerLeft;
    // The link the program was opened with was changed while it runs: a
    // page's "#" part edited in the address bar, which loads nothing.
    std::function<void(const Text &)> linkChanged;
    // The drawing's scale changed (zoom, another monitor, browser zoom): what
    // is drawn was resampled, and may be drawn again sharp.
    std::function<void()> rescaled;
};

} // namespace quorvel::platform
