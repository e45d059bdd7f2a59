// Reading the curves: the numbers kept for each curve, the point nearest the
// pointer, the copied table and picture, the sound, and reading mode's keys.
#include "cases.h"
#include "fitness.h"
#include "helpers.h"
#include "reading/curve_sound.h"
#include "reading/help_text.h"
#include "reading/readout.h"
#include "reading/tool_bindings.h"
#include "reading/values_table.h"

#include <QClipboard>
#include <QTest>
#include <cmath>

using quorvel::platform::qt::Native;
using testing::Click;
using testing::DrawnAt;
using testing::LocaleScope;
using testing::SetBars;
using testing::WindowUnderTest;

Q_DECLARE_METATYPE(quorvel::platform::KeyPress)

class TestRead : public QObject {
    Q_OBJECT

private slots:
    void keptPointsAreTheModelsValues();
    void newest1000CurvesAreKept();
    void nearestPoint_data();
    void nearestPoint();
    void readoutsSayWhatTheyShow_data();
    void readoutsSayWhatTheyShow();
    void copiedTable_data();
    void copiedTable();
    void copiedTableLeavesUndefinedChangesEmpty();
    void copiedPicture();
    void soundHasTheCurvesPitch_data();
    void soundHasTheCurvesPitch();
    void readingModeKeys();
    void readingModeMovesBetweenCurves();
    void keysStartTheirTools_data();
    void keysStartTheirTools();
    void menuListsEveryToolWithItsKey();
    void zoomGoesByItsSteps();
    void noteShowsBesideThePointer();
    void helpGivesTheModel_data();
    void helpGivesTheModel();
    void redrawnDrawingIsTheSame();
    void drawnAgainSharpAtANewScale_data();
    void drawnAgainSharpAtANewScale();
    void zoomScalesTheWindowAndItsDrawing();
};

namespace {

// Shortcuts reach only the active window.
bool Activate(WindowUnderTest &t) {
    t.widget().show();
    QApplication::setActiveWindow(&t.widget());
    return QTest::qWaitForWindowActive(&t.widget());
}

QString Words(const quorvel::Readout &readout) {
    return QString::fromStdU16String(readout.value + u" | " + readout.settings);
}

// The centre of the ring reading mode shows, or (-1, -1) while it is hidden.
QPoint Marker(WindowUnderTest &t) {
    QWidget *ring = nullptr;
    for (QWidget *child : t.widget().findChildren<QWidget *>())
        if (child->metaObject()->className() == QStringLiteral("QWidget") &&
            child->size() == QSize(13, 13))
            ring = child;
    return ring && ring->isVisible() ? ring->geometry().center() : QPoint(-1, -1);
}

} // namespace

// A RUN keeps its 101 frequencies and a W Mean its 1000 passes, bit for bit
// what the model gives; CLS forgets them.
void TestRead::keptPointsAreTheModelsValues() {
    WindowUnderTest t;
    SetBars(t.window, 100, 100, 0, 500);
    Click(t.window.RUN);
    std::vector<quorvel::platform::DrawCall> calls;
    Native(t.window.surface)->setRecorder(&calls);
    Click(t.window.Wmean);
    Native(t.window.surface)->setRecorder(nullptr);
    const auto &all = t.window.drawn.all();
    QCOMPARE(all.size(), std::size_t(2));
    const std::vector<double> run =
        t.window.drawn.values(std::get<quorvel::TrajectoryCurve>(all[0])).line(0);
    QCOMPARE(run.size(), std::size_t(101));
    double p = 0.5;
    for (std::size_t g = 0; g < run.size(); ++g) {
        QCOMPARE(run[g], p);
        p = quorvel::NextFrequency(p, quorvel::MeanFitness(p, 1, 1, 0), 1, 1);
    }
    QCOMPARE(run[1], 2.0 / 3.0); // 0.5 / 0.75
    const auto &passes = t.window.drawn.passes(std::get<quorvel::SweepCurves>(all[1]));
    QCOMPARE(passes.size(), std::size_t(1000));
    QVERIFY(!passes[0].changeDrawn); // 0/0 at p = 0
    QCOMPARE(passes[0].meanFitness, 0.0);
    QCOMPARE(passes[999].p, 0.9990000000000008);
    const double p500 = passes[500].p, w500 = quorvel::MeanFitness(p500, 1, 1, 0);
    QCOMPARE(passes[500].meanFitness, w500);
    QCOMPARE(passes[500].change, quorvel::NextFrequency(p500, w500, 1, 1) - p500);
    // And they are the dots W Mean drew: the mean fitness at every pass, the
    // change at every pass but the first.
    // The balances' marks are lines after the dots.
    std::erase_if(calls, [](const auto &call) {
        return call.kind != quorvel::platform::DrawCall::Kind::Point;
    });
    QCOMPARE(calls.size(), std::size_t(1999));
    for (std::size_t i = 1; i < passes.size(); ++i) {
        QCOMPARE(calls[2 * i - 1].y, static_cast<float>(420.0 - 100.0 * passes[i].meanFitness));
        QCOMPARE(calls[2 * i].y, static_cast<float>(365.0 - 150.0 * passes[i].change));
    }
    Click(t.window.CLS);
    QVERIFY(t.window.drawn.empty());
}

