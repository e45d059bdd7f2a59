#include "error_report.h"
#include "test_main.h"

#include <QStringList>
#include <QTest>
#include <stdexcept>

using namespace quorvel::platform;

// The guard around every action: an error is reported once, and the
// action is not tried again.
class TestGuard : public QObject {
    Q_OBJECT

private slots:
    void guardReportsAndStops_data();
    void guardReportsAndStops();
    void guardIsSilentWhenAllIsWell();
};

void TestGuard::guardReportsAndStops_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("an action stopped") << 0 << "what happened, in numbers";
    QTest::newRow("other std::exception") << 1 << "something odd";
    QTest::newRow("not a std::exception") << 2 << "unexpected error";
}

void TestGuard::guardReportsAndStops() {
    QFETCH(int, kind);
    QFETCH(QString, expected);
    QStringList reports;
    ErrorReport errors([&](const Text &message) { reports << QString::fromStdU16String(message); });
    errors.setUnexpected([](const Text &detail) {
        return u"an unexpected error" + (detail.empty() ? Text() : u": " + detail);
    });

    int runs = 0;
    errors.guard([&] {
        ++runs;
        if (kind == 0)
            throw ActionStopped(u"what happened, in numbers");
        if (kind == 1)
            throw std::runtime_error("something odd");
        throw 42;
    });
    QCOMPARE(runs, 1); // run once, not retried after the error
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports.first().contains(expected), qPrintable(reports.first()));
}

void TestGuard::guardIsSilentWhenAllIsWell() {
    int reports = 0;
    ErrorReport errors([&](const Text &) { ++reports; });
    int ran = 0;
    errors.guard([&] { ++ran; });
    QCOMPARE(ran, 1);
    QCOMPARE(reports, 0);
}

QUORVEL_UNIT_MAIN(TestGuard)
#include "tst_guard.moc"
