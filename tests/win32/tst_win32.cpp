// The Windows window, driven as a user drives it: the messages a click on a
// scroll bar or a button sends, keys through the dialog-style dispatch, and
// what the window then shows in its boxes, hands to the drawing and puts on
// the screen. Expected values come from the cases the Linux suite uses.
#include "cases.h"
#include "check.h"
#include "fonts.h"
#include "layout/layout.h"
#include "number_text.h"
#include "random_source.h"
#include "tool_look.h"
#include "window_under_test.h"

#include <oleacc.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace quorvel;
using namespace testing;

namespace {

constexpr std::uint32_t Red = 0xFF0000u;

void BarsShowTheirValues() {
    for (const cases::Bar &row : cases::Bars) {
        Window t(false);
        t.drag(t.bar(row.bar), row.value);
        platform::TextBox *boxes[] = {t.window.Textw1, t.window.Textw2, t.window.Textw3,
                                      t.window.TextInitp};
        Parameter *fields[] = {&t.window.w1, &t.window.w2, &t.window.w3, &t.window.p0};
        CHECK_TEXT(TextOf(Native(boxes[row.bar])), Expected(row.text));
        CHECK_TEXT(fields[row.bar]->text(), Expected(row.text));
        CHECK(ParameterValue(*fields[row.bar]) == row.number);
    }
}

void ArrowsPointTheRightWayAndStopAtTheEnds() {
    Window t(false);
    t.scroll(t.window.VScrollp, SB_LINEDOWN); // already at the bottom, p0 = 0
    CHECK_TEXT(TextOf(Native(t.window.TextInitp)), Text(u"start p"));
    CHECK(!t.window.p0.isSet());
    t.scroll(t.window.VScrollp, SB_LINEUP);
    CHECK_TEXT(TextOf(Native(t.window.TextInitp)), Expected("0.001"));
    t.scroll(t.window.HScrollw1, SB_PAGERIGHT); // the trough jumps a fitness bar to 1
    CHECK_TEXT(TextOf(Native(t.window.Textw1)), Expected("1"));
    t.scroll(t.window.HScrollw2, SB_THUMBTRACK); // during a drag: nothing yet
    CHECK_TEXT(TextOf(Native(t.window.Textw2)), Text(u"w(Aa)"));
    SetWindowTextW(Native(t.window.Textw1), L"typed");
    t.drag(t.window.HScrollw1, 100); // no change: no handler, so the box keeps what was typed
    CHECK_TEXT(TextOf(Native(t.window.Textw1)), Text(u"typed"));
    t.scroll(t.window.HScrollw1, SB_LINELEFT);
    t.scroll(t.window.HScrollw1, SB_PAGELEFT); // a page from 0.99 goes to the near end
    CHECK_TEXT(TextOf(Native(t.window.Textw1)), Expected("0"));
}

void RunDrawsItsFirstPoints() {
    Window t;
    t.setBars(100, 100, 50, 500);
    std::vector<platform::DrawCall> calls;
    t.window.surface->setRecorder(&calls);
    t.click(t.window.RUN);
    t.window.surface->setRecorder(nullptr);
    CHECK(calls.size() == 101);
    if (calls.size() != 101)
        return;
    CHECK(calls[0].kind == platform::DrawCall::Kind::Point);
    CHECK(calls[0].x == cases::FirstX && calls[0].y == cases::FirstY);
    CHECK(calls[1].y == static_cast<float>(287.0 - 151.0 * cases::SecondP));
    for (std::size_t g = 1; g < calls.size(); ++g) {
        CHECK(calls[g].kind == platform::DrawCall::Kind::Segment);
        CHECK(calls[g].x == static_cast<float>(96 + 5 * g));
        CHECK(calls[g].colour == platform::SystemColour::HighlightText);
    }
    CHECK(t.window.gen == 101);
    CHECK(t.reports.empty());
}

void RunShowsP100() {
    for (const cases::Run &run : cases::Runs) {
        Window t(false);
        t.setBars(run.w1, run.w2, run.w3, run.p0);
        t.click(t.window.RUN);
        CHECK_TEXT(TextOf(Native(t.window.Textp100)), Expected(run.p100));
        CHECK(t.reports.empty());
    }
}

void WmeanSweeps1000Passes() {
    Window t(false);
    t.setBars(80, 100, 60, -1);
    std::vector<platform::DrawCall> calls;
    t.window.surface->setRecorder(&calls);
    t.click(t.window.Wmean);
    t.window.surface->setRecorder(nullptr);
    // The dots; the balances' marks after them are lines.
    std::erase_if(calls, [](const platform::DrawCall &call) {
        return call.kind != platform::DrawCall::Kind::Point;
    });
    CHECK(calls.size() == 2000);
    if (calls.size() != 2000)
        return;
    double pscan = 0.0;
    for (int pass = 0; pass < 999; ++pass)
        pscan = pscan + 0.001;
    CHECK(pscan == 0.9990000000000008);
    CHECK(calls[1998].x == static_cast<float>(96.0 + 150.0 * pscan));
    CHECK(calls[1999].x == static_cast<float>(256.0 + 150.0 * pscan));
    CHECK(calls[1999].colour == platform::Colour::FromRgb(2, 3, 4));
    CHECK(calls[0].colour == platform::SystemColour::HighlightText);
}

void ZeroMeanFitnessStopsTheHandlerOnly() {
    Window t(false);
    std::vector<platform::DrawCall> calls;
    t.window.surface->setRecorder(&calls);
    t.click(t.window.RUN); // nothing set: every mean fitness is 0
    CHECK(calls.size() == 1);
    CHECK(t.reports.size() == 1);
    CHECK(t.reports.size() == 1 && t.reports[0].find(u"mean fitness") != Text::npos);
    CHECK_TEXT(TextOf(Native(t.window.Textp100)), Text(u"p100"));
    CHECK(!t.window.surface->raster().isEmpty()); // the dot stays
    t.setBars(100, 100, 0, 500);
    t.click(t.window.RUN); // and the window goes on
    CHECK_TEXT(TextOf(Native(t.window.Textp100)), Expected("0.990"));
    CHECK(t.reports.size() == 1);
    t.window.surface->setRecorder(nullptr);
}

void ClsErasesTheDrawingOnly() {
    Window t(false);
    t.setBars(100, 100, 50, 500);
    t.click(t.window.RUN);
    CHECK(!t.window.surface->raster().isEmpty());
    t.click(t.window.CLS);
    CHECK(t.window.surface->raster().isEmpty());
    CHECK_TEXT(TextOf(Native(t.window.Textp100)), Expected("0.980"));
    CHECK_TEXT(t.window.w1.text(), Expected("1"));
}

// What the screen shows at a client pixel of the form.
std::uint32_t OnScreen(HWND form, int x, int y) {
    POINT at{x, y};
    ClientToScreen(form, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return static_cast<std::uint32_t>(GetRValue(colour)) << 16 |
           static_cast<std::uint32_t>(GetGValue(colour)) << 8 | GetBValue(colour);
}

void DrawingLiesAboveLabelsAndBelowControls() {
    Window t;
    const POINT onLabel{605, 302}, onFrame{300, 200}, onButton{488, 40};
    const std::uint32_t buttonBefore = OnScreen(t.form().hwnd(), onButton.x, onButton.y);
    for (POINT at : {onLabel, onFrame, onButton})
        t.window.PSet(static_cast<float>(at.x), static_cast<float>(at.y),
                      platform::Colour::FromRgb(255, 0, 0));
    t.pump();
    UpdateWindow(t.form().hwnd());
    CHECK(OnScreen(t.form().hwnd(), onLabel.x, onLabel.y) == Red);
    CHECK(OnScreen(t.form().hwnd(), onFrame.x, onFrame.y) == Red);
    // Red lies under the button, which covers it.
    CHECK(t.window.surface->raster().pixelAt(onButton.x, onButton.y) == 0xFFFF0000u);
    CHECK(OnScreen(t.form().hwnd(), onButton.x, onButton.y) == buttonBefore);
    // The read-only boxes are white like any box, not grey.
    CHECK(OnScreen(t.form().hwnd(), 146, 26) == 0xFFFFFFu);
}

// The form's client area as the window system holds it, rows top down:
// the form's own paint with its controls' over it.
std::vector<std::uint32_t> ClientOnScreen(HWND form, SIZE &size) {
    RECT client;
    GetClientRect(form, &client);
    size = {client.right, client.bottom};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size.cx, -size.cy, 1, 32, BI_RGB};
    void *bits = nullptr;
    HDC window = GetDC(form), memory = CreateCompatibleDC(window);
    HBITMAP bitmap = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, size.cx, size.cy, window, 0, 0, SRCCOPY);
    GdiFlush();
    const auto *pixels = static_cast<const std::uint32_t *>(bits);
    std::vector<std::uint32_t> shown(pixels, pixels + static_cast<std::size_t>(size.cx) * size.cy);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(form, window);
    for (std::uint32_t &pixel : shown)
        pixel &= 0x00FFFFFFu;
    return shown;
}

