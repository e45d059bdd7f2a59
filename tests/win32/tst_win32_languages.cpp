// The Windows window in every language: every caption fits its control, as
// GetTextExtentPoint32W measures it in the control's font; the axis
// captions stay apart at every scale; a language chosen in the menu changes
// every word at once and keeps the drawing and the numbers; the suite's
// pseudo-language leaves no word behind; and Windows' own languages choose
// the one the window starts in (QUORVEL_LANGUAGE, set by CMakeLists.txt).
#include "check.h"
#include "fonts.h"
#include "layout/layout.h"
#include "reading/help_text.h"
#include "window_under_test.h"

#include <algorithm>
#include <cmath>
#include <regex>

using namespace quorvel;
using namespace testing;
using words::Language;

namespace {

Language Pseudo() {
    return *words::LanguageOf(u"en-XA");
}

void Choose(Window &t, Language language) {
    t.window.Menu_Click(platform::Tool::Language, static_cast<int>(language.index()));
    t.pump();
}

SIZE Extent(HFONT font, const Text &text) {
    HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    SIZE extent{};
    const std::wstring wide(text.begin(), text.end());
    GetTextExtentPoint32W(screen, wide.c_str(), static_cast<int>(wide.size()), &extent);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return extent;
}

// The first and last columns with ink in a band of the window, at 96 DPI.
std::pair<int, int> Ink(Window &t, RECT band) {
    t.form().render();
    int first = -1, last = -1;
    for (int x = band.left; x < band.right; ++x)
        for (int y = band.top; y < band.bottom; ++y)
            if ((t.form().composedPixel(x, y) & 0xFF) < 0x60) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

// Every caption inside its control, and no label's text over another
// control or past the window's edge (the panel's as widened for it), at 96
// DPI, with the panel shown. clipped: the texts are
// longer than any room (the pseudo-language); a label may then be cut off
// where the window stops it, or lie under a control, but covers no other
// label.
std::vector<std::string> Faults(Window &t, bool clipped) {
    const auto rows = layout::Controls();
    const platform::FormWords &words = t.form().words();
    const platform::FormDesign &design = layout::MainWindow();
    std::vector<RECT> inked(rows.size());
    std::vector<std::string> faults;
    const auto name = [&](std::size_t i) {
        return std::string(rows[i].name) +
               (rows[i].index >= 0 ? "(" + std::to_string(rows[i].index) + ")" : "");
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const platform::Row &row = rows[i];
        const int clientWidth = platform::RightEdge(design, row);
        if (row.kind == platform::Kind::Label && !words.captions[i].empty()) {
            const platform::win32::FontHandle font = platform::win32::CreateLayoutFont(
                row.font.family ? row.font : layout::MainWindow().font, 96,
                platform::InLatinFaces(words.captions[i]) ? nullptr
                                                          : platform::win32::SystemFaceFor(words));
            const SIZE extent = Extent(font.get(), words.captions[i]);
            const int grown = std::min<int>(
                extent.cx + 1, row.width + platform::RoomToTheRight(rows, i, clientWidth));
            const int width = clipped ? std::min<int>(extent.cx, grown) : extent.cx;
            // Read right to left, a caption ends at its box or bar, or at its
            // own right edge where none lies over it.
            int right = row.left + row.width;
            for (const platform::Row &other : rows)
                if (platform::TakesFocus(other.kind) && other.left > row.left &&
                    other.left < right && other.top <= row.top + row.height / 2 &&
                    row.top + row.height / 2 < other.top + other.height)
                    right = other.left;
            inked[i] = words.rightToLeft && !row.mark
                           ? RECT{right - width, row.top, right, row.top + extent.cy}
                           : RECT{row.left, row.top, row.left + width, row.top + extent.cy};
            // Letters that join are drawn narrower than Wine measures them
            // one by one: such a caption is where its ink is, on screen.
            const Text &caption = words.captions[i];
            if (std::any_of(caption.begin(), caption.end(),
                            [](char16_t c) { return c >= 0x0600 && c < 0x0700; })) {
                const bool fromTheRight = words.rightToLeft && !row.mark;
                const int roomRight = platform::RoomToTheRight(rows, i, clientWidth);
                const auto [first, last] =
                    Ink(t, {fromTheRight ? row.left - platform::RoomToTheLeft(rows, i) : row.left,
                            row.top, fromTheRight ? right : row.left + row.width + roomRight,
                            row.top + row.height});
                inked[i] = {first, row.top, last + 1, row.top + extent.cy};
            }
        } else if (row.kind == platform::Kind::Button || row.kind == platform::Kind::TextBox) {
            const HWND control = Native(&t.form().controlAt(i));
            const Text text = TextOf(control);
            const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
            RECT inside{};
            GetClientRect(control, &inside);
            int room = inside.right - 4; // inside a button's border and bevel
            if (row.kind == platform::Kind::TextBox) {
                const auto margins = SendMessageW(control, EM_GETMARGINS, 0, 0);
                room = inside.right - LOWORD(margins) - HIWORD(margins);
            }
            if (!clipped && Extent(font, text).cx > room)
                faults.push_back(name(i) + " overflows: " + Narrow(text));
        }
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (inked[i].right == 0)
            continue;
        if (inked[i].right > platform::RightEdge(design, rows[i]) || inked[i].left < 0)
            faults.push_back(name(i) + " runs off the window");
        for (std::size_t j = 0; j < rows.size(); ++j) {
            const bool label = rows[j].kind == platform::Kind::Label;
            if (j == i || (label && inked[j].right == 0) || (!label && clipped))
                continue;
            const RECT other = label ? inked[j]
                                     : RECT{rows[j].left, rows[j].top, rows[j].left + rows[j].width,
                                            rows[j].top + rows[j].height};
            RECT both{};
            if (IntersectRect(&both, &inked[i], &other))
                faults.push_back(name(i) + " runs into " + name(j));
        }
    }
    return faults;
}

void EveryCaptionFits() {
    for (const Language language : Language::All()) {
        Window t;
        Choose(t, language);
        t.window.Menu_Click(platform::Tool::PopulationSettings);
        const bool pseudo = language == Pseudo();
        for (const std::string &fault : Faults(t, pseudo))
            check::Check(false, "every caption fits", __FILE__, __LINE__,
                         Narrow(language.tag()) + ": " + fault);
    }
}

// The last dark column of the caption under the mean-fitness frame and the
// first of the one under the change frame, in device pixels.
std::pair<int, int> AxisCaptionInk(Window &t, double ratio) {
    const auto edge = [ratio](int i) { return static_cast<int>(std::ceil(i * ratio - 0.5)); };
    int end = -1, start = -1;
    for (int x = edge(96); x < edge(420); ++x)
        for (int y = edge(424); y < edge(441); ++y)
            if ((t.form().composedPixel(x, y) & 0xFF) < 0x60) {
                if (x < edge(256))
                    end = x;
                else if (start < 0)
                    start = x;
            }
    return {end, start};
}

// In every language, at every scale: the first caption's "1" ends under
// its frame's right end (x = 246 at 96 DPI, give or take a space) and well
// before the next "0".
void AxisCaptionsStayApart() {
    for (const Language language : Language::All()) {
        if (language == Pseudo())
            continue;
        for (UINT dpi : {96u, 120u, 144u, 192u}) {
            Window t(false);
            Choose(t, language);
            RECT frame{};
            GetWindowRect(t.form().hwnd(), &frame);
            SendMessageW(t.form().hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                         reinterpret_cast<LPARAM>(&frame));
            t.form().render();
            const double ratio = dpi / 96.0;
            const auto [end, start] = AxisCaptionInk(t, ratio);
            const std::string where = Narrow(language.tag()) + " at " + std::to_string(dpi) + ": " +
                                      std::to_string(end) + ", " + std::to_string(start);
            // Faces set a translation's spaces a little wider or narrower.
            check::Check(std::abs(end / ratio - 246) <= 8, "the 1 under the frame's end", __FILE__,
                         __LINE__, where);
            check::Check(start - end >= 3 * ratio, "the captions apart", __FILE__, __LINE__, where);
        }
    }
}

// Chosen through the menu the window shows, with the keys a user presses:
// up from its end to Language and into it, then, once it is open, down to
// Deutsch.
int germanAt = 0;

void CALLBACK GoToGerman(HWND, UINT, UINT_PTR timer, DWORD) {
    std::vector<HWND> menus;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM into) -> BOOL {
            wchar_t kind[16] = {};
            GetClassNameW(window, kind, 16);
            if (std::wcscmp(kind, L"#32768") == 0 && IsWindowVisible(window))
                reinterpret_cast<std::vector<HWND> *>(into)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&menus));
    if (menus.size() < 2)
        return; // the languages' submenu is not open yet
    KillTimer(nullptr, timer);
    for (int i = 0; i < germanAt; ++i)
        PostMessageW(menus.front(), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menus.front(), WM_KEYDOWN, VK_RETURN, 0);
}

