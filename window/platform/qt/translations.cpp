#include "translations.h"

#include "control.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace quorvel::platform::qt {

void UseQtTranslations(const Text &language) {
    static QTranslator *installed = nullptr;
    static Text loaded = u"en";
    if (language == loaded)
        return;
    loaded = language;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    auto translator = std::make_unique<QTranslator>();
    // "pt-BR" as Qt names its files, and "pt" where it has no file for Brazil.
    const QLocale locale(ToQString(language).replace(u'-', u'_'));
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installed = translator.release();
        QCoreApplication::installTranslator(installed);
    }
}

} // namespace quorvel::platform::qt