// The first frame goes to the screen without the off-screen canvas, which
// every later frame is composed on: it shows what the canvas composes, frames,
// zero line and captions, pixel for pixel wherever no control covers it, in a
// language read left to right and in one read right to left.
void FirstFrameIsTheComposedWindow() {
    for (const char16_t *tag : {u"en", u"ar"}) {
        Window t(false);
        t.window.SetLanguage(*words::LanguageOf(tag), false);
        t.form().show();
        t.pump();
        SIZE size{};
        const std::vector<std::uint32_t> shown = ClientOnScreen(t.form().hwnd(), size);
        CHECK(size.cx == 628 && size.cy == 474);
        std::vector<RECT> controls;
        for (HWND child = GetWindow(t.form().hwnd(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            RECT place;
            GetWindowRect(child, &place);
            MapWindowPoints(nullptr, t.form().hwnd(), reinterpret_cast<POINT *>(&place), 2);
            if (IsWindowVisible(child))
                controls.push_back(place);
        }
        CHECK(controls.size() == 12);
        t.form().render();
        int compared = 0, differing = 0, black = 0;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x) {
                const POINT at{x, y};
                if (std::any_of(controls.begin(), controls.end(),
                                [at](const RECT &place) { return PtInRect(&place, at); }))
                    continue;
                const std::uint32_t pixel = shown[static_cast<std::size_t>(y) * size.cx + x];
                ++compared;
                differing += pixel != t.form().composedPixel(x, y);
                black += pixel == 0;
            }
        CHECK(differing == 0);
        CHECK(compared > 628 * 474 * 3 / 4);
        // The window's colour where nothing is, and the frames' outlines and
        // captions in black: thousands of pixels, not a blank frame.
        CHECK(shown[static_cast<std::size_t>(460) * size.cx + 620] == 0xC0C0FFu);
        CHECK(black > 3000);
    }
}

void FocusFollowsTheLayoutsOrder() {
    Window t;
    const Quorvelcode &w = t.window;
    platform::Control *order[] = {w.Textw1,   w.Textw2,    w.Textw3,    w.TextInitp, w.VScrollp,
                                  w.RUN,      w.HScrollw1, w.HScrollw2, w.HScrollw3, w.CLS,
                                  w.Textp100, w.Wmean,     w.Textw1};
    CHECK(GetFocus() == Native(order[0]));
    for (std::size_t i = 1; i < std::size(order); ++i) {
        t.key(VK_TAB);
        CHECK(GetFocus() == Native(order[i]));
    }
}

void KeysWorkAsOnAnyWindowsControl() {
    Window t;
    SetFocus(Native(t.window.VScrollp));
    t.key(VK_UP); // up raises p0
    CHECK_TEXT(TextOf(Native(t.window.TextInitp)), Expected("0.001"));
    t.setBars(100, 100, 50, 500);
    SetFocus(Native(t.window.RUN));
    t.key(VK_RETURN);
    CHECK_TEXT(TextOf(Native(t.window.Textp100)), Expected("0.980"));
    SetFocus(Native(t.window.Textp100));
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    t.key('A');
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    DWORD from = 1, to = 0;
    SendMessageW(Native(t.window.Textp100), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
    CHECK(from == 0 && to == 5);
}

// Finds the message box the form shows and presses its OK button.
HWND ErrorBoxOwner;
bool ErrorBoxSeen;
void CALLBACK CloseErrorBox(HWND, UINT, UINT_PTR timer, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
            wchar_t kind[16] = {};
            GetClassNameW(window, kind, 16);
            if (std::wstring(kind) == L"#32770" && GetWindow(window, GW_OWNER) == ErrorBoxOwner &&
                TextOf(window) == u"Quorvel, deterministic" && !IsWindowEnabled(ErrorBoxOwner)) {
                ErrorBoxSeen = true;
                PostMessageW(window, WM_COMMAND, IDOK, 0);
            }
            return TRUE;
        },
        0);
    if (ErrorBoxSeen)
        KillTimer(nullptr, timer);
}

