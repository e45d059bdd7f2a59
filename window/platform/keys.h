#pragma once

// A key as the window hears of it, whatever toolkit read it from the keyboard:
// each backend turns its own key events into these, and the window decides
// what they do.
namespace quorvel::platform {

enum class Key {
    Other, // a key the window never binds
    Letter,
    Digit,
    F1,
    F6,
    F10,
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    Escape,
    Space,
    Return,
    Tab,
    Menu, // the context-menu key
    Plus,
    Minus,
    Equals,
};

struct KeyPress {
    Key key = Key::Other;
    char character = 0; // 'A' to 'Z' for a letter, '0' to '9' for a digit
    bool control = false, shift = false, alt = false;
    bool meta = false; // the Windows, Super or Command key
    bool plain() const { return !control && !shift && !alt && !meta; }
};

} // namespace quorvel::platform
