#pragma once

#include "reading/readout.h"

#include <optional>

namespace quorvel {

// What a key does in reading mode.
enum class ReadingKey { Left, Right, PageUp, PageDown, Home, End, Up, Down, Escape, Listen };

// Stepping through the kept curves point by point with the keyboard: Left and
// Right a point, Page Up and Page Down ten, Home and End to the ends, Up and
// Down to the previous and next curve, Escape to leave. Entered on the latest
// curve's first point.
class ReadingMode {
public:
    using Key = ReadingKey;

    // False when nothing is drawn to read.
    bool enter(const DrawnCurves &drawn);
    void leave() { at_.reset(); }
    bool active() const { return at_.has_value(); }

    // Moves as the key says; leaves on Escape, or when the curves it was
    // reading have gone (CLS).
    void press(const DrawnCurves &drawn, Key key);
    // The point read now, while active.
    std::optional<PointRef> current(const DrawnCurves &drawn) const;

private:
    struct At {
        std::size_t curve; // in DrawnCurves::all()
        std::size_t line;  // in SeriesOf() that curve
        std::size_t step;  // among that series' drawn points
    };
    std::optional<At> at_;
};

} // namespace quorvel
