#pragma once

#include "native_controls.h"
#include "scroll_bar_model.h"

namespace quorvel::platform::win32 {

// A native bar that steps as BarModel says. The control's position counts
// the steps from the bar's start end (its left or top), whichever way the
// bar's own values run.
class ScrollBar final : public ChildControl, public platform::ScrollBar {
public:
    ScrollBar(Form &form, HWND window, const Row &row);
    std::int16_t Value() const override { return static_cast<std::int16_t>(model_.value()); }
    void SetValue(int value) override { moveTo(value); }
    void onChange(Handler handler) override { handler_ = std::move(handler); }

    // A scroll request from the control (an arrow, the trough, the end of a
    // thumb drag): moves the thumb and runs the handler once if the value
    // changed. Requests during a drag change nothing. thumbPosition is where
    // a drag ended, on the control's scale.
    void scrolled(int request, int thumbPosition);
    // A key while the bar has focus; true when it is one of the bar's keys.
    bool key(const KeyPress &press);
    void attach(HWND window) override;

private:
    void moveTo(int value);
    // The control's range and position, from the model.
    void fit();

    BarModel model_;
    const Row &row_;
    Handler handler_;
};

} // namespace quorvel::platform::win32
