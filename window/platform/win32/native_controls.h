#pragma once

#include "controls.h"
#include "form_layout.h"
#include "scroll_bar_model.h"

#include <windows.h>

// The window's controls on Win32: buttons, boxes and bars are native child
// windows; labels, frames and the zero line are painted by the form itself.
namespace quorvel::platform::win32 {

class Form;

class ChildControl : public virtual platform::Control {
public:
    ChildControl(Form &form, HWND window) : form_(form), window_(window) {}
    HWND hwnd() const { return window_; }
    void describe(const Text &name, const Text &description) override;
    void setFocus() override;

protected:
    Form &form_;
    HWND window_;
};

class Button final : public ChildControl, public platform::Button {
public:
    using ChildControl::ChildControl;
    Text text() const override;
    void onClick(Handler handler) override { handler_ = std::move(handler); }
    void clicked() const {
        if (handler_)
            handler_();
    }

private:
    Handler handler_;
};

class TextBox final : public ChildControl, public platform::TextBox {
public:
    using ChildControl::ChildControl;
    Text text() const override;
    void setText(const Text &text) override;
};

// A native bar that steps as BarModel says. The control's position counts
// the steps from the bar's start end (its left or top), whichever way the
// bar's own values run.
class ScrollBar final : public ChildControl, public platform::ScrollBar {
public:
    ScrollBar(Form &form, HWND window, const Row &row);
    std::int16_t Value() const override { return static_cast<std::int16_t>(model_.value()); }
    void SetValue(int value) override { moveTo(value); }
    void onChange(Handler handler) override { handler_ = std::move(handler); }

    // A scroll request from the control (an arrow, the trough, the end of a
    // thumb drag): moves the thumb and runs the handler once if the value
    // changed. Requests during a drag change nothing. thumbPosition is where
    // a drag ended, on the control's scale.
    void scrolled(int request, int thumbPosition);
    // A key while the bar has focus; true when it is one of the bar's keys.
    bool key(const KeyPress &press);

private:
    void moveTo(int value);

    BarModel model_;
    Handler handler_;
};

// Labels, frames and the zero line have no window: the form paints them.
class Painted : public virtual platform::Control {
public:
    void describe(const Text &name, const Text &) override { name_ = name; }
    void setFocus() override {} // never in the focus order
    const Text &name() const { return name_; }

private:
    Text name_;
};

class Label final : public Painted, public platform::Label {
public:
    explicit Label(Text text) : text_(std::move(text)) {}
    Text text() const override { return text_; }

private:
    Text text_;
};

class Shape final : public Painted, public platform::Shape {};

} // namespace quorvel::platform::win32
