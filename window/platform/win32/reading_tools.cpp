// The tools to read the curves on the Win32 window: keys to the window (and
// a focused bar's to the bar), the context menu it asks for, and the note and
// the ring, painted over the drawing where the neutral look places them.
#include "native_form.h"

#include "conversions.h"
#include "key_events.h"
#include "tool_look.h"

#include <cmath>

namespace quorvel::platform::win32 {

// The window's keys first, then a focused bar's own, as every backend's bar
// takes them; the rest go to the control.
bool Form::toolKey(const MSG &message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    const KeyPress press = TranslateKey(message.wParam);
    if (tools_.key && tools_.key(press))
        return true;
    if (message.hwnd != GetFocus() || !IsChild(window_, message.hwnd))
        return false;
    auto *bar = dynamic_cast<ScrollBar *>(controlOf(message.hwnd));
    return bar && bar->key(press);
}

namespace {

// The entries into menu, each numbered by its place in chosen, counted from
// 1; a submenu is destroyed with the menu it is in.
void AppendEntries(HMENU menu, const std::vector<MenuEntry> &entries,
                   std::vector<const MenuEntry *> &chosen) {
    for (const MenuEntry &entry : entries) {
        if (!entry.entries.empty()) {
            HMENU submenu = CreatePopupMenu();
            AppendEntries(submenu, entry.entries, chosen);
            AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu),
                        Wide(entry.label).c_str());
            continue;
        }
        chosen.push_back(&entry); // the key after a tab, as menus show it
        AppendMenuW(menu, MF_STRING | (entry.checked ? MF_CHECKED : MF_UNCHECKED), chosen.size(),
                    Wide(entry.label + u"\t" + entry.keys).c_str());
    }
}

} // namespace

void Form::showMenu(const std::vector<MenuEntry> &entries, double x, double y) {
    HMENU menu = CreatePopupMenu();
    std::vector<const MenuEntry *> chosen;
    AppendEntries(menu, entries, chosen);
    const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
    POINT screen{static_cast<LONG>(std::lround(x * ratio)),
                 static_cast<LONG>(std::lround(y * ratio))};
    ClientToScreen(window_, &screen);
    const int picked = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                                      window_, nullptr);
    DestroyMenu(menu);
    if (picked > 0 && tools_.tool) {
        const MenuEntry &entry = *chosen[static_cast<std::size_t>(picked - 1)];
        tools_.tool(entry.tool, entry.index);
    }
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
    std::vector<double> widths;
    {
        WindowDc screen(window_);
        Selected withFont(screen.get(), font(look::NoteFont));
        for (const Text &line : {value, settings}) {
            const std::wstring wide = Wide(line);
            SIZE extent{};
            GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()),
                                  &extent);
            widths.push_back(extent.cx / ratio);
        }
    }
    const look::Box size = look::SizeNote(widths);
    const look::Box box =
        look::PlaceNote(x, y, size.width, size.height, design_.clientWidth, design_.clientHeight);
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
        const int pad = scaled(look::NotePadding + 1);
        const double line = scaled(look::LineHeight(look::NoteFont));
        Selected withFont(dc, font(look::NoteFont));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, Gdi(look::NoteInk));
        // Each line LineHeight below the last, as on every backend.
        std::size_t from = 0;
        for (int i = 0; from <= note_.text.size(); ++i) {
            const std::size_t end = std::min(note_.text.find(L'\n', from), note_.text.size());
            std::wstring part = note_.text.substr(from, end - from);
            RECT inside{frame.left + pad, frame.top + pad + static_cast<LONG>(i * line),
                        frame.right - pad, frame.top + pad + static_cast<LONG>((i + 1) * line)};
            DrawTextW(dc, part.data(), static_cast<int>(part.size()), &inside,
                      DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
            from = end + 1;
        }
    }
}

} // namespace quorvel::platform::win32
