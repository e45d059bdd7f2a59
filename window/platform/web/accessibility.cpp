// What screen readers hear of the page: the controls' names and
// descriptions, the drawing's description, and the newest sentence through
// the page's live region.
#include "dom.h"

#include <emscripten.h>

namespace quorvel::platform::web::dom {

namespace {

// clang-format off
EM_JS(void, JsDescribe, (int id, const char16_t *name, int nameLength, const char16_t *text,
                         int length), {
    var element = Quorvel.elements[id];
    // A named label or line is a picture to a screen reader: "minus" for the
    // "_" that shows it; a plain box with a name is none of the roles a
    // name may be given to.
    if (element.tagName === 'DIV' && !element.getAttribute('role'))
        element.setAttribute('role', 'img');
    element.setAttribute('aria-label', Quorvel.text(name, nameLength));
    if (length)
        element.setAttribute('aria-description', Quorvel.text(text, length));
});

EM_JS(void, JsSetCanvasDescription, (int id, const char16_t *text, int length), {
    Quorvel.elements[id].setAttribute('aria-label', Quorvel.text(text, length));
});

EM_JS(void, JsAnnounce, (const char16_t *text, int length), {
    Quorvel.announce(Quorvel.text(text, length));
});

// clang-format on

} // namespace

void Describe(int id, const Text &name, const Text &description) {
    JsDescribe(id, name.c_str(), Length(name), description.c_str(), Length(description));
}

void SetCanvasDescription(int id, const Text &text) {
    JsSetCanvasDescription(id, text.c_str(), Length(text));
}

void Announce(const Text &sentence) {
    JsAnnounce(sentence.c_str(), Length(sentence));
}

} // namespace quorvel::platform::web::dom
