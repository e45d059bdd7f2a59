#include "colours.h"
#include "test_main.h"

#include <QTest>
#include <algorithm>
#include <cmath>

using namespace quorvel::platform;

// The layout's colour codes, the system colours and the curves' ink,
// legible on every surface it lands on.
class TestColours : public QObject {
    Q_OBJECT

private slots:
    void colourCodes();
    void systemColours();
    void drawingColourIsLegible_data();
    void drawingColourIsLegible();
};

void TestColours::colourCodes() {
    QCOMPARE(Colour::FromRgb(2, 3, 4).code(), 0x00040302u);
    QVERIFY(!Colour::FromRgb(2, 3, 4).isSystem());
    QVERIFY((Colour::FromRgb(2, 3, 4).resolve() == Rgb{2, 3, 4}));
    // The window's background: red in the low byte.
    QVERIFY((Colour::FromCode(0x00FFC0C0u).resolve() == Rgb{192, 192, 255}));
    QCOMPARE(Colour::FromCode(0x00FFC0C0u).pixel(), 0xFFC0C0FFu);
    QVERIFY((Colour::FromCode(0x00E0E0E0u).resolve() == Rgb{224, 224, 224}));
}

void TestColours::systemColours() {
    QVERIFY(SystemColour::HighlightText.isSystem());
    QCOMPARE(SystemColour::HighlightText.systemIndex(), 14);
    QVERIFY((SystemColour::HighlightText.resolve() == Rgb{0, 0, 204}));
    QVERIFY((SystemColour::WindowText.resolve() == Rgb{0, 0, 0}));
    QVERIFY((SystemColour::ScrollBars.resolve() == Rgb{200, 200, 200}));
}

namespace {

// WCAG 2 relative luminance and contrast ratio.
double Luminance(Rgb colour) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}
double Contrast(Rgb a, Rgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

void TestColours::drawingColourIsLegible_data() {
    QTest::addColumn<quint32>("surface");
    QTest::newRow("Shape1's light grey") << quint32(0x00E0E0E0u);
    QTest::newRow("the small frames' scroll-bar colour") << quint32(0x80000000u);
    QTest::newRow("the window's background") << quint32(0x00FFC0C0u);
}

// The curves are drawn in highlighted text; on a projector they must still stand out.
void TestColours::drawingColourIsLegible() {
    QFETCH(quint32, surface);
    const Rgb ink = SystemColour::HighlightText.resolve();
    const double ratio = Contrast(ink, Colour::FromCode(surface).resolve());
    QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
    // Blue, not black, so that a curve along a black outline can be told from it.
    QVERIFY(ink.blue >= 150 && ink.red <= 60 && ink.green <= 60);
}

QUORVEL_UNIT_MAIN(TestColours)
#include "tst_colours.moc"
