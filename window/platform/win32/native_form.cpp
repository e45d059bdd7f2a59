#include "native_form.h"

#include "conversions.h"
#include "error_report.h"
#include "fonts.h"
#include "surface.h"

#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>

// The window itself: its class, and its controls made from the layout's rows
// at the monitor's DPI; the control behind a child window, and focus.
namespace quorvel::platform::win32 {

namespace {

constexpr wchar_t ClassName[] = L"QuorvelForm";
// The controls are clipped out of the window's own paints only after its
// first frame (see show()): clipping them costs the window system a region for
// each, and nothing is drawn under them before then.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

void RegisterClassOnce() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcW; // replaced per window below
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
        windowClass.lpszClassName = ClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered)
        throw std::runtime_error("the window class could not be registered");
}

} // namespace

Form::Form(const FormDesign &design, std::span<const Row> rows, const FormWords &words)
    : design_(design), rows_(rows), words_(words),
      background_(CreateSolidBrush(Gdi(Colour::FromCode(design.background)))),
      boxBackground_(CreateSolidBrush(RGB(255, 255, 255))) {
    RegisterClassOnce();
    // Everything is made at its size and place for the main screen's DPI at
    // once, which is where a new window opens: each later move is another
    // round trip to the window system before the first frame.
    dpi_ = monitorDpi_ = GetDpiForSystem();
    const RECT frame = windowFrame();
    window_ = CreateWindowExW(0, ClassName, Wide(words_.title).c_str(), Style, CW_USEDEFAULT,
                              CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window_)
        throw std::runtime_error("the window could not be created");
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::Procedure));
    surface_ = std::make_unique<Surface>(*this, Colour::FromCode(design.drawingColour));
    createControls();
    // Elsewhere, as at another screen's DPI.
    if (const UINT dpi = GetDpiForWindow(window_); dpi && dpi != dpi_) {
        dpi_ = monitorDpi_ = dpi;
        layOut();
    }
}

// The window's outer size for its client area at the current DPI and zoom,
// the panel's width in it while the panel shows; the frame itself keeps the
// monitor's.
RECT Form::windowFrame() const {
    RECT frame = scaled(0, 0, clientWidth(), design_.clientHeight);
    AdjustWindowRectExForDpi(&frame, Style, FALSE, 0, monitorDpi_);
    return frame;
}

Form::~Form() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

// Native controls are made in focus order, which is the order Tab follows;
// labels grow into free room where the stand-in font is wider than the
// layout's, so that no caption is cut off. The panel's controls get their
// windows only when it first shows (panel.cpp): a dozen more native controls
// would cost Wine a tenth of the window's start-up, for a panel the window
// opens without.
void Form::createControls() {
    controls_.resize(rows_.size());
    places_.resize(rows_.size());
    characterEnds_.resize(rows_.size());
    for (std::size_t i : FocusOrder(rows_)) {
        const Row &row = rows_[i];
        const HWND child = row.panel ? nullptr : makeWindow(i);
        switch (row.kind) {
        case Kind::Button:
            controls_[i] = std::make_unique<Button>(*this, child);
            break;
        case Kind::TextBox:
            controls_[i] = std::make_unique<TextBox>(*this, child, words_.captions.at(i));
            break;
        default:
            controls_[i] = std::make_unique<ScrollBar>(*this, child, row);
            break;
        }
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row &row = rows_[i];
        if (row.kind == Kind::Label) {
            controls_[i] = std::make_unique<Label>(words_.captions.at(i));
        } else if (row.kind == Kind::Line || row.kind == Kind::Rectangle) {
            controls_[i] = std::make_unique<Shape>();
        }
    }
    measureLabels();
}

// The native window of row i's control, at its place for the DPI, in its
// font; a row of the panel hidden, which keeps it out of Tab's way and of
// screen readers' sight until the panel shows.
HWND Form::makeWindow(std::size_t i) {
    const Row &row = rows_[i];
    const std::wstring text = Wide(words_.captions.at(i));
    const RECT place = scaled(row.left, row.top, row.width, row.height);
    const auto make = [&](DWORD extendedStyle, const wchar_t *windowClass, const wchar_t *words,
                          DWORD style) {
        return CreateWindowExW(extendedStyle, windowClass, words,
                               WS_CHILD | (row.panel ? 0 : WS_VISIBLE) | WS_TABSTOP | style,
                               place.left, place.top, place.right - place.left,
                               place.bottom - place.top, window_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    };
    HWND child = nullptr;
    switch (row.kind) {
    case Kind::Button:
        child = make(0, L"BUTTON", text.c_str(), BS_PUSHBUTTON);
        break;
    case Kind::TextBox:
        child =
            make(WS_EX_CLIENTEDGE, L"EDIT", text.c_str(), ES_READONLY | ES_AUTOHSCROLL | ES_LEFT);
        break;
    default:
        child =
            make(0, L"SCROLLBAR", nullptr, row.kind == Kind::HorizontalBar ? SBS_HORZ : SBS_VERT);
        break;
    }
    if (!child)
        throw std::runtime_error("a control could not be created");
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font(i)), FALSE);
    return child;
}

