#pragma once

#include "files.h"
#include "words/catalogue.h"

// The files a student hands in: the picture as a PNG and the values as a
// table a spreadsheet opens, named by when they were saved.
namespace quorvel {

enum class SavedFile { Picture, Values };

// The file type a save dialog offers for it, in the language's words.
platform::FileType FileTypeOf(words::Language language, SavedFile file);

// "quorvel-2026-12-09-0712.png": the local date and minute, so that a
// lesson's files sort in the order they were made.
platform::Text SavedFileName(const platform::LocalTime &when, SavedFile file);

// The table in UTF-8 after a byte-order mark, which spreadsheets need to read
// "Δp" as it is written rather than in the system's old code page.
std::vector<std::uint8_t> ValuesFileBytes(const platform::Text &table);

// What the user is told: the file written, or why it was not, and that
// nothing on screen was lost.
platform::Text SavedSentence(words::Language language, SavedFile file,
                             const platform::SaveResult &result);
platform::Text NotSavedMessage(words::Language language, SavedFile file,
                               const platform::SaveResult &result);

} // namespace quorvel
