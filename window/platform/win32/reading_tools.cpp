// The tools to read the curves on the Win32 window: keys to the window (and
// a focused bar's to the bar), the context menu it asks for, and the note and
// the ring, painted over the drawing where the neutral look places them.
#include "reading_tools.h"

#include "conversions.h"
#include "key_events.h"
#include "native_form.h"
#include "tool_look.h"

#include <cmath>

namespace quorvel::platform::win32 {

// The window's keys first, then a focused bar's own, as every backend's bar
// takes them; the rest go to the control.
bool ReadingTools::key(const MSG &message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    const KeyPress press = TranslateKey(message.wParam);
    if (events_.key && events_.key(press))
        return true;
    if (message.hwnd != GetFocus() || !IsChild(form_.hwnd(), message.hwnd))
        return false;
    auto *bar = dynamic_cast<ScrollBar *>(form_.controlOf(message.hwnd));
    return bar && bar->key(press);
}

namespace {

// The entries into menu, each numbered by its place in chosen, counted from
// 1; a submenu is destroyed with the menu it is in.
// Entries read right to left where `order` is MFT_RIGHTORDER.
void AppendEntries(HMENU menu, const std::vector<MenuEntry> &entries,
                   std::vector<const MenuEntry *> &chosen, UINT order) {
    for (const MenuEntry &entry : entries) {
        if (!entry.entries.empty()) {
            HMENU submenu = CreatePopupMenu();
            AppendEntries(submenu, entry.entries, chosen, order);
            AppendMenuW(menu, MF_POPUP | order, reinterpret_cast<UINT_PTR>(submenu),
                        Wide(entry.label).c_str());
            continue;
        }
        chosen.push_back(&entry); // the key after a tab, as menus show it
        AppendMenuW(menu, MF_STRING | order | (entry.checked ? MF_CHECKED : MF_UNCHECKED),
                    chosen.size(), Wide(entry.label + u"\t" + entry.keys).c_str());
    }
}

} // namespace

double ReadingTools::ratio() const {
    return form_.dpi() / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
}

void ReadingTools::showMenu(const std::vector<MenuEntry> &entries, double x, double y) {
    HMENU menu = CreatePopupMenu();
    std::vector<const MenuEntry *> chosen;
    const bool mirrored = form_.rightToLeft();
    AppendEntries(menu, entries, chosen, mirrored ? MFT_RIGHTORDER : 0);
    POINT screen{static_cast<LONG>(std::lround(x * ratio())),
                 static_cast<LONG>(std::lround(y * ratio()))};
    ClientToScreen(form_.hwnd(), &screen);
    // Mirrored, a menu opens to the left of the pointer, its submenus further left.
    const UINT layout = mirrored ? TPM_LAYOUTRTL | TPM_RIGHTALIGN : TPM_LEFTALIGN;
    const int picked = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | layout, screen.x,
                                      screen.y, 0, form_.hwnd(), nullptr);
    DestroyMenu(menu);
    if (picked > 0 && events_.tool) {
        const MenuEntry &entry = *chosen[static_cast<std::size_t>(picked - 1)];
        events_.tool(entry.tool, entry.index);
    }
}

void ReadingTools::invalidate() {
    if (note_.shown)
        InvalidateRect(form_.hwnd(), &note_.box, FALSE);
    if (markerShown_)
        InvalidateRect(form_.hwnd(), &markerBox_, FALSE);
}

void ReadingTools::showNote(double x, double y, const Text &value, const Text &settings) {
    invalidate();
    const double ratio = this->ratio();
    const std::wstring text = Wide(value + u"\n" + settings);
    std::vector<double> widths;
    {
        WindowDc screen(form_.hwnd());
        Selected withFont(screen.get(), form_.font(look::NoteFont));
        for (const Text &line : {value, settings}) {
            const std::wstring wide = Wide(line);
            SIZE extent{};
            GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()),
                                  &extent);
            widths.push_back(extent.cx / ratio);
        }
    }
    const look::Box size = look::SizeNote(widths);
    // Within the window's own width even while the panel shows: the note is
    // painted on the window, under its native controls, and the panel's
    // boxes and bars would cover a note that reached into it.
    const look::Box box = look::PlaceNote(x, y, size.width, size.height, form_.design().clientWidth,
                                          form_.design().clientHeight);
    note_ = {true, text, scaledBox(box)};
    invalidate();
}

void ReadingTools::hideNote() {
    if (!note_.shown)
        return;
    invalidate();
    note_.shown = false;
}

Text ReadingTools::noteText() const {
    return note_.shown ? FromWide(note_.text) : Text();
}

void ReadingTools::showMarker(double x, double y) {
    invalidate();
    const look::Ring ring = look::RingAt(x, y);
    const double half = look::Ring::Extent / 2;
    markerShown_ = true;
    markerBox_ = scaledBox(
        {ring.centreX - half, ring.centreY - half, look::Ring::Extent, look::Ring::Extent});
    invalidate();
}

void ReadingTools::hideMarker() {
    invalidate();
    markerShown_ = false;
}

void ReadingTools::hideForPicture() {
    noteWasShown_ = note_.shown;
    markerWasShown_ = markerShown_;
    note_.shown = markerShown_ = false;
}

void ReadingTools::showAfterPicture() {
    note_.shown = noteWasShown_;
    markerShown_ = markerWasShown_;
    invalidate();
}

RECT ReadingTools::scaledBox(const look::Box &box) const {
    const double ratio = this->ratio();
    const auto at = [ratio](double v) { return static_cast<LONG>(std::lround(v * ratio)); };
    return {at(box.left), at(box.top), at(box.left + box.width), at(box.top + box.height)};
}

void ReadingTools::paint(HDC dc) {
    const double ratio = this->ratio();
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
        Selected withFont(dc, form_.font(look::NoteFont));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, Gdi(look::NoteInk));
        // Each line LineHeight below the last, as on every backend.
        std::size_t from = 0;
        for (int i = 0; from <= note_.text.size(); ++i) {
            const std::size_t end = std::min(note_.text.find(L'\n', from), note_.text.size());
            std::wstring part = note_.text.substr(from, end - from);
            RECT inside{frame.left + pad, frame.top + pad + static_cast<LONG>(i * line),
                        frame.right - pad, frame.top + pad + static_cast<LONG>((i + 1) * line)};
            const UINT reading = form_.rightToLeft() ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
            DrawTextW(dc, part.data(), static_cast<int>(part.size()), &inside,
                      DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | reading);
            from = end + 1;
        }
    }
}

} // namespace quorvel::platform::win32
