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

// The window itself: its class, its controls made from the layout's rows,
// and their places at the monitor's DPI and the window's zoom.
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
// layout's, so that no caption is cut off. The panel's are made hidden, which
// keeps them out of Tab's way and of screen readers' sight until it shows.
void Form::createControls() {
    controls_.resize(rows_.size());
    places_.resize(rows_.size());
    characterEnds_.resize(rows_.size());
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (std::size_t i : FocusOrder(rows_)) {
        const Row &row = rows_[i];
        const std::wstring text = Wide(words_.captions.at(i));
        const RECT place = scaled(row.left, row.top, row.width, row.height);
        const auto make = [&](DWORD extendedStyle, const wchar_t *windowClass, const wchar_t *words,
                              DWORD style) {
            return CreateWindowExW(extendedStyle, windowClass, words,
                                   WS_CHILD | (row.panel ? 0 : WS_VISIBLE) | WS_TABSTOP | style,
                                   place.left, place.top, place.right - place.left,
                                   place.bottom - place.top, window_, nullptr, instance, nullptr);
        };
        HWND child = nullptr;
        switch (row.kind) {
        case Kind::Button:
            child = make(0, L"BUTTON", text.c_str(), BS_PUSHBUTTON);
            controls_[i] = std::make_unique<Button>(*this, child);
            break;
        case Kind::TextBox:
            child = make(WS_EX_CLIENTEDGE, L"EDIT", text.c_str(),
                         ES_READONLY | ES_AUTOHSCROLL | ES_LEFT);
            controls_[i] = std::make_unique<TextBox>(*this, child);
            break;
        default:
            child = make(0, L"SCROLLBAR", nullptr,
                         row.kind == Kind::HorizontalBar ? SBS_HORZ : SBS_VERT);
            controls_[i] = std::make_unique<ScrollBar>(*this, child, row);
            break;
        }
        if (!child)
            throw std::runtime_error("a control could not be created");
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font(i)), FALSE);
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
        if (row.kind == Kind::Label) {
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
        if (auto *child = dynamic_cast<ChildControl *>(controls_[i].get()))
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

RECT Form::scaled(int left, int top, int width, int height) const {
    const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
    return {Edge(left, ratio), Edge(top, ratio), Edge(left + width, ratio),
            Edge(top + height, ratio)};
}

// Places the window and its controls at the current DPI, in its fonts.
void Form::layOut() {
    const RECT frame = windowFrame();
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        auto *child = dynamic_cast<ChildControl *>(controls_[i].get());
        if (!child)
            continue;
        const Row &row = rows_[i];
        const RECT place = scaled(row.left, row.top, row.width, row.height);
        SetWindowPos(child->hwnd(), nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(child->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font(i)), TRUE);
    }
    surface_->refit();
    canvas_.reset();
    InvalidateRect(window_, nullptr, FALSE);
}

// The panel's controls show or hide, and the window widens or narrows to
// them at the DPI and zoom it has; nothing else moves, and the drawing stays
// as it is. The canvas is made again at the new width.
void Form::showPanel(bool shown) {
    if (shown == panelShown_)
        return;
    if (!shown)
        keepFocusInSight();
    panelShown_ = shown;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row &row = rows_[i];
        auto *child = dynamic_cast<ChildControl *>(controls_[i].get());
        if (!child || !row.panel)
            continue;
        ShowWindow(child->hwnd(), shown ? SW_SHOWNA : SW_HIDE);
        if (shown && row.steps)
            accessibility_.readValueOf(child->hwnd(), row);
    }
    const RECT frame = windowFrame();
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    canvas_.reset();
    InvalidateRect(window_, nullptr, FALSE);
}

// The window hands focus to a control in sight before it hides the panel;
// should a panel's control still have it, or be the one to get it back, the
// last of the window's own takes its place, as Tab would reach it backwards.
void Form::keepFocusInSight() {
    HWND last = nullptr;
    for (std::size_t i : FocusOrder(rows_))
        if (!rows_[i].panel)
            last = dynamic_cast<const ChildControl &>(*controls_[i]).hwnd();
    const auto inPanel = [this](HWND window) {
        const std::optional<std::size_t> row = rowOf(window);
        return row && rows_[*row].panel;
    };
    if (inPanel(GetFocus()))
        SetFocus(last);
    if (inPanel(focusWhenInactive_))
        focusWhenInactive_ = last;
    if (inPanel(initialFocus_))
        initialFocus_ = last;
}

