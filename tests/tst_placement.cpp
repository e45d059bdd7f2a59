#include "form_layout.h"
#include "test_main.h"
#include "tool_look.h"

#include <QTest>
#include <utility>
#include <vector>

using namespace quorvel::platform;

// Where things go: the controls' stacking, the note by a point, the ring
// on it and the legend beside a copied picture.
class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void stackingIsByLayerThenTableOrder();
    void notePlacement_data();
    void notePlacement();
    void noteAboveAFinger();
    void ringSitsOnThePixelAPointLights();
    void legendStandsRightOfTheWindow();
};

// Frames at the back, then lines, then labels, the drawing, and the controls
// on top; within a layer, the table's order.
void TestPlacement::stackingIsByLayerThenTableOrder() {
    const Row rows[] = {
        {.name = "button", .kind = Kind::Button, .left = 0, .top = 0, .width = 1, .height = 1},
        {.name = "label", .kind = Kind::Label, .left = 0, .top = 0, .width = 1, .height = 1},
        {.name = "frame", .kind = Kind::Rectangle, .left = 0, .top = 0, .width = 1, .height = 1},
        {.name = "label2", .kind = Kind::Label, .left = 0, .top = 0, .width = 1, .height = 1},
        {.name = "line", .kind = Kind::Line, .left = 0, .top = 0, .width = 1, .height = 0},
        {.name = "frame2", .kind = Kind::Rectangle, .left = 0, .top = 0, .width = 1, .height = 1},
        {.name = "bar", .kind = Kind::VerticalBar, .left = 0, .top = 0, .width = 1, .height = 1},
    };
    const std::vector<int> expected{2, 5, 4, 1, 3, DrawingInStack, 0, 6};
    QCOMPARE(StackingOrder(rows), expected);
}

// 14 pixels right of and below the point; where that would leave the window
// (628 x 474), pulled left or put above, never past the top-left corner.
void TestPlacement::notePlacement_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::newRow("room to spare") << 301.0 << 212.0 << 315.0 << 226.0;
    QTest::newRow("right edge") << 600.0 << 212.0 << 427.0 << 226.0;      // 628 - 200 - 1
    QTest::newRow("just fits below") << 100.0 << 420.0 << 114.0 << 434.0; // 434 + 40 = 474
    QTest::newRow("bottom edge") << 100.0 << 421.0 << 114.0 << 367.0;     // 421 - 14 - 40
    QTest::newRow("bottom right") << 620.0 << 470.0 << 427.0 << 416.0;
    QTest::newRow("low on the window") << 100.0 << 450.0 << 114.0 << 396.0;
}

void TestPlacement::notePlacement() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, left);
    QFETCH(double, top);
    const look::Box box = look::PlaceNote(x, y, 200, 40, 628, 474);
    QCOMPARE(box.left, left);
    QCOMPARE(box.top, top);
    QCOMPARE(box.width, 200.0);
    QCOMPARE(box.height, 40.0);
    // A note taller than the window stays on it from the top.
    QCOMPARE(look::PlaceNote(x, y, 200, 500, 628, 474).top, 0.0);
}

// Read by a finger: centred 36 pixels above the point, clear of the
// fingertip; still inside the window at its edges.
void TestPlacement::noteAboveAFinger() {
    const auto place = [](double x, double y) {
        const look::Box box = look::PlaceNote(x, y, 200, 40, 628, 474, true);
        return std::pair(box.left, box.top);
    };
    QCOMPARE(place(301, 212), std::pair(201.0, 136.0)); // 212 - 36 - 40
    QCOMPARE(place(50, 212), std::pair(0.0, 136.0));
    QCOMPARE(place(600, 212), std::pair(427.0, 136.0));
    QCOMPARE(place(301, 60), std::pair(201.0, 0.0));
}

// At ratio 1 the point (96, 211.5) lights pixel (96, 212): the ring's centre
// is that pixel's centre, its square 13 pixels.
void TestPlacement::ringSitsOnThePixelAPointLights() {
    const look::Ring ring = look::RingAt(96, 211.5);
    QCOMPARE(ring.centreX, 96.5);
    QCOMPARE(ring.centreY, 212.5);
    QCOMPARE(look::RingAt(95.4, 0.49).centreX, 95.5);
    QCOMPARE(look::RingAt(95.4, 0.49).centreY, 0.5);
    QCOMPARE(look::Ring::Extent, 13.0);
}

void TestPlacement::legendStandsRightOfTheWindow() {
    const look::Legend legend = look::PlaceLegend(628, 474, {120.5, 80});
    QCOMPARE(legend.width, 628.0 + 121 + 32);
    QCOMPARE(legend.height, 474.0);
    QCOMPARE(legend.lines.size(), std::size_t(2));
    QCOMPARE(legend.lines[0], (look::Box{644, 16, 120.5, 13}));
    QCOMPARE(legend.lines[1], (look::Box{644, 29, 80, 13}));
    // As many lines as need it make the picture taller than the window.
    QCOMPARE(look::PlaceLegend(628, 474, std::vector<double>(40, 10)).height, 40 * 13 + 32.0);
    // With no curves the picture is the window alone.
    const look::Legend none = look::PlaceLegend(628, 474, {});
    QCOMPARE(none.width, 628.0);
    QVERIFY(none.lines.empty());
    // The note and the legend take 8.25 points, 11 pixels, 13 a line; the
    // note pads its text by 4 and outlines it by 1 on each side.
    QCOMPARE(look::SizeNote({120.4, 80}), (look::Box{0, 0, 121 + 10, 2 * 13 + 10}));
}

QUORVEL_UNIT_MAIN(TestPlacement)
#include "tst_placement.moc"
