// The program's own start-up, as main() runs it: the window opens with its
// caption, its window class is the launcher's StartupWMClass, and closing it
// ends the process with status 0.
#include "native.h"
#include "quorvelcode.h"
#include "startup.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

// What the desktop entry says the window's class is.
QString StartupWMClass() {
    QFile entry(QStringLiteral(QUORVEL_PACKAGING "/org.quorvel.Quorvel.desktop"));
    if (!entry.open(QIODevice::ReadOnly))
        return {};
    const QRegularExpression key("^StartupWMClass=(.*)$", QRegularExpression::MultilineOption);
    return key.match(QString::fromUtf8(entry.readAll())).captured(1).trimmed();
}

} // namespace

int main(int argc, char **argv) {
    // The caption asserted is the English one, whatever this machine speaks.
    setenv("LC_ALL", "C.UTF-8", 1);
    unsetenv("LANGUAGE");
    quorvel::platform::Application application(argc, argv);
    quorvel::Quorvelcode window;
    bool rightWindow = false;
    const int status = application.run(window.form(), [&](quorvel::platform::Form &form) {
        QWidget *shown = quorvel::platform::qt::Native(form);
        rightWindow = shown->isVisible() && shown->windowTitle() == "Quorvel, deterministic";
        QTimer::singleShot(0, shown, &QWidget::close);
    });
    // Qt names the window's class after the application.
    const bool rightClass =
        !StartupWMClass().isEmpty() && QApplication::applicationName() == StartupWMClass();
    std::printf("window shown: %s, class as the launcher's: %s, exit status %d\n",
                rightWindow ? "yes" : "no", rightClass ? "yes" : "no", status);
    return rightWindow && rightClass && status == 0 ? 0 : 1;
}
