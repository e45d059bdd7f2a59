// The tools to read the curves on the Win32 window: the note and the ring,
// painted over the drawing; the keys and the context menu; the clipboard;
// the sound; the help.
#include "form_window.h"

#include "png.h"

#include <mmsystem.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quorvel::platform::win32 {

namespace {

std::wstring Wide(const Text &text) {
    return std::wstring(text.begin(), text.end());
}

constexpr COLORREF NoteColour = RGB(255, 255, 225);

struct Item {
    const wchar_t *text;
    Tool tool;
};
constexpr Item Items[] = {
    {L"Read values\tF6", Tool::ReadValues},
    {L"Listen\tSpace", Tool::Listen},
    {L"Copy values\tCtrl+Shift+T", Tool::CopyValues},
    {L"Copy picture\tCtrl+Shift+C", Tool::CopyPicture},
    {L"Help\tF1", Tool::Help},
    {L"Zoom in\tCtrl+Plus", Tool::ZoomIn},
    {L"Zoom out\tCtrl+Minus", Tool::ZoomOut},
    {L"Actual size\tCtrl+0", Tool::ActualSize},
};

bool PutOnClipboard(UINT format, const void *data, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory)
        return false;
    std::memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
    if (!SetClipboardData(format, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

} // namespace

bool Form::toolKey(const MSG &message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    const bool control = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    const bool alt = GetKeyState(VK_MENU) < 0, plain = !control && !shift && !alt;
    const auto run = [this](Tool tool) {
        if (IsZoom(tool))
            zoom(tool);
        else if (tools_.tool)
            tools_.tool(tool);
        return true;
    };
    switch (message.wParam) {
    case VK_F6:
        return plain && run(Tool::ReadValues);
    case VK_F1:
        return plain && run(Tool::Help);
    case 'T':
        return control && shift && !alt && run(Tool::CopyValues);
    case 'C':
        return control && shift && !alt && run(Tool::CopyPicture);
    case VK_OEM_PLUS:
    case VK_ADD:
        return control && !alt && run(Tool::ZoomIn);
    case VK_OEM_MINUS:
    case VK_SUBTRACT:
        return control && !alt && run(Tool::ZoomOut);
    case '0':
    case VK_NUMPAD0:
        return control && !shift && !alt && run(Tool::ActualSize);
    default:
        break;
    }
    static constexpr std::pair<WPARAM, ReadingKey> Reading[] = {
        {VK_LEFT, ReadingKey::Left},     {VK_RIGHT, ReadingKey::Right},
        {VK_PRIOR, ReadingKey::PageUp},  {VK_NEXT, ReadingKey::PageDown},
        {VK_HOME, ReadingKey::Home},     {VK_END, ReadingKey::End},
        {VK_UP, ReadingKey::Up},         {VK_DOWN, ReadingKey::Down},
        {VK_ESCAPE, ReadingKey::Escape}, {VK_SPACE, ReadingKey::Listen}};
    for (const auto &[key, reading] : Reading)
        if (plain && message.wParam == key)
            return tools_.readingKey && tools_.readingKey(reading);
    return false;
}

void Form::showMenu(POINT client) {
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < std::size(Items); ++i)
        AppendMenuW(menu, MF_STRING, i + 1, Items[i].text);
    POINT screen = client;
    ClientToScreen(window_, &screen);
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                                      window_, nullptr);
    DestroyMenu(menu);
    if (chosen <= 0)
        return;
    const Tool tool = Items[chosen - 1].tool;
    if (IsZoom(tool))
        zoom(tool);
    else if (tools_.tool)
        tools_.tool(tool);
}

// The whole window larger or smaller, laid out as at a monitor of that scale,
// and the drawing made again at it.
void Form::zoom(Tool tool) {
    const double next = NextZoom(zoom_, tool);
    if (next == zoom_)
        return;
    zoom_ = next;
    dpi_ = static_cast<UINT>(std::lround(monitorDpi_ * zoom_));
    note_.shown = false;
    layOut();
    if (tools_.rescaled)
        tools_.rescaled();
}

// The note's box and the ring's, in client pixels, with room to spare.
void Form::invalidateNote() {
    const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
    const auto box = [&](double x, double y, double w, double h) {
        RECT r{static_cast<LONG>((x - 8) * ratio), static_cast<LONG>((y - 60) * ratio),
               static_cast<LONG>((x + w) * ratio), static_cast<LONG>((y + h) * ratio)};
        InvalidateRect(window_, &r, FALSE);
    };
    if (note_.shown)
        box(note_.x - 320, note_.y, 640, 80);
    if (markerShown_)
        box(markerX_, markerY_ + 52, 16, 16);
}

void Form::showNote(double x, double y, const Text &value, const Text &settings) {
    invalidateNote();
    note_ = {true, x, y, value, settings};
    invalidateNote();
}

void Form::hideNote() {
    if (!note_.shown)
        return;
    invalidateNote();
    note_.shown = false;
}

void Form::showMarker(double x, double y) {
    invalidateNote();
    markerShown_ = true;
    markerX_ = x;
    markerY_ = y;
    invalidateNote();
}

void Form::hideMarker() {
    invalidateNote();
    markerShown_ = false;
}