DrawingSurface &Form::surface() {
    return *surface_;
}

void Form::show() {
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    // A timer's message comes only once the queue is empty: after the first
    // frame is out.
    SetTimer(window_, FirstFrameShown, USER_TIMER_MINIMUM, nullptr);
    if (initialFocus_)
        SetFocus(initialFocus_);
}

void Form::afterFirstFrame() {
    SetWindowLongPtrW(window_, GWL_STYLE, GetWindowLongPtrW(window_, GWL_STYLE) | WS_CLIPCHILDREN);
    accessibility_.connect();
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

void Form::showError(const Text &message) {
    ShowMessage(Wide(message), Wide(words_.title), MB_ICONWARNING);
}

void Form::showHelp(const Text &title, const Text &text) {
    ShowMessage(Wide(text), Wide(title), MB_ICONINFORMATION);
}

namespace {

// When a box for words read right to left opens: its parts are set mirrored,
// as Arabic programs' boxes are, its icon and buttons on the right and its
// text set from the right, which MB_RTLREADING and MB_RIGHT alone do not do
// everywhere.
LRESULT CALLBACK MirrorTheBox(int code, WPARAM wParam, LPARAM lParam) {
    const auto box = reinterpret_cast<HWND>(wParam);
    wchar_t kind[16] = {};
    if (code == HCBT_ACTIVATE && GetClassNameW(box, kind, 16) &&
        std::wcscmp(kind, L"#32770") == 0 && !GetPropW(box, L"QuorvelMirrored")) {
        SetPropW(box, L"QuorvelMirrored", box);
        RECT client{};
        GetClientRect(box, &client);
        for (HWND part = GetWindow(box, GW_CHILD); part; part = GetWindow(part, GW_HWNDNEXT)) {
            RECT place{};
            GetWindowRect(part, &place);
            MapWindowPoints(nullptr, box, reinterpret_cast<POINT *>(&place), 2);
            SetWindowPos(part, nullptr, client.right - place.right, place.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            GetClassNameW(part, kind, 16);
            const LONG style = GetWindowLongW(part, GWL_STYLE);
            if (_wcsicmp(kind, L"Static") == 0 && (style & SS_TYPEMASK) != SS_ICON) {
                SetWindowLongW(part, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_RIGHT);
                SetWindowLongW(part, GWL_EXSTYLE,
                               GetWindowLongW(part, GWL_EXSTYLE) | WS_EX_RTLREADING);
            }
        }
        InvalidateRect(box, nullptr, TRUE);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void Form::ShowMessage(const std::wstring &text, const std::wstring &title, UINT icon) {
    HHOOK mirror = rightToLeft()
                       ? SetWindowsHookExW(WH_CBT, MirrorTheBox, nullptr, GetCurrentThreadId())
                       : nullptr;
    const UINT reading = rightToLeft() ? MB_RTLREADING | MB_RIGHT : 0;
    MessageBoxW(window_, text.c_str(), title.c_str(), MB_OK | icon | reading);
    if (mirror)
        UnhookWindowsHookEx(mirror);
}

// The whole window larger or smaller, laid out as at a monitor of that scale,
// and the drawing made again at it.
void Form::setZoom(double zoom) {
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    dpi_ = static_cast<UINT>(std::lround(monitorDpi_ * zoom_));
    tools_.hideNote();
    layOut();
    if (tools_.events().rescaled)
        tools_.events().rescaled();
}

} // namespace quorvel::platform::win32

namespace quorvel::platform {

std::unique_ptr<platform::Form> CreateForm(const FormDesign &design, std::span<const Row> rows,
                                           const FormWords &words) {
    return std::make_unique<win32::Form>(design, rows, words);
}

} // namespace quorvel::platform
