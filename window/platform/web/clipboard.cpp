// The clipboard of the page: the values as text, and the window as a picture
// drawn element by element (clipboard.js).
#include "dom.h"

#include <emscripten.h>

namespace quorvel::platform::web::dom {

namespace {

// clang-format off
EM_JS(void, JsCopyText, (const char16_t *text, int length), {
    Quorvel.clipboard.copyText(Quorvel.text(text, length));
});

EM_JS(double, JsTextWidth, (const char *font, const char16_t *text, int length), {
    return Quorvel.clipboard.textWidth(UTF8ToString(font), Quorvel.text(text, length));
});

EM_JS(double, JsLineHeight, (const char *font), {
    return Quorvel.clipboard.lineHeight(UTF8ToString(font));
});

// The legend's lines, separated by newlines, and where each goes: left, top
// in a list of numbers.
EM_JS(void, JsCopyPicture, (const char16_t *lines, int length, const double *places, int count,
                            double width, double height, const char *font), {
    var text = Quorvel.text(lines, length);
    var at = Array.from(HEAPF64.subarray(places >> 3, (places >> 3) + count));
    Quorvel.clipboard.copyPicture(text ? text.split('\n') : [], at, width, height,
                                  UTF8ToString(font));
});
// clang-format on

} // namespace

void CopyText(const Text &text) {
    JsCopyText(text.c_str(), Length(text));
}

double TextWidth(const std::string &font, const Text &text) {
    return JsTextWidth(font.c_str(), text.c_str(), Length(text));
}

double LineHeight(const std::string &font) {
    return JsLineHeight(font.c_str());
}

void CopyPicture(const std::vector<Text> &legend, const look::Legend &placed,
                 const std::string &font) {
    Text lines;
    std::vector<double> places;
    for (std::size_t i = 0; i < legend.size(); ++i) {
        lines += (i ? u"\n" : u"") + legend[i];
        places.push_back(placed.lines[i].left);
        places.push_back(placed.lines[i].top);
    }
    JsCopyPicture(lines.c_str(), Length(lines), places.data(), static_cast<int>(places.size()),
                  placed.width, placed.height, font.c_str());
}

} // namespace quorvel::platform::web::dom
