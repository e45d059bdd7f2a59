#pragma once

#include "colours.h"
#include "form_layout.h"

#include <vector>

// How the tools to read the curves look and where they go, in the window's
// logical pixels: the note by a point, the ring on the point being read, and
// the legend beside a copied picture. Each backend measures text in its own
// fonts and paints with its own calls; these decide the rest, once.
namespace quorvel::platform::look {

struct Box {
    double left, top, width, height;
    friend bool operator==(const Box &, const Box &) = default;
};

// The note: two lines, the value and the curve's settings, black on a pale
// yellow, outlined, padded.
inline constexpr Font NoteFont{"MS Sans Serif", 8.25, false};
inline constexpr Rgb NoteFill{255, 255, 225};
inline constexpr Rgb NoteOutline{64, 64, 64};
inline constexpr Rgb NoteInk{0, 0, 0};
inline constexpr double NotePadding = 4;

// A line of text in a font, top to top, in the layout's pixels: 1.15 times
// the font's size at 96 pixels an inch, rounded up, as the page sets it,
// whatever a toolkit's own spacing would be. The note's and the legend's
// lines are this far apart on every backend.
double LineHeight(const Font &font);

// The note's size for lines of these widths (as the backend measures them in
// NoteFont): the widest, the lines LineHeight apart, padded and outlined.
Box SizeNote(const std::vector<double> &lineWidths);

// Where a note of this size (padding and outline included) goes for a point
// at (x, y): 14 pixels right of and below it, so that the pointer does not
// cover it; where the window has no room there, above the point and pulled
// left, but never past the window's top or left edge. Read by a finger, the
// note goes centred above the point, clear of the fingertip that covers it.
Box PlaceNote(double x, double y, double width, double height, double clientWidth,
              double clientHeight, bool aboveFinger = false);

// The ring on the point being read: a black circle with a white halo on both
// sides, so that it shows on any curve and any fill. Centred on the pixel the
// point lights.
struct Ring {
    double centreX, centreY;
    static constexpr double Radius = 4;    // to the middle of the black line
    static constexpr double Width = 2;     // of the black line
    static constexpr double HaloWidth = 4; // of the white under it
    // The square the ring and its halo fit in.
    static constexpr double Extent = 2 * Radius + HaloWidth + 1;
};
Ring RingAt(double x, double y);
inline constexpr Rgb RingInk{0, 0, 0};
inline constexpr Rgb RingHalo{255, 255, 255};

// The legend beside a copied picture: a line a curve, in a column right of
// the window, 16 pixels from its edge and from the top, black on the
// window's colour.
inline constexpr Font LegendFont = NoteFont;
inline constexpr Rgb LegendInk{0, 0, 0};
inline constexpr double LegendMargin = 16;

struct Legend {
    double width, height;   // of the whole picture
    std::vector<Box> lines; // where each line's text goes
};
// For a window of this size and lines of these widths, LineHeight(LegendFont) apart.
Legend PlaceLegend(double windowWidth, double windowHeight, const std::vector<double> &lineWidths);

// The classic scroll bar, for a backend that draws its own (Qt's style, the
// page): the trough, and every part on it, outlined in a dark grey that
// stands out at least 3:1 against the trough, the parts' face and the window;
// a part held down is darker; the arrows are black triangles.
inline constexpr Rgb BarTrough{220, 220, 220};
inline constexpr Rgb BarFace{240, 240, 240};
inline constexpr Rgb BarPressed{192, 192, 192};
inline constexpr Rgb BarOutline{64, 64, 64};
inline constexpr Rgb BarArrow{0, 0, 0};

} // namespace quorvel::platform::look
