#include "files.h"
#include "languages.h"
#include "number_text.h"

#include <QDateTime>
#include <QLocale>

namespace quorvel::platform {

// The user's locale is QLocale(), which tests replace with QLocale::setDefault.
char16_t DecimalSeparator() {
    const QString separator = QLocale().decimalPoint();
    return separator.size() == 1 ? separator.front().unicode() : u'.';
}

char16_t GroupSeparator() {
    const QString separator = QLocale().groupSeparator();
    return separator.size() == 1 ? separator.front().unicode() : u'\0';
}

// As gettext programs choose: LANGUAGE where the locale for messages is not
// C, then that locale.
std::vector<Text> PreferredLanguages() {
    const auto variable = [](const char *name) { return qEnvironmentVariable(name).toStdString(); };
    return GettextLanguages(variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"),
                            variable("LANG"));
}

LocalTime LocalTimeNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
            now.time().minute()};
}

} // namespace quorvel::platform
