#include "key_events.h"

#include <QKeyEvent>
#include <utility>

namespace quorvel::platform::qt {

KeyPress TranslateKey(const QKeyEvent &event) {
    KeyPress press;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    press.control = modifiers & Qt::ControlModifier;
    press.shift = modifiers & Qt::ShiftModifier;
    press.alt = modifiers & Qt::AltModifier;
    press.meta = modifiers & Qt::MetaModifier;
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        press.key = Key::Letter;
        press.character = static_cast<char>('A' + (key - Qt::Key_A));
        return press;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        press.key = Key::Digit;
        press.character = static_cast<char>('0' + (key - Qt::Key_0));
        return press;
    }
    static constexpr std::pair<int, Key> Keys[] = {
        {Qt::Key_F1, Key::F1},
        {Qt::Key_F6, Key::F6},
        {Qt::Key_F10, Key::F10},
        {Qt::Key_Left, Key::Left},
        {Qt::Key_Right, Key::Right},
        {Qt::Key_Up, Key::Up},
        {Qt::Key_Down, Key::Down},
        {Qt::Key_PageUp, Key::PageUp},
        {Qt::Key_PageDown, Key::PageDown},
        {Qt::Key_Home, Key::Home},
        {Qt::Key_End, Key::End},
        {Qt::Key_Escape, Key::Escape},
        {Qt::Key_Space, Key::Space},
        {Qt::Key_Return, Key::Return},
        {Qt::Key_Enter, Key::Return},
        {Qt::Key_Tab, Key::Tab},
        {Qt::Key_Backtab, Key::Tab},
        {Qt::Key_Menu, Key::Menu},
        {Qt::Key_Plus, Key::Plus},
        {Qt::Key_Minus, Key::Minus},
        {Qt::Key_Equal, Key::Equals},
    };
    for (const auto &[qtKey, ours] : Keys)
        if (key == qtKey)
            press.key = ours;
    return press;
}

} // namespace quorvel::platform::qt
