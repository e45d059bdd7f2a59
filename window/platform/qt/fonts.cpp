#include "fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QLocale>
#include <QStringList>
#include <algorithm>
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

bool wordsAreLatin = true;

// The faces to ask for: the one the layout names and its metric-compatible
// stand-ins, those this system has first. Qt searches fontconfig for a
// substitute (a sort over every font) when the first face is missing, which
// costs more than loading the font itself. Which faces exist does not change
// while the program runs, so the answer is kept.
QStringList Faces(const char *family, bool serif) {
    static QHash<QString, QStringList> known;
    const QString name = QString::fromUtf8(family);
    const auto found = known.constFind(name);
    if (found != known.constEnd())
        return *found;
    QStringList faces =
        serif ? QStringList{name, "Liberation Serif", "Tinos", "DejaVu Serif"}
              : QStringList{name,    "Microsoft Sans Serif", "Arial", "Liberation Sans",
                            "Arimo", "DejaVu Sans"};
    // The plain list of installed families: asking hasFamily() would make
    // fontconfig resolve every name as an alias.
    const QStringList installed = QFontDatabase::families();
    std::stable_partition(faces.begin(), faces.end(),
                          [&](const QString &face) { return installed.contains(face); });
    known.insert(name, faces);
    return faces;
}

} // namespace

void UseLettersOf(const FormWords &words) {
    wordsAreLatin = words.latinLetters;
}

QFont MakeFont(const char *family, double pointSize, bool bold, Glyphs glyphs) {
    const bool serif = std::strstr(family, "Times") != nullptr;
    QFont font;
    font.setFamilies(Faces(family, serif));
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // Captions in Latin letters need neither fallback faces nor shaping (the
    // layout's faces had no kerning either), and looking up the one and doing
    // the other are the dearest parts of showing text for the first time.
    if (wordsAreLatin && (glyphs == Glyphs::Latin || UserNumbersAreLatin()))
        font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
    // Outlines as drawn, not snapped to the pixel grid: text keeps the widths
    // the layout was measured with (full hinting widens the axis captions past
    // their room), looks the same at every display scale, and is quicker to
    // render the first time than with fontconfig's light auto-hinting.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace quorvel::platform::qt