// A class that never clears keeps the newest 1,000 curves: one more RUN lets
// the oldest go, and the copied table has a column for each of the rest.
void TestRead::newest1000CurvesAreKept() {
    WindowUnderTest t;
    SetBars(t.window, 100, 100, 100, -1);
    for (int p0 = 0; p0 <= 1000; ++p0) { // 1,001 runs
        t.window.VScrollp->SetValue(p0);
        t.window.RUN_Click();
    }
    const QString table = QString::fromStdU16String(quorvel::ValuesTable(English, t.window.drawn));
    const QStringList header = table.section('\n', 0, 0).split('\t');
    QCOMPARE(header.size(), 1 + 1000);
    QCOMPARE(header[1],
             QString("p (w = 1, 1, 1 (s = 0, no h: the homozygotes are equally fit); p0 = 0.001)"));
    QCOMPARE(header[1000],
             QString("p (w = 1, 1, 1 (s = 0, no h: the homozygotes are equally fit); p0 = 1)"));
}

void TestRead::nearestPoint_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("words"); // empty: no point
    // Flat lines at p = 0.2 (y = 256.8) and p = 0.8 (y = 166.2).
    // %1: the fitnesses 0.5, 0.5, 0.5, as the readout names them.
    QTest::newRow("nearer the lower line")
        << 200.0 << 220.0 << "generation 21: p = 0.200 | %1; p0 = 0.2";
    QTest::newRow("on the frame's top-left corner")
        << 96.0 << 136.0 << "generation 0: p = 0.800 | %1; p0 = 0.8";
    QTest::newRow("half-way: the newer curve")
        << 301.0 << 211.5 << "generation 41: p = 0.800 | %1; p0 = 0.8";
    QTest::newRow("on the frame's right edge")
        << 596.0 << 166.2 << "generation 100: p = 0.800 | %1; p0 = 0.8";
    QTest::newRow("on the frame's bottom edge")
        << 301.0 << 287.0 << "generation 41: p = 0.200 | %1; p0 = 0.2";
    QTest::newRow("just left of the frame") << 95.0 << 200.0 << "";
    QTest::newRow("the change frame, where nothing is drawn") << 300.0 << 365.0 << "";
}

void TestRead::nearestPoint() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, words);
    WindowUnderTest t;
    SetBars(t.window, 50, 50, 50, 200);
    Click(t.window.RUN);
    SetBars(t.window, -1, -1, -1, 800);
    Click(t.window.RUN);
    const auto point = quorvel::NearestPoint(t.window.drawn, x, y);
    QCOMPARE(point ? Words(quorvel::ReadoutOf(English, t.window.drawn, *point)) : QString(),
             words.isEmpty() ? words
                             : words.arg("w = 0.5, 0.5, 0.5 (s = 0, no h: the homozygotes are "
                                         "equally fit)"));
}

