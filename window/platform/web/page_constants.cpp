#include "page_constants.h"

#include "dom.h"
#include "keys.h"
#include "markup.h"
#include "scroll_bar.h"
#include "tool_look.h"

#include <cstdio>

namespace quorvel::platform::web {

namespace {

// A browser's KeyboardEvent.key for each key the program knows; letters and
// digits go by KeyboardEvent.code, which Alt and Shift leave alone.
constexpr struct {
    const char *name;
    Key key;
} DomKeys[] = {
    {"F1", Key::F1},
    {"F6", Key::F6},
    {"F10", Key::F10},
    {"ArrowLeft", Key::Left},
    {"ArrowRight", Key::Right},
    {"ArrowUp", Key::Up},
    {"ArrowDown", Key::Down},
    {"PageUp", Key::PageUp},
    {"PageDown", Key::PageDown},
    {"Home", Key::Home},
    {"End", Key::End},
    {"Escape", Key::Escape},
    {" ", Key::Space},
    {"Enter", Key::Return},
    {"Tab", Key::Tab},
    {"ContextMenu", Key::Menu},
    {"+", Key::Plus},
    {"-", Key::Minus},
    {"=", Key::Equals},
};

// A finger held this long on the drawing opens the menu, as on a phone.
constexpr int LongPressMs = 600;

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

} // namespace

std::string PageConstants() {
    std::string js = "var QuorvelConstants = {\n  keys: {";
    for (const auto &entry : DomKeys)
        js += "'" + std::string(entry.name) + "': " + std::to_string(static_cast<int>(entry.key)) +
              ", ";
    js += "},\n  key: {other: " + std::to_string(static_cast<int>(Key::Other)) +
          ", letter: " + std::to_string(static_cast<int>(Key::Letter)) +
          ", digit: " + std::to_string(static_cast<int>(Key::Digit)) +
          ", add: " + std::to_string(static_cast<int>(Key::Plus)) +
          ", subtract: " + std::to_string(static_cast<int>(Key::Minus)) + "},\n" +
          "  flags: {control: " + std::to_string(dom::ControlHeld) +
          ", shift: " + std::to_string(dom::ShiftHeld) + ", alt: " + std::to_string(dom::AltHeld) +
          ", meta: " + std::to_string(dom::MetaHeld) + "},\n" +
          "  event: {Click: " + std::to_string(dom::Click) +
          ", DragEnded: " + std::to_string(dom::DragEnded) + "},\n" +
          "  press: {Repeat: " + std::to_string(static_cast<int>(ScrollBar::Press::Repeat)) +
          ", Drag: " + std::to_string(static_cast<int>(ScrollBar::Press::Drag)) + "},\n" +
          "  repeat: {pause: " + std::to_string(RepeatPauseMs) +
          ", interval: " + std::to_string(RepeatIntervalMs) + "},\n" +
          "  longPress: " + std::to_string(LongPressMs) + ",\n  legendFont: \"" +
          CssFont(look::LegendFont) + "\",\n  legendInk: \"" + CssColour(look::LegendInk) +
          "\",\n};\n";
    return js;
}

std::string ToolsStyle() {
    using look::Ring;
    // The ring as a bordered circle whose border runs along its radius, with
    // the halo as shadows on both sides, in a square of Ring::Extent.
    const double outer = 2 * Ring::Radius + Ring::Width;
    const double halo = (Ring::HaloWidth - Ring::Width) / 2;
    const double inset = (Ring::Extent - outer) / 2;
    return ".q-note { position: absolute; z-index: 9000; display: none; white-space: pre; "
           "box-sizing: border-box; padding: " +
           Number(look::NotePadding) + "px; background: " + CssColour(look::NoteFill) +
           "; border: 1px solid " + CssColour(look::NoteOutline) +
           "; color: " + CssColour(look::NoteInk) + "; font: " + CssFont(look::NoteFont) +
           "; line-height: " + Number(look::LineHeight(look::NoteFont)) +
           "px; pointer-events: none; }\n"
           ".q-marker { position: absolute; z-index: 8999; display: none; box-sizing: border-box; "
           "width: " +
           Number(outer) + "px; height: " + Number(outer) + "px; margin: " + Number(inset) +
           "px; border: " + Number(Ring::Width) + "px solid " + CssColour(look::RingInk) +
           "; border-radius: 50%; box-shadow: 0 0 0 " + Number(halo) + "px " +
           CssColour(look::RingHalo) + ", inset 0 0 0 " + Number(halo) + "px " +
           CssColour(look::RingHalo) +
           "; pointer-events: none; }\n"
           ".q-bar { background: " +
           CssColour(look::BarTrough) + "; box-shadow: inset 0 0 0 1px " +
           CssColour(look::BarOutline) +
           "; }\n"
           ".q-arrow, .q-thumb { background: " +
           CssColour(look::BarFace) + "; border: 1px solid " + CssColour(look::BarOutline) +
           "; }\n" + ".q-arrow:active { background: " + CssColour(look::BarPressed) + "; }\n" +
           ".q-h .q-start::after { border-right-color: " + CssColour(look::BarArrow) + "; }\n" +
           ".q-h .q-end::after { border-left-color: " + CssColour(look::BarArrow) + "; }\n" +
           ".q-v .q-start::after { border-bottom-color: " + CssColour(look::BarArrow) + "; }\n" +
           ".q-v .q-end::after { border-top-color: " + CssColour(look::BarArrow) + "; }\n";
}

} // namespace quorvel::platform::web
