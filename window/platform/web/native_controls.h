#pragma once

#include "controls.h"
#include "dom.h"
#include "form_layout.h"

// The window's controls as page elements, each known by its layout row.
namespace quorvel::platform::web {

class Element : public virtual platform::Control {
public:
    explicit Element(int id) : id_(id) {}
    int id() const { return id_; }
    void describe(const Text &name, const Text &description) override {
        dom::Describe(id_, name, description);
    }
    void setFocus() override { dom::Focus(id_); }

private:
    int id_;
};

class Button final : public Element, public platform::Button {
public:
    Button(int id, Text text) : Element(id), text_(std::move(text)) {}
    Text text() const override { return text_; }
    void setCaption(const Text &text);
    void onClick(Handler handler) override { handler_ = std::move(handler); }
    void clicked() const {
        if (handler_)
            handler_();
    }

private:
    Text text_;
    Handler handler_;
};

// A box's text is only ever written by the program: the element is read-only.
class TextBox final : public Element, public platform::TextBox {
public:
    TextBox(int id, Text text) : Element(id), text_(std::move(text)) {}
    Text text() const override { return text_; }
    void setText(const Text &text) override;

private:
    Text text_;
};

class Label final : public Element, public platform::Label {
public:
    Label(int id, Text text) : Element(id), text_(std::move(text)) {}
    Text text() const override { return text_; }
    void setCaption(const Text &text);

private:
    Text text_;
};

class Shape final : public Element, public platform::Shape {
public:
    using Element::Element;
};

} // namespace quorvel::platform::web
