#pragma once

#include "controls.h"
#include "form_layout.h"

#include <windows.h>

// The window's controls on Win32: buttons and boxes are native child windows
// (and the bars, in scroll_bar.h); labels, frames and the zero line are
// painted by the form itself.
namespace quorvel::platform::win32 {

class Form;

// A native control; the panel's get their windows only when it first shows
// (window null until then), and keep what is set on them meanwhile.
class ChildControl : public virtual platform::Control {
public:
    ChildControl(Form &form, HWND window) : form_(form), window_(window) {}
    HWND hwnd() const { return window_; }
    Form &form() const { return form_; }
    void describe(const Text &name, const Text &description) override;
    void setFocus() override;
    // Its window, made now: what was set on the control goes to it.
    virtual void attach(HWND window);

protected:
    Form &form_;
    HWND window_;

private:
    Text name_, description_;
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
    TextBox(Form &form, HWND window, Text text)
        : ChildControl(form, window), text_(std::move(text)) {}
    Text text() const override;
    void setText(const Text &text) override;
    void attach(HWND window) override;

private:
    Text text_; // until it has its window
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
    void setText(Text text) { text_ = std::move(text); }

private:
    Text text_;
};

class Shape final : public Painted, public platform::Shape {};

} // namespace quorvel::platform::win32
