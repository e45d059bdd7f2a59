#include "number_text.h"

#include <QLocale>

namespace quorvel::platform {

// The user's locale is QLocale(), which tests replace with QLocale::setDefault.
char16_t DecimalSeparator() {
    const QString separator = QLocale().decimalPoint();
    return separator.size() == 1 ? separator.front().unicode() : u'.';
}

} // namespace quorvel::platform
