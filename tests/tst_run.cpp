#include "cases.h"
#include "fitness.h"
#include "helpers.h"

#include <QTest>
#include <cmath>

using quorvel::platform::DrawCall;
using quorvel::platform::qt::Native;
using testing::DrawnAt;
using testing::LocaleScope;
using testing::PaintedPixels;
using testing::SetBars;
using testing::WindowUnderTest;

Q_DECLARE_METATYPE(QLocale)

class TestRun : public QObject {
    Q_OBJECT

private slots:
    void firstPointsOfATrajectory();
    void trajectoryFollowsTheClosedForm_data();
    void trajectoryFollowsTheClosedForm();
    void frequencyAfter100Generations_data();
    void frequencyAfter100Generations();
    void runsPileUpUntilCls();
    void zeroMeanFitnessStopsTheRunOnly_data();
    void zeroMeanFitnessStopsTheRunOnly();
};

namespace {

std::vector<DrawCall> RecordRun(WindowUnderTest &t) {
    std::vector<DrawCall> calls;
    Native(t.window.surface)->setRecorder(&calls);
    QTest::mouseClick(Native(t.window.RUN), Qt::LeftButton);
    Native(t.window.surface)->setRecorder(nullptr);
    return calls;
}

} // namespace

void TestRun::firstPointsOfATrajectory() {
    WindowUnderTest t;
    SetBars(t.window, 100, 100, 50, 500);
    const std::vector<DrawCall> calls = RecordRun(t);

    QCOMPARE(calls.size(), std::size_t(101)); // one dot, then 100 segments
    QCOMPARE(calls[0].kind, DrawCall::Kind::Point);
    QCOMPARE(calls[0].x, cases::FirstX);
    QCOMPARE(calls[0].y, cases::FirstY);
    // Mean fitness 0.875 at p = 0.5 gives p = 4/7.
    QCOMPARE(calls[1].kind, DrawCall::Kind::Segment);
    QCOMPARE(calls[1].x, 101.0f);
    QCOMPARE(calls[1].y, static_cast<float>(287.0 - 151.0 * cases::SecondP));
    QVERIFY(std::abs(calls[2].y - 191.989f) < 1e-3f);
    QCOMPARE(calls[2].x, 106.0f);
    QVERIFY(std::abs(calls[3].y - 184.975f) < 1e-3f);
    for (std::size_t g = 1; g < calls.size(); ++g) {
        QCOMPARE(calls[g].kind, DrawCall::Kind::Segment);
        QCOMPARE(calls[g].x, static_cast<float>(96 + 5 * g));
        // No colour passed: the window's drawing colour, highlighted text.
        QCOMPARE(calls[g].colour, quorvel::platform::SystemColour::HighlightText);
    }
    QCOMPARE(Native(t.window.Textp100)->text(), QString("0.980"));
    QCOMPARE(t.window.gen, 101);
    QCOMPARE(t.window.p, t.window.pnext);
    // The dot and the segment ends are where the user sees them.
    QCOMPARE(DrawnAt(*Native(t.window.surface), cases::FirstX, cases::FirstY), t.drawingColour());
    QCOMPARE(Native(t.window.surface)->pixelAt(101, 201), t.drawingColour());
    QCOMPARE(
        Native(t.window.surface)->pixelAt(596, static_cast<int>(std::floor(calls[100].y + 0.5f))),
        t.drawingColour());
    QVERIFY(t.reports.isEmpty());
}

void TestRun::trajectoryFollowsTheClosedForm_data() {
    QTest::addColumn<int>("p0");
    QTest::newRow("p0 = 0.5") << 500;
    QTest::newRow("p0 = 0.1") << 100;
    QTest::newRow("p0 = 0.999") << 999;
}

// A recessive lethal: the frequency of a after t generations is q0 / (1 + t q0).
void TestRun::trajectoryFollowsTheClosedForm() {
    QFETCH(int, p0);
    WindowUnderTest t;
    SetBars(t.window, 100, 100, 0, p0);
    const std::vector<DrawCall> calls = RecordRun(t);
    QCOMPARE(calls.size(), std::size_t(101));
    const double q0 = 1.0 - p0 / 1000.0;
    for (int gen = 0; gen <= 100; ++gen) {
        const double q = q0 / (1.0 + gen * q0);
        const double y = 287.0 - 151.0 * (1.0 - q);
        QVERIFY2(std::abs(calls[gen].y - y) < 1e-4, qPrintable(QString::number(gen)));
    }
    const double q100 = q0 / (1.0 + 100 * q0);
    QCOMPARE(Native(t.window.Textp100)->text(), QString::number(1.0 - q100, 'f', 3));
}

void TestRun::frequencyAfter100Generations_data() {
    QTest::addColumn<int>("w1");
    QTest::addColumn<int>("w2");
    QTest::addColumn<int>("w3");
    QTest::addColumn<int>("p0");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("p100");
    const QLocale dot(QLocale::English, QLocale::UnitedStates);
    for (const cases::Run &run : cases::Runs)
        QTest::newRow(run.name) << run.w1 << run.w2 << run.w3 << run.p0 << dot << run.p100;
    QTest::newRow("comma locale") << 100 << 100 << 50 << 500
                                  << QLocale(QLocale::German, QLocale::Germany) << "0,980";
}

