#pragma once

#include "dom.h"
#include "native_controls.h"
#include "scroll_bar_model.h"

#include <optional>

namespace quorvel::platform::web {

// A held arrow or track steps at once, again after this pause, and then at
// this interval, as a classic bar does.
inline constexpr int RepeatPauseMs = 400, RepeatIntervalMs = 50;

// The classic bar, drawn by the page (scroll_bar.js) and run here: what a
// press on each of its parts does, whether a held arrow or track goes on,
// where a dragged thumb goes, and what its keys do, as BarModel and
// BarGeometry say. The page only reports where the pointer is along the bar
// and keeps the time.
class ScrollBar final : public Element, public platform::ScrollBar {
public:
    ScrollBar(int id, const Row &row);
    std::int16_t Value() const override { return static_cast<std::int16_t>(model_.value()); }
    void SetValue(int value) override { moveTo(value); }
    void onChange(Handler handler) override { handler_ = std::move(handler); }

    // What the page does after a press `along` pixels from the start end.
    enum class Press { None = 0, Repeat = 1, Drag = 2 };
    Press press(double along);
    // Another step of a held arrow or track; false once it is to stop.
    bool repeat();
    void drag(double along);
    void release();
    // A key while the bar has focus; true when it moved the bar.
    bool key(const KeyPress &press);
    // A drag that ended this far from the start end, from 0 to 1.
    void dragEnded(double fraction);

private:
    void step();
    void moveTo(int value);
    void show() const;

    const Row &row_;
    BarModel model_;
    BarGeometry geometry_;
    std::optional<BarRequest> held_; // an arrow or the track, held
    double pressedAt_ = 0;
    std::optional<double> grabbed_; // where the pointer holds the thumb, in a drag
    std::optional<double> dragged_; // the fraction the drag has reached
    Handler handler_;
};

} // namespace quorvel::platform::web
