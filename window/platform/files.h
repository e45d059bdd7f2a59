#pragma once

#include "text.h"

#include <cstdint>
#include <vector>

// The files the program saves, as the window and a backend speak of them.
namespace quorvel::platform {

// A kind of file: the save dialog's title, the name its filter shows (both
// in the window's language), the ending its names take (without the dot),
// and its media type, which a page gives its download.
struct FileType {
    Text title;
    Text description;
    const char16_t *extension;
    const char *mediaType;
};

// What became of a file to save. `where` is the file the user chose (a
// page's download: its name); `reason` why it could not be written, in the
// system's own words, or else `code`, the system's number for the fault. A
// dialog that failed to open says so by its code.
struct SaveResult {
    enum class Outcome { Written, Downloaded, Cancelled, Failed, DialogFailed };
    Outcome outcome = Outcome::Cancelled;
    Text where;
    Text reason;
    unsigned long code = 0;
};

// A moment on the user's clock, to the minute: month 1 to 12.
struct LocalTime {
    int year, month, day, hour, minute;
};
// Now, as the user's own clock and time zone say; each backend asks its
// system, as it does for the decimal separator.
LocalTime LocalTimeNow();

} // namespace quorvel::platform
