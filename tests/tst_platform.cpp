#include "colours.h"
#include "drawing_layer.h"
#include "error_report.h"
#include "fitness.h"
#include "helpers.h"
#include "number_text.h"

#include <QTest>
#include <limits>
#include <stdexcept>

using namespace quorvel::platform;
using testing::LocaleScope;
using testing::PaintedPixels;

Q_DECLARE_METATYPE(QLocale)

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void numberText_data();
    void numberText();
    void everyBarValueReadsBack_data();
    void everyBarValueReadsBack();
    void threeDecimals_data();
    void threeDecimals();
    void unreadableTextIsZero();

    void colourCodes();
    void systemColours();

    void guardReportsAndStops_data();
    void guardReportsAndStops();
    void guardIsSilentWhenAllIsWell();

    void psetPaintsOnePixel();
    void lineJoinsCurrentPointToEnd();
    void clsErasesEverything();
    void recorderSeesWhatCallersHandOver();
    void farAndNonFinitePointsAreHarmless();
};

void TestPlatform::numberText_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const QLocale dot(QLocale::English, QLocale::UnitedStates);
    const QLocale comma(QLocale::German, QLocale::Germany);
    QTest::newRow("0.57") << dot << 57 / 100.0 << "0.57";
    QTest::newRow("1") << dot << 100 / 100.0 << "1";
    QTest::newRow("0") << dot << 0 / 100.0 << "0";
    QTest::newRow("0.005") << dot << 5 / 1000.0 << "0.005";
    QTest::newRow("0.999") << dot << 999 / 1000.0 << "0.999";
    QTest::newRow("0,57") << comma << 57 / 100.0 << "0,57";
    QTest::newRow("0,005") << comma << 5 / 1000.0 << "0,005";
    QTest::newRow("no group separator") << comma << 1234.5 << "1234,5";
}

void TestPlatform::numberText() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    LocaleScope scope(locale);
    QCOMPARE(NumberToText(value), text);
    QCOMPARE(TextToNumber(text), value);
}

void TestPlatform::everyBarValueReadsBack_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("dot") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("comma") << QLocale(QLocale::French, QLocale::France);
}

// Whatever a bar shows must be the very double the model then receives.
void TestPlatform::everyBarValueReadsBack() {
    QFETCH(QLocale, locale);
    LocaleScope scope(locale);
    for (double divisor : {100.0, 1000.0}) {
        for (int v = 0; v <= static_cast<int>(divisor); ++v) {
            const double value = v / divisor;
            const QString text = NumberToText(value);
            QVERIFY2(TextToNumber(text) == value, qPrintable(text));
            QVERIFY2(text.size() <= 5, qPrintable(text)); // never 0.57000000000000001
        }
    }
}

void TestPlatform::threeDecimals_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const QLocale dot(QLocale::English, QLocale::UnitedKingdom);
    const QLocale comma(QLocale::German, QLocale::Germany);
    QTest::newRow("0.000") << dot << 0.0 << "0.000";
    QTest::newRow("1.000") << dot << 1.0 << "1.000";
    QTest::newRow("0.482") << dot << 0.48249 << "0.482";
    QTest::newRow("two thirds") << dot << 2.0 / 3.0 << "0.667";
    QTest::newRow("tiny") << dot << 1e-9 << "0.000";
    QTest::newRow("0,980") << comma << 0.98 << "0,980";
    QTest::newRow("1,000") << comma << 0.99999 << "1,000";
}

void TestPlatform::threeDecimals() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    LocaleScope scope(locale);
    QCOMPARE(FormatThreeDecimals(value), text);
}

void TestPlatform::unreadableTextIsZero() {
    bool ok = true;
    QCOMPARE(TextToNumber("w(AA)", &ok), 0.0);
    QVERIFY(!ok);
    QCOMPARE(TextToNumber(""), 0.0);
}

void TestPlatform::colourCodes() {
    QCOMPARE(Colour::FromRgb(2, 3, 4).code(), 0x00040302u);
    QVERIFY(!Colour::FromRgb(2, 3, 4).isSystem());
    const QPalette palette;
    QCOMPARE(Colour::FromRgb(2, 3, 4).resolve(palette), QColor(2, 3, 4));
    // The window's background: red in the low byte.
    QCOMPARE(Colour::FromCode(0x00FFC0C0u).resolve(palette), QColor(192, 192, 255));
    QCOMPARE(Colour::FromCode(0x00E0E0E0u).resolve(palette), QColor(224, 224, 224));
}

void TestPlatform::systemColours() {
    QPalette palette;
    palette.setColor(QPalette::HighlightedText, QColor(10, 20, 30));
    palette.setColor(QPalette::WindowText, QColor(40, 50, 60));
    QVERIFY(SystemColour::HighlightText.isSystem());
    QCOMPARE(SystemColour::HighlightText.systemIndex(), 14);
    QCOMPARE(SystemColour::HighlightText.resolve(palette), QColor(10, 20, 30));
    QCOMPARE(SystemColour::WindowText.resolve(palette), QColor(40, 50, 60));
    QCOMPARE(SystemColour::ScrollBars.resolve(palette), QColor(200, 200, 200));
}

