#include "number_text.h"

#include "control.h"

#include <QLocale>
#include <cmath>

namespace quorvel::platform {

namespace {

// The user's locale is QLocale(), which tests can replace with QLocale::setDefault.
QLocale UserLocale() {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

Text NumberToText(double value) {
    return qt::FromQString(UserLocale().toString(value, 'f', QLocale::FloatingPointShortest));
}

double TextToNumber(const Text &text, bool *ok) {
    bool read = false;
    const double value = UserLocale().toDouble(qt::ToQString(text), &read);
    // Only a finite number counts: "nan" or "1e999" would poison the model.
    read = read && std::isfinite(value);
    if (ok)
        *ok = read;
    return read ? value : 0.0;
}

Text FormatThreeDecimals(double value) {
    return FormatDecimals(value, 3);
}

Text FormatDecimals(double value, int decimals) {
    return qt::FromQString(UserLocale().toString(value, 'f', decimals));
}

} // namespace quorvel::platform
