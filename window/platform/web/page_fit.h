#pragma once

namespace quorvel::platform::web {

// How large the window shows in the browser's viewport. A phone or a small
// browser window shows all of it, scaled down; a touch screen is also filled,
// since a finger needs the room; with a mouse a larger viewport keeps one CSS
// pixel a layout pixel, and browser zoom enlarges it.
struct PageFit {
    double scale = 1;
    // Held upright, a phone would show the window too small to read: it shows
    // at the smallest scale, the page scrolls, and a line asks to turn it.
    bool turnHint = false;
    // Where the window sits, in whole CSS pixels: centred in a viewport larger
    // than it, as a dialog sits on a screen, rather than in its top left corner.
    double left = 0, top = 0;

    static constexpr double Smallest = 0.6;
    static constexpr double LargestByTouch = 3;
};

// The fit of a window of width × height in a viewport of across × down CSS
// pixels, with a coarse (touch) or fine pointer.
PageFit FitToViewport(double across, double down, double width, double height, bool coarsePointer);

} // namespace quorvel::platform::web