// Overdominance, w = 0.8, 1, 0.6, at p = 0.4 (pass 400): mean fitness
// 0.128 + 0.48 + 0.216 = 0.824, and p' = (0.128 + 0.24) / 0.824, so Δp =
// 0.0466019...; at p = 0.8 (pass 800), 0.856 and 0.672 / 0.856 - 0.8 =
// -0.0149532...: the change to four decimals, signed, the rest to three.
void TestRead::readoutsSayWhatTheyShow_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("pass");
    QTest::addColumn<QString>("words");
    QTest::newRow("mean fitness")
        << int(quorvel::Series::MeanFitness) << 400
        << "p = 0.400: mean fitness 0.824 | w = 0.8, 1, 0.6 (s = 0.25, h = -1: overdominance)"
           "; an unstable balance at p = 0.000, a stable balance at p = 0.667, and an unstable "
           "balance at p = 1.000";
    QTest::newRow("positive change")
        << int(quorvel::Series::Change) << 400
        << "p = 0.400: Δp = +0.0466 | w = 0.8, 1, 0.6 (s = 0.25, h = -1: overdominance)"
           "; an unstable balance at p = 0.000, a stable balance at p = 0.667, and an unstable "
           "balance at p = 1.000";
    QTest::newRow("negative change")
        << int(quorvel::Series::Change) << 800
        << "p = 0.800: Δp = -0.0150 | w = 0.8, 1, 0.6 (s = 0.25, h = -1: overdominance)"
           "; an unstable balance at p = 0.000, a stable balance at p = 0.667, and an unstable "
           "balance at p = 1.000";
}

void TestRead::readoutsSayWhatTheyShow() {
    QFETCH(int, kind);
    QFETCH(int, pass);
    QFETCH(QString, words);
    WindowUnderTest t;
    SetBars(t.window, 80, 100, 60, -1);
    Click(t.window.Wmean);
    const quorvel::PointRef point{{0, quorvel::Series::Kind(kind)}, std::size_t(pass)};
    QCOMPARE(Words(quorvel::ReadoutOf(English, t.window.drawn, point)), words);
}

void TestRead::copiedTable_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("generation1");
    // Generation 1 of w = 1, 1, 0.5 from 0.5 is 0.5/0.875 = 4/7, from 0.25 it
    // is 0.25/0.71875 = 8/23: the shortest texts that read back exactly.
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates)
                           << "generation\tp (w = 1, 1, 0.5 (s = 0.5, h = 0); p0 = 0.5)\tp (w = 1, "
                              "1, 0.5 (s = 0.5, h = 0); p0 = 0.25)"
                           << "1\t0.5714285714285714\t0.34782608695652173";
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany)
                           << "generation\tp (w = 1, 1, 0,5 (s = 0,5, h = 0); p0 = 0,5)\tp (w = 1, "
                              "1, 0,5 (s = 0,5, h = 0); p0 = 0,25)"
                           << "1\t0,5714285714285714\t0,34782608695652173";
}

