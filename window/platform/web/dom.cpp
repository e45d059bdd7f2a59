#include "dom.h"

#include <emscripten.h>

#include <string>

namespace quorvel::platform::web::dom {

namespace {

// clang-format off
EM_JS(void, JsStart, (), { Quorvel.start(); });

// The texts a line each: the title, the language's tag, the line for a
// phone, the buttons of a message and of the help, the help's title and its
// text (which alone may hold lines of its own, and comes last).
EM_JS(void, JsShowWords, (const char16_t *lines, int length, bool rightToLeft), {
    var part = Quorvel.text(lines, length).split('\n');
    Quorvel.showWords(part[0], part[1], rightToLeft, part[2], part[3], part[4], part[5],
                      part.slice(6).join('\n'));
});

EM_JS(void, JsSetCaption, (int id, const char16_t *text, int length), {
    Quorvel.caption(id, Quorvel.text(text, length));
});

EM_JS(void, JsTextWidths, (const int *ids, int count, double *widths), {
    var measured = Quorvel.textWidths(Array.from(HEAP32.subarray(ids >> 2, (ids >> 2) + count)));
    HEAPF64.set(measured, widths >> 3);
});

EM_JS(void, JsPlaceLabel, (int id, int from, int least, int most, bool rightToLeft, int width), {
    Quorvel.place(id, from, least, most, rightToLeft, width);
});

EM_JS(void, JsShowElement, (int id, bool shown), { Quorvel.elements[id].hidden = !shown; });

EM_JS(void, JsSizeWindow, (int width, int height), {
    Quorvel.root.style.width = width + 'px';
    Quorvel.root.style.height = height + 'px';
});

EM_JS(void, JsSetText, (int id, const char16_t *text, int length), {
    var element = Quorvel.elements[id];
    var value = Quorvel.text(text, length);
    if (element.tagName === 'INPUT') {
        element.value = value;
        element.setSelectionRange(0, 0);
        element.scrollLeft = 0;
    } else {
        element.textContent = value;
    }
});

EM_JS(void, JsFocus, (int id), { Quorvel.elements[id].focus(); });

EM_JS(void, JsShowBar, (int id, double thumbAt, double value, const char16_t *text, int length), {
    var bar = Quorvel.elements[id];
    bar.setAttribute('aria-valuenow', String(value));
    bar.setAttribute('aria-valuetext', Quorvel.text(text, length));
    Quorvel.scrollBar.show(bar, thumbAt);
});

EM_JS(void, JsShowThumb, (int id, double thumbAt), {
    Quorvel.scrollBar.show(Quorvel.elements[id], thumbAt);
});

EM_JS(void, JsShowMessage, (const char16_t *title, int titleLength, const char16_t *text,
                            int length, const char16_t *button, int buttonLength), {
    Quorvel.showMessage(Quorvel.text(title, titleLength), Quorvel.text(text, length),
                        Quorvel.text(button, buttonLength));
});

// Device pixels a layout pixel: the browser's, times the window's fit.
EM_JS(double, JsPixelRatio, (), { return (window.devicePixelRatio || 1) * Quorvel.fit.scale; });

EM_JS(void, JsShowFit, (double scale, double left, double top, int turnHint),
      { Quorvel.fit.show(scale, left, top, turnHint); });

EM_JS(void, JsSizeCanvas, (int id, int width, int height), {
    var canvas = Quorvel.elements[id];
    canvas.width = width;
    canvas.height = height;
});

EM_JS(void, JsPaintCanvas, (int id, const void *pixels, int width, int x, int y, int w, int h), {
    Quorvel.canvas.paint(Quorvel.elements[id], pixels, width, x, y, w, h);
});

EM_JS(void, JsFlushSoon, (), {
    queueMicrotask(function() { Module._quorvel_flush(); });
});

EM_JS(void, JsWatchPixelRatio, (), { Quorvel.canvas.watchRatio(); });

EM_JS(void, JsWatchViewport, (), { Quorvel.fit.start(); });

// The page's address before its "#", or the "#" part itself.
EM_JS(int, JsAddressLength, (int fragment), {
    return (fragment ? location.hash : location.href.split('#')[0]).length;
});
EM_JS(void, JsAddress, (int fragment, char16_t *out, int length), {
    var part = fragment ? location.hash : location.href.split('#')[0];
    for (var i = 0; i < length; ++i)
        HEAPU16[(out >> 1) + i] = part.charCodeAt(i);
});

EM_JS(int, JsFocusedId, (), {
    var focused = document.activeElement;
    return focused && focused.dataset && focused.dataset.id !== undefined &&
                   Quorvel.root.contains(focused)
               ? Number(focused.dataset.id)
               : -1;
});

EM_JS(void, JsShowHelp, (const char16_t *title, int titleLength, const char16_t *text,
                         int length, const char16_t *button, int buttonLength), {
    Quorvel.showMessage(Quorvel.text(title, titleLength), Quorvel.text(text, length),
                        Quorvel.text(button, buttonLength), 'q-help');
});
// clang-format on

Text AddressPart(bool fragment) {
    Text part(static_cast<std::size_t>(JsAddressLength(fragment)), u'\0');
    JsAddress(fragment, part.data(), static_cast<int>(part.size()));
    return part;
}

} // namespace

void Start() {
    JsStart();
}

void ShowWords(const FormWords &words) {
    Text lines;
    for (const Text *text : {&words.title, &words.language, &words.turnHint, &words.ok,
                             &words.close, &words.helpTitle, &words.help})
        lines += (lines.empty() ? u"" : u"\n") + *text;
    JsShowWords(lines.c_str(), Length(lines), words.rightToLeft);
}

void SetCaption(int id, const Text &text) {
    JsSetCaption(id, text.c_str(), Length(text));
}

std::vector<double> TextWidths(const std::vector<int> &ids) {
    std::vector<double> widths(ids.size());
    if (!ids.empty())
        JsTextWidths(ids.data(), static_cast<int>(ids.size()), widths.data());
    return widths;
}

void PlaceLabel(int id, int from, int least, int most, bool rightToLeft, int windowWidth) {
    JsPlaceLabel(id, from, least, most, rightToLeft, windowWidth);
}

void ShowElement(int id, bool shown) {
    JsShowElement(id, shown);
}

void SizeWindow(int width, int height) {
    JsSizeWindow(width, height);
}

void SetText(int id, const Text &text) {
    JsSetText(id, text.c_str(), Length(text));
}

void Focus(int id) {
    JsFocus(id);
}

int FocusedId() {
    return JsFocusedId();
}

void ShowBar(int id, double thumbAt, double value, const Text &valueText) {
    JsShowBar(id, thumbAt, value, valueText.c_str(), Length(valueText));
}

void ShowThumb(int id, double thumbAt) {
    JsShowThumb(id, thumbAt);
}

void ShowMessage(const Text &title, const Text &message, const Text &button) {
    JsShowMessage(title.c_str(), Length(title), message.c_str(), Length(message), button.c_str(),
                  Length(button));
}

double PixelRatio() {
    return JsPixelRatio();
}

void ShowFit(double scale, double left, double top, bool turnHint) {
    JsShowFit(scale, left, top, turnHint);
}

void SizeCanvas(int id, int deviceWidth, int deviceHeight) {
    JsSizeCanvas(id, deviceWidth, deviceHeight);
}

void PaintCanvas(int id, const std::uint32_t *pixels, int deviceWidth, int x, int y, int w, int h) {
    JsPaintCanvas(id, pixels, deviceWidth, x, y, w, h);
}

void FlushSoon() {
    JsFlushSoon();
}

void WatchPixelRatio() {
    JsWatchPixelRatio();
}

void WatchViewport() {
    JsWatchViewport();
}

Text PageAddress() {
    return AddressPart(false);
}

Text PageFragment() {
    return AddressPart(true);
}

void ShowHelp(const Text &title, const Text &text, const Text &button) {
    JsShowHelp(title.c_str(), Length(title), text.c_str(), Length(text), button.c_str(),
               Length(button));
}

} // namespace quorvel::platform::web::dom
