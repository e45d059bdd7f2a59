// Renders the window after a short session, the way a class would use it, for
// the README: overdominance from several start frequencies, then W Mean; or,
// given a link, what that link draws.
#include "native.h"
#include "quorvelcode.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

using quorvel::platform::qt::Native;

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: quorvel_screenshot OUTPUT.png [LINK]\n");
        return 2;
    }
    quorvel::Quorvelcode window;
    int errors = 0;
    window.errors.setSink([&](const quorvel::platform::Text &) { ++errors; });
    Native(window.form())->show();
    if (!QTest::qWaitForWindowExposed(Native(window.form())))
        return 1;

    if (argc == 3) {
        window.OpenLink(QString::fromLocal8Bit(argv[2]).toStdU16String());
    } else {
        window.HScrollw1->SetValue(80);
        window.HScrollw2->SetValue(100);
        window.HScrollw3->SetValue(60);
        for (int p0 : {20, 150, 400, 950}) {
            window.VScrollp->SetValue(p0);
            QTest::mouseClick(Native(window.RUN), Qt::LeftButton);
        }
        QTest::mouseClick(Native(window.Wmean), Qt::LeftButton);
    }
    QApplication::processEvents();
    if (errors || !Native(window.form())->grab().save(QString::fromLocal8Bit(argv[1])))
        return 1;
    return 0;
}
