#include "files.h"
#include "languages.h"
#include "number_text.h"

#include <emscripten.h>

#include <algorithm>

namespace quorvel::platform {

namespace {

// A separator of the browser's first language ("de-DE" writes 10.000,5):
// the part of type `type` ('decimal', 'group') where the language writes
// `number`; `otherwise` where it writes none, or more than one character;
// `english` where there is no navigator (node, at build time).
// clang-format off
EM_JS(int, QuorvelSeparator, (const char *type, double number, int otherwise, int english), {
    try {
        var language = (navigator.languages && navigator.languages[0]) || navigator.language;
        var kind = UTF8ToString(type);
        var part = new Intl.NumberFormat(language).formatToParts(number)
                       .find(function(p) { return p.type === kind; });
        return part && part.value.length === 1 ? part.value.charCodeAt(0) : otherwise;
    } catch (e) {
        return english;
    }
});

// The browser's clock in its own time zone, packed in one exact double
// (YYYYMMDDhhmm): a page's C library would bring a time-zone database for it.
EM_JS(double, QuorvelLocalTime, (), {
    var now = new Date();
    return (((now.getFullYear() * 100 + now.getMonth() + 1) * 100 + now.getDate()) * 100 +
            now.getHours()) *
               100 +
           now.getMinutes();
});
// The browser's languages, the most wanted first, a line each.
EM_JS(int, QuorvelLanguagesLength, (), {
    try {
        return (navigator.languages || [navigator.language]).join('\n').length;
    } catch (e) {
        return 0; // no navigator (node)
    }
});
EM_JS(void, QuorvelLanguages, (char16_t *out, int length), {
    var text = (navigator.languages || [navigator.language]).join('\n');
    for (var i = 0; i < length; ++i)
        HEAPU16[(out >> 1) + i] = text.charCodeAt(i);
});
// clang-format on

} // namespace

std::vector<Text> PreferredLanguages() {
    Text lines(static_cast<std::size_t>(QuorvelLanguagesLength()), u'\0');
    if (!lines.empty())
        QuorvelLanguages(lines.data(), static_cast<int>(lines.size()));
    std::vector<Text> tags;
    for (std::size_t at = 0; at <= lines.size();) {
        const std::size_t end = std::min(lines.find(u'\n', at), lines.size());
        if (end > at)
            tags.push_back(lines.substr(at, end - at));
        at = end + 1;
    }
    return tags;
}

char16_t DecimalSeparator() {
    static const char16_t separator =
        static_cast<char16_t>(QuorvelSeparator("decimal", 1.5, '.', '.'));
    return separator;
}

char16_t GroupSeparator() {
    static const char16_t separator =
        static_cast<char16_t>(QuorvelSeparator("group", 10000, 0, ','));
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
