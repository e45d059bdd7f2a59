#include "startup.h"

#include "app_icon.h"
#include "quorvelcode.h"

#include <QApplication>

namespace quorvel::platform {

int Start(int argc, char **argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
    QApplication::setWindowIcon(AppIcon());
    Quorvelcode window;
    window.show();
    return QApplication::exec();
}

} // namespace quorvel::platform
