#include "files.h"
#include "number_text.h"

#include <QDateTime>
#include <QLocale>

namespace quorvel::platform {

// The user's locale is QLocale(), which tests replace with QLocale::setDefault.
char16_t DecimalSeparator() {
    const QString separator = QLocale().decimalPoint();
    return separator.size() == 1 ? separator.front().unicode() : u'.';
}

LocalTime LocalTimeNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
            now.time().minute()};
}

} // namespace quorvel::platform
