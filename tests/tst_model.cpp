#include "fitness.h"
#include "theory.h"

#include <QTest>
#include <cmath>
#include <limits>

using quorvel::MeanFitness;
using quorvel::NextFrequency;
using quorvel::ZeroMeanFitness;
using namespace quorvel;

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
    void theoryByHand();
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

// What theory expects, worked out by hand as fractions: the balances, p and
// 1 where stable; s and h (NaN for none), against A where aa is the fitter;
// H0 (1 - 1/2N)^G = 2 (0.5)(0.5)(1 - 1/20)^3 = 0.5 * 0.857375.
void TestModel::theoryByHand() {
    const double none = std::numeric_limits<double>::quiet_NaN();
    const struct {
        Fitnesses w;
        double u, v;
        std::vector<Balance> balances;
        bool againstA;
        double s, h;
    } cases[] = {
        {{0.8, 1, 0.6}, 0, 0, {{0, false}, {2.0 / 3, true}, {1, false}}, false, 0.25, -1},
        {{1, 0.7, 1}, 0, 0, {{0, true}, {0.5, false}, {1, true}}, false, 0, none},
        {{1, 1, 0}, 0, 0, {{0, false}, {1, true}}, false, 1, 0},
        {{0.6, 0.6, 0.6}, 0, 0, {}, false, 0, none},
        // aa the fitter: s and h are those of a harmful dominant A.
        {{0.5, 0.5, 1}, 0, 0, {{0, true}, {1, false}}, true, 0.5, 1},
        // Mutation: a recessive lethal kept at 1 - sqrt(u); alone, v / (u + v).
        {{1, 1, 0}, 0.0001, 0, {{0, false}, {0.99, true}}, false, 1, 0},
        {{1, 1, 1}, 0.03, 0.01, {{0.25, true}}, false, 0, none},
    };
    for (const auto &c : cases) {
        const std::vector<Balance> got = Balances(c.w, c.u, c.v);
        QCOMPARE(got.size(), c.balances.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            QVERIFY2(std::abs(got[i].p - c.balances[i].p) <= 2e-16,
                     qPrintable(QString::number(got[i].p, 'g', 17)));
            QCOMPARE(got[i].stable, c.balances[i].stable);
        }
        const SelectionCoefficients sh = CoefficientsOf(c.w);
        QCOMPARE(sh.against == SelectionCoefficients::Against::A, c.againstA);
        QVERIFY(std::abs(sh.s - c.s) < 1e-15 && sh.h.has_value() == !std::isnan(c.h));
        QVERIFY(!sh.h || std::abs(*sh.h - c.h) < 1e-14);
    }
    QCOMPARE(ExpectedHeterozygosity(0.5, 10, 3), 0.5 * 0.857375);
}

QTEST_APPLESS_MAIN(TestModel)
#include "tst_model.moc"
