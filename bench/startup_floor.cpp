// The floor for start-up: a bare window of the same size and caption, with one
// label and one button so that the toolkit's fonts and style load as in any
// window that shows text; with --quit it ends after its first frame.
#include "quit_on_first_frame.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quorvel, deterministic"));
    window.setFixedSize(628, 474);
    auto *label = new QLabel(QStringLiteral("Fitness w(AA)"), &window);
    label->setGeometry(24, 16, 73, 25);
    auto *button = new QPushButton(QStringLiteral("RUN"), &window);
    button->setGeometry(456, 16, 65, 33);
    window.show();
    if (application.arguments().contains(QStringLiteral("--quit")))
        new QuitOnFirstFrame(window);
    return QApplication::exec();
}