void ErrorBoxIsModalAndTheProgramGoesOn() {
    Quorvelcode window; // its own error box, not a collecting sink
    window.SetLanguage(words::Language::English(), false);
    auto &form = *Native(window.form());
    form.show();
    ErrorBoxOwner = form.hwnd();
    ErrorBoxSeen = false;
    SetFocus(Native(window.RUN));
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &CloseErrorBox);
    SendMessageW(Native(window.RUN), BM_CLICK, 0, 0);
    KillTimer(nullptr, timer);
    CHECK(ErrorBoxSeen);
    CHECK(IsWindowEnabled(form.hwnd()));
    CHECK_TEXT(TextOf(Native(window.Textp100)), Text(u"p100"));
    // Focus comes back to the button that had it, and Tab goes on from there.
    platform::win32::ProcessMessages(form.hwnd());
    CHECK(GetFocus() == Native(window.RUN));
    MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    platform::win32::Dispatch(form.hwnd(), tab);
    CHECK(GetFocus() == Native(window.HScrollw1));
}

void NumbersReadAsTheUserWritesThem() {
    for (const cases::Number &number : cases::Numbers) {
        CHECK_TEXT(platform::NumberToText(number.value), Expected(number.shortest));
        CHECK_TEXT(platform::FormatThreeDecimals(number.value), Expected(number.threeDecimals));
        CHECK(platform::TextToNumber(Expected(number.shortest)) == number.value);
    }
    bool ok = true;
    CHECK(platform::TextToNumber(u"w(AA)", &ok) == 0.0 && !ok);
    CHECK(platform::TextToNumber(u"nan", &ok) == 0.0 && !ok);
}

