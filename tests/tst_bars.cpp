#include "cases.h"
#include "helpers.h"

#include <QTest>

using quorvel::ParameterValue;
using quorvel::platform::qt::Native;
using testing::LocaleScope;
using testing::WindowUnderTest;

Q_DECLARE_METATYPE(QLocale)

namespace {

// The bars and their boxes by their number in the shared cases.
const char *const BarNames[] = {"HScrollw1", "HScrollw2", "HScrollw3", "VScrollp"};
const char *const BoxNames[] = {"Textw1", "Textw2", "Textw3", "TextInitp"};

} // namespace

class TestBars : public QObject {
    Q_OBJECT

private slots:
    void boxShowsTheBarsValue_data();
    void boxShowsTheBarsValue();
    void arrowsStepTheStartFrequency();
    void stepAtTheEndCallsNoHandler();
    void unmovedBarsGiveZero();
    void boxesIgnoreTyping();
    void trackClickMovesAPage_data();
    void trackClickMovesAPage();
};

void TestBars::boxShowsTheBarsValue_data() {
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    const QLocale dot(QLocale::English, QLocale::UnitedStates);
    const QLocale comma(QLocale::German, QLocale::Germany);
    for (const cases::Bar &row : cases::Bars) {
        QTest::newRow(row.name) << BarNames[row.bar] << row.value << dot << row.text << row.number;
        QTest::addRow("comma %s", row.name) << BarNames[row.bar] << row.value << comma
                                            << QString(row.text).replace('.', ',') << row.number;
    }
}

void TestBars::boxShowsTheBarsValue() {
    QFETCH(QString, bar);
    QFETCH(int, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, number);
    LocaleScope scope(locale);
    WindowUnderTest t;
    auto &w = t.window;
    const struct {
        quorvel::platform::qt::ScrollBar *bar;
        QLineEdit *box;
        quorvel::Parameter *field;
    } bindings[] = {{Native(w.HScrollw1), Native(w.Textw1), &w.w1},
                    {Native(w.HScrollw2), Native(w.Textw2), &w.w2},
                    {Native(w.HScrollw3), Native(w.Textw3), &w.w3},
                    {Native(w.VScrollp), Native(w.TextInitp), &w.p0}};
    for (const auto &binding : bindings) {
        if (binding.bar->objectName() != bar)
            continue;
        binding.bar->SetValue(value);
        QCOMPARE(binding.box->text(), text);
        QCOMPARE(binding.field->text(), text);
        QCOMPARE(ParameterValue(*binding.field), number); // the model reads 0.57, not 0
    }
    // The other boxes keep their placeholders.
    int placeholders = 0;
    for (const auto &binding : bindings)
        placeholders += !binding.field->isSet();
    QCOMPARE(placeholders, 3);
    QVERIFY(t.reports.isEmpty());
}

// The vertical bar runs from 1000 at its top, so its arrows and keys act the
// way its thumb looks: up raises p.
void TestBars::arrowsStepTheStartFrequency() {
    WindowUnderTest t;
    auto *bar = Native(t.window.VScrollp);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Up);
    QCOMPARE(Native(t.window.TextInitp)->text(), QString("0.001"));
    QTest::keyClick(bar, Qt::Key_Home); // top end
    QCOMPARE(Native(t.window.TextInitp)->text(), QString("1"));
    QTest::keyClick(bar, Qt::Key_Down);
    QCOMPARE(Native(t.window.TextInitp)->text(), QString("0.999"));
    QTest::keyClick(bar, Qt::Key_PageDown);
    QCOMPARE(Native(t.window.TextInitp)->text(), QString("0.998"));

    auto *fitness = Native(t.window.HScrollw1);
    fitness->setFocus();
    QTest::keyClick(fitness, Qt::Key_Right);
    QCOMPARE(Native(t.window.Textw1)->text(), QString("0.01"));
    QTest::keyClick(fitness, Qt::Key_PageDown); // a page jumps to the far end
    QCOMPARE(Native(t.window.Textw1)->text(), QString("1"));
    QTest::keyClick(fitness, Qt::Key_Left);
    QTest::keyClick(fitness, Qt::Key_PageUp); // and back, from 0.99, to the near one
    QCOMPARE(Native(t.window.Textw1)->text(), QString("0"));
    QTest::keyClick(fitness, Qt::Key_End);
    QTest::keyClick(fitness, Qt::Key_Home);
    QCOMPARE(Native(t.window.Textw1)->text(), QString("0"));
    QCOMPARE(ParameterValue(t.window.w1), 0.0);
    QVERIFY(t.window.w1.isSet());
}

