#include "fitness.h"

#include <QTest>
#include <cmath>
#include <limits>

using quorvel::MeanFitness;
using quorvel::NextFrequency;
using quorvel::ZeroMeanFitness;

class TestModel : public QObject {
    Q_OBJECT

private slots:
    void exactValues_data();
    void exactValues();
    void equalFitnessesKeepTheFrequency_data();
    void equalFitnessesKeepTheFrequency();
    void zeroMeanFitnessIsAnError_data();
    void zeroMeanFitnessIsAnError();
    void heterozygoteShareIsHalf();
};

void TestModel::exactValues_data() {
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("wAA");
    QTest::addColumn<double>("wAa");
    QTest::addColumn<double>("waa");
    QTest::addColumn<double>("meanFitness");
    QTest::addColumn<double>("nextFrequency");

    // Every value here is exact in binary, so the comparison is to the bit.
    QTest::newRow("p = 0 keeps A absent") << 0.0 << 0.7 << 0.3 << 0.25 << 0.25 << 0.0;
    QTest::newRow("p = 1 keeps A fixed") << 1.0 << 0.75 << 0.3 << 0.9 << 0.75 << 1.0;
    QTest::newRow("overdominance balances at 1/2") << 0.5 << 0.5 << 1.0 << 0.5 << 0.75 << 0.5;
    QTest::newRow("heterozygotes absent from the mean")
        << 0.5 << 1.0 << 0.0 << 0.5 << 0.375 << 0.25 / 0.375;
    QTest::newRow("recessive lethal") << 0.5 << 1.0 << 1.0 << 0.0 << 0.75 << 0.5 / 0.75;
}

void TestModel::exactValues() {
    QFETCH(double, p);
    QFETCH(double, wAA);
    QFETCH(double, wAa);
    QFETCH(double, waa);
    QFETCH(double, meanFitness);
    QFETCH(double, nextFrequency);

    const double wbar = MeanFitness(p, wAA, wAa, waa);
    QCOMPARE(wbar, meanFitness);
    QCOMPARE(NextFrequency(p, wbar, wAA, wAa), nextFrequency);
}

void TestModel::equalFitnessesKeepTheFrequency_data() {
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("w");
    for (double p : {0.001, 0.1, 0.37, 0.5, 0.999})
        for (double w : {0.01, 0.33, 1.0})
            QTest::addRow("p=%g w=%g", p, w) << p << w;
}

// Selection needs differences in fitness: with none, p stays up to rounding.
void TestModel::equalFitnessesKeepTheFrequency() {
    QFETCH(double, p);
    QFETCH(double, w);
    const double wbar = MeanFitness(p, w, w, w);
    const double ulp = std::numeric_limits<double>::epsilon();
    QVERIFY2(std::abs(wbar - w) <= 4 * ulp * w, qPrintable(QString::number(wbar, 'g', 17)));
    const double next = NextFrequency(p, wbar, w, w);
    QVERIFY2(std::abs(next - p) <= 4 * ulp * p, qPrintable(QString::number(next, 'g', 17)));
}

void TestModel::zeroMeanFitnessIsAnError_data() {
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("wAA");
    QTest::addColumn<double>("wAa");
    QTest::addColumn<double>("waa");
    QTest::addColumn<bool>("numeratorIsZero");
    QTest::newRow("nothing set") << 0.0 << 0.0 << 0.0 << 0.0 << true;
    QTest::newRow("p = 0 and w(aa) = 0") << 0.0 << 1.0 << 1.0 << 0.0 << true;
    QTest::newRow("all fitnesses 0 at p = 0.5") << 0.5 << 0.0 << 0.0 << 0.0 << true;
}

void TestModel::zeroMeanFitnessIsAnError() {
    QFETCH(double, p);
    QFETCH(double, wAA);
    QFETCH(double, wAa);
    QFETCH(double, waa);
    QFETCH(bool, numeratorIsZero);

    const double wbar = MeanFitness(p, wAA, wAa, waa);
    QCOMPARE(wbar, 0.0);
    try {
        NextFrequency(p, wbar, wAA, wAa);
        QFAIL("a zero mean fitness gave a frequency");
    } catch (const ZeroMeanFitness &error) {
        QCOMPARE(error.numeratorIsZero(), numeratorIsZero);
    }
}

// A caller may hand in a divisor of 0 with a non-zero numerator; it is told apart.
void TestModel::heterozygoteShareIsHalf() {
    try {
        NextFrequency(0.5, 0.0, 1.0, 1.0);
        QFAIL("a zero divisor gave a frequency");
    } catch (const ZeroMeanFitness &error) {
        QVERIFY(!error.numeratorIsZero());
    }
    // Only half of the heterozygotes' gametes carry A: p q w(Aa), not 2 p q w(Aa).
    QCOMPARE(NextFrequency(0.5, 1.0, 0.0, 1.0), 0.25);
}

QTEST_APPLESS_MAIN(TestModel)
#include "tst_model.moc"
