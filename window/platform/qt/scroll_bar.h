#pragma once

#include "control.h"
#include "form_layout.h"
#include "scroll_bar_model.h"

#include <QScrollBar>
#include <cstdint>

namespace quorvel::platform::qt {

// A scroll bar made from a layout row: its values run from the row's start
// value at its left or top end to its end value at the other, in either
// direction. Qt wants the smaller value first, so a bar that runs downwards is
// held inverted inside. Tracking is off: the value changes at the end of a
// thumb drag, not during.
class ScrollBar : public Control<QScrollBar, platform::ScrollBar> {
public:
    ScrollBar(QWidget *parent, const Row &row);

    std::int16_t Value() const override;
    void SetValue(int value) override;
    void onChange(Handler handler) override;
    // The value as the bar's box shows it, 0 to 1, and the value nearest a
    // number of that kind, as a screen reader reads and sets it.
    double shownValue() const;
    void showValue(double shown);
    // A step of the arrows, as a fraction of the full scale.
    double shownStep() const;
    // Raises or lowers the value by the arrows' step, within the ends.
    void step(bool up);
    const Row &row() const { return row_; }
    // How far along from the start end a position of Qt's is, 0 to 1.
    double fractionAt(int qtPosition) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int toQt(int value) const;
    // The bar's own model, at the value it has now.
    BarModel model() const;

    const Row &row_;
};

} // namespace quorvel::platform::qt
