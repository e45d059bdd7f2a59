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

// The legend's lines, separated by newlines, and where each goes: left, top
// in a list of numbers. As a PNG file, the bytes wait in the page until the
// program has room for them (JsTakePicture).
EM_JS(int, JsPicture, (const char16_t *lines, int length, const double *places, int count,
                       double width, double height, const char *font, bool copy), {
    var text = Quorvel.text(lines, length);
    var at = Array.from(HEAPF64.subarray(places >> 3, (places >> 3) + count));
    var legend = text ? text.split('\n') : [];
    if (copy)
        return Quorvel.clipboard.copyPicture(legend, at, width, height, UTF8ToString(font)), 0;
    Quorvel.clipboard.png = Quorvel.clipboard.pngBytes(legend, at, width, height,
                                                       UTF8ToString(font));
    return Quorvel.clipboard.png.length;
});

EM_JS(void, JsTakePicture, (std::uint8_t *bytes), {
    HEAPU8.set(Quorvel.clipboard.png, bytes);
    Quorvel.clipboard.png = null;
});
// clang-format on

} // namespace

void CopyText(const Text &text) {
    JsCopyText(text.c_str(), Length(text));
}

double TextWidth(const std::string &font, const Text &text) {
    return JsTextWidth(font.c_str(), text.c_str(), Length(text));
}

namespace {

int Picture(const std::vector<Text> &legend, const look::Legend &placed, const std::string &font,
            bool copy) {
    Text lines;
    std::vector<double> places;
    for (std::size_t i = 0; i < legend.size(); ++i) {
        lines += (i ? u"\n" : u"") + legend[i];
        places.push_back(placed.lines[i].left);
        places.push_back(placed.lines[i].top);
    }
    return JsPicture(lines.c_str(), Length(lines), places.data(), static_cast<int>(places.size()),
                     placed.width, placed.height, font.c_str(), copy);
}

} // namespace

void CopyPicture(const std::vector<Text> &legend, const look::Legend &placed,
                 const std::string &font) {
    Picture(legend, placed, font, true);
}

std::vector<std::uint8_t> PicturePng(const std::vector<Text> &legend, const look::Legend &placed,
                                     const std::string &font) {
    std::vector<std::uint8_t> png(static_cast<std::size_t>(Picture(legend, placed, font, false)));
    JsTakePicture(png.data());
    return png;
}

} // namespace quorvel::platform::web::dom
