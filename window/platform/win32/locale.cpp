#include "files.h"
#include "number_text.h"

#include <windows.h>

namespace quorvel::platform {

// The regional setting of the user who runs the program, read once: it does
// not change while the program runs.
char16_t DecimalSeparator() {
    static const char16_t separator = [] {
        wchar_t text[8] = {};
        if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text, 8) > 1 &&
            text[1] == L'\0')
            return static_cast<char16_t>(text[0]);
        return u'.';
    }();
    return separator;
}

LocalTime LocalTimeNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

} // namespace quorvel::platform