void CALLBACK OpenLanguages(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND window = Shown(L"#32768");
    if (!window)
        return;
    KillTimer(nullptr, timer);
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    int entry = GetMenuItemCount(menu), below = 0;
    while (--entry >= 0 && !GetSubMenu(menu, entry)) // the last submenu: the languages
        ++below;
    const HMENU languages = GetSubMenu(menu, entry);
    germanAt = 0;
    for (wchar_t name[64] = {};
         GetMenuStringW(languages, static_cast<UINT>(germanAt), name, 64, MF_BYPOSITION) > 0 &&
         !(std::wcsncmp(name, L"Deutsch", 7) == 0 && (name[7] == 0 || name[7] == L'\t'));)
        ++germanAt; // each entry its words, a tab and its key, which a language has none of
    for (int i = 0; i <= below; ++i) // the first Up lights the last entry
        PostMessageW(window, WM_KEYDOWN, VK_UP, 0);
    PostMessageW(window, WM_KEYDOWN, VK_RIGHT, 0); // which lights the submenu's first entry
    SetTimer(nullptr, 0, 50, GoToGerman);
}

void MenuChangesEveryWordShown() {
    Window t;
    t.setBars(80, 100, 60, -1);
    t.click(t.window.RUN);
    t.form().render();
    const std::uint32_t drawn = t.form().composedPixel(96, 287); // the first dot, at p = 0
    SetTimer(nullptr, 0, 50, OpenLanguages);
    t.window.Form_ContextMenu(platform::Point{300, 200});
    t.pump();
    CHECK_TEXT(TextOf(t.form().hwnd()), Text(u"Quorvel, deterministisch"));
    CHECK_TEXT(TextOf(Native(t.window.RUN)), Text(u"Start"));
    CHECK_TEXT(t.window.Label4->text(), Text(u"Frequenz A"));
    CHECK_TEXT(TextOf(Native(t.window.TextInitp)), Text(u"Start-p"));
    CHECK_TEXT(TextOf(Native(t.window.Textw1)), Expected("0.8"));
    CHECK_TEXT(t.form().accessibleName(nullptr),
               u"Verlauf: w(AA) " + Expected("0.8") + u"; w(Aa) 1; w(aa) " + Expected("0.6") +
                   u"; von p0 0 bis p100 " + Expected("0.000") + u".");
    t.form().render();
    CHECK(t.form().composedPixel(96, 287) == drawn);
}

