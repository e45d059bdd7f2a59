#include "quorvelcode.h"

#include "number_text.h"

namespace quorvel {

// The parameter is the box's text as read back, not the quotient itself, so
// the model later uses exactly what the user was shown.
void Quorvelcode::ShowBarValue(const platform::ScrollBar &bar, double divisor,
                               platform::TextBox &box, Parameter &field) {
    const std::int16_t value = bar.Value();
    const double quotient = static_cast<double>(value) / divisor;
    box.setText(platform::NumberToText(quotient));
    field = Parameter(box.text());
}

void Quorvelcode::HScrollw1_Change() {
    ShowBarValue(*HScrollw1, 100.0, *Textw1, w1);
}
void Quorvelcode::HScrollw2_Change() {
    ShowBarValue(*HScrollw2, 100.0, *Textw2, w2);
}
void Quorvelcode::HScrollw3_Change() {
    ShowBarValue(*HScrollw3, 100.0, *Textw3, w3);
}
void Quorvelcode::VScrollp_Change() {
    ShowBarValue(*VScrollp, 1000.0, *TextInitp, p0);
}

} // namespace quorvel
