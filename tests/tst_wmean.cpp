#include "helpers.h"

#include <QTest>
#include <algorithm>
#include <cmath>

using quorvel::platform::Colour;
using quorvel::platform::DrawCall;
using quorvel::platform::qt::Native;
using testing::DrawnAt;
using testing::PaintedPixels;
using testing::WindowUnderTest;

class TestWmean : public QObject {
    Q_OBJECT

private slots:
    void sweepMakes1000PassesAndStopsShortOfOne();
    void curves_data();
    void curves();
    void changeCurveMatchesTheSelectionIdentity_data();
    void changeCurveMatchesTheSelectionIdentity();
    void changeDotAboveItsFrameIsStillDrawn();
    void undefinedChangeIsLeftOut_data();
    void undefinedChangeIsLeftOut();
    void curvesPileUpUntilCls();
    void balancesAreMarked_data();
    void balancesAreMarked();
};

namespace {

// What one sweep handed to the drawing layer, pass by pass.
struct Sweep {
    std::vector<DrawCall> meanDots;
    std::vector<DrawCall> changeDots;
    double meanFitness(std::size_t pass) const { return (420.0 - meanDots[pass].y) / 100.0; }
    double change(std::size_t pass) const { return (365.0 - changeDots[pass].y) / 150.0; }
};

void SetFitnesses(quorvel::Quorvelcode &w, int w1, int w2, int w3) {
    w.HScrollw1->SetValue(w1);
    w.HScrollw2->SetValue(w2);
    w.HScrollw3->SetValue(w3);
}

Sweep RecordSweep(WindowUnderTest &t) {
    std::vector<DrawCall> calls;
    Native(t.window.surface)->setRecorder(&calls);
    QTest::mouseClick(Native(t.window.Wmean), Qt::LeftButton);
    Native(t.window.surface)->setRecorder(nullptr);
    Sweep sweep;
    // The dots; the balances' marks after them are lines.
    for (const DrawCall &call : calls)
        if (call.kind == DrawCall::Kind::Point)
            (call.colour == Colour::FromRgb(2, 3, 4) ? sweep.changeDots : sweep.meanDots)
                .push_back(call);
    return sweep;
}

} // namespace

void TestWmean::sweepMakes1000PassesAndStopsShortOfOne() {
    WindowUnderTest t;
    SetFitnesses(t.window, 100, 100, 50);
    const Sweep sweep = RecordSweep(t);
    QCOMPARE(sweep.meanDots.size(), std::size_t(1000));
    QCOMPARE(sweep.changeDots.size(), std::size_t(1000));
    QCOMPARE(t.window.pscan, 1.0000000000000007); // the value that ended the sweep
    QCOMPARE(sweep.meanDots.front().x, 96.0f);
    QCOMPARE(sweep.changeDots.front().x, 256.0f);
    QCOMPARE(sweep.meanDots.back().x, static_cast<float>(96.0 + 150.0 * 0.9990000000000008));
    QVERIFY(std::abs(sweep.meanDots.back().x - 245.85f) < 1e-4f);
    QVERIFY(std::abs(sweep.changeDots.back().x - 405.85f) < 1e-4f);
    for (std::size_t pass = 0; pass < 1000; ++pass) {
        QCOMPARE(sweep.meanDots[pass].kind, DrawCall::Kind::Point);
        QCOMPARE(sweep.meanDots[pass].colour, quorvel::platform::SystemColour::HighlightText);
        QCOMPARE(sweep.changeDots[pass].colour, Colour::FromRgb(2, 3, 4));
    }
    // The last pass left the fields at p = 0.999.
    QCOMPARE(t.window.dp, t.window.pscanNext - 0.9990000000000008);
    QVERIFY(t.reports.isEmpty());
}

