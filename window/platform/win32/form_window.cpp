#include "form_window.h"

#include "error_report.h"
#include "fonts.h"
#include "surface.h"

#include <initguid.h>

#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quorvel::platform::win32 {

namespace {

constexpr wchar_t ClassName[] = L"QuorvelForm";
constexpr UINT ShowDrawing = WM_APP + 1;
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

std::wstring Wide(const Text &text) {
    return std::wstring(text.begin(), text.end());
}

COLORREF Gdi(Colour colour) {
    const Rgb rgb = colour.resolve();
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// The first device pixel of logical coordinate i, the same rule the raster
// uses, so that the frames and the drawing line up at any DPI.
int Edge(int i, double ratio) {
    return static_cast<int>(std::ceil(i * ratio - 0.5));
}

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

Form::Form(const FormDesign &design, std::span<const Row> rows)
    : design_(design), rows_(rows),
      background_(CreateSolidBrush(Gdi(Colour::FromCode(design.background)))),
      boxBackground_(CreateSolidBrush(RGB(255, 255, 255))) {
    RegisterClassOnce();
    const Text caption = FromUtf8(design.caption);
    window_ = CreateWindowExW(0, ClassName, Wide(caption).c_str(), Style, CW_USEDEFAULT,
                              CW_USEDEFAULT, design.clientWidth, design.clientHeight, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window_)
        throw std::runtime_error("the window could not be created");
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::Procedure));
    dpi_ = GetDpiForWindow(window_);
    if (dpi_ == 0)
        dpi_ = USER_DEFAULT_SCREEN_DPI;
    monitorDpi_ = dpi_;
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void **>(&accessibility_));
    surface_ = std::make_unique<Surface>(*this, Colour::FromCode(design.drawingColour));
    createControls();
    layOut();
}

Form::~Form() {
    if (accessibility_)
        accessibility_->Release();
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

// Native controls are made in focus order, which is the order Tab follows;
// labels grow into free room where the stand-in font is wider than the
// layout's, so that no caption is cut off.
void Form::createControls() {
    controls_.resize(rows_.size());
    widths_.resize(rows_.size());
    characterEnds_.resize(rows_.size());
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (std::size_t i : FocusOrder(rows_)) {
        const Row &row = rows_[i];
        const std::wstring text = Wide(FromUtf8(row.text));
        HWND child = nullptr;
        switch (row.kind) {
        case Kind::Button:
            child = CreateWindowExW(0, L"BUTTON", text.c_str(),
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
                                    window_, nullptr, instance, nullptr);
            controls_[i] = std::make_unique<Button>(*this, child);
            break;
        case Kind::TextBox:
            child = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", text.c_str(),
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_READONLY |
                                        ES_AUTOHSCROLL | ES_LEFT,
                                    0, 0, 0, 0, window_, nullptr, instance, nullptr);
            controls_[i] = std::make_unique<TextBox>(*this, child);
            break;
        default:
            child = CreateWindowExW(0, L"SCROLLBAR", nullptr,
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                                        (row.kind == Kind::HorizontalBar ? SBS_HORZ : SBS_VERT),
                                    0, 0, 0, 0, window_, nullptr, instance, nullptr);
            controls_[i] = std::make_unique<ScrollBar>(*this, child, row);
            break;
        }
        if (!child)
            throw std::runtime_error("a control could not be created");
        SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(controls_[i].get()));
        widths_[i] = row.width;
    }
    WindowDc screen(nullptr);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row &row = rows_[i];
        if (row.kind == Kind::Label) {
            controls_[i] = std::make_unique<Label>(FromUtf8(row.text));
            // Measured at 96 DPI, in the layout's own pixels.
            FontHandle measure = CreateLayoutFont(row.font, USER_DEFAULT_SCREEN_DPI);
            Selected selected(screen.get(), measure.get());
            const std::wstring text = Wide(FromUtf8(row.text));
            SIZE extent{};
            std::vector<int> &ends = characterEnds_[i];
            ends.assign(text.size(), 0);
            GetTextExtentExPointW(screen.get(), text.c_str(), static_cast<int>(text.size()), 0,
                                  nullptr, ends.data(), &extent);
            widths_[i] = std::clamp(static_cast<int>(extent.cx) + 1, row.width,
                                    row.width + RoomToTheRight(rows_, i, design_.clientWidth));
        } else if (row.kind == Kind::Line || row.kind == Kind::Rectangle) {
            controls_[i] = std::make_unique<Shape>();
            widths_[i] = row.width;
        }
    }
}

