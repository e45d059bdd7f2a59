#include "native_form.h"

#include "error_report.h"
#include "markup.h"
#include "native_controls.h"
#include "page_fit.h"
#include "scroll_bar.h"

#include <emscripten.h>

#include <cmath>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace quorvel::platform::web {

namespace {

Form *onPage = nullptr;

} // namespace

Form::Form(const FormDesign &design, std::span<const Row> rows, const FormWords &words)
    : design_(design), rows_(rows), words_(words) {
    dom::Start();
    controls_.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        const int id = static_cast<int>(i);
        switch (row.kind) {
        case Kind::Button:
            controls_[i] = std::make_unique<Button>(id, words.captions.at(i));
            break;
        case Kind::TextBox:
            controls_[i] = std::make_unique<TextBox>(id, words.captions.at(i));
            break;
        case Kind::HorizontalBar:
        case Kind::VerticalBar:
            controls_[i] = std::make_unique<ScrollBar>(id, row);
            break;
        case Kind::Label:
            controls_[i] = std::make_unique<Label>(id, words.captions.at(i));
            break;
        default:
            controls_[i] = std::make_unique<Shape>(id);
        }
    }
    onPage = this;
    // The page was built in one language; the window may speak another.
    setWords(words);
    // Fitted first, so that the canvas is made once, at the fitted resolution.
    dom::WatchViewport();
    surface_ =
        std::make_unique<CanvasSurface>(CanvasId(rows), design.clientWidth, design.clientHeight,
                                        Colour::FromCode(design.drawingColour));
    dom::WatchPixelRatio();
    tools_.start();
}

Form::~Form() {
    if (onPage == this)
        onPage = nullptr;
}

void Form::show() {}

void Form::showError(const Text &message) {
    dom::ShowMessage(words_.title, message, words_.ok);
}

// The page's title and language, its line for a phone, the dialogs' buttons,
// the buttons' and labels' captions, and the help where it is open; the
// labels then take the places their new texts need.
void Form::setWords(const FormWords &words) {
    words_ = words;
    dom::ShowWords(words_);
    for (auto &control : controls_) {
        if (auto *button = dynamic_cast<Button *>(control.get()))
            button->setCaption(words_.captions.at(static_cast<std::size_t>(button->id())));
        else if (auto *label = dynamic_cast<Label *>(control.get()))
            label->setCaption(words_.captions.at(static_cast<std::size_t>(label->id())));
    }
    placeLabels();
}

// The page measures each text in its own face, as it sets it, and the label
// then lies where PlaceText puts that text: from its left edge or, read right
// to left, from its right edge, no narrower than its control's visible part
// and no wider than its room from there. Within that the page lets the box be
// as wide as the text, as the page was built. Hidden labels are measured once
// they show.
void Form::placeLabels() {
    std::vector<int> ids;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].kind == Kind::Label && inSight(rows_[i]))
            ids.push_back(static_cast<int>(i));
    const std::vector<double> widths = dom::TextWidths(ids);
    for (std::size_t k = 0; k < ids.size(); ++k) {
        const auto i = static_cast<std::size_t>(ids[k]);
        const int edge = RightEdge(design_, rows_[i]);
        const bool rightToLeft = words_.rightToLeft;
        // A measure through the window's scale may be a hair over a whole pixel.
        const int needed = static_cast<int>(std::ceil(widths[k] - 1e-3));
        const TextPlace place = PlaceText(rows_, i, needed, edge, rightToLeft);
        const TextPlace least = PlaceText(rows_, i, 0, edge, rightToLeft);
        const TextPlace widest = PlaceText(rows_, i, edge, edge, rightToLeft);
        const int from = place.rightToLeft ? place.left + place.width : place.left;
        const int most = place.rightToLeft ? from - widest.left : widest.left + widest.width - from;
        dom::PlaceLabel(ids[k], from, least.width, most, place.rightToLeft, clientWidth());
    }
}