void TestWmean::curves_data() {
    QTest::addColumn<int>("w1");
    QTest::addColumn<int>("w2");
    QTest::addColumn<int>("w3");
    QTest::addColumn<int>("signBefore"); // sign of the change in passes 1 to lastBefore
    QTest::addColumn<int>("lastBefore");
    QTest::addColumn<int>("firstAfter");   // from here to pass 999 the sign is the opposite
    QTest::addColumn<bool>("peak");        // the mean fitness has a maximum, not a minimum
    QTest::addColumn<double>("extremum");  // its value
    QTest::addColumn<double>("extremumX"); // where its dot is drawn
    QTest::newRow("all fitnesses 1")
        << 100 << 100 << 100 << 0 << 999 << 1000 << true << 1.0 << -1.0;
    QTest::newRow("A dominant") << 100 << 100 << 50 << 1 << 999 << 1000 << false << 0.5 << 96.0;
    QTest::newRow("overdominance")
        << 80 << 100 << 60 << 1 << 666 << 667 << true << 13.0 / 15.0 << 196.0;
    QTest::newRow("underdominance")
        << 100 << 50 << 100 << -1 << 499 << 501 << false << 0.75 << 171.0;
}

void TestWmean::curves() {
    QFETCH(int, w1);
    QFETCH(int, w2);
    QFETCH(int, w3);
    QFETCH(int, signBefore);
    QFETCH(int, lastBefore);
    QFETCH(int, firstAfter);
    QFETCH(bool, peak);
    QFETCH(double, extremum);
    QFETCH(double, extremumX);
    WindowUnderTest t;
    SetFitnesses(t.window, w1, w2, w3);
    const Sweep sweep = RecordSweep(t);
    QCOMPARE(sweep.changeDots.size(), std::size_t(1000));

    const auto sign = [](double v) { return v == 0 ? 0 : v > 0 ? 1 : -1; };
    QCOMPARE(sign(sweep.change(0)), 0); // A absent cannot change
    for (int pass = 1; pass <= lastBefore; ++pass)
        QVERIFY2(sign(sweep.change(pass)) == signBefore, qPrintable(QString::number(pass)));
    for (int pass = firstAfter; pass < 1000; ++pass)
        QVERIFY2(sign(sweep.change(pass)) == -signBefore, qPrintable(QString::number(pass)));

    const auto byY = [](const DrawCall &a, const DrawCall &b) { return a.y < b.y; };
    const auto at = peak ? std::min_element(sweep.meanDots.begin(), sweep.meanDots.end(), byY)
                         : std::max_element(sweep.meanDots.begin(), sweep.meanDots.end(), byY);
    QVERIFY(std::abs((420.0 - at->y) / 100.0 - extremum) < 1e-5);
    if (extremumX >= 0)
        QVERIFY2(std::abs(at->x - extremumX) < 1.0, qPrintable(QString::number(at->x)));
}

void TestWmean::changeCurveMatchesTheSelectionIdentity_data() {
    QTest::addColumn<int>("w1");
    QTest::addColumn<int>("w2");
    QTest::addColumn<int>("w3");
    QTest::newRow("A dominant") << 100 << 100 << 50;
    QTest::newRow("overdominance") << 80 << 100 << 60;
    QTest::newRow("underdominance") << 100 << 50 << 100;
    QTest::newRow("additive") << 90 << 60 << 30;
    QTest::newRow("heterozygote lethal") << 100 << 0 << 1;
}

// The change of p is p q (mean fitness of A - mean fitness of a) / mean fitness,
// with the marginal fitnesses of the two alleles; and the mean is a quadratic in p.
void TestWmean::changeCurveMatchesTheSelectionIdentity() {
    QFETCH(int, w1);
    QFETCH(int, w2);
    QFETCH(int, w3);
    WindowUnderTest t;
    SetFitnesses(t.window, w1, w2, w3);
    const Sweep sweep = RecordSweep(t);
    const double wAA = w1 / 100.0, wAa = w2 / 100.0, waa = w3 / 100.0;
    for (std::size_t pass = 0; pass < 1000; ++pass) {
        const double p = pass / 1000.0, q = 1 - p;
        const double wA = p * wAA + q * wAa, wa = p * wAa + q * waa;
        const double wbar = p * wA + q * wa;
        const double dp = p * q * (wA - wa) / wbar;
        QVERIFY2(std::abs(sweep.meanFitness(pass) - wbar) < 1e-5,
                 qPrintable(QString::number(pass)));
        QVERIFY2(std::abs(sweep.change(pass) - dp) < 1e-5, qPrintable(QString::number(pass)));
        QVERIFY(std::abs(sweep.meanDots[pass].x - (96.0 + 0.15 * pass)) < 1e-3);
        QVERIFY(std::abs(sweep.changeDots[pass].x - (256.0 + 0.15 * pass)) < 1e-3);
    }
}

