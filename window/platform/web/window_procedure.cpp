// The page's events: every way in from the page to the program, each as
// a function the page's scripts call, and a click or the end of a thumb's
// drag to the control it came from.
#include "key_events.h"
#include "native_controls.h"
#include "native_form.h"
#include "scroll_bar.h"

#include <emscripten.h>

#include <type_traits>
#include <utility>

namespace quorvel::platform::web {

Form *Form::onPage_ = nullptr;

void Form::event(int id, int kind, int argument) {
    if (id < 0 || static_cast<std::size_t>(id) >= controls_.size())
        return;
    platform::Control *target = controls_[static_cast<std::size_t>(id)].get();
    if (kind == dom::Click) {
        if (auto *button = dynamic_cast<Button *>(target))
            button->clicked();
    } else if (auto *bar = dynamic_cast<ScrollBar *>(target); bar && kind == dom::DragEnded) {
        bar->dragEnded(argument / 1e6);
    }
}

} // namespace quorvel::platform::web

namespace {

using quorvel::platform::web::Form;

// Every way in from the page runs here: on the form the page shows, and with
// no exception reaching the browser's event loop. The window's handlers
// report their own; anything else is reported here.
template <class Action> auto OnPage(Action action) {
    using Result = decltype(action(std::declval<Form &>()));
    try {
        if (Form *form = Form::OnPage())
            return action(*form);
    } catch (...) {
        if (Form *form = Form::OnPage())
            form->showError(form->words().unexpectedError);
    }
    if constexpr (!std::is_void_v<Result>)
        return Result{};
}

template <class Enum> bool InRange(int value, Enum last) {
    return value >= 0 && value <= static_cast<int>(last);
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void quorvel_event(int id, int kind, int argument) {
    OnPage([=](Form &form) { form.event(id, kind, argument); });
}

EMSCRIPTEN_KEEPALIVE void quorvel_flush() {
    OnPage([](Form &form) { form.canvas().flush(); });
}

EMSCRIPTEN_KEEPALIVE void quorvel_ratio_changed() {
    OnPage([](Form &form) { form.ratioChanged(); });
}

// A face finished loading: the captions set in it are measured again.
EMSCRIPTEN_KEEPALIVE void quorvel_faces_loaded() {
    OnPage([](Form &form) { form.placeLabels(); });
}

// The viewport's size in CSS pixels, and whether its pointer is coarse.
EMSCRIPTEN_KEEPALIVE void quorvel_fit(double across, double down, int coarsePointer) {
    OnPage([=](Form &form) { form.fit(across, down, coarsePointer != 0); });
}

// A menu entry chosen: the tool the program named when it showed the menu.
EMSCRIPTEN_KEEPALIVE void quorvel_tool(int tool, int index) {
    using quorvel::platform::Tool;
    OnPage([=](Form &form) {
        if (form.tools().tool && InRange(tool, Tool::Last))
            form.tools().tool(static_cast<Tool>(tool), index);
    });
}

// The link's part after "#" changed in the address bar.
EMSCRIPTEN_KEEPALIVE void quorvel_link_changed() {
    OnPage([](Form &form) {
        if (form.tools().linkChanged)
            form.tools().linkChanged(quorvel::platform::web::dom::PageFragment());
    });
}

// A key on its way to an element: 1 when the program took it, so that the
// page keeps it from the element and the browser.
EMSCRIPTEN_KEEPALIVE int quorvel_key(int key, int character, int flags) {
    return OnPage([=](Form &form) {
        const auto press = quorvel::platform::web::TranslateKey(key, character, flags);
        return press && form.tools().key && form.tools().key(*press) ? 1 : 0;
    });
}

// A bar's parts, pressed, held, dragged and let go; `along` is in pixels from
// the bar's start end. The answers are ScrollBar::Press and whether to go on.
EMSCRIPTEN_KEEPALIVE int quorvel_bar_press(int id, double along) {
    return OnPage([=](Form &form) {
        auto *bar = form.scrollBarAt(id);
        return bar ? static_cast<int>(bar->press(along)) : 0;
    });
}

EMSCRIPTEN_KEEPALIVE int quorvel_bar_repeat(int id) {
    return OnPage([=](Form &form) {
        auto *bar = form.scrollBarAt(id);
        return bar && bar->repeat() ? 1 : 0;
    });
}

EMSCRIPTEN_KEEPALIVE void quorvel_bar_drag(int id, double along) {
    OnPage([=](Form &form) {
        if (auto *bar = form.scrollBarAt(id))
            bar->drag(along);
    });
}

EMSCRIPTEN_KEEPALIVE void quorvel_bar_release(int id) {
    OnPage([=](Form &form) {
        if (auto *bar = form.scrollBarAt(id))
            bar->release();
    });
}

EMSCRIPTEN_KEEPALIVE int quorvel_bar_key(int id, int key, int character, int flags) {
    return OnPage([=](Form &form) {
        auto *bar = form.scrollBarAt(id);
        const auto press = quorvel::platform::web::TranslateKey(key, character, flags);
        return bar && press && bar->key(*press) ? 1 : 0;
    });
}

// The context menu asked for: at (x, y) by the pointer, or from the keyboard.
EMSCRIPTEN_KEEPALIVE void quorvel_menu(double x, double y, int fromKeyboard) {
    using quorvel::platform::Point;
    OnPage([=](Form &form) {
        if (form.tools().menu)
            form.tools().menu(fromKeyboard ? std::nullopt : std::optional<Point>(Point{x, y}));
    });
}

// finger: a touch or a pen, whose readout shows above it and stays.
EMSCRIPTEN_KEEPALIVE void quorvel_pointer(double x, double y, int finger) {
    OnPage([=](Form &form) {
        form.pointerIsFinger(finger != 0);
        if (form.tools().pointerMoved)
            form.tools().pointerMoved(x, y);
    });
}

EMSCRIPTEN_KEEPALIVE void quorvel_pointer_left() {
    OnPage([](Form &form) {
        if (form.tools().pointerLeft)
            form.tools().pointerLeft();
    });
}

} // extern "C"
