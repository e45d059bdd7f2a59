#include "number_text.h"

#include <QLocale>
#include <cmath>

namespace quorvel::platform {

namespace {

QLocale UserLocale() {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

QString NumberToText(double value) {
    return UserLocale().toString(value, 'f', QLocale::FloatingPointShortest);
}

double TextToNumber(const QString &text, bool *ok) {
    bool read = false;
    const double value = UserLocale().toDouble(text, &read);
    // Only a finite number counts: "nan" or "1e999" would poison the model.
    read = read && std::isfinite(value);
    if (ok)
        *ok = read;
    return read ? value : 0.0;
}

QString FormatThreeDecimals(double value) {
    return UserLocale().toString(value, 'f', 3);
}

} // namespace quorvel::platform
