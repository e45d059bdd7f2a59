#include "colours.h"
#include "raster.h"
#include "test_main.h"

#include <QRect>
#include <QTest>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

using namespace quorvel::platform;

// The drawing surface's raster: PSet, Line and Cls as the window calls them,
// strokes and dots at every display scale, and what a recorder sees.
class TestRaster : public QObject {
    Q_OBJECT

private slots:
    void psetPaintsOnePixel();
    void lineJoinsCurrentPointToEnd();
    void clsErasesEverything();
    void recorderSeesWhatCallersHandOver();
    void farAndNonFinitePointsAreHarmless();
    void strokeIsOneLogicalPixelWide_data();
    void strokeIsOneLogicalPixelWide();
    void slopedStrokeIsNotAStaircase();
    void dotsFillTheirLogicalPixelsExactly_data();
    void dotsFillTheirLogicalPixelsExactly();
    void dotsSitWhereTheyFall_data();
    void dotsSitWhereTheyFall();
    void drawingStaysThroughAScaleChange();
};

namespace {

constexpr std::uint32_t Red = 0xFFFF0000u;

Raster Blank(int width, int height, Colour colour = Colour::FromRgb(255, 0, 0)) {
    Raster raster(colour);
    raster.resize(width, height, 1.0);
    return raster;
}

int Painted(const Raster &raster, int left, int top, int width, int height) {
    int count = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            count += raster.pixelAt(x, y) != 0;
    return count;
}
int Painted(const Raster &raster) {
    return Painted(raster, 0, 0, raster.width(), raster.height());
}

} // namespace

void TestRaster::psetPaintsOnePixel() {
    Raster raster = Blank(50, 40);
    raster.PSet(10.4f, 20.6f);
    QCOMPARE(Painted(raster), 1);
    QCOMPARE(raster.pixelAt(10, 21), Red);
    QCOMPARE(raster.currentX(), 10.4f);
    QCOMPARE(raster.currentY(), 20.6f);

    raster.PSet(30, 5, Colour::FromRgb(2, 3, 4));
    QCOMPARE(raster.pixelAt(30, 5), 0xFF020304u);
    QCOMPARE(Painted(raster), 2);
}

void TestRaster::lineJoinsCurrentPointToEnd() {
    Raster raster = Blank(60, 60);
    raster.PSet(5, 5);
    raster.Line(15, 5); // horizontal: 11 pixels, both ends included
    QCOMPARE(Painted(raster, 0, 0, 60, 6), 11);
    raster.Line(15, 25); // from where the last segment ended
    QCOMPARE(Painted(raster, 15, 0, 1, 60), 21);
    QCOMPARE(raster.currentY(), 25.0f);
    raster.Line(35, 35); // a slope of 1/2: one pixel in every column
    for (int x = 15; x <= 35; ++x)
        QCOMPARE(Painted(raster, x, 26, 1, 20) + (x == 15 ? 1 : 0), 1);
}

void TestRaster::clsErasesEverything() {
    Raster raster = Blank(30, 30);
    raster.PSet(1, 1);
    raster.Line(20, 20);
    QVERIFY(Painted(raster) > 0);
    raster.Cls();
    QCOMPARE(Painted(raster), 0);
    QVERIFY(raster.isEmpty()); // no memory held for an empty picture
}

void TestRaster::recorderSeesWhatCallersHandOver() {
    Raster raster(SystemColour::HighlightText);
    std::vector<DrawCall> calls;
    raster.setRecorder(&calls);
    raster.PSet(96, 211.5f);
    raster.Line(101, 200.75f);
    raster.PSet(1, 2, Colour::FromRgb(2, 3, 4));
    const std::vector<DrawCall> expected{
        {DrawCall::Kind::Point, 96, 211.5f, SystemColour::HighlightText},
        {DrawCall::Kind::Segment, 101, 200.75f, SystemColour::HighlightText},
        {DrawCall::Kind::Point, 1, 2, Colour::FromRgb(2, 3, 4)},
    };
    QVERIFY(calls == expected);
}

void TestRaster::farAndNonFinitePointsAreHarmless() {
    Raster raster = Blank(40, 40);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float far : {-1e30f, 1e30f, inf, -inf, nan, 3e9f, -3e9f}) {
        raster.PSet(far, 10);
        raster.PSet(10, far);
        raster.Line(far, far);
        raster.Line(far, -far);
    }
    QCOMPARE(Painted(raster), 0);
    // A segment from far outside into the window draws only its visible part.
    raster.PSet(-1e30f, 20);
    raster.Line(10, 20);
    QCOMPARE(Painted(raster), 11);
}

namespace {

// Painted device pixels in one device column.
std::vector<int> PaintedRows(const Raster &raster, int column) {
    std::vector<int> rows;
    for (int y = 0; y < raster.deviceHeight(); ++y)
        if (raster.pixels()[y * raster.deviceWidth() + column] != 0)
            rows.push_back(y);
    return rows;
}

Raster Scaled(double ratio) {
    Raster raster(Colour::FromRgb(255, 0, 0));
    raster.resize(60, 40, ratio);
    return raster;
}

} // namespace

