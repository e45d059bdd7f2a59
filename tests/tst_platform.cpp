#include "cases.h"
#include "colours.h"
#include "decimal.h"
#include "error_report.h"
#include "fitness.h"
#include "helpers.h"
#include "layout/layout.h"
#include "number_text.h"
#include "png.h"
#include "raster.h"
#include "scroll_bar_model.h"
#include "surface.h"
#include "tool_look.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <stdexcept>

using namespace quorvel::platform;
using testing::LocaleScope;

Q_DECLARE_METATYPE(QLocale)

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void decimalTextsAreExact();
    void numberText_data();
    void numberText();
    void everyBarValueReadsBack_data();
    void everyBarValueReadsBack();
    void threeDecimals_data();
    void threeDecimals();
    void unreadableTextIsZero();
    void utf8ReadsShortestFormsOnly_data();
    void utf8ReadsShortestFormsOnly();

    void colourCodes();
    void systemColours();
    void drawingColourIsLegible_data();
    void drawingColourIsLegible();

    void guardReportsAndStops_data();
    void guardReportsAndStops();
    void guardIsSilentWhenAllIsWell();

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
    void pngIsReadByAStrictDecoder();
    void stackingIsByLayerThenTableOrder();
    void barsStepTowardsTheirEnds_data();
    void barsStepTowardsTheirEnds();
    void barPartsAlongTheBar();
    void notePlacement_data();
    void notePlacement();
    void noteAboveAFinger();
    void ringSitsOnThePixelAPointLights();
    void legendStandsRightOfTheWindow();
};

namespace {

std::string LibraryShortest(double value) {
    char text[400];
    return std::string(
        text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr);
}

// Every decimal, trailing zeros and a bare point dropped.
std::string LibraryExact(double value) {
    std::string text(1500, '\0');
    text.resize(
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 1100)
            .ptr -
        text.data());
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

std::optional<double> LibraryRead(const std::string &text) {
    double value = 0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

// The page's own conversions against libstdc++'s, which are exact by their
// standard: doubles from every binade, the bars' values, subnormals and the
// largest; and texts between two doubles, on their midpoint and either side.
void TestPlatform::decimalTextsAreExact() {
    namespace decimal = quorvel::platform::decimal;
    std::mt19937_64 random(20261209);
    std::vector<double> values{0.0,
                               0.1,
                               0.5,
                               1.0 / 3,
                               2.0 / 3,
                               0.57,
                               0.005,
                               1e-7,
                               123.25,
                               std::numeric_limits<double>::denorm_min(),
                               std::numeric_limits<double>::min(),
                               9007199254740991.0};
    for (int i = 0; i <= 1000; ++i)
        values.push_back(i / 1000.0);
    for (int i = 0; i < 3000; ++i) {
        std::uint64_t bits = random() & ~(std::uint64_t{1} << 63);
        bits = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t(bits >> 52) % 1076)
                                                             << 52; // below 2^53
        double value;
        std::memcpy(&value, &bits, sizeof value);
        values.push_back(value);
    }
    for (double value : values) {
        QCOMPARE(decimal::Exact(value), LibraryExact(value));
        QCOMPARE(decimal::Shortest(value), LibraryShortest(value));
        QCOMPARE(decimal::Shortest(-value), LibraryShortest(-value));
        QCOMPARE(decimal::Read(LibraryShortest(value)), std::optional<double>(value));
        QCOMPARE(decimal::Read(LibraryExact(value)), std::optional<double>(value));
        // Halfway to the next double, which rounds to the even one, and a
        // hair either side of it.
        const double next = std::nextafter(value, 1e300);
        std::string midpoint;
        {
            // Written out by the library from a long double, which holds the
            // mean of two neighbouring doubles exactly.
            char text[1500];
            const long double mean = (static_cast<long double>(value) + next) / 2;
            midpoint = std::string(
                text,
                std::to_chars(text, text + sizeof text, mean, std::chars_format::fixed, 1110).ptr);
            midpoint.erase(midpoint.find_last_not_of('0') + 1);
        }
        for (const std::string &text :
             {midpoint, midpoint + "0000000000000000001",
              midpoint.substr(0, midpoint.size() - 1) + char(midpoint.back() - 1) + "9"})
            QCOMPARE(decimal::Read(text), LibraryRead(text));
    }
    QCOMPARE(decimal::Read("-0.5"), std::optional<double>(-0.5));
    QCOMPARE(decimal::Read(".5"), std::optional<double>(0.5));
    QCOMPARE(decimal::Read("007."), std::optional<double>(7.0));
    for (const char *bad : {"", "-", ".", "1.2.3", "--1", "1-", "0x1", "1e5", " 1", "+1"})
        QCOMPARE(decimal::Read(bad), std::optional<double>());
    const std::string tooLarge = "1" + std::string(309, '0');
    QCOMPARE(decimal::Read(tooLarge), std::optional<double>());
    QCOMPARE(decimal::Read(LibraryExact(std::numeric_limits<double>::max())),
             std::optional<double>(std::numeric_limits<double>::max()));
}

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
    for (const cases::Number &number : cases::Numbers)
        QTest::addRow("shared %s", number.shortest) << dot << number.value << number.shortest;
}

