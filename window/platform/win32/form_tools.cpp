// The tools to read the curves on the Win32 window: the note and the ring,
// painted over the drawing; the keys and the context menu; the clipboard;
// the sound; the help.
#include "form_window.h"

#include "png.h"
#include "tool_look.h"

#include <mmsystem.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quorvel::platform::win32 {

namespace {

std::wstring Wide(const Text &text) {
    return std::wstring(text.begin(), text.end());
}

COLORREF Gdi(Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

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

// A virtual key, as the window knows keys.
KeyPress Translate(WPARAM key) {
    KeyPress press;
    press.control = GetKeyState(VK_CONTROL) < 0;
    press.shift = GetKeyState(VK_SHIFT) < 0;
    press.alt = GetKeyState(VK_MENU) < 0;
    press.meta = GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0;
    if (key >= 'A' && key <= 'Z') {
        press.key = Key::Letter;
        press.character = static_cast<char>(key);
        return press;
    }
    if ((key >= '0' && key <= '9') || (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)) {
        press.key = Key::Digit;
        press.character =
            static_cast<char>('0' + (key >= VK_NUMPAD0 ? key - VK_NUMPAD0 : key - '0'));
        return press;
    }
    static constexpr std::pair<WPARAM, Key> Keys[] = {
        {VK_F1, Key::F1},
        {VK_F6, Key::F6},
        {VK_F10, Key::F10},
        {VK_LEFT, Key::Left},
        {VK_RIGHT, Key::Right},
        {VK_UP, Key::Up},
        {VK_DOWN, Key::Down},
        {VK_PRIOR, Key::PageUp},
        {VK_NEXT, Key::PageDown},
        {VK_HOME, Key::Home},
        {VK_END, Key::End},
        {VK_ESCAPE, Key::Escape},
        {VK_SPACE, Key::Space},
        {VK_RETURN, Key::Return},
        {VK_TAB, Key::Tab},
        {VK_APPS, Key::Menu},
        {VK_ADD, Key::Plus},
        {VK_SUBTRACT, Key::Minus},
        {VK_OEM_MINUS, Key::Minus},
        // The key right of 0 on most layouts: = on its own, + with Shift.
        {VK_OEM_PLUS, Key::Plus},
    };
    for (const auto &[virtualKey, ours] : Keys)
        if (key == virtualKey)
            press.key = ours;
    return press;
}

} // namespace

// The window's keys first, then a focused bar's own, as every backend's bar
// takes them; the rest go to the control.
bool Form::toolKey(const MSG &message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    const KeyPress press = Translate(message.wParam);
    if (tools_.key && tools_.key(press))
        return true;
    if (message.hwnd != GetFocus() || !IsChild(window_, message.hwnd))
        return false;
    auto *bar = dynamic_cast<ScrollBar *>(
        reinterpret_cast<platform::Control *>(GetWindowLongPtrW(message.hwnd, GWLP_USERDATA)));
    return bar && bar->key(press);
}

void Form::showMenu(const std::vector<MenuEntry> &entries, double x, double y) {
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < entries.size(); ++i) // the key after a tab, as menus show it
        AppendMenuW(menu, MF_STRING, i + 1,
                    Wide(entries[i].label + u"\t" + entries[i].keys).c_str());
    const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
    POINT screen{static_cast<LONG>(std::lround(x * ratio)),
                 static_cast<LONG>(std::lround(y * ratio))};
    ClientToScreen(window_, &screen);
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                                      window_, nullptr);
    DestroyMenu(menu);
    if (chosen > 0 && tools_.tool)
        tools_.tool(entries[static_cast<std::size_t>(chosen - 1)].tool);
}

// The whole window larger or smaller, laid out as at a monitor of that scale,
// and the drawing made again at it.
void Form::setZoom(double zoom) {
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    dpi_ = static_cast<UINT>(std::lround(monitorDpi_ * zoom_));
    note_.shown = false;
    layOut();
    if (tools_.rescaled)
        tools_.rescaled();
}

// Where the note and the ring are painted, in client pixels, or were until now.
void Form::invalidateNote() {
    if (note_.shown)
        InvalidateRect(window_, &note_.box, FALSE);
    if (markerShown_)
        InvalidateRect(window_, &markerBox_, FALSE);
}

