#include "startup.h"

#include "classic_style.h"
#include "quorvelcode.h"

#include <QApplication>

namespace quorvel::platform {

int Start(int argc, char **argv) {
    return Start(argc, argv, {});
}

int Start(int argc, char **argv, const std::function<void(QWidget &window)> &shown) {
    QApplication application(argc, argv);
    // The program takes no command line; whatever -style or -reverse said, the
    // window looks and runs as it was designed.
    QApplication::setStyle(ClassicStyle::Shared());
    QApplication::setLayoutDirection(Qt::LeftToRight);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
    Quorvelcode window;
    window.show();
    if (shown)
        shown(window);
    return QApplication::exec();
}

} // namespace quorvel::platform
