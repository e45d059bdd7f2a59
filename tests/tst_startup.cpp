// The program's own start-up, as main() runs it: the window opens with its
// caption, and closing it ends the process with status 0.
#include "native.h"
#include "quorvelcode.h"
#include "startup.h"

#include <QTimer>
#include <cstdio>

int main(int argc, char **argv) {
    quorvel::platform::Application application(argc, argv);
    quorvel::Quorvelcode window;
    bool rightWindow = false;
    const int status = application.run(window.form(), [&](quorvel::platform::Form &form) {
        QWidget *shown = quorvel::platform::qt::Native(form);
        rightWindow = shown->isVisible() && shown->windowTitle() == "Quorvel, deterministic";
        QTimer::singleShot(0, shown, &QWidget::close);
    });
    std::printf("window shown: %s, exit status %d\n", rightWindow ? "yes" : "no", status);
    return rightWindow && status == 0 ? 0 : 1;
}
