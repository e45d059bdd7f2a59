#include "native_controls.h"

namespace quorvel::platform::web {

void TextBox::setText(const Text &text) {
    text_ = text;
    dom::SetText(id(), text);
}

} // namespace quorvel::platform::web