// Every text the window shows or says comes from the catalogue: in the
// pseudo-language, each is in brackets.
std::vector<Text> menuSeen;
// Of every entry, the main menu's and its submenus': its depth, and whether
// it reads right to left.
std::vector<std::pair<int, bool>> menuOrder;

void AddItems(HMENU menu, int depth = 0) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
        menuOrder.push_back({depth, (item.fType & MFT_RIGHTORDER) != 0});
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        const Text entry(text, std::find(text, text + std::wcslen(text), L'\t'));
        const auto all = Language::All();
        // The other languages, each in its own words.
        if (std::none_of(all.begin(), all.end(), [&](Language language) {
                return language != Pseudo() && language.name() == entry;
            }))
            menuSeen.push_back(entry);
        if (HMENU submenu = GetSubMenu(menu, i))
            AddItems(submenu, depth + 1);
    }
}

void CALLBACK ReadMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND window = Shown(L"#32768");
    if (!window)
        return;
    KillTimer(nullptr, timer);
    AddItems(reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0)));
    EndMenu();
}

// The menu as the window shows it, read while it is open.
void ReadContextMenu(Window &t) {
    menuSeen.clear();
    menuOrder.clear();
    SetTimer(nullptr, 0, 50, ReadMenu);
    t.window.Form_ContextMenu(platform::Point{300, 200});
}

