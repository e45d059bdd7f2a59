#include "helpers.h"

#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <optional>

using quorvel::Quorvelcode;
using quorvel::platform::qt::Native;
using testing::LocaleScope;
using testing::WindowUnderTest;

Q_DECLARE_METATYPE(QLocale)

// Random sessions of user actions against an independent reference: after each
// action every box must show what its bar implies, p100 must match the
// reference's frequency, and an error must be reported exactly when the
// reference's mean fitness is 0.
class TestSessions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomSessions_data();
    void randomSessions();
    void soak();
    void unreadableParameterTextIsZero();

private:
    quint32 seed_ = 0;
};

namespace {

// What the user did, and what the window should show for it.
struct Reference {
    int bar[4] = {0, 0, 0, 0}; // w(AA), w(Aa), w(aa) in hundredths; p0 in thousandths
    bool moved[4] = {false, false, false, false};
    std::optional<long double> p100; // what RUN last showed; none before any run
    int errors = 0;

    double fitness(int i) const { return moved[i] ? bar[i] / 100.0 : 0.0; }
    double p0() const { return moved[3] ? bar[3] / 1000.0 : 0.0; }

    // A run fails when the mean fitness is 0 at the start frequency: every
    // term of the mean is a product of non-negative factors.
    bool runFails() const {
        const double p = p0(), q = 1 - p;
        return (p == 0 || fitness(0) == 0) && (p == 0 || q == 0 || fitness(1) == 0) &&
               (q == 0 || fitness(2) == 0);
    }
    // A sweep draws the change wherever the mean fitness is not 0, and between
    // p = 0 and 1 it is 0 only when every fitness is.
    bool sweepFails() const { return fitness(0) == 0 && fitness(1) == 0 && fitness(2) == 0; }

    // The frequency after 100 generations from the marginal fitnesses of the
    // two alleles, in long double.
    long double frequencyAfter100() const {
        const long double wAA = fitness(0), wAa = fitness(1), waa = fitness(2);
        long double p = p0();
        for (int t = 0; t < 100; ++t) {
            const long double q = 1 - p;
            const long double wA = p * wAA + q * wAa, wa = p * wAa + q * waa;
            p = p * wA / (p * wA + q * wa);
        }
        return p;
    }
};

const char *Placeholders[] = {"w(AA)", "w(Aa)", "w(aa)", "start p"};

// The text a bar's value implies, built digit by digit rather than by the
// number formatting the program uses.
QString ExpectedText(int value, int divisor, const QLocale &locale) {
    if (value == divisor)
        return "1";
    if (value == 0)
        return "0";
    QString digits = QString::number(value).rightJustified(divisor == 100 ? 2 : 3, '0');
    while (digits.endsWith('0'))
        digits.chop(1);
    return "0" + locale.decimalPoint() + digits;
}

quorvel::platform::qt::ScrollBar *Bar(Quorvelcode &w, int i) {
    quorvel::platform::qt::ScrollBar *bars[] = {Native(w.HScrollw1), Native(w.HScrollw2),
                                                Native(w.HScrollw3), Native(w.VScrollp)};
    return bars[i];
}

QLineEdit *Box(Quorvelcode &w, int i) {
    QLineEdit *boxes[] = {Native(w.Textw1), Native(w.Textw2), Native(w.Textw3),
                          Native(w.TextInitp)};
    return boxes[i];
}

// One random action, done on the window and on the reference alike.
QString Act(QRandomGenerator &random, WindowUnderTest &t, Reference &ref) {
    Quorvelcode &w = t.window;
    const int kind = random.bounded(10);
    if (kind < 7) {
        const int i = random.bounded(4);
        // Steps as the bar's own actions give them: up or down by its arrow or page step.
        static const QAbstractSlider::SliderAction actions[] = {
            QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
            QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
            QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
        const int a = random.bounded(kind < 5 ? 2 : 6);
        const int before = Bar(w, i)->Value();
        Bar(w, i)->triggerAction(actions[a]);
        const int after = Bar(w, i)->Value();
        if (after != before) {
            ref.bar[i] = after;
            ref.moved[i] = true;
        }
        return QString("bar %1 action %2 -> %3").arg(i).arg(a).arg(after);
    }
    if (kind == 7) {
        QTest::mouseClick(Native(w.RUN), Qt::LeftButton);
        if (ref.runFails())
            ++ref.errors;
        else
            ref.p100 = ref.frequencyAfter100();
        return "RUN";
    }
    if (kind == 8) {
        QTest::mouseClick(Native(w.Wmean), Qt::LeftButton);
        ref.errors += ref.sweepFails();
        return "W Mean";
    }
    QTest::mouseClick(Native(w.CLS), Qt::LeftButton);
    return "CLS";
}

// Checks what the user sees; returns an empty string when all is right.
QString Check(WindowUnderTest &t, const Reference &ref, const QLocale &locale) {
    Quorvelcode &w = t.window;
    for (int i = 0; i < 4; ++i) {
        const QString expected =
            ref.moved[i] ? ExpectedText(ref.bar[i], i == 3 ? 1000 : 100, locale) : Placeholders[i];
        if (Box(w, i)->text() != expected)
            return QString("box %1 shows %2, expected %3").arg(i).arg(Box(w, i)->text(), expected);
    }
    if (t.reports.size() != ref.errors)
        return QString("%1 errors reported, expected %2").arg(t.reports.size()).arg(ref.errors);
    if (!ref.p100) {
        if (Native(w.Textp100)->text() != "p100")
            return "p100 written without a run";
    } else {
        bool ok = false;
        const double shown = locale.toDouble(Native(w.Textp100)->text(), &ok);
        const long double expected = *ref.p100;
        if (!ok || Native(w.Textp100)->text().size() < 5 ||
            std::abs(shown - expected) > 0.0005 + 1e-9)
            return QString("p100 shows %1, reference %2")
                .arg(Native(w.Textp100)->text())
                .arg(double(expected), 0, 'f', 6);
    }
    if (!Native(w.form())->isVisible())
        return "the window is gone";
    return {};
}

} // namespace

void TestSessions::initTestCase() {
    bool given = false;
    seed_ = qEnvironmentVariableIntValue("QUORVEL_SEED", &given);
    if (!given)
        seed_ = QRandomGenerator::global()->generate();
    qInfo("random sessions use seed %u (set QUORVEL_SEED to repeat them)", seed_);
}

void TestSessions::randomSessions_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("dot") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("comma") << QLocale(QLocale::German, QLocale::Germany);
}