void TestWmean::changeDotAboveItsFrameIsStillDrawn() {
    WindowUnderTest t;
    SetFitnesses(t.window, 100, 0, 1);
    const Sweep sweep = RecordSweep(t);
    // At p = 0.3 the mean fitness is 0.0949 and the change 0.09 / 0.0949 - 0.3.
    QVERIFY(std::abs(sweep.meanFitness(300) - 0.0949) < 1e-5);
    QVERIFY(std::abs(sweep.changeDots[300].x - 301.0f) < 1e-3f);
    QVERIFY(std::abs(sweep.changeDots[300].y - 267.74f) < 1e-2f);
    QCOMPARE(Native(t.window.surface)->pixelAt(301, 268), QColor(2, 3, 4));
    QCOMPARE(t.screen().pixelColor(301, 268), QColor(2, 3, 4)); // inside Shape1's area
    QVERIFY(t.reports.isEmpty());
}

void TestWmean::undefinedChangeIsLeftOut_data() {
    QTest::addColumn<bool>("setBars");
    QTest::addColumn<int>("changeDots");
    QTest::addColumn<QString>("message");
    // A recessive lethal: the change is 0/0 at p = 0 only.
    QTest::newRow("w(aa) = 0") << true << 999 << QString();
    QTest::newRow("nothing set")
        << false << 0
        << u"Every fitness is 0 (w(AA)\u00A0=\u00A00, w(Aa)\u00A0=\u00A00, "
           u"w(aa)\u00A0=\u00A00), so the mean fitness is 0 at every p and the change of p is "
           u"undefined. Move the fitness bars above\u00A00 (a bar that has not been moved "
           u"counts as\u00A00)."_qs;
}

// The mean fitness is drawn at every p, the change wherever it is defined; only
// a sweep that can draw no change at all is an error, told after its dots.
void TestWmean::undefinedChangeIsLeftOut() {
    QFETCH(bool, setBars);
    QFETCH(int, changeDots);
    QFETCH(QString, message);
    WindowUnderTest t;
    if (setBars)
        SetFitnesses(t.window, 100, 100, 0);
    bool lastDotDrawnWhenReported = false;
    t.window.errors.setSink([&](const quorvel::platform::Text &text) {
        lastDotDrawnWhenReported =
            DrawnAt(*Native(t.window.surface), 245.85, 420) == t.drawingColour();
        t.reports << QString::fromStdU16String(text);
    });
    const Sweep sweep = RecordSweep(t);

    QCOMPARE(int(sweep.meanDots.size()), 1000);
    QCOMPARE(sweep.meanDots[0], (DrawCall{DrawCall::Kind::Point, 96, 420,
                                          quorvel::platform::SystemColour::HighlightText}));
    QCOMPARE(int(sweep.changeDots.size()), changeDots);
    if (changeDots > 0) // none at p = 0, the next at p = 0.001
        QCOMPARE(sweep.changeDots[0].x, static_cast<float>(256.0 + 150.0 * 0.001));
    QCOMPARE(t.reports, message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty())
        QVERIFY(lastDotDrawnWhenReported);
}

