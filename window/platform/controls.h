#pragma once

#include "text.h"

#include <cstdint>
#include <functional>

// The controls of a form as the window sees them, whatever toolkit draws them.
// A backend makes them from the layout's rows; the form owns them.
namespace quorvel::platform {

using Handler = std::function<void()>;

class Control {
public:
    virtual ~Control() = default;
    // The name and short description a screen reader announces.
    virtual void describe(const Text &name, const Text &description) = 0;
    virtual void setFocus() = 0;
};

class Button : public virtual Control {
public:
    virtual Text text() const = 0;
    // handler runs on every click, from the mouse or the keyboard.
    virtual void onClick(Handler handler) = 0;
};

// A box that shows a value; what a user types there is never read.
class TextBox : public virtual Control {
public:
    virtual Text text() const = 0;
    // Replaces the text, showing it from its start.
    virtual void setText(const Text &text) = 0;
};

// A bar whose values run from its start value at the left or top end to its end
// value at the right or bottom end, in either direction.
class ScrollBar : public virtual Control {
public:
    virtual std::int16_t Value() const = 0;
    // Moves the thumb; the change handler runs when the value changes.
    virtual void SetValue(int value) = 0;
    // handler runs once per change of value by the user: arrow, trough, key,
    // the end of a thumb drag. Not during a drag, not when the value stays.
    virtual void onChange(Handler handler) = 0;
};

class Label : public virtual Control {
public:
    virtual Text text() const = 0;
};

// A frame or a line: decoration that takes no input.
class Shape : public virtual Control {};

} // namespace quorvel::platform