HFONT Form::font(const Font &wanted) {
    const Font &font = wanted.family ? wanted : design_.font;
    const auto key = std::make_tuple(std::string(font.family), font.pointSize, font.bold);
    auto found = fonts_.find(key);
    if (found == fonts_.end())
        found = fonts_.emplace(key, CreateLayoutFont(font, dpi_)).first;
    return found->second.get();
}

RECT Form::scaled(int left, int top, int width, int height) const {
    const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
    return {Edge(left, ratio), Edge(top, ratio), Edge(left + width, ratio),
            Edge(top + height, ratio)};
}

// Places the window and its controls at the current DPI, in its fonts.
void Form::layOut() {
    fonts_.clear();
    RECT frame = scaled(0, 0, design_.clientWidth, design_.clientHeight);
    AdjustWindowRectExForDpi(&frame, Style, FALSE, 0, monitorDpi_); // the frame does not zoom
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
        SendMessageW(child->hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font(row.font)), TRUE);
    }
    surface_->refit();
    canvas_.reset();
    InvalidateRect(window_, nullptr, FALSE);
}

DrawingSurface &Form::surface() {
    return *surface_;
}

void Form::show() {
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    if (initialFocus_)
        SetFocus(initialFocus_);
}

std::optional<std::size_t> Form::focusedRow() const {
    const HWND focused = GetFocus();
    for (std::size_t i = 0; focused && i < controls_.size(); ++i)
        if (auto *child = dynamic_cast<const ChildControl *>(controls_[i].get());
            child && child->hwnd() == focused)
            return i;
    return std::nullopt;
}

void Form::focus(HWND control) {
    if (IsWindowVisible(window_))
        SetFocus(control);
    else
        initialFocus_ = control;
}

void Form::showError(const Text &message) {
    const Text caption = FromUtf8(design_.caption);
    MessageBoxW(window_, Wide(message).c_str(), Wide(caption).c_str(), MB_OK | MB_ICONWARNING);
}

// Screen readers take a control's name from the caption beside it. Where the
// system has no accessibility property service (Wine has none), the name is
// still kept, and the control stays reachable by its own role.
void Form::describe(HWND control, const Text &name, const Text &description) {
    names_[control] = name;
    descriptions_[control] = description;
    if (!accessibility_)
        return;
    accessibility_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                   Wide(name).c_str());
    accessibility_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                   Wide(description).c_str());
}

void Form::describeDrawing(const Text &text) {
    names_[nullptr] = text;
    if (!accessibility_)
        return;
    accessibility_->SetHwndPropStr(window_, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                   Wide(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
}

void Form::announce(const Text &sentence) {
    const auto setDescription = [this](HWND control, const Text &text) {
        if (!accessibility_)
            return;
        accessibility_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                       Wide(text).c_str());
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    };
    const HWND focused = GetFocus();
    if (announcedOn_ && announcedOn_ != focused && IsWindow(announcedOn_))
        setDescription(announcedOn_, descriptions_[announcedOn_]);
    announcedOn_ = focused && IsChild(window_, focused) ? focused : nullptr;
    if (announcedOn_)
        setDescription(announcedOn_, sentence);
}

Text Form::accessibleName(HWND control) const {
    const auto found = names_.find(control);
    return found == names_.end() ? Text() : found->second;
}

// Shows what was drawn once the running handler has returned: W Mean draws
// 2000 dots in one click.
void Form::scheduleRepaint() {
    if (repaintPending_)
        return;
    repaintPending_ = true;
    PostMessageW(window_, ShowDrawing, 0, 0);
}

LRESULT CALLBACK Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *form = reinterpret_cast<Form *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    // No exception may cross into the system's message dispatch.
    try {
        return form->handle(message, wParam, lParam);
    } catch (...) {
        const Text caption = FromUtf8(form->design_.caption);
        MessageBoxW(window, Wide(UnexpectedError + u".").c_str(), Wide(caption).c_str(),
                    MB_OK | MB_ICONWARNING);
        return 0;
    }
}