void TestRaster::strokeIsOneLogicalPixelWide_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("rows");
    for (const double ratio : {1.25, 1.5, 2.0, 3.0})
        for (const float y : {10.0f, 11.0f, 12.0f, 12.5f})
            QTest::addRow("ratio %g, y %g", ratio, double(y))
                << ratio << y << int(std::lround(ratio));
}

// The same width, in whole device pixels, wherever the line lies.
void TestRaster::strokeIsOneLogicalPixelWide() {
    QFETCH(double, ratio);
    QFETCH(float, y);
    QFETCH(int, rows);
    Raster raster = Scaled(ratio);
    raster.PSet(5, y);
    raster.Line(50, y);
    for (int column = int(6 * ratio); column < int(50 * ratio); ++column) {
        const std::vector<int> painted = PaintedRows(raster, column);
        QCOMPARE(int(painted.size()), rows);
        QCOMPARE(painted.back() - painted.front() + 1, rows); // one run, no gaps
    }
}

// At ratio 2 a slope of 1/2 climbs one device pixel every two device columns,
// not two pixels every four as a pixel-doubled line would.
void TestRaster::slopedStrokeIsNotAStaircase() {
    Raster raster = Scaled(2.0);
    raster.PSet(10, 10);
    raster.Line(30, 20);
    int previous = PaintedRows(raster, 22).front(), oddTops = 0;
    for (int column = 23; column < 58; ++column) {
        const std::vector<int> painted = PaintedRows(raster, column);
        QCOMPARE(int(painted.size()), 2);
        QVERIFY(painted.front() - previous <= 1);
        oddTops += painted.front() % 2;
        previous = painted.front();
    }
    QVERIFY(oddTops > 5);
}

void TestRaster::dotsFillTheirLogicalPixelsExactly_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("columns"); // device columns under logical pixels 0 to 9
    QTest::addColumn<int>("top");     // device rows under logical row 3
    QTest::addColumn<int>("bottom");
    QTest::newRow("1") << 1.0 << 10 << 3 << 4;
    QTest::newRow("1.5") << 1.5 << 15 << 4 << 6; // row 3 spans 4.5 to 6: centres 4.5 and 5.5
    QTest::newRow("2") << 2.0 << 20 << 6 << 8;
}

// A row of dots covers its logical pixels' device pixels once each, none twice,
// none beyond.
void TestRaster::dotsFillTheirLogicalPixelsExactly() {
    QFETCH(double, ratio);
    QFETCH(int, columns);
    QFETCH(int, top);
    QFETCH(int, bottom);
    Raster raster = Scaled(ratio);
    for (int x = 0; x < 10; ++x)
        raster.PSet(float(x), 3.0f);
    for (int column = 0; column < raster.deviceWidth(); ++column) {
        const std::vector<int> painted = PaintedRows(raster, column);
        if (column < columns) {
            QCOMPARE(painted.front(), top);
            QCOMPARE(painted.back(), bottom - 1);
            QCOMPARE(int(painted.size()), bottom - top);
        } else {
            QVERIFY(painted.empty());
        }
    }
}

void TestRaster::dotsSitWhereTheyFall_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QRect>("device"); // the device pixels a dot at (3.25, 3.5) covers
    QTest::newRow("1: the nearest pixel") << 1.0 << QRect(3, 4, 1, 1);
    // Its pixel spans 3.25 to 4.25 and 3.5 to 4.5: device 6.5 to 8.5 and 7 to 9.
    QTest::newRow("2: half a pixel on") << 2.0 << QRect(7, 7, 2, 2);
    // Device 4.875 to 6.375 and 5.25 to 6.75, two pixels wide from the nearest start.
    QTest::newRow("1.5") << 1.5 << QRect(5, 5, 2, 2);
    // Centre 4.6875 and 5: one device pixel, the nearest.
    QTest::newRow("1.25") << 1.25 << QRect(4, 5, 1, 1);
}

// A window moved to a screen of another scale keeps its drawing in place.
void TestRaster::drawingStaysThroughAScaleChange() {
    Raster raster = Scaled(1.0);
    raster.PSet(10.0f, 10.0f);
    for (const double ratio : {2.0, 1.0, 1.5}) {
        raster.resize(60, 40, ratio);
        QCOMPARE(raster.pixelAt(10, 10), Red);
        QCOMPARE(Painted(raster, 0, 0, 60, 40), 1);
    }
}

// A dot is one logical pixel wide wherever it falls, not snapped to a whole
// logical pixel, so that W Mean's 0.15-pixel steps make a smooth curve.
void TestRaster::dotsSitWhereTheyFall() {
    QFETCH(double, ratio);
    QFETCH(QRect, device);
    Raster raster = Scaled(ratio);
    raster.PSet(3.25f, 3.5f);
    QRect painted;
    for (int y = 0; y < raster.deviceHeight(); ++y)
        for (int x = 0; x < raster.deviceWidth(); ++x)
            if (raster.pixels()[y * raster.deviceWidth() + x])
                painted |= QRect(x, y, 1, 1);
    QCOMPARE(painted, device);
}

QUORVEL_UNIT_MAIN(TestRaster)
#include "tst_raster.moc"