void TestPlatform::guardReportsAndStops_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero mean fitness") << 0 << "mean fitness of the population is 0";
    QTest::newRow("other std::exception") << 1 << "something odd";
    QTest::newRow("not a std::exception") << 2 << "unexpected error";
}

void TestPlatform::guardReportsAndStops() {
    QFETCH(int, kind);
    QFETCH(QString, expected);
    QWidget window;
    ErrorReport errors(&window);
    QStringList reports;
    errors.setSink([&](const QString &message) { reports << message; });

    bool after = false;
    errors.guard([&] {
        if (kind == 0)
            throw quorvel::ZeroMeanFitness(true);
        if (kind == 1)
            throw std::runtime_error("something odd");
        throw 42;
        after = true;
    });
    QVERIFY(!after);
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports.first().contains(expected), qPrintable(reports.first()));
}

void TestPlatform::guardIsSilentWhenAllIsWell() {
    QWidget window;
    ErrorReport errors(&window);
    int reports = 0;
    errors.setSink([&](const QString &) { ++reports; });
    int ran = 0;
    errors.guard([&] { ++ran; });
    QCOMPARE(ran, 1);
    QCOMPARE(reports, 0);
}

void TestPlatform::psetPaintsOnePixel() {
    QWidget window;
    window.resize(50, 40);
    DrawingLayer layer(&window, Colour::FromRgb(255, 0, 0));
    layer.resize(50, 40);
    layer.PSet(10.4f, 20.6f);
    QCOMPARE(PaintedPixels(layer), 1);
    QCOMPARE(layer.pixelAt(10, 21), QColor(255, 0, 0));
    QCOMPARE(layer.currentPoint(), QPointF(10.4f, 20.6f));

    layer.PSet(30, 5, Colour::FromRgb(2, 3, 4));
    QCOMPARE(layer.pixelAt(30, 5), QColor(2, 3, 4));
    QCOMPARE(PaintedPixels(layer), 2);
}

void TestPlatform::lineJoinsCurrentPointToEnd() {
    QWidget window;
    DrawingLayer layer(&window, Colour::FromRgb(0, 0, 255));
    layer.resize(60, 60);
    layer.PSet(5, 5);
    layer.Line(15, 5); // horizontal: 11 pixels, both ends included
    QCOMPARE(PaintedPixels(layer, QRect(0, 0, 60, 6)), 11);
    layer.Line(15, 25); // from where the last segment ended
    QCOMPARE(PaintedPixels(layer, QRect(15, 0, 1, 60)), 21);
    QCOMPARE(layer.currentPoint(), QPointF(15, 25));
    layer.Line(35, 35); // a slope of 1/2: one pixel in every column
    for (int x = 15; x <= 35; ++x)
        QCOMPARE(PaintedPixels(layer, QRect(x, 26, 1, 20)) + (x == 15 ? 1 : 0), 1);
}

void TestPlatform::clsErasesEverything() {
    QWidget window;
    DrawingLayer layer(&window, Colour::FromRgb(0, 0, 0));
    layer.resize(30, 30);
    layer.PSet(1, 1);
    layer.Line(20, 20);
    QVERIFY(PaintedPixels(layer) > 0);
    layer.Cls();
    QCOMPARE(PaintedPixels(layer), 0);
}

void TestPlatform::recorderSeesWhatCallersHandOver() {
    QWidget window;
    DrawingLayer layer(&window, SystemColour::HighlightText);
    std::vector<DrawCall> calls;
    layer.setRecorder(&calls);
    layer.PSet(96, 211.5f);
    layer.Line(101, 200.75f);
    layer.PSet(1, 2, Colour::FromRgb(2, 3, 4));
    const std::vector<DrawCall> expected{
        {DrawCall::Kind::Point, 96, 211.5f, SystemColour::HighlightText},
        {DrawCall::Kind::Segment, 101, 200.75f, SystemColour::HighlightText},
        {DrawCall::Kind::Point, 1, 2, Colour::FromRgb(2, 3, 4)},
    };
    QVERIFY(calls == expected);
}

void TestPlatform::farAndNonFinitePointsAreHarmless() {
    QWidget window;
    DrawingLayer layer(&window, Colour::FromRgb(0, 0, 0));
    layer.resize(40, 40);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float far : {-1e30f, 1e30f, inf, -inf, nan, 3e9f, -3e9f}) {
        layer.PSet(far, 10);
        layer.PSet(10, far);
        layer.Line(far, far);
        layer.Line(far, -far);
    }
    QCOMPARE(PaintedPixels(layer), 0);
    // A segment from far outside into the window draws only its visible part.
    layer.PSet(-1e30f, 20);
    layer.Line(10, 20);
    QCOMPARE(PaintedPixels(layer), 11);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