// The panel's elements show or hide, and the window widens or narrows to
// them; nothing else moves, and the drawing stays as it is. The window is
// fitted to the viewport again at its new width.
void Form::showPanel(bool shown) {
    if (shown == panelShown_)
        return;
    panelShown_ = shown;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].panel)
            dom::ShowElement(static_cast<int>(i), shown);
    dom::SizeWindow(clientWidth(), design_.clientHeight);
    placeLabels();
    if (across_ > 0)
        fit(across_, down_, coarsePointer_);
}

std::optional<std::size_t> Form::focusedRow() const {
    const int id = dom::FocusedId();
    if (id < 0 || static_cast<std::size_t>(id) >= controls_.size())
        return std::nullopt;
    return static_cast<std::size_t>(id);
}

void Form::fit(double across, double down, bool coarsePointer) {
    across_ = across;
    down_ = down;
    coarsePointer_ = coarsePointer;
    const PageFit fit =
        FitToViewport(across, down, clientWidth(), design_.clientHeight, coarsePointer);
    dom::ShowFit(fit.scale, fit.left, fit.top, fit.turnHint);
    if (surface_)
        ratioChanged(); // the canvas keeps one pixel a device pixel at the new scale
}

look::Legend Form::placeLegend(const std::vector<Text> &legend, const std::string &font) const {
    std::vector<double> widths;
    for (const Text &line : legend)
        widths.push_back(dom::TextWidth(font, line));
    return look::PlaceLegend(clientWidth(), design_.clientHeight, widths);
}

void Form::copyPicture(const std::vector<Text> &legend) {
    const std::string font = CssFont(look::LegendFont);
    dom::CopyPicture(legend, placeLegend(legend, font), font);
}

std::vector<std::uint8_t> Form::picturePng(const std::vector<Text> &legend) {
    const std::string font = CssFont(look::LegendFont);
    return dom::PicturePng(legend, placeLegend(legend, font), font);
}

void Form::ratioChanged() {
    surface_->refit();
    if (tools().rescaled)
        tools().rescaled();
}

ScrollBar *Form::scrollBarAt(int id) {
    if (id < 0 || static_cast<std::size_t>(id) >= controls_.size())
        return nullptr;
    return dynamic_cast<ScrollBar *>(controls_[static_cast<std::size_t>(id)].get());
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
    } else if (auto *bar = dynamic_cast<ScrollBar *>(target); bar && kind == dom::DragEnded) {
        bar->dragEnded(argument / 1e6);
    }
}

} // namespace quorvel::platform::web

namespace quorvel::platform {

std::unique_ptr<platform::Form> CreateForm(const FormDesign &design, std::span<const Row> rows,
                                           const FormWords &words) {
    return std::make_unique<web::Form>(design, rows, words);
}

} // namespace quorvel::platform

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

// A key as the page reports it, its modifiers as dom::KeyFlag bits.
std::optional<quorvel::platform::KeyPress> KeyPressOf(int key, int character, int flags) {
    using quorvel::platform::Key;
    if (!InRange(key, Key::Equals))
        return std::nullopt;
    quorvel::platform::KeyPress press;
    press.key = static_cast<Key>(key);
    press.character = static_cast<char>(character);
    using namespace quorvel::platform::web::dom;
    press.control = flags & ControlHeld;
    press.shift = flags & ShiftHeld;
    press.alt = flags & AltHeld;
    press.meta = flags & MetaHeld;
    return press;
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

// A key on its way to an element: 1 when the program took it, so that the
// page keeps it from the element and the browser.
EMSCRIPTEN_KEEPALIVE void quorvel_link_changed() {
    OnPage([](Form &form) {
        if (form.tools().linkChanged)
            form.tools().linkChanged(quorvel::platform::web::dom::PageFragment());
    });
}

EMSCRIPTEN_KEEPALIVE int quorvel_key(int key, int character, int flags) {
    return OnPage([=](Form &form) {
        const auto press = KeyPressOf(key, character, flags);
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
        const auto press = KeyPressOf(key, character, flags);
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
