#include "native_controls.h"

#include "native_form.h"

namespace quorvel::platform::win32 {

namespace {

Text WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return FromWide(text);
}

} // namespace

void ChildControl::describe(const Text &name, const Text &description) {
    name_ = name;
    description_ = description;
    if (window_)
        form_.describe(window_, name, description);
}

void ChildControl::setFocus() {
    if (window_) // one without a window is out of sight
        form_.focus(window_);
}

void ChildControl::attach(HWND window) {
    window_ = window;
    form_.describe(window_, name_, description_);
}

Text Button::text() const {
    return WindowText(window_);
}

Text TextBox::text() const {
    return window_ ? WindowText(window_) : text_;
}

void TextBox::setText(const Text &text) {
    text_ = text;
    if (!window_)
        return;
    SetWindowTextW(window_, std::wstring(text.begin(), text.end()).c_str());
    SendMessageW(window_, EM_SETSEL, 0, 0); // shown from its start
}

void TextBox::attach(HWND window) {
    ChildControl::attach(window);
    setText(text_);
}

} // namespace quorvel::platform::win32
