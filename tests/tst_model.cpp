#include "fitness.h"
#include "theory.h"

#include <QTest>
#include <cmath>
#include <limits>

using quorvel::MeanFitness;
using quorvel::NextFrequency;
using quorvel::ZeroMeanFitness;
using namespace quorvel;

Q_DECLARE_METATYPE(quorvel::Fitnesses)
Q_DECLARE_METATYPE(std::vector<quorvel::Balance>)

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
    void balances_data();
    void balances();
    void coefficients_data();
    void coefficients();
    void heterozygosityExpected();
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

// Balances worked out by hand, as fractions, and whether each is stable.
void TestModel::balances_data() {
    QTest::addColumn<Fitnesses>("w");
    QTest::addColumn<double>("u");
    QTest::addColumn<double>("v");
    QTest::addColumn<std::vector<Balance>>("expected");
    QTest::newRow("overdominance: 2/3, stable")
        << Fitnesses{0.8, 1, 0.6} << 0.0 << 0.0
        << std::vector<Balance>{{0, false}, {2.0 / 3, true}, {1, false}};
    QTest::newRow("underdominance: 1/2, unstable")
        << Fitnesses{1, 0.7, 1} << 0.0 << 0.0
        << std::vector<Balance>{{0, true}, {0.5, false}, {1, true}};
    QTest::newRow("recessive lethal: 0 and 1")
        << Fitnesses{1, 1, 0} << 0.0 << 0.0 << std::vector<Balance>{{0, false}, {1, true}};
    QTest::newRow("favoured recessive: 0 unstable, however slowly A leaves it")
        << Fitnesses{1, 0.8, 0.8} << 0.0 << 0.0 << std::vector<Balance>{{0, false}, {1, true}};
    QTest::newRow("neutral: no mark")
        << Fitnesses{0.6, 0.6, 0.6} << 0.0 << 0.0 << std::vector<Balance>{};
    // (1 - p)^2 = u: a recessive lethal kept by mutation at 1 - sqrt(u).
    QTest::newRow("lethal and mutation: 0.99")
        << Fitnesses{1, 1, 0} << 0.0001 << 0.0 << std::vector<Balance>{{0, false}, {0.99, true}};
    // Without selection mutation alone balances at v / (u + v).
    QTest::newRow("mutation alone: 1/4")
        << Fitnesses{1, 1, 1} << 0.03 << 0.01 << std::vector<Balance>{{0.25, true}};
}

void TestModel::balances() {
    QFETCH(Fitnesses, w);
    QFETCH(double, u);
    QFETCH(double, v);
    QFETCH(std::vector<Balance>, expected);
    const std::vector<Balance> got = Balances(w, u, v);
    QCOMPARE(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        QVERIFY2(std::abs(got[i].p - expected[i].p) <= 2 * std::numeric_limits<double>::epsilon(),
                 qPrintable(QString::number(got[i].p, 'g', 17)));
        QCOMPARE(got[i].stable, expected[i].stable);
    }
}

// s and h against the fitter homozygote, worked out by hand; NaN for no h.
void TestModel::coefficients_data() {
    QTest::addColumn<Fitnesses>("w");
    QTest::addColumn<bool>("againstA");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("h");
    const double none = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("additive") << Fitnesses{1, 0.9, 0.8} << false << 0.2 << 0.5;
    QTest::newRow("overdominance: h = -1") << Fitnesses{0.8, 1, 0.6} << false << 0.25 << -1.0;
    QTest::newRow("aa fitter") << Fitnesses{0.5, 0.5, 1} << true << 0.5 << 1.0;
    QTest::newRow("recessive lethal") << Fitnesses{1, 1, 0} << false << 1.0 << 0.0;
    QTest::newRow("underdominance, equal homozygotes")
        << Fitnesses{1, 0.7, 1} << false << 0.0 << none;
    QTest::newRow("all unfit") << Fitnesses{0, 0, 0} << false << 0.0 << none;
}

void TestModel::coefficients() {
    QFETCH(Fitnesses, w);
    QFETCH(bool, againstA);
    QFETCH(double, s);
    QFETCH(double, h);
    const SelectionCoefficients got = CoefficientsOf(w);
    QCOMPARE(got.against == SelectionCoefficients::Against::A, againstA);
    QVERIFY(std::abs(got.s - s) < 1e-15);
    QCOMPARE(got.h.has_value(), !std::isnan(h));
    if (got.h)
        QVERIFY2(std::abs(*got.h - h) < 1e-14, qPrintable(QString::number(*got.h, 'g', 17)));
}

// H0 (1 - 1/2N)^G by hand: 2 (0.5)(0.5) (1 - 1/20)^3 = 0.5 * 0.857375.
void TestModel::heterozygosityExpected() {
    QCOMPARE(ExpectedHeterozygosity(0.5, 10, 3), 0.5 * 0.857375);
    QCOMPARE(ExpectedHeterozygosity(0.2, 10, 0), 0.32);
}

QTEST_APPLESS_MAIN(TestModel)
#include "tst_model.moc"