void Form::showNote(double x, double y, const Text &value, const Text &settings) {
    invalidateNote();
    const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
    const std::wstring text = Wide(value + u"\n" + settings);
    RECT measured{0, 0, 0, 0};
    {
        WindowDc screen(window_);
        Selected withFont(screen.get(), font(look::NoteFont));
        DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &measured,
                  DT_CALCRECT | DT_NOPREFIX);
    }
    // Padding on each side and the outline, in the layout's pixels.
    const double frame = look::NotePadding + 1;
    const look::Box box = look::PlaceNote(x, y, measured.right / ratio + 2 * frame,
                                          measured.bottom / ratio + 2 * frame, design_.clientWidth,
                                          design_.clientHeight);
    note_ = {true, text, scaledBox(box)};
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
    const look::Ring ring = look::RingAt(x, y);
    const double half = look::Ring::Extent / 2;
    markerShown_ = true;
    markerBox_ = scaledBox(
        {ring.centreX - half, ring.centreY - half, look::Ring::Extent, look::Ring::Extent});
    invalidateNote();
}

void Form::hideMarker() {
    invalidateNote();
    markerShown_ = false;
}

RECT Form::scaledBox(const look::Box &box) const {
    const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
    const auto at = [ratio](double v) { return static_cast<LONG>(std::lround(v * ratio)); };
    return {at(box.left), at(box.top), at(box.left + box.width), at(box.top + box.height)};
}

// The ring and the note, over the drawing.
void Form::paintTools(HDC dc) {
    const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
    const auto scaled = [ratio](double v) { return static_cast<int>(std::lround(v * ratio)); };
    if (markerShown_) {
        const RECT &box = markerBox_;
        // The circle through the middle of the line, inside the ring's square.
        const double inset = (look::Ring::Extent / 2 - look::Ring::Radius) * ratio;
        const RECT circle{static_cast<LONG>(std::lround(box.left + inset)),
                          static_cast<LONG>(std::lround(box.top + inset)),
                          static_cast<LONG>(std::lround(box.right - inset)),
                          static_cast<LONG>(std::lround(box.bottom - inset))};
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        Pen halo(CreatePen(PS_SOLID, scaled(look::Ring::HaloWidth), Gdi(look::RingHalo)));
        Selected withHalo(dc, halo.get());
        Ellipse(dc, circle.left, circle.top, circle.right, circle.bottom);
        Pen ring(CreatePen(PS_SOLID, scaled(look::Ring::Width), Gdi(look::RingInk)));
        Selected withRing(dc, ring.get());
        Ellipse(dc, circle.left, circle.top, circle.right, circle.bottom);
    }
    if (note_.shown) {
        const RECT &frame = note_.box;
        Brush fill(CreateSolidBrush(Gdi(look::NoteFill)));
        FillRect(dc, &frame, fill.get());
        Brush outline(CreateSolidBrush(Gdi(look::NoteOutline)));
        FrameRect(dc, &frame, outline.get());
        const int pad = scaled(look::NotePadding) + 1;
        RECT inside{frame.left + pad, frame.top + pad, frame.right - pad, frame.bottom - pad};
        Selected withFont(dc, font(look::NoteFont));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, Gdi(look::NoteInk));
        DrawTextW(dc, note_.text.c_str(), static_cast<int>(note_.text.size()), &inside,
                  DT_NOPREFIX);
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
    Selected withFont(dc.get(), font(look::LegendFont));
    std::vector<double> widths;
    double lineHeight = 0;
    for (const Text &line : legend) {
        const std::wstring wide = Wide(line);
        SIZE extent{};
        GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
        widths.push_back(extent.cx / ratio);
        lineHeight = std::max(lineHeight, extent.cy / ratio);
    }
    const look::Legend placed =
        look::PlaceLegend(canvasSize_.cx / ratio, canvasSize_.cy / ratio, widths, lineHeight);
    const int width =
        std::max<int>(canvasSize_.cx, static_cast<int>(std::lround(placed.width * ratio)));
    const int height =
        std::max<int>(canvasSize_.cy, static_cast<int>(std::lround(placed.height * ratio)));
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
    SetTextColor(dc.get(), Gdi(look::LegendInk));
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const std::wstring wide = Wide(legend[i]);
        TextOutW(dc.get(), static_cast<int>(std::lround(placed.lines[i].left * ratio)),
                 static_cast<int>(std::lround(placed.lines[i].top * ratio)), wide.c_str(),
                 static_cast<int>(wide.size()));
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

void Form::showHelp(const Text &title, const Text &text) {
    MessageBoxW(window_, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_ICONINFORMATION);
}

} // namespace quorvel::platform::win32
