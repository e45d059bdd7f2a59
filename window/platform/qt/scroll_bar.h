#pragma once

#include "control.h"

#include <QScrollBar>
#include <cstdint>

namespace quorvel::platform::qt {

// A scroll bar whose values run from startValue at its left or top end to
// endValue at its right or bottom end, in either direction. Qt wants the
// smaller value first, so a bar that runs downwards is held inverted inside.
// Tracking is off: the value changes at the end of a thumb drag, not during.
class ScrollBar : public Control<QScrollBar, platform::ScrollBar> {
public:
    ScrollBar(QWidget *parent, Qt::Orientation orientation, int startValue, int endValue);

    std::int16_t Value() const override;
    void SetValue(int value) override;
    void onChange(Handler handler) override;
    // Moves the value by delta on the bar's own scale, stopping at its ends,
    // as an arrow key does.
    void StepBy(int delta);
    // The value at the bar's far end from 0: its box shows Value() / FullScale().
    int FullScale() const;
    int startValue() const { return start_; }
    int endValue() const { return end_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int toQt(int value) const;

    int start_;
    int end_;
};

} // namespace quorvel::platform::qt
