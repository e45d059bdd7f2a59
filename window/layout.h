#pragma once

#include <cstdint>
#include <span>

// The stored layout of the main window: the window itself and one row per
// control, in stored order. Positions are client-area pixels; the drawing of
// RUN and W Mean is aligned with them.
namespace quorvel::layout {

enum class Kind { Button, TextBox, HorizontalBar, VerticalBar, Label, Line, Rectangle };

struct Font {
    const char *family = nullptr; // nullptr: the window's own font
    double pointSize = 0.0;
    bool bold = false;
};

struct Row {
    const char *name;
    int index = -1; // member of the control array `name`, or -1
    Kind kind;
    const char *text = ""; // caption, placeholder or label text
    int left, top, width, height;
    int tabIndex = -1; // -1: not in the focus order
    Font font{};
    // Rectangles: the fill colour code (&H00BBGGRR&).
    std::uint32_t fill = 0;
    // Bars: value at the left or top end, at the right or bottom end, the
    // start value and the arrow and trough steps.
    int startValue = 0, endValue = 0, value = 0, smallChange = 1, largeChange = 1;
};

struct Window {
    const char *caption;
    int clientWidth, clientHeight;
    std::uint32_t background;
    std::uint32_t drawingColour;
    Font font;
};

const Window &MainWindow();
std::span<const Row> Controls();

// How far right of its own right edge a row may reach without touching any
// other row that shares one of its pixel rows, or the window's edge.
int RoomToTheRight(const Row &row);

} // namespace quorvel::layout