void TestWmean::curvesPileUpUntilCls() {
    WindowUnderTest t;
    SetFitnesses(t.window, 100, 100, 100);
    QTest::mouseClick(Native(t.window.Wmean), Qt::LeftButton);
    const QImage once = Native(t.window.surface)->image();
    // Dots 0.15 pixels apart fill the rows of mean fitness 1 and of no change.
    QCOMPARE(PaintedPixels(*Native(t.window.surface), QRect(96, 320, 151, 1)), 151);
    QCOMPARE(PaintedPixels(*Native(t.window.surface), QRect(256, 365, 151, 1)), 151);
    QCOMPARE(t.screen().pixelColor(300, 365), QColor(2, 3, 4)); // over Line2

    QTest::mouseClick(Native(t.window.Wmean), Qt::LeftButton);
    QCOMPARE(Native(t.window.surface)->image(), once);

    t.window.HScrollw3->SetValue(0);
    t.window.HScrollw3->SetValue(50);
    QTest::mouseClick(Native(t.window.Wmean), Qt::LeftButton);
    QCOMPARE(PaintedPixels(*Native(t.window.surface), QRect(96, 320, 151, 1)),
             151);                                                           // first pair kept
    QCOMPARE(Native(t.window.surface)->pixelAt(96, 370), t.drawingColour()); // second pair from 0.5
    QVERIFY(PaintedPixels(*Native(t.window.surface)) >
            PaintedPixels(*Native(t.window.surface), QRect(96, 320, 151, 1)) + 151 + 100);

    QTest::mouseClick(Native(t.window.CLS), Qt::LeftButton);
    QCOMPARE(PaintedPixels(*Native(t.window.surface)), 0);
}

// Each balance marked twice: on the zero line at (96 + 160 + 150p, 365) and
// on the trajectory frame's right edge at (596, 287 - 151p); a disc where
// stable, a ring (its centre empty) where not. Worked out by hand: 2/3 for
// 0.8, 1, 0.6 (x 356, y 186.3); 1/2 for 1, 0.7, 1 (x 331, y 211.5).
void TestWmean::balancesAreMarked_data() {
    QTest::addColumn<QList<int>>("bars");
    QTest::addColumn<QList<int>>("marks"); // x, y, filled; for each mark
    QTest::newRow("overdominance")
        << QList<int>{80, 100, 60}
        << QList<int>{356, 365, 1, 596, 186, 1, 256, 365, 0, 596, 287, 0, 406, 365, 0, 596, 136, 0};
    QTest::newRow("underdominance")
        << QList<int>{100, 70, 100}
        << QList<int>{331, 365, 0, 596, 211, 0, 256, 365, 1, 596, 287, 1, 406, 365, 1, 596, 136, 1};
    QTest::newRow("neutral: none") << QList<int>{60, 60, 60} << QList<int>{};
}

void TestWmean::balancesAreMarked() {
    QFETCH(QList<int>, bars);
    QFETCH(QList<int>, marks);
    WindowUnderTest t;
    SetFitnesses(t.window, bars[0], bars[1], bars[2]);
    QTest::mouseClick(Native(t.window.Wmean), Qt::LeftButton);
    const QImage drawing = Native(t.window.surface)->image();
    const QColor mark(2, 3, 4);
    // The drawing's device pixels to a logical one, at any display scale.
    const double ratio = double(drawing.width()) / Native(t.window.surface)->width();
    // Whether any device pixel of the logical one (x, y) is the mark's.
    const auto marked = [&](int x, int y) {
        for (int dy = int(y * ratio); dy < int((y + 1) * ratio); ++dy)
            for (int dx = int(x * ratio); dx < int((x + 1) * ratio); ++dx)
                if (drawing.pixelColor(dx, dy) == mark)
                    return true;
        return false;
    };
    // A ring's pixels three to the side; a disc's fill one below and left of
    // its centre.
    for (qsizetype i = 0; i < marks.size(); i += 3) {
        const int x = marks[i], y = marks[i + 1];
        const QString where = QString("%1, %2").arg(x).arg(y);
        QVERIFY2(marked(x - 3, y) && marked(x + 3, y), qPrintable(where));
        // Inside: the change curve crosses the zero line's marks, and at a
        // display scale its dots reach into their rings; nothing is drawn
        // by the frame's edge but the marks.
        if (x == 596 || ratio == 1.0)
            QVERIFY2(marked(x - 1, y + 1) == bool(marks[i + 2]), qPrintable(where));
    }
    if (marks.isEmpty())
        QVERIFY(!marked(596, 211) && !marked(593, 287));
}

QUORVEL_TEST_MAIN(TestWmean)
#include "tst_wmean.moc"
