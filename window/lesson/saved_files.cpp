#include "lesson/saved_files.h"

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

Text SavedFileName(const platform::LocalTime &when, const FileType &type) {
    Text name = u"quorvel-";
    const auto digits = [&name](int value, int count) {
        Text written(static_cast<std::size_t>(count), u'0');
        for (int i = count - 1; i >= 0; --i, value /= 10)
            written[static_cast<std::size_t>(i)] = static_cast<char16_t>(u'0' + value % 10);
        name += written;
    };
    digits(when.year, 4);
    name += u'-';
    digits(when.month, 2);
    name += u'-';
    digits(when.day, 2);
    name += u'-';
    digits(when.hour, 2);
    digits(when.minute, 2);
    return name + u'.' + type.extension;
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