LRESULT Form::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam)
            if (auto *pressed = dynamic_cast<Button *>(reinterpret_cast<platform::Control *>(
                    GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA))))
                pressed->clicked();
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam)
            if (auto *bar = dynamic_cast<ScrollBar *>(reinterpret_cast<platform::Control *>(
                    GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA))))
                bar->scrolled(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC: // read-only boxes, white like any box
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(boxBackground_.get());
    // As a dialog manager does: the focused control is kept while another
    // window (a message box) is active, and gets focus back afterwards,
    // rather than the form itself, which no key reaches.
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focused = GetFocus();
            if (focused && IsChild(window_, focused))
                focusWhenInactive_ = focused;
            return 0;
        }
        if (focusWhenInactive_ && IsWindow(focusWhenInactive_) &&
            IsChild(window_, focusWhenInactive_)) {
            SetFocus(focusWhenInactive_);
            return 0;
        }
        return DefWindowProcW(window_, message, wParam, lParam);
    case WM_MOUSEMOVE: {
        if (!trackingMouse_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
            trackingMouse_ = TrackMouseEvent(&track);
        }
        const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
        if (tools_.pointerMoved)
            tools_.pointerMoved(static_cast<short>(LOWORD(lParam)) / ratio,
                                static_cast<short>(HIWORD(lParam)) / ratio);
        return 0;
    }
    case WM_MOUSELEAVE:
        trackingMouse_ = false;
        if (tools_.pointerLeft)
            tools_.pointerLeft();
        return 0;
    case WM_CONTEXTMENU: {
        if (!tools_.menu)
            return 0;
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (at.x == -1 && at.y == -1) { // from the keyboard
            tools_.menu(std::nullopt);
            return 0;
        }
        ScreenToClient(window_, &at);
        const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
        tools_.menu(Point{at.x / ratio, at.y / ratio});
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // the paint handler covers every pixel
    case WM_PAINT: {
        PAINTSTRUCT paintStruct;
        HDC dc = BeginPaint(window_, &paintStruct);
        paint(dc, paintStruct.rcPaint);
        EndPaint(window_, &paintStruct);
        return 0;
    }
    case ShowDrawing: {
        repaintPending_ = false;
        const PixelRect dirty = surface_->takeDirty();
        if (!dirty.isEmpty()) {
            RECT area = scaled(dirty.x, dirty.y, dirty.width, dirty.height);
            InvalidateRect(window_, &area, FALSE);
        }
        return 0;
    }
    case WM_DPICHANGED: {
        monitorDpi_ = HIWORD(wParam);
        dpi_ = static_cast<UINT>(std::lround(monitorDpi_ * zoom_));
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        layOut();
        if (tools_.rescaled)
            tools_.rescaled();
        return 0;
    }
    case WM_DESTROY:
        if (quitOnClose_)
            PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY: {
        const HWND window = window_;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

// Composes the client area off screen, then copies the part asked for.
void Form::paint(HDC target, const RECT &area) {
    if (!compose(area)) {
        FillRect(target, &area, background_.get());
        return;
    }
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top,
           canvasDc_.get(), area.left, area.top, SRCCOPY);
}

bool Form::compose(const RECT &area) {
    RECT client;
    GetClientRect(window_, &client);
    if (!canvas_ || canvasSize_.cx != client.right || canvasSize_.cy != client.bottom) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = client.right;
        info.bmiHeader.biHeight = -client.bottom; // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void *bits = nullptr;
        WindowDc screen(window_);
        canvasDc_.reset(CreateCompatibleDC(screen.get()));
        canvas_.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        canvasPixels_ = static_cast<std::uint32_t *>(bits);
        canvasSize_ = {client.right, client.bottom};
        if (!canvas_ || !canvasDc_)
            return false;
        SelectObject(canvasDc_.get(), canvas_.get());
    }
    HDC dc = canvasDc_.get();
    SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    paintDecorations(dc);
    RestoreDC(dc, -1);
    GdiFlush();
    composeDrawing(area);
    SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    paintTools(dc);
    RestoreDC(dc, -1);
    GdiFlush();
    return true;
}

void Form::render() {
    RECT client;
    GetClientRect(window_, &client);
    compose(client);
}

std::uint32_t Form::composedPixel(int x, int y) const {
    if (!canvasPixels_ || x < 0 || y < 0 || x >= canvasSize_.cx || y >= canvasSize_.cy)
        return 0;
    return canvasPixels_[static_cast<std::size_t>(y) * canvasSize_.cx + x] & 0x00FFFFFFu;
}

