#include "dom.h"

#include "colours.h"

#include <emscripten.h>

#include <string>

namespace quorvel::platform::web::dom {

namespace {

// clang-format off
EM_JS(void, JsMakeWindow, (int width, int height, int background, const char16_t *caption,
                           int length), {
    document.title = Quorvel.text(caption, length);
    var root = document.getElementById('quorvel');
    if (!root) {
        root = document.createElement('div');
        root.id = 'quorvel';
        document.body.appendChild(root);
    }
    root.setAttribute('role', 'application');
    root.setAttribute('aria-label', document.title);
    root.style.width = width + 'px';
    root.style.height = height + 'px';
    root.style.background = 'rgb(' + (background & 255) + ',' + ((background >> 8) & 255) + ',' +
                            ((background >> 16) & 255) + ')';
    Quorvel.root = root;
});

EM_JS(void, JsMake, (int id, const char *name, int kind, int left, int top, int width, int height,
                     int layer, const char16_t *text, int length, int serif, double pixels,
                     int bold, int fill), {
    var caption = Quorvel.text(text, length), element;
    switch (kind) {
    case 0:
        element = document.createElement('button');
        element.textContent = caption;
        element.addEventListener('click', function() { Quorvel.send(id, 0); });
        break;
    case 1:
        element = document.createElement('input');
        element.type = 'text';
        element.readOnly = true;
        element.value = caption;
        break;
    case 2:
    case 3:
        element = Quorvel.makeBar(id, kind == 2, kind == 2 ? width : height,
                                  kind == 2 ? height : width);
        break;
    case 4:
        element = document.createElement('div');
        element.className = 'q-label';
        element.textContent = caption;
        break;
    case 5:
        element = document.createElement('div');
        element.className = 'q-line';
        width += 1; // a line includes both its end pixels
        height += 1;
        break;
    default:
        element = document.createElement('div');
        element.className = 'q-frame';
        element.setAttribute('role', 'img');
        element.style.background = 'rgb(' + (fill & 255) + ',' + ((fill >> 8) & 255) + ',' +
                                   ((fill >> 16) & 255) + ')';
    }
    if (pixels > 0) {
        element.style.fontFamily = serif ? '"Quorvel Serif", "Liberation Serif", "Times New Roman", serif'
                                         : '"Quorvel Sans", "Liberation Sans", Arial, sans-serif';
        element.style.fontSize = pixels + 'px';
        element.style.fontWeight = bold ? 'bold' : 'normal';
    }
    element.dataset.name = UTF8ToString(name); // the layout's name, as tests look for it
    Quorvel.elements[id] = element;
    Quorvel.place(element, left, top, width, height, layer);
});

EM_JS(void, JsMakeCanvas, (int id, int width, int height, int layer), {
    var canvas = document.createElement('canvas');
    canvas.className = 'q-drawing';
    canvas.setAttribute('role', 'img');
    canvas.setAttribute('aria-label', 'Drawing');
    Quorvel.elements[id] = canvas;
    Quorvel.place(canvas, 0, 0, width, height, layer);
    var live = document.createElement('div');
    live.id = 'q-announce';
    live.className = 'q-hidden';
    live.setAttribute('aria-live', 'polite');
    Quorvel.root.appendChild(live);
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

EM_JS(void, JsShowBar, (int id, double fraction, double value, const char16_t *text, int length), {
    var bar = Quorvel.elements[id];
    bar.quorvel.fraction = fraction;
    bar.setAttribute('aria-valuenow', String(value));
    bar.setAttribute('aria-valuetext', Quorvel.text(text, length));
    Quorvel.showBar(bar);
});

EM_JS(void, JsDescribe, (int id, const char16_t *name, int nameLength, const char16_t *text,
                         int length), {
    var element = Quorvel.elements[id];
    element.setAttribute('aria-label', Quorvel.text(name, nameLength));
    if (length)
        element.setAttribute('aria-description', Quorvel.text(text, length));
});

EM_JS(void, JsSetCanvasDescription, (int id, const char16_t *text, int length), {
    var description = Quorvel.text(text, length);
    Quorvel.elements[id].setAttribute('aria-label',
                                      description ? 'Drawing: ' + description : 'Drawing');
});

EM_JS(void, JsAnnounce, (const char16_t *text, int length), {
    var live = document.getElementById('q-announce');
    if (live)
        live.textContent = Quorvel.text(text, length);
});

EM_JS(void, JsShowMessage, (const char16_t *title, int titleLength, const char16_t *text,
                            int length), {
    Quorvel.showMessage(Quorvel.text(title, titleLength), Quorvel.text(text, length));
});

EM_JS(double, JsPixelRatio, (), { return window.devicePixelRatio || 1; });

EM_JS(void, JsSizeCanvas, (int id, int width, int height), {
    var canvas = Quorvel.elements[id];
    canvas.width = width;
    canvas.height = height;
});

EM_JS(void, JsPaintCanvas, (int id, const void *pixels, int width, int x, int y, int w, int h), {
    Quorvel.paint(Quorvel.elements[id], pixels, width, x, y, w, h);
});

EM_JS(void, JsFlushSoon, (), {
    queueMicrotask(function() { Module._quorvel_flush(); });
});

EM_JS(void, JsWatchPixelRatio, (), { Quorvel.watchRatio(); });
// clang-format on

int Length(const Text &text) {
    return static_cast<int>(text.size());
}

} // namespace

void MakeWindow(int width, int height, std::uint32_t background, const Text &caption) {
    JsMakeWindow(width, height, static_cast<int>(background), caption.c_str(), Length(caption));
}

void Make(int id, const Row &row, const Font &font, int layer) {
    const Text text = FromUtf8(row.text);
    const bool serif = font.family && std::string(font.family).find("Times") == 0;
    // Points at 96 pixels an inch, as the layout was drawn.
    const double pixels = font.family ? font.pointSize * 96.0 / 72.0 : 0.0;
    const Rgb fill = Colour::FromCode(row.fill).resolve();
    JsMake(id, row.name, static_cast<int>(row.kind), row.left, row.top, row.width, row.height,
           layer, text.c_str(), Length(text), serif, pixels, font.bold,
           fill.red + 256 * fill.green + 65536 * fill.blue);
}

void MakeCanvas(int id, int width, int height, int layer) {
    JsMakeCanvas(id, width, height, layer);
}

void SetText(int id, const Text &text) {
    JsSetText(id, text.c_str(), Length(text));
}

void Focus(int id) {
    JsFocus(id);
}

void ShowBar(int id, double fraction, double value, const Text &valueText) {
    JsShowBar(id, fraction, value, valueText.c_str(), Length(valueText));
}

void Describe(int id, const Text &name, const Text &description) {
    JsDescribe(id, name.c_str(), Length(name), description.c_str(), Length(description));
}

void SetCanvasDescription(int id, const Text &text) {
    JsSetCanvasDescription(id, text.c_str(), Length(text));
}

void Announce(const Text &sentence) {
    JsAnnounce(sentence.c_str(), Length(sentence));
}

void ShowMessage(const Text &title, const Text &message) {
    JsShowMessage(title.c_str(), Length(title), message.c_str(), Length(message));
}

double PixelRatio() {
    return JsPixelRatio();
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

} // namespace quorvel::platform::web::dom