// At 100, 150 and 200 %, a dot on the corner of the trajectory frame is one
// logical pixel wide, centred where the frame's corner pixel lies: at 150 % two
// device pixels from the corner on, the outline going on beside them.
void DrawingLinesUpWithTheFramesAtEveryScale() {
    const struct {
        UINT dpi;
        int x, y, size; // the dot's device pixels
    } scales[] = {{96, 96, 136, 1}, {144, 144, 204, 2}, {192, 192, 272, 2}};
    for (const auto &scale : scales) {
        Window t(false);
        RECT frame{0, 0, 0, 0};
        GetWindowRect(t.form().hwnd(), &frame);
        SendMessageW(t.form().hwnd(), WM_DPICHANGED, MAKEWPARAM(scale.dpi, scale.dpi),
                     reinterpret_cast<LPARAM>(&frame));
        t.window.PSet(96, 136, platform::Colour::FromRgb(255, 0, 0));
        t.form().render();
        const int x = scale.x, y = scale.y, next = scale.size;
        CHECK(t.form().composedPixel(x, y) == Red);
        CHECK(t.form().composedPixel(x + next - 1, y + next - 1) == Red);
        CHECK(t.form().composedPixel(x + next, y) == 0x000000u); // the outline goes on
        CHECK(t.form().composedPixel(x, y + next) == 0x000000u);
        CHECK(t.form().composedPixel(x - 1, y + next) == 0xC0C0FFu);    // outside: window
        CHECK(t.form().composedPixel(x + next, y + next) == 0xE0E0E0u); // inside: fill
        CHECK(t.window.surface->raster().deviceWidth() ==
              static_cast<int>(std::ceil(628 * scale.dpi / 96.0)));
        // The zero line reaches its last pixel, x = 406.
        const double ratio = scale.dpi / 96.0;
        const auto edge = [ratio](int i) { return static_cast<int>(std::ceil(i * ratio - 0.5)); };
        CHECK(t.form().composedPixel(edge(407) - 1, edge(365)) == 0x000000u);
        CHECK(t.form().composedPixel(edge(407), edge(365)) == 0xC0C0FFu); // beyond it: window
        // RUN's 18-point font is 18 points at this DPI.
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Native(t.window.RUN), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        CHECK(font.lfHeight == -static_cast<LONG>(std::lround(18 * scale.dpi / 72.0)));
    }
}

// The right end of the text in the caption under the mean-fitness frame, in
// device pixels: the last column with a dark pixel in the caption's rows.
int AxisCaptionEnd(Window &t, double ratio) {
    const auto edge = [ratio](int i) { return static_cast<int>(std::ceil(i * ratio - 0.5)); };
    int end = -1;
    for (int x = edge(96); x < edge(256); ++x)
        for (int y = edge(424); y < edge(441); ++y)
            if ((t.form().composedPixel(x, y) & 0xFF) < 0x60)
                end = x;
    return end;
}

// Captions grow with the layout: at every DPI the axis caption's "1" ends
// under the right end of its frame (x = 246 at 96 DPI), as it does at 96.
void CaptionsStayWhereTheLayoutPutsThem() {
    for (UINT dpi : {96u, 120u, 144u, 192u}) {
        Window t(false);
        RECT frame{0, 0, 0, 0};
        GetWindowRect(t.form().hwnd(), &frame);
        SendMessageW(t.form().hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&frame));
        t.form().render();
        const double ratio = dpi / 96.0;
        const int end = AxisCaptionEnd(t, ratio);
        CHECK(std::abs(end / ratio - 246) <= 5);
    }
}

void ControlsAreNamedForScreenReaders() {
    Window t(false);
    CHECK_TEXT(t.form().accessibleName(Native(t.window.HScrollw1)), Text(u"Fitness w(AA)"));
    CHECK_TEXT(t.form().accessibleName(Native(t.window.TextInitp)), Text(u"p0"));
    t.setBars(80, 100, 60, 500);
    t.click(t.window.RUN);
    CHECK(t.form().accessibleName(nullptr).rfind(u"Trajectory: w(AA) ", 0) == 0);
    // A read-only box gives a screen reader the number it shows.
    IAccessible *box = nullptr;
    AccessibleObjectFromWindow(Native(t.window.Textp100), OBJID_CLIENT, IID_IAccessible,
                               reinterpret_cast<void **>(&box));
    CHECK(box != nullptr);
    if (box) {
        VARIANT self;
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR value = nullptr;
        box->get_accValue(self, &value);
        CHECK_TEXT(value ? Text(value, value + SysStringLen(value)) : Text(), Expected("0.667"));
        SysFreeString(value);
        // A read-only entry, as a screen reader names it.
        VARIANT role{}, state{};
        CHECK(box->get_accRole(self, &role) == S_OK && role.vt == VT_I4 &&
              role.lVal == ROLE_SYSTEM_TEXT);
        CHECK(box->get_accState(self, &state) == S_OK && state.vt == VT_I4 &&
              (state.lVal & STATE_SYSTEM_READONLY) && (state.lVal & STATE_SYSTEM_FOCUSABLE));
        box->Release();
    }
}

