#include "lesson/saved_files.h"

#include "number_text.h"

namespace quorvel {

using platform::FileType;
using platform::SaveResult;
using platform::Text;
using words::Phrase;

namespace {

const char16_t *Extension(SavedFile file) {
    return file == SavedFile::Picture ? u"png" : u"tsv";
}

// The last part of a path, whichever separator the system uses.
Text FileNameOf(const Text &where) {
    const std::size_t slash = where.find_last_of(u"/\\");
    return slash == Text::npos ? where : where.substr(slash + 1);
}

} // namespace

FileType FileTypeOf(words::Language language, SavedFile file) {
    if (file == SavedFile::Picture)
        return {words::Say(language, Phrase::SavePictureTitle),
                words::Say(language, Phrase::SavePictureType), Extension(file), "image/png"};
    return {words::Say(language, Phrase::SaveValuesTitle),
            words::Say(language, Phrase::SaveValuesType), Extension(file),
            "text/tab-separated-values"};
}

Text SavedFileName(const platform::LocalTime &when, SavedFile file) {
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
    return name + u'.' + Extension(file);
}

std::vector<std::uint8_t> ValuesFileBytes(const Text &table) {
    std::vector<std::uint8_t> bytes{0xEF, 0xBB, 0xBF};
    const std::vector<std::uint8_t> utf8 = platform::ToUtf8(table);
    bytes.insert(bytes.end(), utf8.begin(), utf8.end());
    return bytes;
}

Text SavedSentence(words::Language language, SavedFile file, const SaveResult &result) {
    const bool picture = file == SavedFile::Picture;
    const Phrase phrase = result.outcome == SaveResult::Outcome::Downloaded
                              ? (picture ? Phrase::DownloadedPicture : Phrase::DownloadedValues)
                              : (picture ? Phrase::SavedPicture : Phrase::SavedValues);
    return words::Say(language, phrase, {{"file", FileNameOf(result.where)}});
}

// The system's reason as the middle of a sentence, without its own full stop.
Text NotSavedMessage(words::Language language, SavedFile file, const SaveResult &result) {
    Text reason = result.reason;
    if (result.outcome == SaveResult::Outcome::DialogFailed)
        reason = words::Say(language, Phrase::SaveDialogFailed,
                            {{"code", platform::NumberToText(static_cast<double>(result.code))}});
    else if (reason.empty() && result.code != 0)
        reason = words::Say(language, Phrase::SystemError,
                            {{"code", platform::NumberToText(static_cast<double>(result.code))}});
    while (!reason.empty() && (reason.back() == u'.' || reason.back() == u'\n' ||
                               reason.back() == u'\r' || reason.back() == u' '))
        reason.pop_back();
    const bool picture = file == SavedFile::Picture;
    if (reason.empty())
        return words::Say(language,
                          picture ? Phrase::NotSavedPictureWhy : Phrase::NotSavedValuesWhy,
                          {{"file", result.where}});
    return words::Say(language, picture ? Phrase::NotSavedPicture : Phrase::NotSavedValues,
                      {{"file", result.where}, {"reason", reason}});
}

} // namespace quorvel
