#include "markup.h"

#include "decimal.h"

#include "colours.h"
#include "scroll_bar_model.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace quorvel::platform::web {

namespace {

std::string Escaped(const Text &text) {
    std::string out;
    const std::vector<std::uint8_t> utf8 = ToUtf8(text);
    for (const std::uint8_t byte : utf8) {
        const char c = static_cast<char>(byte);
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string Format(const char *format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char *format, ...) {
    char buffer[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return buffer;
}

// Position and stacking, as an element's style attribute; no width for a
// label, whose width follows its text.
std::string Style(int left, int top, int width, int height, int layer) {
    return width < 0 ? Format("left:%dpx;top:%dpx;height:%dpx;z-index:%d", left, top, height, layer)
                     : Format("left:%dpx;top:%dpx;width:%dpx;height:%dpx;z-index:%d", left, top,
                              width, height, layer);
}

// The layout's fonts, each a class of the page's own (q-f0, q-f1 ...) rather
// than written out on every element that shows text: the page is one file,
// and its size counts.
std::vector<std::string> FontsOf(std::span<const Row> rows, const Font &windowFont) {
    std::vector<std::string> fonts;
    for (const Row &row : rows) {
        const std::string font = CssFont(row.font.family ? row.font : windowFont);
        if (std::find(fonts.begin(), fonts.end(), font) == fonts.end())
            fonts.push_back(font);
    }
    return fonts;
}

// The classic bar: arrows at both ends, the square thumb on the track between.
std::string Bar(const Row &row, const std::string &attributes, const std::string &style) {
    const bool horizontal = row.kind == Kind::HorizontalBar;
    const BarGeometry bar = BarGeometry::Of(row);
    const char *along = horizontal ? "left" : "top", *size = horizontal ? "width" : "height";
    const auto part = [&](const char *kind, double at, int extent) {
        return Format("<div class=\"%s\" aria-hidden=\"true\" style=\"%s:%gpx;%s:%dpx\"></div>",
                      kind, along, at, size, extent);
    };
    // A bar on a scale reads 0 to 1, as its box; a bar of listed numbers by
    // its place in the list (scroll_bar.cpp).
    const int low = row.steps ? std::min(row.startValue, row.endValue) : 0;
    const int high = row.steps ? std::max(row.startValue, row.endValue) : 1;
    return "<div role=\"scrollbar\" tabindex=\"0\" class=\"q-bar " +
           std::string(horizontal ? "q-h" : "q-v") + "\" aria-orientation=\"" +
           (horizontal ? "horizontal" : "vertical") +
           Format("\" aria-valuemin=\"%d\" aria-valuemax=\"%d\"", low, high) + attributes +
           " style=\"" + style + "\">" + part("q-arrow q-start", 0, bar.arrow) +
           part("q-arrow q-end", bar.length - bar.arrow, bar.arrow) +
           part("q-thumb", bar.thumbAt(BarModel(row).fraction()), bar.thumb) + "</div>";
}

// room: how far a label may grow to its right, and to its left from the
// right edge where it can be seen.
std::string Element(const Row &row, std::size_t id, int layer, const std::string &fontClass,
                    const Text &caption, int room, int roomLeft, int visibleRight,
                    int clientWidth) {
    // The panel's rows wait hidden, out of the focus order and of screen
    // readers' sight, until the window shows the panel.
    const std::string attributes =
        Format(" data-id=\"%zu\" data-name=\"%s\"%s", id, Escaped(FromUtf8(row.name)).c_str(),
               row.panel ? " hidden" : "");
    const std::string text = Escaped(caption);
    const std::string style = Style(row.left, row.top, row.width, row.height, layer);
    switch (row.kind) {
    case Kind::Button:
        return "<button class=\"" + fontClass + "\"" + attributes + " style=\"" + style + "\">" +
               text + "</button>";
    case Kind::TextBox:
        return "<input type=\"text\" readonly class=\"" + fontClass + "\"" + attributes +
               " value=\"" + text + "\" style=\"" + style + "\">";
    case Kind::HorizontalBar:
    case Kind::VerticalBar:
        return Bar(row, attributes, style);
    case Kind::Label: // as wide as its text, into free room, and no further
        // A caption in a language written right to left ends at its right
        // edge instead and grows to the left, as PlaceText places it: the
        // page switches to these when the words change.
        return "<div class=\"q-label " + fontClass + "\"" + attributes +
               (row.mark ? std::string(" dir=\"ltr\"")
                         : Format(" data-left=\"%d\" data-min=\"%d\" data-max=\"%d\" "
                                  "data-right-rtl=\"%d\" data-min-rtl=\"%d\" "
                                  "data-max-rtl=\"%d\"",
                                  row.left, row.width, row.width + room, clientWidth - visibleRight,
                                  visibleRight - row.left, visibleRight - row.left + roomLeft)) +
               " style=\"" + Style(row.left, row.top, -1, row.height, layer) +
               Format(";min-width:%dpx;max-width:%dpx", row.width, row.width + room) + "\">" +
               text + "</div>";
    case Kind::Line: // both end pixels included
        return "<div class=\"q-line\"" + attributes + " style=\"" +
               Style(row.left, row.top, row.width + 1, row.height + 1, layer) + "\"></div>";
    case Kind::Rectangle:
        return "<div class=\"q-frame\" role=\"img\"" + attributes + " style=\"" + style +
               ";background:" + CssColour(Colour::FromCode(row.fill).resolve()) + "\"></div>";
    }
    return {};
}

} // namespace

// These two run in the page too, which has no printf: that would bring a
// twentieth of its code for a colour and a font.
std::string CssColour(Rgb rgb) {
    return "rgb(" + decimal::Shortest(rgb.red) + "," + decimal::Shortest(rgb.green) + "," +
           decimal::Shortest(rgb.blue) + ")";
}

std::string CssFont(const Font &font) {
    const bool serif = std::strncmp(font.family, "Times", 5) == 0;
    // Points at 96 pixels an inch, as the layout was drawn.
    return std::string(font.bold ? "bold " : "normal ") +
           decimal::Shortest(font.pointSize * 96.0 / 72.0) + "px " +
           (serif ? "'Quorvel Serif','Liberation Serif','Times New Roman',serif"
                  : "'Quorvel Sans','Liberation Sans',Arial,sans-serif");
}

std::string WindowMarkup(const FormDesign &design, std::span<const Row> rows,
                         const FormWords &words) {
    // The page's one landmark with its heading and the line that asks a phone
    // held upright to be turned; then the box the window is scaled in. The
    // window stays out of the landmark: inside one, Orca 43 in Chromium now
    // and then takes the window's live region for no part of the page, and
    // stays silent.
    std::string html =
        "<main><h1 class=\"q-hidden\">" + Escaped(words.title) + "</h1><p id=\"q-turn\" hidden>" +
        Escaped(words.turnHint) +
        "</p></main><div id=\"q-fit\" dir=\"ltr\"><div id=\"quorvel\" role=\"application\" "
        "aria-label=\"" +
        Escaped(words.title) + "\" style=\"" +
        Format("width:%dpx;height:%dpx;background:%s", design.clientWidth, design.clientHeight,
               CssColour(Colour::FromCode(design.background).resolve()).c_str()) +
        "\">";
    const std::vector<std::string> fonts = FontsOf(rows, design.font);
    html += "<style>";
    for (std::size_t f = 0; f < fonts.size(); ++f)
        html += ".q-f" + std::to_string(f) + "{font:" + fonts[f] + "}";
    html += "</style>";
    const auto fontClass = [&](const Row &row) {
        const std::string font = CssFont(row.font.family ? row.font : design.font);
        return "q-f" + std::to_string(std::find(fonts.begin(), fonts.end(), font) - fonts.begin());
    };
    std::vector<std::size_t> order = FocusOrder(rows);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!TakesFocus(rows[i].kind))
            order.push_back(i);
    // Stacked by z-index, from the one order every backend stacks by.
    const std::vector<int> stacking = StackingOrder(rows);
    const auto layerOf = [&stacking](int entry) {
        return static_cast<int>(std::find(stacking.begin(), stacking.end(), entry) -
                                stacking.begin());
    };
    for (std::size_t i : order)
        html += Element(rows[i], i, layerOf(static_cast<int>(i)), fontClass(rows[i]),
                        words.captions.at(i), RoomToTheRight(rows, i, RightEdge(design, rows[i])),
                        RoomToTheLeft(rows, i), VisibleRight(rows, i), design.clientWidth);
    html +=
        "<canvas class=\"q-drawing\" role=\"img\" aria-label=\"" + Escaped(words.drawing) +
        Format(
            "\" data-id=\"%d\" style=\"%s\"></canvas>", CanvasId(rows),
            Style(0, 0, design.clientWidth, design.clientHeight, layerOf(DrawingInStack)).c_str());
    // The live region for the sentences.
    html += "<div id=\"q-announce\" class=\"q-hidden\" aria-live=\"polite\"></div></div>";
    return html;
}

} // namespace quorvel::platform::web
