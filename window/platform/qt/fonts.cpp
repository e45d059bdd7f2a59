#include "fonts.h"

#include <QLocale>
#include <QStringList>
#include <cstring>

namespace quorvel::platform::qt {

namespace {

// Whether numbers in the user's locale use only ASCII digits and separators.
bool UserNumbersAreLatin() {
    const QLocale locale;
    const QString sample = locale.toString(-0.5, 'f', 3) + locale.toString(1234567890.0, 'f', 0);
    for (QChar c : sample)
        if (c.unicode() > 0x7F)
            return false;
    return true;
}

} // namespace

QFont MakeFont(const char *family, double pointSize, bool bold, Glyphs glyphs) {
    const bool serif = std::strstr(family, "Times") != nullptr;
    QFont font;
    font.setFamilies(serif ? QStringList{family, "Liberation Serif", "Tinos", "DejaVu Serif"}
                           : QStringList{family, "Microsoft Sans Serif", "Arial", "Liberation Sans",
                                         "Arimo", "DejaVu Sans"});
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // Looking up fallback faces is the dearest part of loading a font, and
    // plain Latin text never needs them.
    if (glyphs == Glyphs::Latin || UserNumbersAreLatin())
        font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace quorvel::platform::qt