void TestRun::frequencyAfter100Generations() {
    QFETCH(int, w1);
    QFETCH(int, w2);
    QFETCH(int, w3);
    QFETCH(int, p0);
    QFETCH(QLocale, locale);
    QFETCH(QString, p100);
    LocaleScope scope(locale);
    WindowUnderTest t;
    SetBars(t.window, w1, w2, w3, p0);
    QTest::mouseClick(Native(t.window.RUN), Qt::LeftButton);
    QCOMPARE(Native(t.window.Textp100)->text(), p100);
    QVERIFY(t.reports.isEmpty());
}

void TestRun::runsPileUpUntilCls() {
    WindowUnderTest t;
    SetBars(t.window, 100, 100, 50, 100);
    QTest::mouseClick(Native(t.window.RUN), Qt::LeftButton);
    // The start of the first trajectory: p0 = 0.1 at y = 271.9.
    QCOMPARE(Native(t.window.surface)->pixelAt(96, 272), t.drawingColour());
    t.window.VScrollp->SetValue(900);
    QTest::mouseClick(Native(t.window.RUN), Qt::LeftButton);
    QCOMPARE(Native(t.window.surface)->pixelAt(96, 272), t.drawingColour());
    QCOMPARE(Native(t.window.surface)->pixelAt(96, 151), t.drawingColour()); // p0 = 0.9: y = 151.1
    QCOMPARE(t.screen().pixelColor(96, 272), t.drawingColour());

    QTest::mouseClick(Native(t.window.CLS), Qt::LeftButton);
    QCOMPARE(PaintedPixels(*Native(t.window.surface)), 0);
    QCOMPARE(Native(t.window.Textp100)->text(), QString("0.983"));
    QCOMPARE(t.screen().pixelColor(96, 272), QColor(Qt::black)); // Shape1's outline again
}

void TestRun::zeroMeanFitnessStopsTheRunOnly_data() {
    QTest::addColumn<int>("w1");
    QTest::addColumn<int>("w2");
    QTest::addColumn<int>("w3");
    QTest::addColumn<int>("p0");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("message"); // "=" between no-break spaces
    QTest::newRow("nothing set")
        << -1 << -1 << -1 << -1 << 287.0f
        << u"Every fitness is 0 (w(AA) = 0, w(Aa) = 0, "
           u"w(aa) = 0), so the mean fitness is 0 and the frequency in "
           u"generation 1 is undefined. Move the fitness bars above 0 (a bar that has "
           u"not been moved counts as 0)."_qs;
    QTest::newRow("p = 0 and w(aa) = 0")
        << 100 << 100 << 0 << 0 << 287.0f
        << u"The mean fitness is 0 in generation 0 (p = 0, w(aa) = 0), so "
           u"the frequency in generation 1 is undefined. Raise w(aa) above 0, or start "
           u"with p0 above 0."_qs;
    QTest::newRow("p = 1 and w(AA) = 0")
        << 0 << 100 << 100 << 1000 << 136.0f
        << u"The mean fitness is 0 in generation 0 (p = 1, w(AA) = 0), so "
           u"the frequency in generation 1 is undefined. Raise w(AA) above 0, or start "
           u"with p0 below 1."_qs;
}

void TestRun::zeroMeanFitnessStopsTheRunOnly() {
    QFETCH(int, w1);
    QFETCH(int, w2);
    QFETCH(int, w3);
    QFETCH(int, p0);
    QFETCH(float, y);
    QFETCH(QString, message);
    WindowUnderTest t;
    SetBars(t.window, w1, w2, w3, p0);
    const std::vector<DrawCall> calls = RecordRun(t);

    QCOMPARE(calls.size(), std::size_t(1));
    QCOMPARE(calls[0].kind, DrawCall::Kind::Point);
    QCOMPARE(calls[0].x, 96.0f);
    QCOMPARE(calls[0].y, y);
    QCOMPARE(PaintedPixels(*Native(t.window.surface)), 1);
    QCOMPARE(Native(t.window.Textp100)->text(), QString("p100"));
    QCOMPARE(t.reports.size(), 1);
    QCOMPARE(t.reports[0], message);

    // The window carries on: a sound setting runs, and the first dot is kept.
    SetBars(t.window, 100, 100, 50, 500);
    QTest::mouseClick(Native(t.window.RUN), Qt::LeftButton);
    QCOMPARE(Native(t.window.Textp100)->text(), QString("0.980"));
    QCOMPARE(Native(t.window.surface)->pixelAt(96, static_cast<int>(y)), t.drawingColour());
    QCOMPARE(t.reports.size(), 1);

    // Wherever else the model meets a mean fitness of 0, the user reads the
    // window's words for it, not the model's.
    t.window.run([] { throw quorvel::ZeroMeanFitness(true); });
    QCOMPARE(t.reports.size(), 2);
    QVERIFY2(t.reports[1].startsWith("The mean fitness of the population is 0, so the frequency "
                                     "of the next generation is undefined."),
             qPrintable(t.reports[1]));
}

QUORVEL_TEST_MAIN(TestRun)
#include "tst_run.moc"