Text ClipboardText(HWND owner) {
    Text text;
    if (!OpenClipboard(owner))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        const auto *wide = static_cast<const wchar_t *>(GlobalLock(data));
        text.assign(wide, wide + std::wcslen(wide));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

std::vector<HWND> describedAgain; // windows whose description changed, as a screen reader hears

void CALLBACK HeardDescriptionChange(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD,
                                     DWORD) {
    if (event == EVENT_OBJECT_DESCRIPTIONCHANGE)
        describedAgain.push_back(window);
}

// What RUN drew is said through the focused button: a screen reader hears its
// description change. (The words themselves go through the accessibility
// property service, which Wine only stubs.)
void RunSaysWhatItDrew() {
    Window t;
    for (int i = 0; i < 50; ++i) { // the service starts once the first frame is out
        Sleep(20);
        t.pump();
    }
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr,
                        HeardDescriptionChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    t.setBars(80, 100, 60, 100);
    SetFocus(Native(t.window.RUN));
    describedAgain.clear();
    t.click(t.window.RUN);
    for (int i = 0; i < 10; ++i) {
        Sleep(10);
        t.pump();
    }
    UnhookWinEvent(hook);
    CHECK(std::count(describedAgain.begin(), describedAgain.end(), Native(t.window.RUN)) >= 1);
}

// The bytes zlib makes at level 6 of a bottom-up 32-bit DIB's pixels as a
// PNG's rows, each with filter 0 and RGB.
std::size_t ZlibLevel6Size(const std::uint32_t *pixels, int width, int height) {
    std::vector<Bytef> rows;
    for (int y = height - 1; y >= 0; --y) {
        rows.push_back(0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
            rows.insert(rows.end(), {Bytef(p >> 16), Bytef(p >> 8), Bytef(p)});
        }
    }
    uLongf size = compressBound(static_cast<uLong>(rows.size()));
    std::vector<Bytef> packed(size);
    compress2(packed.data(), &size, rows.data(), static_cast<uLong>(rows.size()), 6);
    return size;
}

// The note on a flat curve at p = 0.5, where the pointer is at generation 41.
const char *const FlatNote[] = {
    "generation 41: p = 0.500",
    "w = 0.5, 0.5, 0.5 (s = 0, no h: the homozygotes are equally fit); p0 = 0.5"};

// At every DPI the note is as wide, in the layout's pixels, as its widest
// line at 96 DPI in the note's font (the face the window's words take),
// padded and outlined: 4 + 1 a side.
void NoteIsAsWideAsItsWordsAtEveryScale() {
    for (const UINT dpi : {96u, 192u}) {
        Window t(false);
        const platform::win32::FontHandle font = platform::win32::CreateLayoutFont(
            platform::look::NoteFont, 96, platform::win32::SystemFaceFor(t.form().words()));
        HDC screen = GetDC(nullptr);
        const HGDIOBJ old = SelectObject(screen, font.get());
        LONG widest = 0;
        for (const char *line : FlatNote) {
            const Text text = Expected(line);
            const std::wstring wide(text.begin(), text.end());
            SIZE extent{};
            GetTextExtentPoint32W(screen, wide.c_str(), static_cast<int>(wide.size()), &extent);
            widest = std::max(widest, extent.cx);
        }
        SelectObject(screen, old);
        ReleaseDC(nullptr, screen);
        RECT frame{};
        GetWindowRect(t.form().hwnd(), &frame);
        SendMessageW(t.form().hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&frame));
        t.setBars(50, 50, 50, 500);
        t.window.RUN_Click();
        const double ratio = dpi / 96.0;
        SendMessageW(t.form().hwnd(), WM_MOUSEMOVE, 0,
                     MAKELPARAM(std::lround(301 * ratio), std::lround(212 * ratio)));
        CHECK_TEXT(t.form().noteText(), Expected(FlatNote[0]) + u"\n" + Expected(FlatNote[1]));
        t.form().render();
        RECT client{};
        GetClientRect(t.form().hwnd(), &client);
        int first = client.right, last = -1; // the note's yellow, inside its outline
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x)
                if (t.form().composedPixel(x, y) == 0xFFFFE1u) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        const double width = (last - first + 1 + 2) / ratio, wanted = widest + 10.0;
        check::Check(std::abs(width - wanted) <= 2 + 0.02 * wanted, "as wide as its words",
                     __FILE__, __LINE__,
                     std::to_string(dpi) + " DPI: " + std::to_string(width) + " against " +
                         std::to_string(wanted));
    }
}