void TestRead::copiedTable() {
    QFETCH(QLocale, locale);
    QFETCH(QString, header);
    QFETCH(QString, generation1);
    LocaleScope scope(locale);
    WindowUnderTest t;
    QVERIFY(Activate(t));
    SetBars(t.window, 100, 100, 50, 500);
    Click(t.window.RUN);
    SetBars(t.window, -1, -1, -1, 250);
    Click(t.window.RUN);
    Native(t.window.RUN)->setFocus();
    QTest::keyClick(Native(t.window.RUN), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    QCOMPARE(lines.size(), 103); // header, generations 0 to 100, and the last newline
    QCOMPARE(lines[0], header);
    QCOMPARE(lines[2], generation1);
}

// For a recessive lethal the change is undefined at p = 0: its cell stays
// empty rather than saying 0, which would be a value.
void TestRead::copiedTableLeavesUndefinedChangesEmpty() {
    WindowUnderTest t;
    SetBars(t.window, 100, 100, 0, -1);
    Click(t.window.Wmean);
    const QStringList lines =
        QString::fromStdU16String(quorvel::ValuesTable(English, t.window.drawn)).split('\n');
    QCOMPARE(
        lines[0],
        QString(
            "p\tmean fitness (w = 1, 1, 0 (s = 1, h = 0))\t\u0394p (w = 1, 1, 0 (s = 1, h = 0))"));
    QCOMPARE(lines[1], QString("0\t0\t"));
    QCOMPARE(lines[2].split('\t').size(), 3);
    QVERIFY(!lines[2].endsWith('\t'));
}

// The window at device resolution with each curve's settings beside it, in
// the order they were drawn.
void TestRead::copiedPicture() {
    WindowUnderTest t;
    SetBars(t.window, 100, 100, 50, 500);
    Click(t.window.RUN);
    auto *form = static_cast<quorvel::platform::qt::Form *>(&t.widget());
    const QImage picture = form->picture({u"RUN: w = 1, 1, 0.5 (s = 0.5, h = 0); p0 = 0.5"});
    const qreal ratio = t.widget().devicePixelRatioF();
    QVERIFY(picture.width() > int(std::ceil(628 * ratio)) + 100); // the legend beside it
    QCOMPARE(picture.height(), int(std::ceil(474 * ratio)));
    // The first dot, (96, 211.5), at its centre.
    QCOMPARE(picture.pixelColor(int(96.5 * ratio), int(212 * ratio)), t.drawingColour());
    Click(t.window.Wmean);
    const auto legend = quorvel::PictureLegend(English, t.window.drawn);
    QCOMPARE(legend.size(), std::size_t(2));
    QCOMPARE(legend[0], QString("RUN: w = 1, 1, 0.5 (s = 0.5, h = 0); p0 = 0.5"));
    QCOMPARE(legend[1], QString("W Mean: w = 1, 1, 0.5 (s = 0.5, h = 0)"));
}

// Two seconds of 22050 samples a second; a flat curve at height h of its
// frame sounds at 220 * 4^h Hz, counted from the samples' zero crossings.
void TestRead::soundHasTheCurvesPitch_data() {
    QTest::addColumn<int>("p0");
    QTest::addColumn<double>("hertz");
    QTest::newRow("bottom") << 0 << 220.0;
    QTest::newRow("a quarter up") << 250 << 311.127; // 220 * sqrt(2)
    QTest::newRow("half-way") << 500 << 440.0;
    QTest::newRow("top") << 1000 << 880.0;
}

void TestRead::soundHasTheCurvesPitch() {
    QFETCH(int, p0);
    QFETCH(double, hertz);
    WindowUnderTest t;
    SetBars(t.window, 50, 50, 50, p0);
    Click(t.window.RUN);
    const auto samples = quorvel::CurveSound(t.window.drawn, {0, quorvel::Series::Trajectory});
    QCOMPARE(samples.size(), std::size_t(44100));
    int crossings = 0;
    for (std::size_t i = 22050; i < 44100 - 22050 / 4; ++i) // 0.75 s from the middle on
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    const double heard = crossings / 2.0 / 0.75;
    QVERIFY2(std::abs(heard - hertz) < 3.0, qPrintable(QString::number(heard)));
    // A 16-bit mono PCM file: 22050 samples and 44100 bytes a second.
    const auto wav = quorvel::Wav(samples);
    QCOMPARE(wav.size(), std::size_t(44 + 2 * 44100));
    const auto bytes = [&wav](int at, int count) {
        return QByteArray(reinterpret_cast<const char *>(wav.data()) + at, count);
    };
    QCOMPARE(bytes(0, 4), QByteArray("RIFF"));
    QCOMPARE(bytes(4, 4), QByteArray::fromHex("ac580100")); // 36 + 88200
    QCOMPARE(bytes(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(bytes(16, 8), QByteArray::fromHex("1000000001000100")); // 16, PCM, mono
    QCOMPARE(bytes(24, 4), QByteArray::fromHex("22560000"));         // 22050 a second
    QCOMPARE(bytes(28, 4), QByteArray::fromHex("44ac0000"));         // 44100 bytes a second
    QCOMPARE(bytes(32, 4), QByteArray::fromHex("02001000"));         // 2 a sample, 16 bits
    QCOMPARE(bytes(36, 8), QByteArray("data") + QByteArray::fromHex("88580100")); // 88200
}

// F6 reads the latest curve from its first point; the keys move the marker as
// they say and never the focused bar; Escape leaves.
void TestRead::readingModeKeys() {
    WindowUnderTest t;
    QVERIFY(Activate(t));
    SetBars(t.window, 100, 100, 50, 500);
    Click(t.window.RUN);
    QWidget *bar = Native(t.window.HScrollw1);
    bar->setFocus();
    const auto marker = [&] { return Marker(t); };
    QTest::keyClick(bar, Qt::Key_F6);
    QCOMPARE(marker().x(), 96);
    for (const auto &[key, x] : {std::pair{Qt::Key_Right, 101},
                                 {Qt::Key_PageDown, 151},
                                 {Qt::Key_End, 596},
                                 {Qt::Key_PageUp, 546},
                                 {Qt::Key_Home, 96}}) {
        QTest::keyClick(bar, key);
        QCOMPARE(marker().x(), x);
    }
    QCOMPARE(Native(t.window.Textw1)->text(), QString("1")); // the bar stayed where it was
    QTest::keyClick(bar, Qt::Key_Escape);
    QCOMPARE(marker(), QPoint(-1, -1));
    QTest::keyClick(bar, Qt::Key_Left); // the bar's own again
    QCOMPARE(Native(t.window.Textw1)->text(), QString("0.99"));
}

// After a RUN and a W Mean, F6 reads the mean fitness ((96, 370) at p = 0 for
// w(aa) = 0.5) before the change, (256, 365); Up goes to the older curve,
// Down to the newer.
void TestRead::readingModeMovesBetweenCurves() {
    WindowUnderTest t;
    QVERIFY(Activate(t));
    SetBars(t.window, 100, 100, 50, 500);
    Click(t.window.RUN);
    Click(t.window.Wmean);
    QWidget *button = Native(t.window.Wmean);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_F6);
    QCOMPARE(Marker(t), QPoint(96, 370));
    for (const auto &[key, at] : {std::pair{Qt::Key_Down, QPoint(256, 365)},
                                  {Qt::Key_Down, QPoint(256, 365)}, // the newest already
                                  {Qt::Key_Up, QPoint(96, 370)},
                                  {Qt::Key_Up, QPoint(96, 212)}, // the RUN, at (96, 211.5)
                                  {Qt::Key_Up, QPoint(96, 212)}}) {
        QTest::keyClick(button, key);
        QCOMPARE(Marker(t), at);
    }
}

namespace {

quorvel::platform::KeyPress Press(quorvel::platform::Key key, char character = 0,
                                  const char *modifiers = "") {
    quorvel::platform::KeyPress press;
    press.key = key;
    press.character = character;
    const QString m(modifiers);
    press.control = m.contains('c');
    press.shift = m.contains('s');
    press.alt = m.contains('a');
    press.meta = m.contains('m');
    return press;
}

} // namespace

// Which key starts which tool on a desktop and in a browser, which the
// browser leaves alone, and which only reading mode takes.
void TestRead::keysStartTheirTools_data() {
    using quorvel::platform::Key;
    QTest::addColumn<int>("keys");
    QTest::addColumn<quorvel::platform::KeyPress>("press");
    QTest::addColumn<int>("tool"); // -1: none
    const int desktop = int(quorvel::platform::ToolKeys::Desktop);
    const int browser = int(quorvel::platform::ToolKeys::Browser);
    using T = quorvel::platform::Tool;
    QTest::newRow("F6") << desktop << Press(Key::F6) << int(T::ReadValues);
    QTest::newRow("F6 in a browser") << browser << Press(Key::F6) << int(T::ReadValues);
    QTest::newRow("Ctrl+F6") << desktop << Press(Key::F6, 0, "c") << -1;
    QTest::newRow("F1") << desktop << Press(Key::F1) << int(T::Help);
    QTest::newRow("F1 is the browser's") << browser << Press(Key::F1) << -1;
    QTest::newRow("Alt+Shift+H") << browser << Press(Key::Letter, 'H', "as") << int(T::Help);
    QTest::newRow("Ctrl+Shift+T") << desktop << Press(Key::Letter, 'T', "cs") << int(T::CopyValues);
    QTest::newRow("Ctrl+T") << desktop << Press(Key::Letter, 'T', "c") << -1;
    QTest::newRow("Alt+Shift+T") << browser << Press(Key::Letter, 'T', "as") << int(T::CopyValues);
    QTest::newRow("Ctrl+Shift+C") << desktop << Press(Key::Letter, 'C', "cs")
                                  << int(T::CopyPicture);
    QTest::newRow("Alt+Shift+C") << browser << Press(Key::Letter, 'C', "as") << int(T::CopyPicture);
    QTest::newRow("Ctrl+S") << desktop << Press(Key::Letter, 'S', "c") << int(T::SavePicture);
    QTest::newRow("Ctrl+Shift+S") << desktop << Press(Key::Letter, 'S', "cs") << int(T::SaveValues);
    QTest::newRow("Ctrl+Shift+S is Firefox's") << browser << Press(Key::Letter, 'S', "cs") << -1;
    QTest::newRow("Alt+Shift+S") << browser << Press(Key::Letter, 'S', "as") << int(T::SaveValues);
    QTest::newRow("Meta+Alt+Shift+C") << browser << Press(Key::Letter, 'C', "asm") << -1;
    QTest::newRow("Ctrl+Plus") << desktop << Press(Key::Plus, 0, "c") << int(T::ZoomIn);
    QTest::newRow("Ctrl+Shift+Plus") << desktop << Press(Key::Plus, 0, "cs") << int(T::ZoomIn);
    QTest::newRow("Ctrl+=") << desktop << Press(Key::Equals, 0, "c") << int(T::ZoomIn);
    QTest::newRow("Ctrl+Minus") << desktop << Press(Key::Minus, 0, "c") << int(T::ZoomOut);
    QTest::newRow("Ctrl+0") << desktop << Press(Key::Digit, '0', "c") << int(T::ActualSize);
    QTest::newRow("Ctrl+Plus is the browser's") << browser << Press(Key::Plus, 0, "c") << -1;
    QTest::newRow("Space presses a button") << desktop << Press(Key::Space) << -1;
}

void TestRead::keysStartTheirTools() {
    QFETCH(int, keys);
    QFETCH(quorvel::platform::KeyPress, press);
    QFETCH(int, tool);
    const auto found = quorvel::ToolForKey(press, quorvel::platform::ToolKeys(keys));
    QCOMPARE(found ? int(*found) : -1, tool);
}

void TestRead::menuListsEveryToolWithItsKey() {
    using quorvel::platform::Key;
    // A submenu's entries after its own, each behind a "> "; the languages,
    // which have a test of their own, aside.
    const auto words = [](quorvel::platform::ToolKeys keys) {
        QStringList entries;
        for (const auto &entry : quorvel::ToolMenu(English, keys)) {
            entries << QString::fromStdU16String(entry.label + u" " + entry.keys);
            for (const auto &inner : entry.entries)
                if (inner.tool != quorvel::platform::Tool::Language)
                    entries << QString::fromStdU16String(u"> " + inner.label + u" " + inner.keys);
        }
        return entries;
    };
    const QStringList examples = {"Examples ",
                                  "> A favoured dominant allele ",
                                  "> A favoured recessive allele ",
                                  "> Overdominance ",
                                  "> Underdominance ",
                                  "> A recessive lethal ",
                                  "> Drift in a small and a large population ",
                                  "> A new favoured allele, mostly lost ",
                                  "> Mutation against selection ",
                                  "> Migration against drift ",
                                  "Language "};
    QCOMPARE(
        words(quorvel::platform::ToolKeys::Desktop),
        QStringList({"Read values F6", "Listen Space", "Copy values Ctrl+Shift+T",
                     "Copy picture Ctrl+Shift+C", "Copy link Ctrl+Shift+L", "Save picture… Ctrl+S",
                     "Save values… Ctrl+Shift+S", "Population settings "}) +
            examples +
            QStringList(
                {"Help F1", "Zoom in Ctrl+Plus", "Zoom out Ctrl+Minus", "Actual size Ctrl+0"}));
    QCOMPARE(
        words(quorvel::platform::ToolKeys::Browser),
        QStringList({"Read values F6", "Listen Space", "Copy values Alt+Shift+T",
                     "Copy picture Alt+Shift+C", "Copy link Alt+Shift+L", "Save picture… Ctrl+S",
                     "Save values… Alt+Shift+S", "Population settings "}) +
            examples + QStringList({"Help Alt+Shift+H"}));
    QVERIFY(quorvel::OpensMenu(Press(Key::F10, 0, "s")));
    QVERIFY(quorvel::OpensMenu(Press(Key::Menu)));
    QVERIFY(!quorvel::OpensMenu(Press(Key::F10)));
    // Reading mode takes only keys without modifiers.
    QCOMPARE(quorvel::ReadingKeyFor(Press(Key::Space)), quorvel::ReadingKey::Listen);
    QVERIFY(!quorvel::ReadingKeyFor(Press(Key::Left, 0, "s")));
}

void TestRead::zoomGoesByItsSteps() {
    using quorvel::platform::Tool;
    double zoom = 1.0;
    QList<double> steps;
    for (int i = 0; i < 7; ++i)
        steps << (zoom = quorvel::NextZoom(zoom, Tool::ZoomIn));
    QCOMPARE(steps, QList<double>({1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 3.0}));
    QCOMPARE(quorvel::NextZoom(2.5, Tool::ZoomOut), 2.0);
    QCOMPARE(quorvel::NextZoom(1.0, Tool::ZoomOut), 1.0);
    QCOMPARE(quorvel::NextZoom(2.5, Tool::ActualSize), 1.0);
}

// Over a frame the note shows beside the pointer, pale yellow, with the
// point's value; past the frame it goes.
void TestRead::noteShowsBesideThePointer() {
    WindowUnderTest t;
    t.widget().show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.widget()));
    SetBars(t.window, 50, 50, 50, 500);
    Click(t.window.RUN);
    // Far enough left that the note's width, which the settings' words set,
    // keeps it beside the pointer rather than within the window's edge.
    QTest::mouseMove(&t.widget(), QPoint(146, 212));
    const auto note = [&t]() -> QWidget * {
        for (QWidget *child : t.widget().findChildren<QWidget *>())
            if (child->isVisible() && t.screen().pixelColor(child->geometry().topLeft() +
                                                            QPoint(2, 2)) == QColor(255, 255, 225))
                return child;
        return nullptr;
    };
    QWidget *shown = note();
    QVERIFY(shown);
    // 14 pixels right of and below the pointer, which a display scale may put
    // on the middle of a device pixel.
    const QPoint offset = shown->geometry().topLeft() - QPoint(160, 226);
    QVERIFY2(offset.x() >= 0 && offset.x() <= 1 && offset.y() >= 0 && offset.y() <= 1,
             qPrintable(QString("%1, %2").arg(offset.x()).arg(offset.y())));
    QTest::mouseMove(&t.widget(), QPoint(50, 50));
    QVERIFY(!shown->isVisible());
}

