#include "startup.h"

#include "classic_style.h"
#include "font_warmup.h"

#include <QApplication>

namespace quorvel::platform {

struct Application::Toolkit {
    Toolkit(int &argc, char **argv) : application(argc, argv) {}
    ~Toolkit() { qt::FontWarmup::Wait(); }
    QApplication application;
};

Application::Application(int &argc, char **argv) {
    qt::FontWarmup::Start(); // while Qt connects to the display
    toolkit_ = std::make_unique<Toolkit>(argc, argv);
    // The window's class (WM_CLASS) is the application name: the desktop id,
    // so that a dock ties the window to its launcher.
    for (const QString &argument : QApplication::arguments().mid(1))
        arguments_.push_back(argument.toStdU16String());
    QApplication::setApplicationName(QStringLiteral("org.quorvel.Quorvel"));
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
    // Whatever -style or -reverse said, the window looks and runs as it was
    // designed.
    QApplication::setStyle(qt::ClassicStyle::Shared());
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

Application::~Application() = default;

int Application::run(Form &form, const std::function<void(Form &)> &shown) {
    form.show();
    if (shown)
        shown(form);
    return QApplication::exec();
}

} // namespace quorvel::platform
