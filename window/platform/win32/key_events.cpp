#include "key_events.h"

#include <utility>

namespace quorvel::platform::win32 {

KeyPress TranslateKey(WPARAM key) {
    KeyPress press;
    press.control = GetKeyState(VK_CONTROL) < 0;
    press.shift = GetKeyState(VK_SHIFT) < 0;
    press.alt = GetKeyState(VK_MENU) < 0;
    press.meta = GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0;
    if (key >= 'A' && key <= 'Z') {
        press.key = Key::Letter;
        press.character = static_cast<char>(key);
        return press;
    }
    if ((key >= '0' && key <= '9') || (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)) {
        press.key = Key::Digit;
        press.character =
            static_cast<char>('0' + (key >= VK_NUMPAD0 ? key - VK_NUMPAD0 : key - '0'));
        return press;
    }
    static constexpr std::pair<WPARAM, Key> Keys[] = {
        {VK_F1, Key::F1},
        {VK_F6, Key::F6},
        {VK_F10, Key::F10},
        {VK_LEFT, Key::Left},
        {VK_RIGHT, Key::Right},
        {VK_UP, Key::Up},
        {VK_DOWN, Key::Down},
        {VK_PRIOR, Key::PageUp},
        {VK_NEXT, Key::PageDown},
        {VK_HOME, Key::Home},
        {VK_END, Key::End},
        {VK_ESCAPE, Key::Escape},
        {VK_SPACE, Key::Space},
        {VK_RETURN, Key::Return},
        {VK_TAB, Key::Tab},
        {VK_APPS, Key::Menu},
        {VK_ADD, Key::Plus},
        {VK_SUBTRACT, Key::Minus},
        {VK_OEM_MINUS, Key::Minus},
        // The key right of 0 on most layouts: = on its own, + with Shift.
        {VK_OEM_PLUS, Key::Plus},
    };
    for (const auto &[virtualKey, ours] : Keys)
        if (key == virtualKey)
            press.key = ours;
    return press;
}

} // namespace quorvel::platform::win32
