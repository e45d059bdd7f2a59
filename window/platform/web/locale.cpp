#include "files.h"
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

// The browser's clock in its own time zone, packed in one exact double
// (YYYYMMDDhhmm): a page's C library would bring a time-zone database for it.
EM_JS(double, QuorvelLocalTime, (), {
    var now = new Date();
    return (((now.getFullYear() * 100 + now.getMonth() + 1) * 100 + now.getDate()) * 100 +
            now.getHours()) * 100 + now.getMinutes();
});
// clang-format on

} // namespace

char16_t DecimalSeparator() {
    static const char16_t separator = static_cast<char16_t>(QuorvelDecimalSeparator());
    return separator;
}

LocalTime LocalTimeNow() {
    auto packed = static_cast<long long>(QuorvelLocalTime());
    LocalTime now{};
    for (int *part : {&now.minute, &now.hour, &now.day, &now.month}) {
        *part = static_cast<int>(packed % 100);
        packed /= 100;
    }
    now.year = static_cast<int>(packed);
    return now;
}

} // namespace quorvel::platform