void TestRead::helpGivesTheModel_data() {
    QTest::addColumn<int>("keys");
    QTest::addColumn<QString>("copyValues");
    QTest::newRow("desktop") << int(quorvel::platform::ToolKeys::Desktop)
                             << "Ctrl+Shift+T: copy the values of every curve";
    QTest::newRow("browser") << int(quorvel::platform::ToolKeys::Browser)
                             << "Alt+Shift+T: copy the values of every curve";
}

void TestRead::helpGivesTheModel() {
    QFETCH(int, keys);
    QFETCH(QString, copyValues);
    const QString help =
        QString::fromStdU16String(quorvel::HelpText(English, quorvel::platform::ToolKeys(keys)));
    QVERIFY(help.contains(QStringLiteral(
        "Mean fitness: w\u0304 = p\u00b2\u00b7w(AA) + 2pq\u00b7w(Aa) + q\u00b2\u00b7w(aa)\n")));
    QVERIFY(help.contains(QStringLiteral(
        "Next generation: p\u2032 = p\u00b7(p\u00b7w(AA) + q\u00b7w(Aa)) / w\u0304\n")));
    QVERIFY(help.contains(copyValues));
}

// What zoom and a new monitor draw again from the kept curves is, pixel for
// pixel, what RUN and W Mean drew.
void TestRead::redrawnDrawingIsTheSame() {
    WindowUnderTest t;
    SetBars(t.window, 80, 100, 60, 100);
    Click(t.window.RUN);
    SetBars(t.window, 100, 100, 0, -1);
    Click(t.window.Wmean);
    const QImage drawn = Native(t.window.surface)->image();
    t.window.Drawing_Rescaled();
    QCOMPARE(Native(t.window.surface)->image(), drawn);
    QCOMPARE(t.window.drawn.all().size(), std::size_t(2));
}