void TestBars::stepAtTheEndCallsNoHandler() {
    WindowUnderTest t;
    Native(t.window.HScrollw2)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    Native(t.window.HScrollw2)->triggerAction(QAbstractSlider::SliderPageStepSub);
    QTest::keyClick(Native(t.window.VScrollp), Qt::Key_Down); // already at p = 0
    QTest::keyClick(Native(t.window.VScrollp), Qt::Key_End);
    QCOMPARE(Native(t.window.Textw2)->text(), QString("w(Aa)"));
    QCOMPARE(Native(t.window.TextInitp)->text(), QString("start p"));
    QVERIFY(!t.window.w2.isSet());
    QVERIFY(!t.window.p0.isSet());
}

void TestBars::unmovedBarsGiveZero() {
    WindowUnderTest t;
    t.window.HScrollw1->SetValue(40);
    t.window.HScrollw1->SetValue(0); // moved back: set, and 0
    QCOMPARE(Native(t.window.Textw1)->text(), QString("0"));
    QVERIFY(t.window.w1.isSet());
    QCOMPARE(ParameterValue(t.window.w1), 0.0);
    QCOMPARE(ParameterValue(t.window.w2), 0.0);
    QCOMPARE(ParameterValue(t.window.p0), 0.0);
}

void TestBars::boxesIgnoreTyping() {
    WindowUnderTest t;
    t.window.HScrollw2->SetValue(30);
    Native(t.window.Textw2)->setFocus();
    QTest::keyClicks(Native(t.window.Textw2), "abc");
    QTest::keyClick(Native(t.window.Textw2), Qt::Key_Backspace);
    QCOMPARE(Native(t.window.Textw2)->text(), QString("0.3"));
    QCOMPARE(ParameterValue(t.window.w2), 0.3);
}

void TestBars::trackClickMovesAPage_data() {
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("afterThumb");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    for (const cases::TrackClick &row : cases::TrackClicks)
        QTest::newRow(row.name) << row.bar << row.from << row.afterThumb << row.value << row.text;
}

// A quarter of the way along the bar is track before the middle thumb, three
// quarters track after it, on either bar at any zoom. A middle click there
// does nothing, as on Windows and in the page: no jump to where it fell.
void TestBars::trackClickMovesAPage() {
    QFETCH(int, bar);
    QFETCH(int, from);
    QFETCH(bool, afterThumb);
    QFETCH(int, value);
    QFETCH(QString, text);
    WindowUnderTest t;
    auto *scrollBar = t.widget().findChild<quorvel::platform::qt::ScrollBar *>(BarNames[bar]);
    QVERIFY(scrollBar);
    scrollBar->SetValue(from);
    const double along = afterThumb ? 0.75 : 0.25;
    const bool horizontal = scrollBar->orientation() == Qt::Horizontal;
    const QPoint at = horizontal ? QPoint(int(scrollBar->width() * along), scrollBar->height() / 2)
                                 : QPoint(scrollBar->width() / 2, int(scrollBar->height() * along));
    QTest::mouseClick(scrollBar, Qt::MiddleButton, {}, at);
    QCOMPARE(int(scrollBar->Value()), from);
    QTest::mouseClick(scrollBar, Qt::LeftButton, {}, at);
    QCOMPARE(int(scrollBar->Value()), value);
    QCOMPARE(t.widget().findChild<QLineEdit *>(BoxNames[bar])->text(), text);
    QVERIFY(t.reports.isEmpty());
}

QUORVEL_TEST_MAIN(TestBars)
#include "tst_bars.moc"
