// The program's own start-up, as main() runs it: the window opens with its
// caption, and closing it ends the process with status 0.
#include "startup.h"

#include <QTimer>
#include <cstdio>

int main(int argc, char **argv) {
    bool rightWindow = false;
    const int status = quorvel::platform::Start(argc, argv, [&](QWidget &window) {
        rightWindow = window.isVisible() && window.windowTitle() == "Quorvel, deterministic";
        QTimer::singleShot(0, &window, &QWidget::close);
    });
    std::printf("window shown: %s, exit status %d\n", rightWindow ? "yes" : "no", status);
    return rightWindow && status == 0 ? 0 : 1;
}
