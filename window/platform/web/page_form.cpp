#include "page_form.h"

#include "markup.h"
#include "page_controls.h"

#include <emscripten.h>

#include <stdexcept>

namespace quorvel::platform::web {

namespace {

Form *onPage = nullptr;

} // namespace

Form::Form(const FormDesign &design, std::span<const Row> rows) : design_(design) {
    dom::Start(WindowMarkup(design, rows), FromUtf8(design.caption));
    controls_.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        const int id = static_cast<int>(i);
        switch (row.kind) {
        case Kind::Button:
            controls_[i] = std::make_unique<Button>(id, FromUtf8(row.text));
            break;
        case Kind::TextBox:
            controls_[i] = std::make_unique<TextBox>(id, FromUtf8(row.text));
            break;
        case Kind::HorizontalBar:
        case Kind::VerticalBar:
            controls_[i] = std::make_unique<ScrollBar>(id, row);
            break;
        case Kind::Label:
            controls_[i] = std::make_unique<Label>(id, FromUtf8(row.text));
            break;
        default:
            controls_[i] = std::make_unique<Shape>(id);
        }
    }
    surface_ =
        std::make_unique<CanvasSurface>(CanvasId(rows), design.clientWidth, design.clientHeight,
                                        Colour::FromCode(design.drawingColour));
    onPage = this;
    dom::WatchPixelRatio();
    dom::StartTools();
}

Form::~Form() {
    if (onPage == this)
        onPage = nullptr;
}

void Form::show() {}

void Form::showError(const Text &message) {
    dom::ShowMessage(FromUtf8(design_.caption), message);
}

void Form::showHelp(const Text &text) {
    dom::ShowHelp(FromUtf8(design_.caption) + u": help", text);
}

Form *Form::OnPage() {
    return onPage;
}

void Form::event(int id, int kind, int argument) {
    if (id < 0 || static_cast<std::size_t>(id) >= controls_.size())
        return;
    platform::Control *target = controls_[static_cast<std::size_t>(id)].get();
    if (kind == dom::Click) {
        if (auto *button = dynamic_cast<Button *>(target))
            button->clicked();
    } else if (auto *bar = dynamic_cast<ScrollBar *>(target)) {
        bar->request(static_cast<dom::Event>(kind), argument);
    }
}

} // namespace quorvel::platform::web

namespace quorvel::platform {

std::unique_ptr<platform::Form> CreateForm(const FormDesign &design, std::span<const Row> rows) {
    return std::make_unique<web::Form>(design, rows);
}

} // namespace quorvel::platform

// The page's way in. No exception may reach the browser's event loop: the
// window's handlers report their own; anything else is reported here.
extern "C" {

EMSCRIPTEN_KEEPALIVE void quorvel_event(int id, int kind, int argument) {
    using quorvel::platform::web::Form;
    try {
        if (Form *form = Form::OnPage())
            form->event(id, kind, argument);
    } catch (...) {
        if (Form *form = Form::OnPage())
            form->showError(u"The action stopped because of an unexpected error.");
    }
}

EMSCRIPTEN_KEEPALIVE void quorvel_flush() {
    using quorvel::platform::web::Form;
    try {
        if (Form *form = Form::OnPage())
            form->canvas().flush();
    } catch (...) {
        // Out of memory for the copy: the next flush tries again.
    }
}

EMSCRIPTEN_KEEPALIVE void quorvel_ratio_changed() {
    using quorvel::platform::web::Form;
    try {
        if (Form *form = Form::OnPage())
            form->canvas().refit();
    } catch (...) {
        // Out of memory at the new size: the drawing stays at the old one.
    }
}

// The tools' ways in; the window's own guard reports what its handlers raise.
EMSCRIPTEN_KEEPALIVE void quorvel_tool(int tool) {
    using quorvel::platform::web::Form;
    Form *form = Form::OnPage();
    if (form && form->tools().tool && tool >= 0 &&
        tool <= static_cast<int>(quorvel::platform::Tool::ActualSize))
        form->tools().tool(static_cast<quorvel::platform::Tool>(tool));
}

EMSCRIPTEN_KEEPALIVE int quorvel_reading_key(int key) {
    using quorvel::platform::web::Form;
    Form *form = Form::OnPage();
    if (!form || !form->tools().readingKey || key < 0 ||
        key > static_cast<int>(quorvel::platform::ReadingKey::Listen))
        return 0;
    return form->tools().readingKey(static_cast<quorvel::platform::ReadingKey>(key)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void quorvel_pointer(double x, double y) {
    using quorvel::platform::web::Form;
    Form *form = Form::OnPage();
    if (form && form->tools().pointerMoved)
        form->tools().pointerMoved(x, y);
}

EMSCRIPTEN_KEEPALIVE void quorvel_pointer_left() {
    using quorvel::platform::web::Form;
    Form *form = Form::OnPage();
    if (form && form->tools().pointerLeft)
        form->tools().pointerLeft();
}

} // extern "C"
