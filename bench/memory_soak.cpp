// Resident memory over 10,000 RUN and 10,000 W Mean clicks on one window,
// then 1,000 RUNs of a thousand populations: the drawing is a fixed-size
// raster and a run is kept as its settings and seed, so memory must stay
// where it was after the first click of each.
#include "native.h"
#include "quorvelcode.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <cstdio>

using quorvel::platform::qt::Native;

namespace {

long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Clicks button `count` times, repainting as the event loop would, and returns
// the growth in KiB after the first click.
long GrowthOver(QPushButton *button, int count) {
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
    const long first = ResidentKiB();
    for (int i = 1; i < count; ++i) {
        QTest::mouseClick(button, Qt::LeftButton);
        if (i % 10 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    return ResidentKiB() - first;
}

} // namespace

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    quorvel::Quorvelcode window;
    int errors = 0;
    window.errors.setSink([&](const quorvel::platform::Text &) { ++errors; });
    QWidget *shown = Native(window.form());
    shown->show();
    if (!QTest::qWaitForWindowExposed(shown))
        return 1;
    window.HScrollw1->SetValue(80);
    window.HScrollw2->SetValue(100);
    window.HScrollw3->SetValue(60);
    window.VScrollp->SetValue(100);

    const long run = GrowthOver(Native(window.RUN), 10000);
    const long wmean = GrowthOver(Native(window.Wmean), 10000);
    std::printf(
        "memory: RUN x10000 grew %ld KiB, W Mean x10000 grew %ld KiB (limit 1024 KiB each)\n", run,
        wmean);
    // The largest RUN of populations, a thousand times (a few, when only
    // smoke-testing the command): only its settings and seed are kept.
    const bool smoke = qEnvironmentVariableIntValue("QUORVEL_BENCH_SMOKE") == 1;
    window.Cls();
    window.OpenLink(u"#n=1000000;populations=1000;generations=1000");
    const long populations = GrowthOver(Native(window.RUN), smoke ? 3 : 1000);
    std::printf("memory: RUN of 1000 populations x1000 grew %ld KiB (limit 2048 KiB)\n",
                populations);
    std::printf("memory: resident at the end %ld KiB\n", ResidentKiB());
    return errors == 0 && run <= 1024 && wmean <= 1024 && populations <= 2048 ? 0 : 1;
}
