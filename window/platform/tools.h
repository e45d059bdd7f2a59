#pragma once

#include <functional>

// The tools to read the curves, as the window hears of them from a backend:
// a menu item or its shortcut, the keys of reading mode, the pointer over the
// window.
namespace quorvel::platform {

enum class Tool { ReadValues, Listen, CopyValues, CopyPicture, Help, ZoomIn, ZoomOut, ActualSize };

// Which keys open the tools: the desktop's, or those a browser leaves to a page.
enum class ToolKeys { Desktop, Browser };

// The keys of each tool, as the menu and the help show them.
struct ToolShortcuts {
    const char16_t *readValues, *listen, *copyValues, *copyPicture, *help, *zoomIn, *zoomOut,
        *actualSize;
};
ToolShortcuts Shortcuts(ToolKeys keys);

// Zoom is a backend's own: the window never hears of these tools.
inline bool IsZoom(Tool tool) {
    return tool == Tool::ZoomIn || tool == Tool::ZoomOut || tool == Tool::ActualSize;
}
// The zoom a zoom tool leads to from the current one: 1 to 3, by the steps
// 1.25, 1.5, 1.75, 2, 2.5 and 3.
double NextZoom(double current, Tool tool);

enum class ReadingKey { Left, Right, PageUp, PageDown, Home, End, Up, Down, Escape, Listen };

struct ToolEvents {
    std::function<void(Tool)> tool;
    // While reading mode is on, these keys go here instead of to the focused
    // control; the answer says whether reading mode took it.
    std::function<bool(ReadingKey)> readingKey;
    // The pointer moved to (x, y) in the window's logical pixels, or left it.
    std::function<void(double x, double y)> pointerMoved;
    std::function<void()> pointerLeft;
    // The drawing's scale changed (zoom, or another monitor): what is drawn
    // was resampled, and may be drawn again sharp.
    std::function<void()> rescaled;
};

} // namespace quorvel::platform
