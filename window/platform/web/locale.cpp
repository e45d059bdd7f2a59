#include "number_text.h"

#include <emscripten.h>

namespace quorvel::platform {

namespace {

// The browser's decimal separator for its first language ("de-DE" writes 0,5).
// clang-format off
EM_JS(int, QuorvelDecimalSeparator, (), {
    try {
        var language = (navigator.languages && navigator.languages[0]) || navigator.language;
        var part = new Intl.NumberFormat(language).formatToParts(1.5)
                       .find(function(p) { return p.type === 'decimal'; });
        return part && part.value.length === 1 ? part.value.charCodeAt(0) : 46;
    } catch (e) {
        return 46; // no navigator (node): the dot
    }
});
// clang-format on

} // namespace

char16_t DecimalSeparator() {
    static const char16_t separator = static_cast<char16_t>(QuorvelDecimalSeparator());
    return separator;
}

} // namespace quorvel::platform
