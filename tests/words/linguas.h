// The languages that ship, read from po/LINGUAS (QUORVEL_LINGUAS, set by
// CMakeLists.txt) as a translator leaves it, so that a suite follows a
// language added there; and a language no catalogue can ever be, for the
// suites that need one Quorvel does not speak.
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace testing {

// ISO 639's tag for private use: never a language that ships.
inline const QString Unspoken = QStringLiteral("qaa");

// English and every language po/LINGUAS lists, as a link writes their tags
// ("pt-BR" for pt_BR).
inline QStringList ShippedTags() {
    QFile file(QStringLiteral(QUORVEL_LINGUAS));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("%s cannot be read", QUORVEL_LINGUAS);
    QStringList tags{QStringLiteral("en")};
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n'))
        for (const QString &tag :
             line.section('#', 0, 0).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
            tags << QString(tag).replace('_', '-');
    return tags;
}

} // namespace testing