// Only labels in sight: the panel's wait until it shows (in the language it
// shows in), as their arrows are in none of the layout's faces, and Windows
// would map a linked face of several megabytes for them before the first frame.
void Form::measureLabels() {
    WindowDc screen(nullptr);
    // Labels are measured at 96 DPI in the layout's own pixels, in the window's
    // own fonts where it is at 96 DPI; most share one.
    Fonts measuring(design_.font, SystemFaceFor(words_));
    const auto measuringFont = [&](const Font &face, bool inLayoutFace) {
        return dpi_ == USER_DEFAULT_SCREEN_DPI
                   ? font(face, inLayoutFace)
                   : measuring.at(face, USER_DEFAULT_SCREEN_DPI, inLayoutFace);
    };
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row &row = rows_[i];
        if (row.kind == Kind::Label && !hidden(i)) {
            // Measured at 96 DPI, in the layout's own pixels.
            Selected selected(screen.get(), measuringFont(row.font.family ? row.font : design_.font,
                                                          InLatinFaces(words_.captions.at(i))));
            const std::wstring text = Wide(words_.captions.at(i));
            SIZE extent{};
            std::vector<int> &ends = characterEnds_[i];
            ends.assign(text.size(), 0);
            GetTextExtentExPointW(screen.get(), text.c_str(), static_cast<int>(text.size()), 0,
                                  nullptr, ends.data(), &extent);
            places_[i] = PlaceText(rows_, i, static_cast<int>(extent.cx) + 1,
                                   RightEdge(design_, row), words_.rightToLeft);
        }
    }
}

// The title, the buttons' and labels' captions, and the words the window
// itself shows; a label is measured again for its new text. The help and
// the message boxes are modal, so none is open while the words change.
void Form::setWords(const FormWords &words) {
    words_ = words;
    fonts_.useFace(SystemFaceFor(words_));
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (auto *child = dynamic_cast<ChildControl *>(controls_[i].get()); child && child->hwnd())
            SendMessageW(child->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font(i)), FALSE);
    SetWindowTextW(window_, Wide(words_.title).c_str());
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (auto *button = dynamic_cast<Button *>(controls_[i].get()))
            SetWindowTextW(button->hwnd(), Wide(words_.captions.at(i)).c_str());
        else if (auto *label = dynamic_cast<Label *>(controls_[i].get()))
            label->setText(words_.captions.at(i));
    }
    measureLabels();
    canvas_.reset();
    InvalidateRect(window_, nullptr, FALSE);
}

HFONT Form::font(const Font &wanted, bool inLayoutFace) {
    return fonts_.at(wanted, dpi_, inLayoutFace);
}

HFONT Form::font(std::size_t row) {
    return font(rows_[row].font, InLatinFaces(words_.captions.at(row)));
}

DrawingSurface &Form::surface() {
    return *surface_;
}

// A dozen controls: looked up here, not stored on each child window, which
// would cost a round trip to the window system apiece before the first frame.
platform::Control *Form::controlOf(HWND child) const {
    for (const auto &control : controls_)
        if (const auto *native = dynamic_cast<const ChildControl *>(control.get());
            native && child && native->hwnd() == child)
            return control.get();
    return nullptr;
}

std::optional<std::size_t> Form::rowOf(HWND window) const {
    for (std::size_t i = 0; window && i < controls_.size(); ++i)
        if (auto *child = dynamic_cast<const ChildControl *>(controls_[i].get());
            child && child->hwnd() == window)
            return i;
    return std::nullopt;
}

std::optional<std::size_t> Form::focusedRow() const {
    return rowOf(GetFocus());
}

// A control out of sight takes no focus: the panel's while it is hidden.
void Form::focus(HWND control) {
    if (const std::optional<std::size_t> row = rowOf(control); row && hidden(*row))
        return;
    if (IsWindowVisible(window_))
        SetFocus(control);
    else
        initialFocus_ = control;
}

} // namespace quorvel::platform::win32

namespace quorvel::platform {

std::unique_ptr<platform::Form> CreateForm(const FormDesign &design, std::span<const Row> rows,
                                           const FormWords &words) {
    return std::make_unique<win32::Form>(design, rows, words);
}

} // namespace quorvel::platform