// Frames at the back, then the zero line, then the labels, each in stored
// order: the form's own decorations, below the drawing.
void Form::paintDecorations(HDC dc) {
    const RECT all{0, 0, canvasSize_.cx, canvasSize_.cy};
    FillRect(dc, &all, background_.get());
    const auto fill = [dc](const RECT &rect, COLORREF colour) {
        Brush brush(CreateSolidBrush(colour));
        FillRect(dc, &rect, brush.get());
    };
    const COLORREF black = Gdi(SystemColour::WindowText);
    for (int entry : StackingOrder(rows_)) {
        if (entry == DrawingInStack)
            break; // the drawing, and the native controls, lie above
        const auto i = static_cast<std::size_t>(entry);
        const Row &row = rows_[i];
        switch (row.kind) {
        case Kind::Rectangle: {
            const RECT rect = scaled(row.left, row.top, row.width, row.height);
            fill(rect, Gdi(Colour::FromCode(row.fill)));
            // A one-pixel outline inside the bounds, one logical pixel wide at any DPI.
            const RECT inner = scaled(row.left + 1, row.top + 1, row.width - 2, row.height - 2);
            fill({rect.left, rect.top, rect.right, inner.top}, black);
            fill({rect.left, inner.bottom, rect.right, rect.bottom}, black);
            fill({rect.left, rect.top, inner.left, rect.bottom}, black);
            fill({inner.right, rect.top, rect.right, rect.bottom}, black);
            break;
        }
        case Kind::Line: // both end pixels included
            fill(scaled(row.left, row.top, row.width + 1, row.height + 1), black);
            break;
        default: { // a label: opaque in the window's colour, text at its top left
            RECT rect = scaled(row.left, row.top, widths_[i], row.height);
            FillRect(dc, &rect, background_.get());
            Selected selected(dc, font(row.font));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, black);
            const std::wstring text = Wide(FromUtf8(row.text));
            // Every character where the layout put it at 96 DPI, scaled: an
            // outline face does not widen exactly in step with its height,
            // and the axis captions' "0" and "1" must stay under the ends of
            // their frames.
            const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
            const std::vector<int> &ends = characterEnds_[i];
            std::vector<INT> advances(ends.size());
            for (std::size_t k = 0; k < ends.size(); ++k)
                advances[k] = static_cast<INT>(std::lround(ends[k] * ratio)) -
                              (k ? static_cast<INT>(std::lround(ends[k - 1] * ratio)) : 0);
            ExtTextOutW(dc, rect.left, rect.top, ETO_CLIPPED, &rect, text.c_str(),
                        static_cast<UINT>(text.size()), advances.data());
            break;
        }
        }
    }
}

// The raster's opaque pixels over the decorations; its pixels are
// 0xAARRGGBB, the canvas's 0x00RRGGBB, so a drawn pixel copies as it is.
void Form::composeDrawing(const RECT &area) {
    const Raster &raster = surface_->raster();
    if (raster.isEmpty() || !canvasPixels_)
        return;
    const int right = std::min<int>({area.right, raster.deviceWidth(), canvasSize_.cx});
    const int bottom = std::min<int>({area.bottom, raster.deviceHeight(), canvasSize_.cy});
    for (int y = std::max<int>(area.top, 0); y < bottom; ++y) {
        const std::uint32_t *from =
            raster.pixels() + static_cast<std::size_t>(y) * raster.deviceWidth();
        std::uint32_t *to = canvasPixels_ + static_cast<std::size_t>(y) * canvasSize_.cx;
        for (int x = std::max<int>(area.left, 0); x < right; ++x)
            if (from[x] >> 24)
                to[x] = from[x] & 0x00FFFFFFu;
    }
}

void Surface::fitRaster() {
    ownRaster().resize(form_.design().clientWidth, form_.design().clientHeight,
                       form_.dpi() / static_cast<double>(USER_DEFAULT_SCREEN_DPI));
}

void Surface::changed() {
    form_.scheduleRepaint();
}

void Surface::setDescription(const Text &text) {
    form_.describeDrawing(text);
}

void Surface::announce(const Text &sentence) {
    form_.announce(sentence);
}

} // namespace quorvel::platform::win32

namespace quorvel::platform {

std::unique_ptr<platform::Form> CreateForm(const FormDesign &design, std::span<const Row> rows) {
    return std::make_unique<win32::Form>(design, rows);
}

} // namespace quorvel::platform
