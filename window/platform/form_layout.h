#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// What a form is built from: the window itself and one row per control, in
// stored order. Positions are client-area pixels. Every backend reads the
// same rows and stacks and orders the controls by the same rules.
namespace quorvel::platform {

enum class Kind { Button, TextBox, HorizontalBar, VerticalBar, Label, Line, Rectangle };

struct Font {
    const char *family = nullptr; // nullptr: the window's own font
    double pointSize = 0.0;
    bool bold = false;
};

inline constexpr int NoCaption = -1;

struct Row {
    const char *name;
    int index = -1; // member of the control array `name`, or -1
    Kind kind;
    // The phrase the window shows in it, as a number the window looks up in
    // its catalogue (a caption, a box's placeholder); NoCaption: none.
    int caption = NoCaption;
    int left, top, width, height;
    int tabIndex = -1; // -1: not in the focus order
    Font font{};
    // Rectangles: the fill colour code (&H00BBGGRR&).
    std::uint32_t fill = 0;
    // Bars: value at the left or top end, at the right or bottom end, the
    // start value and the arrow and trough steps.
    int startValue = 0, endValue = 0, value = 0, smallChange = 1, largeChange = 1;
    // Bars that choose among listed numbers rather than a scale: the number
    // each value stands for, from the start value on (infinity for none at all).
    const double *steps = nullptr;
    int stepCount = 0;
    // Labels: a mark on a plot (an axis's 0 and 1, a frame's signs), which
    // stays at its place and reads left to right in every language, as the
    // plots do; other labels are captions.
    bool mark = false;
    // In the panel beside the window, which shows only when the window asks
    // for it and then widens the window to its right.
    bool panel = false;
};

struct FormDesign {
    int clientWidth, clientHeight;
    // How much wider the client area is while the panel shows.
    int panelWidth = 0;
    std::uint32_t background;
    std::uint32_t drawingColour;
    Font font;
};

// The window's right edge as a row sees it: a row of the panel lies in the
// client area as widened for the panel, any other in the window's own.
inline int RightEdge(const FormDesign &design, const Row &row) {
    return design.clientWidth + (row.panel ? design.panelWidth : 0);
}

// Whether a user can tab to a control of this kind.
bool TakesFocus(Kind kind);

// Back to front: frames at the back, the zero line and the labels on them,
// then what is drawn, and the controls a user works with on top of it all.
// A larger layer lies above a smaller; within a layer, table order.
int StackingLayer(Kind kind);
inline constexpr int DrawingStackingLayer = 3;

// Every row and the drawing, back to front: by layer, and within a layer in
// table order; the drawing is the entry DrawingInStack.
inline constexpr int DrawingInStack = -1;
std::vector<int> StackingOrder(std::span<const Row> rows);

// The rows that take focus, by tab index.
std::vector<std::size_t> FocusOrder(std::span<const Row> rows);

// How far right of its own right edge row `at` may reach without touching any
// other row that shares one of its pixel rows, or the window's edge.
int RoomToTheRight(std::span<const Row> rows, std::size_t at, int clientWidth);

// The same to the left of its left edge, up to the window's edge.
int RoomToTheLeft(std::span<const Row> rows, std::size_t at);

// The room a caption leaves before a control it ends against.
inline constexpr int CaptionRoom = 3;

// A label's right edge where no control lies over it, nor within
// CaptionRoom of it.
int VisibleRight(std::span<const Row> rows, std::size_t at);

// Where a label's text lies, in the layout's pixels, for text `needed`
// pixels wide. A caption starts where its language's lines start: in a
// language written right to left it ends at its control's right edge (or
// where a control over it begins), reads right to left and grows to the
// left; elsewhere it starts at the left edge and grows to the right, and
// where that room is not enough, to the left as well. Either way only into
// free room, never narrower than its control's visible part. A mark stays
// left to right, at its left edge.
struct TextPlace {
    int left, width;
    bool rightToLeft;
};
TextPlace PlaceText(std::span<const Row> rows, std::size_t at, int needed, int clientWidth,
                    bool rightToLeft);

} // namespace quorvel::platform