// Every entry of the menu and of its submenus (the examples, the
// languages) reads in its language's direction: right to left in Arabic.
void SubmenusReadLikeTheMenu() {
    for (const char16_t *tag : {u"en", u"ar"}) {
        const Language language = *words::LanguageOf(tag);
        Window t;
        Choose(t, language);
        ReadContextMenu(t);
        int submenus = 0;
        for (const auto &[depth, rightToLeft] : menuOrder) {
            submenus += depth > 0;
            check::Check(rightToLeft == language.rightToLeft(), "read in the language's direction",
                         __FILE__, __LINE__,
                         Narrow(language.tag()) + ", an entry at depth " + std::to_string(depth));
        }
        CHECK(submenus > 7); // the examples' and the languages' entries
    }
}

void PseudoLanguageLeavesNoWordBehind() {
    Window t;
    Choose(t, Pseudo());
    t.setBars(80, 100, 60, 500);
    t.click(t.window.RUN);
    t.click(t.window.Wmean);
    t.window.Menu_Click(platform::Tool::ReadValues);
    ReadContextMenu(t);
    std::vector<Text> texts = menuSeen;
    texts.push_back(TextOf(t.form().hwnd()));
    texts.push_back(t.form().accessibleName(nullptr));
    texts.push_back(t.form().noteText());
    texts.push_back(HelpText(Pseudo(), platform::ToolKeys::Desktop));
    for (std::size_t i = 0; i < layout::Controls().size(); ++i) {
        platform::Control &control = t.form().controlAt(i);
        if (const HWND native = Native(&control)) {
            texts.push_back(t.form().accessibleName(native));
            if (layout::Controls()[i].kind == platform::Kind::Button)
                texts.push_back(TextOf(native));
        } else if (auto *label = dynamic_cast<platform::Label *>(&control)) {
            texts.push_back(label->text());
        }
    }
    const std::wregex plain(L".*[A-Za-z].*"), marked(L".*\\[.*|F[0-9]+");
    for (const Text &text : texts)
        for (std::size_t at = 0; at <= text.size();) {
            const std::size_t end = std::min(text.find(u'\t', at), text.size());
            const std::wstring part(text.begin() + static_cast<std::ptrdiff_t>(at),
                                    text.begin() + static_cast<std::ptrdiff_t>(end));
            check::Check(!std::regex_match(part, plain) || std::regex_match(part, marked),
                         "a word from the catalogue", __FILE__, __LINE__,
                         Narrow(Text(part.begin(), part.end())));
            at = end + 1;
        }
    CHECK(texts.size() > 30 && menuSeen.size() > 10);
}

// The window starts in the language Windows lists first for its user
// interface, where the program speaks it (Wine takes it from LANG).
void StartsInWindowsLanguage() {
    const char *expected = std::getenv("QUORVEL_LANGUAGE");
    Quorvelcode window;
    CHECK_TEXT(window.language().tag(), platform::FromUtf8(expected ? expected : "en"));
}