// A zoom draws the curves again, sharp, from the kept curves, also when they
// were drawn after a CLS: the same pixels as drawing them at that zoom.
void TestRead::drawnAgainSharpAtANewScale_data() {
    QTest::addColumn<bool>("clearedFirst");
    QTest::newRow("since start") << false;
    QTest::newRow("after a CLS") << true;
}

void TestRead::drawnAgainSharpAtANewScale() {
    QFETCH(bool, clearedFirst);
    WindowUnderTest drawnThenZoomed, zoomedThenDrawn;
    auto &first = *static_cast<quorvel::platform::qt::Form *>(&drawnThenZoomed.widget());
    auto &second = *static_cast<quorvel::platform::qt::Form *>(&zoomedThenDrawn.widget());
    SetBars(drawnThenZoomed.window, 100, 100, 50, 500);
    if (clearedFirst) {
        Click(drawnThenZoomed.window.RUN);
        Click(drawnThenZoomed.window.CLS);
    }
    SetBars(drawnThenZoomed.window, -1, -1, -1, 250);
    Click(drawnThenZoomed.window.RUN);
    first.setZoom(1.25);
    second.setZoom(1.25);
    SetBars(zoomedThenDrawn.window, 100, 100, 50, 250);
    Click(zoomedThenDrawn.window.RUN);
    const QImage expected = Native(zoomedThenDrawn.window.surface)->image();
    QCOMPARE(expected.width(), int(std::ceil(628 * 1.25 * second.devicePixelRatioF())));
    QCOMPARE(Native(drawnThenZoomed.window.surface)->image(), expected);
}

// Ctrl+Plus makes the whole window 125 %, the drawing at as many device
// pixels; Ctrl+0 makes it as it was, still drawn.
void TestRead::zoomScalesTheWindowAndItsDrawing() {
    WindowUnderTest t;
    QVERIFY(Activate(t));
    SetBars(t.window, 100, 100, 50, 500);
    Click(t.window.RUN);
    QTest::keyClick(&t.widget(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(t.widget().size(), QSize(785, 593));                       // 628 x 474 at 125 %
    QCOMPARE(Native(t.window.RUN)->geometry(), QRect(570, 20, 81, 41)); // (456, 16, 65, 33)
    const qreal ratio = t.widget().devicePixelRatioF();
    QCOMPARE(Native(t.window.surface)->image().width(), int(std::ceil(628 * 1.25 * ratio)));
    QCOMPARE(t.screen().pixelColor(120, 265), t.drawingColour()); // (96, 211.5) at 125 %
    QTest::keyClick(&t.widget(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(t.widget().size(), QSize(628, 474));
    QCOMPARE(DrawnAt(*Native(t.window.surface), cases::FirstX, cases::FirstY), t.drawingColour());
}

QUORVEL_TEST_MAIN(TestRead)
#include "tst_read.moc"
