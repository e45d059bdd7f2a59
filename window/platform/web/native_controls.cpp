#include "native_controls.h"

namespace quorvel::platform::web {

void TextBox::setText(const Text &text) {
    text_ = text;
    dom::SetText(id(), text);
}

void Button::setCaption(const Text &text) {
    text_ = text;
    dom::SetCaption(id(), text);
}

void Label::setCaption(const Text &text) {
    text_ = text;
    dom::SetCaption(id(), text);
}

} // namespace quorvel::platform::web
