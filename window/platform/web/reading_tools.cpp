// The page's side of the tools to read the curves: the note, the ring and the
// context menu, as the program places them, and the start of the page's keys,
// pointer and menu requests (tools.js, menu.js).
#include "reading_tools.h"

#include "dom.h"
#include "markup.h"
#include "tool_look.h"

#include <emscripten.h>

namespace quorvel::platform::web {

namespace {

// clang-format off
EM_JS(void, JsStartTools, (), { Quorvel.tools.start(); });

EM_JS(void, JsSetNote, (const char16_t *text, int length, double width, double height), {
    Quorvel.tools.setNote(Quorvel.text(text, length), width, height);
});

EM_JS(void, JsShowNoteAt, (double left, double top), { Quorvel.tools.showNoteAt(left, top); });

EM_JS(void, JsShowMarkerAt, (double left, double top), {
    Quorvel.tools.showMarkerAt(left, top);
});

EM_JS(void, JsHide, (const char *id), { Quorvel.tools.hide(UTF8ToString(id)); });

// The entries a line each, their parts apart by tabs: its words, its key,
// its tool and index as letters from A, "1" where it is checked, and "1"
// where it belongs in the submenu of the last entry without one.
EM_JS(void, JsShowMenu, (const char16_t *lines, int length, double x, double y), {
    var entries = [];
    Quorvel.text(lines, length).split('\n').forEach(function (line) {
        var part = line.split('\t');
        var entry = [part[0], part[1], part[2].charCodeAt(0) - 65, [], part[3].charCodeAt(0) - 65,
                     part[4] === '1'];
        (part[5] === '1' ? entries[entries.length - 1][3] : entries).push(entry);
    });
    Quorvel.tools.menu(entries, x, y);
});
// clang-format on

} // namespace

void ReadingTools::start() {
    JsStartTools();
}

void ReadingTools::showNote(double x, double y, const Text &value, const Text &settings) {
    const std::string font = CssFont(look::NoteFont);
    const look::Box size =
        look::SizeNote({dom::TextWidth(font, value), dom::TextWidth(font, settings)});
    const Text text = value + u"\n" + settings;
    JsSetNote(text.c_str(), dom::Length(text), size.width, size.height);
    // Within the window's own width even while the panel shows, as on
    // every desktop: the note never lies over the panel's controls.
    const look::Box box = look::PlaceNote(x, y, size.width, size.height, design_.clientWidth,
                                          design_.clientHeight, byFinger_);
    JsShowNoteAt(box.left, box.top);
}

void ReadingTools::hideNote() {
    JsHide("q-note");
}

void ReadingTools::showMarker(double x, double y) {
    const look::Ring ring = look::RingAt(x, y);
    const double half = look::Ring::Extent / 2;
    JsShowMarkerAt(ring.centreX - half, ring.centreY - half);
}

void ReadingTools::hideMarker() {
    JsHide("q-marker");
}

void ReadingTools::showMenu(const std::vector<MenuEntry> &entries, double x, double y) {
    Text lines;
    const auto letter = [](int number) { return Text(1, static_cast<char16_t>(u'A' + number)); };
    const auto add = [&](const MenuEntry &entry, const char16_t *inSubmenu) {
        lines += (lines.empty() ? u"" : u"\n") + entry.label + u"\t" + entry.keys + u"\t" +
                 letter(static_cast<int>(entry.tool)) + u"\t" + letter(entry.index) + u"\t" +
                 (entry.checked ? u"1" : u"0") + u"\t" + inSubmenu;
    };
    for (const MenuEntry &entry : entries) {
        add(entry, u"0");
        for (const MenuEntry &inner : entry.entries)
            add(inner, u"1");
    }
    JsShowMenu(lines.c_str(), dom::Length(lines), x, y);
}

} // namespace quorvel::platform::web