// Fitness w(Aa) from its left edge (x = 24) where a language reads left to
// right, up to its box (x = 104) in Arabic.
void CaptionsStartWhereTheirLanguageReads() {
    for (const char16_t *tag : {u"en", u"zh-Hans", u"ar"}) {
        const Language language = *words::LanguageOf(tag);
        Window t;
        Choose(t, language);
        const auto [first, last] = Ink(t, {0, 50, 104, 64});
        const std::string where = Narrow(language.tag());
        if (language.rightToLeft())
            check::Check(last >= 100 && last <= 103, "a caption ends at its box", __FILE__,
                         __LINE__, where + ": " + std::to_string(last));
        else
            check::Check(first >= 24 && first <= 26, "a caption starts at its left edge", __FILE__,
                         __LINE__, where + ": " + std::to_string(first));
        check::Check(last - first > 20, "the caption is shown", __FILE__, __LINE__, where);
    }
}

// What a message box shows: each line's first and last columns with ink,
// from the screen, as a user sees it; and the box's and its text's widths.
struct MessageShown {
    std::vector<std::pair<int, int>> lines;
    int boxWidth = 0, textWidth = 0, textHeight = 0;
    int clientWidth = 0;
    std::vector<RECT> parts; // its child windows, in its client area
} seen;

void CALLBACK ReadMessage(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND box = Shown(L"#32770");
    if (!box)
        return;
    KillTimer(nullptr, timer);
    HWND text = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowTextLengthW(child) > 0 &&
            (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON &&
            (!text || GetWindowTextLengthW(child) > GetWindowTextLengthW(text)))
            text = child;
    RECT frame{}, inside{};
    GetWindowRect(box, &frame);
    GetWindowRect(text, &inside);
    seen.boxWidth = frame.right - frame.left;
    seen.textWidth = inside.right - inside.left;
    seen.textHeight = inside.bottom - inside.top;
    RECT client{};
    GetClientRect(box, &client);
    seen.clientWidth = client.right;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT part{};
        GetWindowRect(child, &part);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT *>(&part), 2);
        seen.parts.push_back(part);
    }
    UpdateWindow(box);
    // Rows with ink a few apart at most are one line of text (Arabic's dots
    // lie above and below their letters).
    HDC screen = GetDC(nullptr);
    int blank = 99;
    for (int y = inside.top; y < inside.bottom; ++y) {
        int first = -1, last = -1;
        for (int x = inside.left; x < inside.right; ++x)
            if ((GetPixel(screen, x, y) & 0xFF) < 0x60) {
                if (first < 0)
                    first = x - inside.left;
                last = x - inside.left;
            }
        if (first >= 0 && blank > 3)
            seen.lines.push_back({first, last});
        else if (first >= 0)
            seen.lines.back() = {std::min(seen.lines.back().first, first),
                                 std::max(seen.lines.back().second, last)};
        blank = first >= 0 ? 0 : blank + 1;
    }
    ReleaseDC(nullptr, screen);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

MessageShown Message(Window &t, const Text &text) {
    seen = {};
    SetTimer(nullptr, 0, 300, ReadMessage);
    t.form().showError(text);
    return seen;
}

// A message box in Arabic sets its short line at the right of its long one,
// read right to left, and in English at the left.
void MessagesReadFromTheirLanguagesSide() {
    for (const char16_t *tag : {u"en", u"ar"}) {
        const Language language = *words::LanguageOf(tag);
        Window t;
        Choose(t, language);
        const MessageShown shown =
            Message(t, language.rightToLeft() ? Text(u"قصير.\n\nسطر أطول من الأول.")
                                              : Text(u"Short.\n\nA longer line."));
        std::string where = Narrow(language.tag());
        for (const auto &[first, last] : shown.lines)
            where += " " + std::to_string(first) + ".." + std::to_string(last);
        if (!check::Check(shown.lines.size() >= 2, "two lines", __FILE__, __LINE__, where))
            continue;
        const auto [shortFirst, shortLast] = shown.lines.front();
        const auto [longFirst, longLast] = shown.lines.back();
        if (language.rightToLeft())
            check::Check(std::abs(shortLast - longLast) <= 2 && shortFirst > longFirst + 10,
                         "the lines end at the right", __FILE__, __LINE__, where);
        else
            check::Check(std::abs(shortFirst - longFirst) <= 2 && shortLast < longLast - 10,
                         "the lines start at the left", __FILE__, __LINE__, where);
    }
}

