#pragma once

#include "form_layout.h"
#include "keys.h"
#include "text.h"

#include <optional>

// What a scroll bar does, whatever draws it: how a click on an arrow or the
// track, a key and a thumb drag move its value, and, for a backend that draws
// the bar itself, where its parts lie. Values run from the row's start value
// at the left or top end to its end value at the other, in either direction.
namespace quorvel::platform {

enum class BarRequest { LineToStart, LineToEnd, PageToStart, PageToEnd, ToStart, ToEnd };

// The arrow keys the way they point, Page Up and Page Down a page towards the
// start or the end, Home and End to the ends; only without modifiers.
std::optional<BarRequest> BarRequestForKey(const KeyPress &press);

class BarModel {
public:
    explicit BarModel(const Row &row);

    int value() const { return value_; }
    // The value a request leads to from the current one, within the ends.
    int after(BarRequest request) const;
    // The value `distance` steps from the start end, within the ends.
    int atDistance(int distance) const;
    // The value nearest a fraction of the way from the start end (0) to the far end (1).
    int atFraction(double fraction) const;
    // How far the current value lies from the start end: in steps, and as a fraction.
    int distance() const;
    double fraction() const;
    // Moves to value, within the ends; true when the value changed.
    bool set(int value);

private:
    int start_, end_, value_, smallChange_, largeChange_;
};

// The value as the bar's box shows it, 0 to 1: the value over the bar's full
// scale, its end value furthest from 0; and the value that shows nearest a
// number of that kind, within the ends, for a screen reader that sets one.
// A bar of listed numbers shows the number a value stands for.
double ShownValue(const Row &row, int value);
int ValueShowing(const Row &row, double shown);
// The value in words as the bar's box shows it, for a screen reader.
Text ShownText(const Row &row, int value);

// The classic bar along its length, in pixels: an arrow at each end, the
// track between them, and a square thumb on the track.
struct BarGeometry {
    enum class Part { StartArrow, TrackBeforeThumb, Thumb, TrackAfterThumb, EndArrow };

    int length, arrow, track, thumb;

    static BarGeometry Of(const Row &row);
    // Where the thumb starts for a value at this fraction of the way.
    double thumbAt(double fraction) const;
    // The fraction of the way for a thumb that starts at this offset.
    double fractionAt(double thumbStart) const;
    // What lies at this offset from the start end, with the thumb where fraction puts it.
    Part partAt(double along, double fraction) const;
};

} // namespace quorvel::platform
