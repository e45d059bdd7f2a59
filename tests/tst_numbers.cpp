#include "cases.h"
#include "decimal.h"
#include "number_text.h"
#include "test_main.h"
#include "text.h"

#include <QLocale>
#include <QTest>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace quorvel::platform;
using testing::LocaleScope;

Q_DECLARE_METATYPE(QLocale)

// Numbers as the boxes write them and read them back, in the user's
// locale: exact decimal texts, the shortest and the three-decimal forms; and
// UTF-8 read strictly.
class TestNumbers : public QObject {
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
void TestNumbers::decimalTextsAreExact() {
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

void TestNumbers::numberText_data() {
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

void TestNumbers::numberText() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    LocaleScope scope(locale);
    QCOMPARE(NumberToText(value), text);
    QCOMPARE(TextToNumber(text.toStdU16String()), value);
}

void TestNumbers::everyBarValueReadsBack_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("dot") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("comma") << QLocale(QLocale::French, QLocale::France);
}

// Whatever a bar shows must be the very double the model then receives.
void TestNumbers::everyBarValueReadsBack() {
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

void TestNumbers::threeDecimals_data() {
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

void TestNumbers::threeDecimals() {
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    LocaleScope scope(locale);
    QCOMPARE(FormatThreeDecimals(value), text);
}

void TestNumbers::unreadableTextIsZero() {
    bool ok = true;
    QCOMPARE(TextToNumber(u"w(AA)", &ok), 0.0);
    QVERIFY(!ok);
    QCOMPARE(TextToNumber(u""), 0.0);
}

// Each malformed byte reads as U+FFFD, and a character only from its
// shortest form: "C0 AF" and its longer kin are no "/", as a path or a
// placeholder would read them.
void TestNumbers::utf8ReadsShortestFormsOnly_data() {
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

void TestNumbers::utf8ReadsShortestFormsOnly() {
    QFETCH(QByteArray, utf8);
    QFETCH(QString, text);
    QCOMPARE(quorvel::platform::FromUtf8(std::string_view(utf8.constData(), utf8.size())), text);
}

QUORVEL_UNIT_MAIN(TestNumbers)
#include "tst_numbers.moc"