// On a flat curve at p = 0.5: the note by the pointer, reading mode's keys
// (which leave the focused bar alone), the copied table and picture.
void ToolsReadTheCurves() {
    Window t;
    t.setBars(50, 50, 50, 500);
    t.click(t.window.RUN);
    const double ratio = t.form().dpi() / 96.0;
    SendMessageW(t.form().hwnd(), WM_MOUSEMOVE, 0,
                 MAKELPARAM(static_cast<int>(301 * ratio), static_cast<int>(212 * ratio)));
    CHECK_TEXT(t.form().noteText(), Expected("generation 41: p = 0.500\nw = 0.5, 0.5, 0.5 (s = 0, "
                                             "no h: the homozygotes are equally fit); p0 = 0.5"));
    t.form().render();
    CHECK(t.form().composedPixel(static_cast<int>(320 * ratio), static_cast<int>(232 * ratio)) ==
          0xFFFFE1u); // the note's yellow
    SetFocus(Native(t.window.HScrollw1));
    t.key(VK_F6);
    t.key(VK_RIGHT);
    CHECK_TEXT(t.form().noteText(), Expected("generation 1: p = 0.500\nw = 0.5, 0.5, 0.5 (s = 0, "
                                             "no h: the homozygotes are equally fit); p0 = 0.5"));
    CHECK_TEXT(TextOf(Native(t.window.Textw1)), Expected("0.5")); // the bar did not move
    t.key(VK_ESCAPE);
    t.key(VK_RIGHT);
    CHECK_TEXT(TextOf(Native(t.window.Textw1)), Expected("0.51"));
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    t.key('T');
    const Text table = ClipboardText(t.form().hwnd());
    t.key('C');
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    // The curve's own settings, not the bar's since.
    CHECK(table.rfind(Expected("generation\tp (w = 0.5, 0.5, 0.5 (s = 0, no h: the homozygotes are "
                               "equally fit); p0 = 0.5)\n0\t0.5\n"),
                      0) == 0);
    if (OpenClipboard(t.form().hwnd())) {
        HANDLE png = GetClipboardData(RegisterClipboardFormatW(L"PNG"));
        CHECK(png && std::memcmp(GlobalLock(png), "\x89PNG", 4) == 0);
        const std::size_t pngSize = png ? GlobalSize(png) : 0;
        if (png)
            GlobalUnlock(png);
        HANDLE dib = GetClipboardData(CF_DIB);
        const auto *header = dib ? static_cast<const BITMAPINFOHEADER *>(GlobalLock(dib)) : nullptr;
        CHECK(header && header->biWidth > static_cast<LONG>(628 * ratio) + 100 &&
              header->biHeight == static_cast<LONG>(std::ceil(474 * ratio)));
        // Compressed: at most half as much again as zlib's level 6 makes of
        // the same pixels' rows, unfiltered.
        if (header)
            CHECK(pngSize > 0 &&
                  pngSize <= ZlibLevel6Size(reinterpret_cast<const std::uint32_t *>(header + 1),
                                            header->biWidth, header->biHeight) *
                                 3 / 2);
        if (dib)
            GlobalUnlock(dib);
        CloseClipboard();
    }
}

// Ctrl+Plus makes the whole window larger, the drawing with it; Ctrl+0 makes
// it as it was.
void ZoomScalesTheWindowAndItsDrawing() {
    Window t;
    t.setBars(100, 100, 50, 500);
    t.click(t.window.RUN);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SetFocus(Native(t.window.RUN));
    t.key(VK_OEM_PLUS);
    RECT client{};
    GetClientRect(t.form().hwnd(), &client);
    CHECK(client.right == 785); // 628 at 125 %
    t.form().render();
    CHECK(t.form().composedPixel(120, 265) == 0x0000CCu); // the first dot, (96, 211.5)
    t.key('0');
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    GetClientRect(t.form().hwnd(), &client);
    CHECK(client.right == 628);
}

// The control made from the row of this name, whatever holds it.
HWND Named(Window &t, const char *name) {
    const auto rows = layout::Controls();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (std::strcmp(rows[i].name, name) == 0)
            return Native(&t.form().controlAt(i));
    return nullptr;
}

LONG ClientWidth(Window &t) {
    RECT client{};
    GetClientRect(t.form().hwnd(), &client);
    return client.right;
}

// A number as the user's locale writes it, from one written as in English:
// where the decimal separator is a comma, thousands are grouped with points.
Text Localised(const char *english) {
    Text text = platform::FromUtf8(english);
    for (char16_t &c : text)
        c = c == u'.' ? Separator() : c == u',' && Separator() == u',' ? u'.' : c;
    return text;
}

