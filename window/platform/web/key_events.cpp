#include "key_events.h"

#include "dom.h"

namespace quorvel::platform::web {

std::optional<KeyPress> TranslateKey(int key, int character, int flags) {
    if (key < 0 || key > static_cast<int>(Key::Equals))
        return std::nullopt;
    KeyPress press;
    press.key = static_cast<Key>(key);
    press.character = static_cast<char>(character);
    press.control = flags & dom::ControlHeld;
    press.shift = flags & dom::ShiftHeld;
    press.alt = flags & dom::AltHeld;
    press.meta = flags & dom::MetaHeld;
    return press;
}

} // namespace quorvel::platform::web
