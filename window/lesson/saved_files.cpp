#include "lesson/saved_files.h"

#include <cstdio>

namespace quorvel {

using platform::FileType;
using platform::SaveResult;
using platform::Text;

const FileType PictureFile{u"Save picture", u"PNG picture", u"png", "image/png"};
const FileType ValuesFile{u"Save values", u"Tab-separated values", u"tsv",
                          "text/tab-separated-values"};

namespace {

bool IsPicture(const FileType &type) {
    return &type == &PictureFile;
}

// The last part of a path, whichever separator the system uses.
Text FileNameOf(const Text &where) {
    const std::size_t slash = where.find_last_of(u"/\\");
    return slash == Text::npos ? where : where.substr(slash + 1);
}

} // namespace

Text SavedFileName(const std::tm &when, const FileType &type) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "quorvel-%04d-%02d-%02d-%02d%02d.",
                  (when.tm_year + 1900) % 10000, (when.tm_mon + 1) % 100, when.tm_mday % 100,
                  when.tm_hour % 100, when.tm_min % 100);
    return platform::FromUtf8(stamp) + type.extension;
}

std::tm LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

std::vector<std::uint8_t> ValuesFileBytes(const Text &table) {
    std::vector<std::uint8_t> bytes{0xEF, 0xBB, 0xBF};
    const std::vector<std::uint8_t> utf8 = platform::ToUtf8(table);
    bytes.insert(bytes.end(), utf8.begin(), utf8.end());
    return bytes;
}

Text SavedSentence(const FileType &type, const SaveResult &result) {
    const Text what = IsPicture(type) ? u"The picture" : u"The values";
    const Text how = result.outcome == SaveResult::Outcome::Downloaded ? u" downloaded as \u201C"
                                                                       : u" saved as \u201C";
    return what + (IsPicture(type) ? u" is" : u" are") + how + FileNameOf(result.where) +
           u"\u201D.";
}

Text NotSavedMessage(const FileType &type, const SaveResult &result) {
    const Text what = IsPicture(type) ? u"The picture" : u"The values";
    Text reason = result.reason;
    while (!reason.empty() && (reason.back() == u'.' || reason.back() == u'\n' ||
                               reason.back() == u'\r' || reason.back() == u' '))
        reason.pop_back();
    return what + u" could not be saved as \u201C" + result.where + u"\u201D" +
           (reason.empty() ? Text() : u": " + reason) +
           u".\n\nNothing on screen has changed. Choose another folder or name, and save again.";
}

} // namespace quorvel