// What a screen reader asks of a control through MSAA, as NVDA and JAWS do.
Text Asked(HWND control, HRESULT (STDMETHODCALLTYPE IAccessible::*question)(VARIANT, BSTR *)) {
    IAccessible *object = nullptr;
    BSTR answer = nullptr;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    if (AccessibleObjectFromWindow(control, OBJID_CLIENT, IID_IAccessible,
                                   reinterpret_cast<void **>(&object)) == S_OK)
        (object->*question)(self, &answer);
    const Text text = answer ? Text(answer, answer + SysStringLen(answer)) : Text();
    SysFreeString(answer);
    if (object)
        object->Release();
    return text;
}

// The menu's entry widens the client area by the panel, whose boxes and bars
// Tab reaches after W Mean; again, it narrows it back, focus leaving the
// panel. At 100, 125 and 150 % (the suite's screen is 1280 pixels wide, which
// no window outgrows), and zoomed; a copied picture is as wide.
void PanelOpensBesideTheWindowAtEveryScale() {
    const struct {
        UINT dpi;
        LONG narrow, wide, zoomed; // the client area's device pixels; zoomed at 125 %, or 0
    } scales[] = {{96, 628, 840, 1050}, {120, 785, 1050, 0}, {144, 942, 1260, 0}};
    const char *afterWmean[] = {"TextN",        "HScrollN", "TextPops",  "HScrollPops", "TextGen",
                                "HScrollGen",   "Textu",    "HScrollu",  "Textv",       "HScrollv",
                                "Textm",        "HScrollm", "TextFixed", "TextLost",    "TextBoth",
                                "TextExpected", "Textw1"};
    for (const auto &scale : scales) {
        Window t;
        RECT frame{0, 0, 0, 0};
        GetWindowRect(t.form().hwnd(), &frame);
        SendMessageW(t.form().hwnd(), WM_DPICHANGED, MAKEWPARAM(scale.dpi, scale.dpi),
                     reinterpret_cast<LPARAM>(&frame));
        CHECK(ClientWidth(t) == scale.narrow);
        CHECK(!IsWindowVisible(Named(t, "HScrollN")) && !IsWindowVisible(Named(t, "TextBoth")));
        t.window.Menu_Click(platform::Tool::PopulationSettings);
        t.pump();
        CHECK(ClientWidth(t) == scale.wide);
        CHECK(IsWindowVisible(Named(t, "HScrollN")) && IsWindowVisible(Named(t, "TextBoth")));
        CHECK(GetFocus() == Named(t, "HScrollN"));
        t.form().render();
        CHECK(t.form().composedPixel(scale.narrow, scale.narrow / 2) == 0x000000u); // the rule
        // Every caption of the panel is written, in its row.
        const double ratio = scale.dpi / 96.0;
        for (const platform::Row &row : layout::Controls()) {
            if (!row.panel || row.kind != platform::Kind::Label)
                continue;
            int ink = 0;
            for (int y = static_cast<int>(row.top * ratio); y < (row.top + row.height) * ratio; ++y)
                for (int x = static_cast<int>(row.left * ratio); x < (row.left + row.width) * ratio;
                     ++x)
                    ink += (t.form().composedPixel(x, y) & 0xFF) < 0x60;
            CHECK(ink > 20);
        }
        const std::vector<std::uint8_t> png = t.form().picturePng({}); // no legend
        CHECK(png.size() > 24 && (png[16] << 24 | png[17] << 16 | png[18] << 8 | png[19]) ==
                                     scale.wide); // the PNG's width
        SetFocus(Native(t.window.Wmean));
        for (const char *name : afterWmean) {
            t.key(VK_TAB);
            CHECK(GetFocus() == Named(t, name));
        }
        if (scale.zoomed) {
            t.form().setZoom(1.25);
            CHECK(ClientWidth(t) == scale.zoomed && IsWindowVisible(Named(t, "HScrollN")));
            t.form().setZoom(1.0);
        }
        SetFocus(Named(t, "HScrollPops"));
        t.window.Menu_Click(platform::Tool::PopulationSettings);
        t.pump();
        CHECK(ClientWidth(t) == scale.narrow);
        CHECK(!IsWindowVisible(Named(t, "HScrollN")) && !IsWindowVisible(Named(t, "TextBoth")));
        CHECK(GetFocus() == Native(t.window.Wmean));
        t.key(VK_TAB);
        CHECK(GetFocus() == Native(t.window.Textw1));
    }
}