// A box in Arabic is the box in English mirrored: its icon and button as far
// from its right edge as they are from the left in English, with the same
// words, not only its text set from the right.
void MessagesAreMirrored() {
    const Text text = u"قصير.\n\nسطر أطول من الأول.";
    std::vector<MessageShown> shown;
    for (const char16_t *tag : {u"en", u"ar"}) {
        Window t;
        Choose(t, *words::LanguageOf(tag));
        shown.push_back(Message(t, text));
    }
    const MessageShown &english = shown[0], &arabic = shown[1];
    std::string where;
    for (const MessageShown *box : {&english, &arabic})
        for (const RECT &part : box->parts)
            where += " " + std::to_string(part.left) + ".." + std::to_string(part.right);
    if (!check::Check(english.parts.size() >= 3 && english.parts.size() == arabic.parts.size() &&
                          english.clientWidth == arabic.clientWidth,
                      "the same parts", __FILE__, __LINE__, where))
        return;
    for (std::size_t i = 0; i < english.parts.size(); ++i) {
        const RECT &left = english.parts[i], &right = arabic.parts[i];
        check::Check(std::abs((arabic.clientWidth - right.right) - left.left) <= 1 &&
                         right.right - right.left == left.right - left.left &&
                         right.top == left.top,
                     "mirrored", __FILE__, __LINE__, "part " + std::to_string(i) + ":" + where);
    }
}

// The help in Chinese, which has no spaces, is broken into lines inside a
// box no wider than a help box is in English: a text that could not be
// broken would make its box as wide as its longest paragraph.
void ChineseHelpBreaksWithinItsBox() {
    Window english;
    seen = {};
    SetTimer(nullptr, 0, 300, ReadMessage);
    english.window.Menu_Click(platform::Tool::Help);
    const int englishWidth = seen.boxWidth;
    Window t;
    Choose(t, *words::LanguageOf(u"zh-Hans"));
    seen = {};
    SetTimer(nullptr, 0, 300, ReadMessage);
    t.window.Menu_Click(platform::Tool::Help);
    check::Check(seen.boxWidth > 0 && seen.boxWidth <= englishWidth + 40, "as wide as in English",
                 __FILE__, __LINE__,
                 std::to_string(seen.boxWidth) + " against " + std::to_string(englishWidth));
    check::Check(seen.textHeight > 20 * 13, "many lines", __FILE__, __LINE__,
                 std::to_string(seen.textHeight));
}

} // namespace

int main(int argc, char **argv) {
    platform::Application application(argc, argv);
    return check::Run({
        {"every caption fits", EveryCaptionFits},
        {"the axis captions stay apart", AxisCaptionsStayApart},
        {"the menu changes every word shown", MenuChangesEveryWordShown},
        {"submenus read like the menu", SubmenusReadLikeTheMenu},
        {"the pseudo-language leaves no word behind", PseudoLanguageLeavesNoWordBehind},
        {"the window starts in Windows' language", StartsInWindowsLanguage},
        {"captions start where their language reads", CaptionsStartWhereTheirLanguageReads},
        {"messages read from their language's side", MessagesReadFromTheirLanguagesSide},
        {"messages are mirrored", MessagesAreMirrored},
        {"the Chinese help breaks within its box", ChineseHelpBreaksWithinItsBox},
    });
}
