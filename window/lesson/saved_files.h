#pragma once

#include "files.h"

// The files a student hands in: the picture as a PNG and the values as a
// table a spreadsheet opens, named by when they were saved.
namespace quorvel {

extern const platform::FileType PictureFile;
extern const platform::FileType ValuesFile;

// "quorvel-2026-12-09-0712.png": the local date and minute, so that a
// lesson's files sort in the order they were made.
platform::Text SavedFileName(const platform::LocalTime &when, const platform::FileType &type);

// The table in UTF-8 after a byte-order mark, which spreadsheets need to read
// "Δp" as it is written rather than in the system's old code page.
std::vector<std::uint8_t> ValuesFileBytes(const platform::Text &table);

// What the user is told: the file written, or why it was not, and that
// nothing on screen was lost.
platform::Text SavedSentence(const platform::FileType &type, const platform::SaveResult &result);
platform::Text NotSavedMessage(const platform::FileType &type, const platform::SaveResult &result);

} // namespace quorvel