// A bar of the panel shows the number it stands for in its box, and gives
// it to a screen reader as its value, with its caption for its name; a
// setting off its default keeps the panel open.
void PanelBarsShowTheirValues() {
    const struct {
        const char *bar, *box, *name, *before;
        int request, position;
        const char *shown;
    } moves[] = {
        {"HScrollN", "TextN", "Population size N", "∞", SB_THUMBPOSITION, 5, "50"},
        {"HScrollN", "TextN", "Population size N", "∞", SB_LINELEFT, 0, "1,000,000"},
        {"HScrollN", "TextN", "Population size N", "∞", SB_LEFT, 0, "1"},
        {"HScrollGen", "TextGen", "Generations", "100", SB_LINELEFT, 0, "50"},
        {"HScrollm", "Textm", "Migration m", "0", SB_PAGERIGHT, 0, "0.005"},
    };
    for (const auto &move : moves) {
        Window t(false);
        t.window.Menu_Click(platform::Tool::PopulationSettings);
        const HWND bar = Named(t, move.bar);
        CHECK_TEXT(TextOf(Named(t, move.box)), Localised(move.before));
        CHECK_TEXT(Asked(bar, &IAccessible::get_accValue), Localised(move.before));
        SendMessageW(t.form().hwnd(), WM_HSCROLL, MAKEWPARAM(move.request, move.position),
                     reinterpret_cast<LPARAM>(bar));
        CHECK_TEXT(TextOf(Named(t, move.box)), Localised(move.shown));
        CHECK_TEXT(Asked(bar, &IAccessible::get_accValue), Localised(move.shown));
        CHECK_TEXT(Asked(bar, &IAccessible::get_accName), platform::FromUtf8(move.name));
        const LONG wide = ClientWidth(t);
        t.window.Menu_Click(platform::Tool::PopulationSettings);
        CHECK(t.form().panelShown() && ClientWidth(t) == wide);
    }
}

// The shared seeded link draws, from the same bits, what it draws on Linux.
void SeededRunIsTheLinuxRun() {
    Window t(false);
    t.window.OpenLink(platform::FromUtf8(cases::Seeded.link));
    t.pump();
    CHECK(t.reports.empty());
    CHECK(t.form().panelShown());
    CHECK_TEXT(TextOf(Native(t.window.Textp100)), Expected(cases::Seeded.meanP));
    CHECK_TEXT(TextOf(Native(t.window.TextFixed)), Expected(cases::Seeded.fixed));
    CHECK_TEXT(TextOf(Native(t.window.TextLost)), Expected(cases::Seeded.lost));
    CHECK_TEXT(TextOf(Native(t.window.TextBoth)), Expected(cases::Seeded.both));
}

// A run without a seed takes one from the system's own generator.
void FreshSeedsComeFromTheSystem() {
    const std::uint64_t seeds[] = {platform::FreshSeed(), platform::FreshSeed()};
    CHECK(seeds[0] != seeds[1]); // equal once in 2^64
}

} // namespace

int main(int argc, char **argv) {
    platform::Application application(argc, argv);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); // as a screen reader's own process does
    return check::Run({
        {"bars show their value", BarsShowTheirValues},
        {"arrows point the right way and stop at the ends", ArrowsPointTheRightWayAndStopAtTheEnds},
        {"RUN draws its first points", RunDrawsItsFirstPoints},
        {"RUN shows p100", RunShowsP100},
        {"W Mean sweeps 1000 passes", WmeanSweeps1000Passes},
        {"a zero mean fitness stops the handler only", ZeroMeanFitnessStopsTheHandlerOnly},
        {"CLS erases the drawing only", ClsErasesTheDrawingOnly},
        {"drawing lies above labels and below controls", DrawingLiesAboveLabelsAndBelowControls},
        {"the first frame is the composed window", FirstFrameIsTheComposedWindow},
        {"focus follows the layout's order", FocusFollowsTheLayoutsOrder},
        {"keys work as on any Windows control", KeysWorkAsOnAnyWindowsControl},
        {"the error box is modal and the program goes on", ErrorBoxIsModalAndTheProgramGoesOn},
        {"numbers read as the user writes them", NumbersReadAsTheUserWritesThem},
        {"drawing lines up with the frames at every scale",
         DrawingLinesUpWithTheFramesAtEveryScale},
        {"captions stay where the layout puts them", CaptionsStayWhereTheLayoutPutsThem},
        {"controls are named for screen readers", ControlsAreNamedForScreenReaders},
        {"RUN says what it drew", RunSaysWhatItDrew},
        {"tools read the curves", ToolsReadTheCurves},
        {"the note is as wide as its words at every scale", NoteIsAsWideAsItsWordsAtEveryScale},
        {"zoom scales the window and its drawing", ZoomScalesTheWindowAndItsDrawing},
        {"the panel opens beside the window at every scale", PanelOpensBesideTheWindowAtEveryScale},
        {"the panel's bars show their values", PanelBarsShowTheirValues},
        {"the seeded run is the Linux run", SeededRunIsTheLinuxRun},
        {"fresh seeds come from the system", FreshSeedsComeFromTheSystem},
    });
}