// The ring, black with a white halo, and the note beside the pointer, kept
// inside the window.
void Form::paintTools(HDC dc) {
    const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
    const auto at = [ratio](double v) { return static_cast<int>(std::lround((v + 0.5) * ratio)); };
    if (markerShown_) {
        const int x = at(markerX_), y = at(markerY_), r = static_cast<int>(std::lround(5 * ratio));
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        Pen halo(CreatePen(PS_SOLID, static_cast<int>(std::lround(4 * ratio)), RGB(255, 255, 255)));
        Selected withHalo(dc, halo.get());
        Ellipse(dc, x - r, y - r, x + r + 1, y + r + 1);
        Pen ring(CreatePen(PS_SOLID, static_cast<int>(std::lround(2 * ratio)), RGB(0, 0, 0)));
        Selected withRing(dc, ring.get());
        Ellipse(dc, x - r, y - r, x + r + 1, y + r + 1);
    }
    if (note_.shown) {
        Selected withFont(dc, font({"MS Sans Serif", 8.25, false}));
        const std::wstring text = Wide(note_.value + u"\n" + note_.settings);
        RECT box{0, 0, 0, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_NOPREFIX);
        const int pad = static_cast<int>(std::lround(4 * ratio));
        const int width = box.right + 2 * pad, height = box.bottom + 2 * pad;
        int left = at(note_.x + 14), top = at(note_.y + 14);
        if (left + width > canvasSize_.cx)
            left = std::max(0, static_cast<int>(canvasSize_.cx) - width - 1);
        if (top + height > canvasSize_.cy)
            top = std::max(0, at(note_.y - 14) - height);
        RECT frame{left, top, left + width, top + height};
        Brush fill(CreateSolidBrush(NoteColour));
        FillRect(dc, &frame, fill.get());
        FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        RECT inside{left + pad, top + pad, left + width - pad, top + height - pad};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inside, DT_NOPREFIX);
    }
}

void Form::copyText(const Text &text) {
    if (!OpenClipboard(window_))
        return;
    EmptyClipboard();
    std::wstring wide = Wide(text);
    PutOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    CloseClipboard();
}

// The client area at device resolution, without the note and the ring, the
// legend in a column to its right; as a PNG and a DIB, which every program takes.
void Form::copyPicture(const std::vector<Text> &legend) {
    const bool noteShown = note_.shown, markerShown = markerShown_;
    note_.shown = markerShown_ = false;
    render();
    note_.shown = noteShown;
    markerShown_ = markerShown;
    const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
    WindowDc screen(window_);
    MemoryDc dc(CreateCompatibleDC(screen.get()));
    Selected withFont(dc.get(), font({"MS Sans Serif", 8.25, false}));
    int legendWidth = 0, lineHeight = 0;
    for (const Text &line : legend) {
        const std::wstring wide = Wide(line);
        SIZE extent{};
        GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
        legendWidth = std::max<int>(legendWidth, extent.cx);
        lineHeight = std::max<int>(lineHeight, extent.cy);
    }
    const int margin = legend.empty() ? 0 : static_cast<int>(std::lround(16 * ratio));
    const int width = canvasSize_.cx + (legend.empty() ? 0 : legendWidth + 2 * margin);
    const int height =
        std::max<int>(canvasSize_.cy, static_cast<int>(legend.size()) * lineHeight + 2 * margin);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    Bitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        return;
    Selected withBitmap(dc.get(), bitmap.get());
    RECT all{0, 0, width, height};
    FillRect(dc.get(), &all, background_.get());
    BitBlt(dc.get(), 0, 0, canvasSize_.cx, canvasSize_.cy, canvasDc_.get(), 0, 0, SRCCOPY);
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), RGB(0, 0, 0));
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const std::wstring wide = Wide(legend[i]);
        TextOutW(dc.get(), canvasSize_.cx + margin, margin + static_cast<int>(i) * lineHeight,
                 wide.c_str(), static_cast<int>(wide.size()));
    }
    GdiFlush();
    const auto *pixels = static_cast<const std::uint32_t *>(bits);
    const std::vector<std::uint8_t> png = EncodePng(pixels, width, height);
    // A DIB's rows run bottom to top.
    std::vector<std::uint8_t> dib(sizeof(BITMAPINFOHEADER) +
                                  static_cast<std::size_t>(width) * height * 4);
    BITMAPINFOHEADER header{sizeof header, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::memcpy(dib.data(), &header, sizeof header);
    for (int y = 0; y < height; ++y)
        std::memcpy(
            dib.data() + sizeof header + static_cast<std::size_t>(height - 1 - y) * width * 4,
            pixels + static_cast<std::size_t>(y) * width, static_cast<std::size_t>(width) * 4);
    if (!OpenClipboard(window_))
        return;
    EmptyClipboard();
    PutOnClipboard(RegisterClipboardFormatW(L"PNG"), png.data(), png.size());
    PutOnClipboard(CF_DIB, dib.data(), dib.size());
    CloseClipboard();
    InvalidateRect(window_, nullptr, FALSE); // the note and the ring again
}

// From memory and in the background; without a sound device nothing plays.
void Form::play(const std::vector<std::uint8_t> &wav) {
    PlaySoundW(nullptr, nullptr, 0); // stops the last one before its buffer goes
    sound_ = wav;
    PlaySoundW(reinterpret_cast<LPCWSTR>(sound_.data()), nullptr,
               SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

void Form::showHelp(const Text &text) {
    const Text caption = FromUtf8(design_.caption) + u": help";
    MessageBoxW(window_, Wide(text).c_str(), Wide(caption).c_str(), MB_OK | MB_ICONINFORMATION);
}

} // namespace quorvel::platform::win32
