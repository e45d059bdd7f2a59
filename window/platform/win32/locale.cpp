#include "files.h"
#include "languages.h"
#include "number_text.h"

#include <windows.h>

#include <string>

namespace quorvel::platform {

namespace {

// One character of the user's regional setting, or `otherwise` where it has
// none or several.
char16_t LocaleCharacter(LCTYPE kind, char16_t otherwise) {
    wchar_t text[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, kind, text, 8) > 1 && text[1] == L'\0')
        return static_cast<char16_t>(text[0]);
    return otherwise;
}

} // namespace

// The regional setting of the user who runs the program, read once: it does
// not change while the program runs.
char16_t DecimalSeparator() {
    static const char16_t separator = LocaleCharacter(LOCALE_SDECIMAL, u'.');
    return separator;
}

char16_t GroupSeparator() {
    static const char16_t separator = LocaleCharacter(LOCALE_STHOUSAND, u'\0');
    return separator;
}

// Windows' languages for the user interface, the most wanted first, as tags
// ("de-DE"), from a list of strings that ends with an empty one.
std::vector<Text> PreferredLanguages() {
    ULONG count = 0, size = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0)
        return {};
    std::wstring names(size, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size))
        return {};
    std::vector<Text> tags;
    for (std::size_t at = 0; at < names.size() && names[at];) {
        const std::size_t end = names.find(L'\0', at);
        tags.emplace_back(names.begin() + static_cast<std::ptrdiff_t>(at),
                          names.begin() + static_cast<std::ptrdiff_t>(end));
        at = end + 1;
    }
    return tags;
}

LocalTime LocalTimeNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

} // namespace quorvel::platform