void TestSessions::randomSessions() {
    QFETCH(QLocale, locale);
    LocaleScope scope(locale);
    QRandomGenerator random(seed_ ^ (locale.decimalPoint() == "," ? 0x9e3779b9u : 0u));
    for (int session = 0; session < 150; ++session) {
        WindowUnderTest t;
        Native(t.window.form())->show();
        Reference ref;
        QStringList log;
        const int length = 5 + random.bounded(25);
        for (int step = 0; step < length; ++step) {
            log << Act(random, t, ref);
            const QString fault = Check(t, ref, locale);
            if (!fault.isEmpty())
                QFAIL(qPrintable(QString("seed %1, session %2: %3\nactions: %4")
                                     .arg(seed_)
                                     .arg(session)
                                     .arg(fault, log.join("; "))));
        }
    }
}

// 10,000 actions on one window that never meets a zero mean fitness.
void TestSessions::soak() {
    WindowUnderTest t;
    Quorvelcode &w = t.window;
    Native(w.form())->show();
    for (int i = 0; i < 3; ++i)
        Bar(w, i)->SetValue(50);
    QRandomGenerator random(seed_);
    int expected[3] = {50, 50, 50};
    for (int action = 0; action < 10000; ++action) {
        switch (random.bounded(5)) {
        case 0: {
            // Fitnesses stay in 1..100, so no mean fitness is ever 0.
            const int i = random.bounded(3);
            const int step = random.bounded(2) ? 1 : -1;
            if (expected[i] + step >= 1 && expected[i] + step <= 100) {
                expected[i] += step;
                Bar(w, i)->triggerAction(step > 0 ? QAbstractSlider::SliderSingleStepAdd
                                                  : QAbstractSlider::SliderSingleStepSub);
            }
            break;
        }
        case 1:
            Bar(w, 3)->triggerAction(random.bounded(2) ? QAbstractSlider::SliderSingleStepAdd
                                                       : QAbstractSlider::SliderSingleStepSub);
            break;
        case 2:
            QTest::mouseClick(Native(w.RUN), Qt::LeftButton);
            break;
        case 3:
            if (action % 10 == 0) // a sweep is 2000 dots: fewer of them keep the soak short
                QTest::mouseClick(Native(w.Wmean), Qt::LeftButton);
            break;
        default:
            QTest::mouseClick(Native(w.CLS), Qt::LeftButton);
        }
        if (action % 100 == 0)
            QCoreApplication::processEvents();
    }
    QVERIFY2(t.reports.isEmpty(), qPrintable(t.reports.value(0)));
    const QLocale locale;
    for (int i = 0; i < 3; ++i)
        QCOMPARE(Box(w, i)->text(), ExpectedText(expected[i], 100, locale));
    QCOMPARE(Native(w.TextInitp)->text(), ExpectedText(w.VScrollp->Value(), 1000, locale));
}

// A text the user cannot produce still gives a defined number: 0, like an unset bar.
void TestSessions::unreadableParameterTextIsZero() {
    QCOMPARE(quorvel::ParameterValue(quorvel::Parameter(u"abc")), 0.0);
    QCOMPARE(quorvel::ParameterValue(quorvel::Parameter(u"")), 0.0);
    QCOMPARE(quorvel::ParameterValue(quorvel::Parameter(u"1e400")), 0.0);
    QCOMPARE(quorvel::ParameterValue(quorvel::Parameter(u"nan")), 0.0);
}

QUORVEL_TEST_MAIN(TestSessions)
#include "tst_sessions.moc"