void TestPlatform::numberText() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    LocaleScope scope(locale);
    QCOMPARE(NumberToText(value), text);
    QCOMPARE(TextToNumber(text.toStdU16String()), value);
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
            const Text text = NumberToText(value);
            QVERIFY2(TextToNumber(text) == value, qPrintable(QString::fromStdU16String(text)));
            QVERIFY(text.size() <= 5); // never 0.57000000000000001
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
    for (const cases::Number &number : cases::Numbers)
        QTest::addRow("shared %s", number.threeDecimals)
            << comma << number.value << QString(number.threeDecimals).replace('.', ',');
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
    QCOMPARE(TextToNumber(u"w(AA)", &ok), 0.0);
    QVERIFY(!ok);
    QCOMPARE(TextToNumber(u""), 0.0);
}

// Each malformed byte reads as U+FFFD, and a character only from its
// shortest form: "C0 AF" and its longer kin are no "/", as a path or a
// placeholder would read them.
void TestPlatform::utf8ReadsShortestFormsOnly_data() {
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QString>("text");
    const QString bad(QChar(0xFFFD));
    QTest::newRow("ASCII") << QByteArray("p0 = 0.5") << "p0 = 0.5";
    QTest::newRow("two bytes") << QByteArray("\xC3\xA9") << QString(QChar(0xE9));
    QTest::newRow("three bytes") << QByteArray("\xE2\x80\x9C") << QString(QChar(0x201C));
    QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x98\x80")
                                << QString::fromUcs4(U"\U0001F600");
    QTest::newRow("least of two") << QByteArray("\xC2\x80") << QString(QChar(0x80));
    QTest::newRow("least of three") << QByteArray("\xE0\xA0\x80") << QString(QChar(0x800));
    QTest::newRow("least of four")
        << QByteArray("\xF0\x90\x80\x80") << QString::fromUcs4(U"\U00010000");
    QTest::newRow("overlong / in two") << QByteArray("\xC0\xAF") << bad + bad;
    QTest::newRow("overlong / in three") << QByteArray("\xE0\x80\xAF") << bad + bad + bad;
    QTest::newRow("overlong / in four") << QByteArray("\xF0\x80\x80\xAF") << bad + bad + bad + bad;
    QTest::newRow("overlong U+07FF") << QByteArray("\xE0\x9F\xBF") << bad + bad + bad;
    QTest::newRow("a surrogate") << QByteArray("\xED\xA0\x80") << bad + bad + bad;
    QTest::newRow("past U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << bad + bad + bad + bad;
    QTest::newRow("cut short") << QByteArray("a\xE2\x80") << "a" + bad + bad;
}

void TestPlatform::utf8ReadsShortestFormsOnly() {
    QFETCH(QByteArray, utf8);
    QFETCH(QString, text);
    QCOMPARE(quorvel::platform::FromUtf8(std::string_view(utf8.constData(), utf8.size())), text);
}

void TestPlatform::colourCodes() {
    QCOMPARE(Colour::FromRgb(2, 3, 4).code(), 0x00040302u);
    QVERIFY(!Colour::FromRgb(2, 3, 4).isSystem());
    QVERIFY((Colour::FromRgb(2, 3, 4).resolve() == Rgb{2, 3, 4}));
    // The window's background: red in the low byte.
    QVERIFY((Colour::FromCode(0x00FFC0C0u).resolve() == Rgb{192, 192, 255}));
    QCOMPARE(Colour::FromCode(0x00FFC0C0u).pixel(), 0xFFC0C0FFu);
    QVERIFY((Colour::FromCode(0x00E0E0E0u).resolve() == Rgb{224, 224, 224}));
}

void TestPlatform::systemColours() {
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

void TestPlatform::drawingColourIsLegible_data() {
    QTest::addColumn<quint32>("surface");
    QTest::newRow("Shape1's light grey") << quint32(0x00E0E0E0u);
    QTest::newRow("the small frames' scroll-bar colour") << quint32(0x80000000u);
    QTest::newRow("the window's background") << quint32(0x00FFC0C0u);
}

// The curves are drawn in highlighted text; on a projector they must still stand out.
void TestPlatform::drawingColourIsLegible() {
    QFETCH(quint32, surface);
    const Rgb ink = SystemColour::HighlightText.resolve();
    const double ratio = Contrast(ink, Colour::FromCode(surface).resolve());
    QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
    // Blue, not black, so that a curve along a black outline can be told from it.
    QVERIFY(ink.blue >= 150 && ink.red <= 60 && ink.green <= 60);
}

void TestPlatform::guardReportsAndStops_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("an action stopped") << 0 << "what happened, in numbers";
    QTest::newRow("other std::exception") << 1 << "something odd";
    QTest::newRow("not a std::exception") << 2 << "unexpected error";
}

void TestPlatform::guardReportsAndStops() {
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

void TestPlatform::guardIsSilentWhenAllIsWell() {
    int reports = 0;
    ErrorReport errors([&](const Text &) { ++reports; });
    int ran = 0;
    errors.guard([&] { ++ran; });
    QCOMPARE(ran, 1);
    QCOMPARE(reports, 0);
}

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

void TestPlatform::psetPaintsOnePixel() {
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

void TestPlatform::lineJoinsCurrentPointToEnd() {
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

void TestPlatform::clsErasesEverything() {
    Raster raster = Blank(30, 30);
    raster.PSet(1, 1);
    raster.Line(20, 20);
    QVERIFY(Painted(raster) > 0);
    raster.Cls();
    QCOMPARE(Painted(raster), 0);
    QVERIFY(raster.isEmpty()); // no memory held for an empty picture
}

void TestPlatform::recorderSeesWhatCallersHandOver() {
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

void TestPlatform::farAndNonFinitePointsAreHarmless() {
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

void TestPlatform::strokeIsOneLogicalPixelWide_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("rows");
    for (const double ratio : {1.25, 1.5, 2.0, 3.0})
        for (const float y : {10.0f, 11.0f, 12.0f, 12.5f})
            QTest::addRow("ratio %g, y %g", ratio, double(y))
                << ratio << y << int(std::lround(ratio));
}

// The same width, in whole device pixels, wherever the line lies.
void TestPlatform::strokeIsOneLogicalPixelWide() {
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
void TestPlatform::slopedStrokeIsNotAStaircase() {
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

void TestPlatform::dotsFillTheirLogicalPixelsExactly_data() {
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
void TestPlatform::dotsFillTheirLogicalPixelsExactly() {
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

void TestPlatform::dotsSitWhereTheyFall_data() {
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
void TestPlatform::drawingStaysThroughAScaleChange() {
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
void TestPlatform::dotsSitWhereTheyFall() {
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

// libpng, behind QImage, refuses a file whose chunk checksums are wrong. The
// picture has flat colour, a gradient that only the Paeth and Average filters
// predict well, and one odd last pixel, so that every filter is exercised and
// a filter that mispredicts shows as a wrong colour.
void TestPlatform::pngIsReadByAStrictDecoder() {
    constexpr int Width = 350, Height = 200;
    std::vector<std::uint32_t> pixels(Width * Height, 0x00FFC0C0u);
    for (int y = 100; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            pixels[y * Width + x] = std::uint32_t((x + y) % 256) << 16 |
                                    std::uint32_t(x % 256) << 8 | std::uint32_t(y % 256);
    pixels[0] = 0x000000CCu;
    pixels[Width * Height - 1] = 0x00020304u;
    const std::vector<std::uint8_t> png = EncodePng(pixels.data(), Width, Height);
    QImage image;
    QVERIFY(image.loadFromData(png.data(), int(png.size()), "PNG"));
    QCOMPARE(image.size(), QSize(Width, Height));
    QCOMPARE(image.pixelColor(0, 0), QColor(0, 0, 204));
    QCOMPARE(image.pixelColor(1, 0), QColor(255, 192, 192));
    QCOMPARE(image.pixelColor(17, 150), QColor(167, 17, 150));
    QCOMPARE(image.pixelColor(300, 199), QColor((300 + 199) % 256, 300 % 256, 199));
    QCOMPARE(image.pixelColor(Width - 1, Height - 1), QColor(2, 3, 4));

    // No bigger than half as much again as libpng at zlib's level 6 makes it.
    QByteArray reference;
    QBuffer buffer(&reference);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(image.convertToFormat(QImage::Format_RGB888).save(&buffer, "PNG"));
    QVERIFY2(png.size() <= std::size_t(reference.size()) * 3 / 2,
             qPrintable(QString("%1 bytes against %2").arg(png.size()).arg(reference.size())));
    QVERIFY(png.size() < std::size_t(Width * Height)); // stored, it would be 3 bytes a pixel
}

// Frames at the back, then lines, then labels, the drawing, and the controls
// on top; within a layer, the table's order.
void TestPlatform::stackingIsByLayerThenTableOrder() {
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
void TestPlatform::notePlacement_data() {
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

void TestPlatform::notePlacement() {
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
void TestPlatform::noteAboveAFinger() {
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
void TestPlatform::ringSitsOnThePixelAPointLights() {
    const look::Ring ring = look::RingAt(96, 211.5);
    QCOMPARE(ring.centreX, 96.5);
    QCOMPARE(ring.centreY, 212.5);
    QCOMPARE(look::RingAt(95.4, 0.49).centreX, 95.5);
    QCOMPARE(look::RingAt(95.4, 0.49).centreY, 0.5);
    QCOMPARE(look::Ring::Extent, 13.0);
}

void TestPlatform::legendStandsRightOfTheWindow() {
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

namespace {

const Row &LayoutRow(const char *name) {
    for (const Row &row : quorvel::layout::Controls())
        if (std::string_view(row.name) == name)
            return row;
    throw std::logic_error("no such row");
}

} // namespace

// The fitness bars run 0 to 100 from their left end, a page of 100; the p bar
// 1000 at its top end to 0, a page of 1. A bar's keys and arrows step towards
// its own ends, whichever way its values run.
void TestPlatform::barsStepTowardsTheirEnds_data() {
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("to");
    using R = BarRequest;
    QTest::newRow("w left arrow") << "HScrollw1" << 50 << int(R::LineToStart) << 49;
    QTest::newRow("w right arrow") << "HScrollw1" << 50 << int(R::LineToEnd) << 51;
    QTest::newRow("w trough, left") << "HScrollw1" << 50 << int(R::PageToStart) << 0;
    QTest::newRow("w trough, right") << "HScrollw1" << 50 << int(R::PageToEnd) << 100;
    QTest::newRow("w left arrow at 0") << "HScrollw1" << 0 << int(R::LineToStart) << 0;
    QTest::newRow("w End") << "HScrollw1" << 3 << int(R::ToEnd) << 100;
    QTest::newRow("p up arrow") << "VScrollp" << 500 << int(R::LineToStart) << 501;
    QTest::newRow("p down arrow") << "VScrollp" << 500 << int(R::LineToEnd) << 499;
    QTest::newRow("p trough, above") << "VScrollp" << 500 << int(R::PageToStart) << 501;
    QTest::newRow("p up arrow at 1") << "VScrollp" << 1000 << int(R::LineToStart) << 1000;
    QTest::newRow("p Home") << "VScrollp" << 3 << int(R::ToStart) << 1000;
    QTest::newRow("p End") << "VScrollp" << 3 << int(R::ToEnd) << 0;
}

void TestPlatform::barsStepTowardsTheirEnds() {
    QFETCH(QString, bar);
    QFETCH(int, from);
    QFETCH(int, request);
    QFETCH(int, to);
    BarModel model(LayoutRow(qPrintable(bar)));
    model.set(from);
    QCOMPARE(model.after(BarRequest(request)), to);
}

// The keys, a drag's end, what a screen reader hears and where the page's
// bar has its parts: HScrollw1 is 73 pixels long, VScrollp 185.
void TestPlatform::barPartsAlongTheBar() {
    const auto key = [](Key k, bool shift = false) {
        KeyPress press;
        press.key = k;
        press.shift = shift;
        return BarRequestForKey(press);
    };
    QCOMPARE(key(Key::Left), BarRequest::LineToStart);
    QCOMPARE(key(Key::Up), BarRequest::LineToStart);
    QCOMPARE(key(Key::Right), BarRequest::LineToEnd);
    QCOMPARE(key(Key::PageDown), BarRequest::PageToEnd);
    QCOMPARE(key(Key::Home), BarRequest::ToStart);
    QVERIFY(!key(Key::Left, true));
    QVERIFY(!key(Key::Space));

    const Row &w = LayoutRow("HScrollw1"), &p = LayoutRow("VScrollp");
    QCOMPARE(BarModel(p).atFraction(0.25), 750); // a quarter of the way down from 1000
    QCOMPARE(BarModel(w).atFraction(0.5), 50);
    QCOMPARE(BarModel(w).atFraction(1.5), 100);
    QCOMPARE(ShownValue(p, 250), 0.25);
    QCOMPARE(ValueShowing(w, 0.57), 57); // 56.999... hundredths in binary
    QCOMPARE(ValueShowing(p, 7.0), 1000);

    const BarGeometry geometry = BarGeometry::Of(w);
    QCOMPARE(geometry.arrow, 17);
    QCOMPARE(geometry.track, 39);
    QCOMPARE(geometry.thumb, 17);
    QCOMPARE(geometry.thumbAt(0), 17.0);
    QCOMPARE(geometry.thumbAt(1), 39.0);
    QCOMPARE(geometry.fractionAt(28), 0.5);
    using Part = BarGeometry::Part;
    QCOMPARE(geometry.partAt(16.9, 0.5), Part::StartArrow);
    QCOMPARE(geometry.partAt(56, 0.5), Part::EndArrow);
    QCOMPARE(geometry.partAt(20, 0.0), Part::Thumb);
    QCOMPARE(geometry.partAt(34, 0.0), Part::TrackAfterThumb);
    QCOMPARE(geometry.partAt(20, 1.0), Part::TrackBeforeThumb);
    QCOMPARE(BarGeometry::Of(p).track, 151); // beside the 151-pixel p axis
}

QUORVEL_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
