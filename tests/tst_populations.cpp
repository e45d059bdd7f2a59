#include "cases.h"
#include "fitness.h"
#include "helpers.h"
#include "reading/readout.h"
#include "reading/values_table.h"

#include <QTest>
#include <cmath>

using quorvel::platform::Tool;
using quorvel::platform::qt::Native;
using quorvel::settings::Id;
using testing::Click;
using testing::DrawnAt;
using testing::LocaleScope;
using testing::SetBars;
using testing::WindowUnderTest;

Q_DECLARE_METATYPE(QLocale)
Q_DECLARE_METATYPE(Id)

class TestPopulations : public QObject {
    Q_OBJECT

private slots:
    void barsTakeTheirSteps_data();
    void barsTakeTheirSteps();
    void panelShowsOnAskingAndWhileNeeded();
    void theoryBesideTheRun();
    void generationsSetTheAxis();
    void populationsAreCountedAndTold();
    void infinitePopulationStandsApart();
    void runAgainDrawsNewPopulations();
    void driftCanEmptyAPopulation();
    void readingStepsThroughPopulations();
    void nearestPointIsTheNearestOfAll();
    void settingsRedrawOnlyWhatTheyChange();
    void aThousandDrawingsReopen();
    void copiesNameEveryPopulation();
    void meanFitnessCurvesTakeMutation();
};

namespace {

QString Shown(quorvel::platform::TextBox *box) {
    return QString::fromStdU16String(box->text());
}

// The settings of the shared seeded case, set by its link.
void OpenSeeded(WindowUnderTest &t) {
    t.window.OpenLink(QString(cases::Seeded.link).toStdU16String());
    QVERIFY(t.reports.isEmpty());
}

} // namespace

void TestPopulations::barsTakeTheirSteps_data() {
    QTest::addColumn<Id>("setting");
    QTest::addColumn<int>("position");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    const QLocale dot(QLocale::English, QLocale::UnitedStates);
    const QLocale comma(QLocale::German, QLocale::Germany);
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char *name;
        Id setting;
        int position;
        const char *dot, *comma;
        double value;
    } rows[] = {
        {"N left end", Id::PopulationSize, 0, "1", "1", 1},
        {"N 50", Id::PopulationSize, 5, "50", "50", 50},
        {"N a million", Id::PopulationSize, 18, "1,000,000", "1.000.000", 1e6},
        {"N right end", Id::PopulationSize, 19, "\u221e", "\u221e", inf},
        {"populations right end", Id::Populations, 9, "1000", "1000", 1000},
        {"generations 10000", Id::Generations, 9, "10,000", "10.000", 10000},
        {"u smallest", Id::MutationToa, 1, "0.00001", "0,00001", 0.00001},
        {"v right end", Id::MutationToA, 13, "0.1", "0,1", 0.1},
        {"m right end", Id::Migration, 9, "0.5", "0,5", 0.5},
    };
    for (const auto &row : rows) {
        QTest::newRow(row.name) << row.setting << row.position << dot << row.dot << row.value;
        QTest::addRow("comma %s", row.name)
            << row.setting << row.position << comma << row.comma << row.value;
    }
}

// Each setting's box shows the value its bar stands at, in the user's
// numbers, and the model takes exactly that value.
void TestPopulations::barsTakeTheirSteps() {
    QFETCH(Id, setting);
    QFETCH(int, position);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, value);
    LocaleScope scope(locale);
    WindowUnderTest t;
    t.window.Bar(setting)->SetValue(position);
    QCOMPARE(Shown(t.window.Box(setting)), text);
    const quorvel::PopulationSettings model = t.window.Populations();
    const double taken = setting == Id::PopulationSize ? (model.infinite() ? HUGE_VAL : model.size)
                         : setting == Id::Populations  ? model.populations
                         : setting == Id::Generations  ? model.generations
                         : setting == Id::MutationToa  ? model.mutationToa
                         : setting == Id::MutationToA  ? model.mutationToA
                                                       : model.migration;
    QCOMPARE(taken, value);
    // The keys go to the ends: the bar's first and last values.
    auto *bar = Native(t.window.Bar(setting));
    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(t.window.Bar(setting)->Value(), bar->maximum());
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(t.window.Bar(setting)->Value(), 0);
    QVERIFY(t.reports.isEmpty());
}

// Hidden at the start, the panel opens from the menu, after the window's own
// controls in Tab's order; a setting off its default keeps it open.
void TestPopulations::panelShowsOnAskingAndWhileNeeded() {
    WindowUnderTest t;
    QWidget &form = t.widget();
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(form.size(), QSize(628, 474));
    QVERIFY(!Native(t.window.Bar(Id::PopulationSize))->isVisible());

    t.window.Menu_Click(Tool::PopulationSettings);
    QCOMPARE(form.size(), QSize(628 + 212, 474));
    QVERIFY(Native(t.window.Bar(Id::PopulationSize))->isVisible());
    QCOMPARE(QApplication::focusWidget(), Native(t.window.Bar(Id::PopulationSize)));
    // Tab from W Mean, the window's last control, reaches the panel's first.
    Native(t.window.Wmean)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Native(t.window.Box(Id::PopulationSize)));
    QCOMPARE(t.announced(), QString("Population settings shown."));

    t.window.Bar(Id::PopulationSize)->SetValue(5);
    t.window.Menu_Click(Tool::PopulationSettings); // N = 50 is not the default
    QCOMPARE(form.size(), QSize(840, 474));
    QCOMPARE(t.announced(),
             QString("The population settings stay shown while any of them differs from its "
                     "default."));
    QCOMPARE(form.windowTitle(), QString("Quorvel, N = 50"));
    t.window.Bar(Id::PopulationSize)->SetValue(19); // back to infinite: still shown
    QCOMPARE(form.size(), QSize(840, 474));
    QCOMPARE(form.windowTitle(), QString("Quorvel, deterministic"));
    t.window.Menu_Click(Tool::PopulationSettings);
    QCOMPARE(form.size(), QSize(628, 474));
    QVERIFY(QApplication::focusWidget() == nullptr || !QApplication::focusWidget()->isHidden());

    // A link that sets one shows them at once.
    t.window.OpenLink(u"#populations=5");
    QCOMPARE(form.size(), QSize(840, 474));
}

// The frame spans the generations set: what is drawn is drawn again on the
// new axis, and the captions follow.
void TestPopulations::generationsSetTheAxis() {
    WindowUnderTest t;
    SetBars(t.window, 100, 100, 0, 500); // a recessive lethal: q = q0 / (1 + t q0)
    Click(t.window.RUN);
    const auto y = [](double q) { return 287 - 151 * (1 - q); };
    const auto &layer = *Native(t.window.surface);
    QCOMPARE(DrawnAt(layer, 596, y(0.5 / 51)), t.drawingColour());
    t.window.Bar(Id::Generations)->SetValue(4); // 200
    QCOMPARE(Native(t.window.Label6)->text(), QString("200 generations"));
    QCOMPARE(Native(t.window.Label2)->text(), QString("Frequency A  p200"));
    // The run of 100 generations ends half way across now.
    QCOMPARE(DrawnAt(layer, 346, y(0.5 / 51)), t.drawingColour());
    QCOMPARE(DrawnAt(layer, 596, y(0.5 / 51)).alpha(), 0);
    Click(t.window.RUN);
    QCOMPARE(Shown(t.window.Textp100), QString("0.995")); // q = 0.5 / 101
    QCOMPARE(DrawnAt(layer, 596, y(0.5 / 101)), t.drawingColour());
    // Ten thousand: the caption is whole, grown left where it must.
    t.window.Bar(Id::Generations)->SetValue(9);
    QLabel *caption = Native(t.window.Label6);
    QCOMPARE(caption->text(), QString("10000 generations"));
    QVERIFY(caption->width() >= caption->fontMetrics().horizontalAdvance(caption->text()));
    QVERIFY(caption->geometry().right() < 628);
    QVERIFY(t.reports.isEmpty());
}

// The shared seeded case: its boxes, and the sentence that tells them.
void TestPopulations::populationsAreCountedAndTold() {
    WindowUnderTest t;
    OpenSeeded(t);
    QCOMPARE(Shown(t.window.Textp100), QString(cases::Seeded.meanP));
    QCOMPARE(Shown(t.window.TextFixed), QString(cases::Seeded.fixed));
    QCOMPARE(Shown(t.window.TextLost), QString(cases::Seeded.lost));
    QCOMPARE(Shown(t.window.TextBoth), QString(cases::Seeded.both));
    QCOMPARE(
        t.announced(),
        QString("Populations: w(AA) 1, w(Aa) 0.95, w(aa) 0.9, from p0 0.3; N = 50; 20 "
                "populations; 200 generations; u = 0.001; v = 0.0005; m = 0.01; seed 12345. "
                "Of 20 populations of N = 50, after 200 generations: %1 fixed A, %2 lost it, "
                "%3 hold both; mean p = %4.")
            .arg(cases::Seeded.fixed, cases::Seeded.lost, cases::Seeded.both, cases::Seeded.meanP));
}

// Beside the populations, the infinite one with the same selection, three
// black pixels wide over them; without drift it is the model's own path.
void TestPopulations::infinitePopulationStandsApart() {
    WindowUnderTest t;
    t.window.OpenLink(u"#n=20;populations=50;run=1,0.9,0.8,0.2,7");
    double p = 0.2;
    for (int g = 1; g <= 60; ++g)
        p = quorvel::NextFrequency(p, quorvel::MeanFitness(p, 1, 0.9, 0.8), 1, 0.9);
    const auto &layer = *Native(t.window.surface);
    for (const double dy : {-1.0, 0.0, 1.0})
        QCOMPARE(DrawnAt(layer, 96 + 5 * 60, 287 - 151 * p + dy), QColor(Qt::black));
    const auto &run = std::get<quorvel::TrajectoryCurve>(t.window.drawn.all().back());
    QCOMPARE(t.window.drawn.values(run).at(run.populations(), 60), p);
    QVERIFY(t.reports.isEmpty());
}

// Each RUN takes a seed of its own; the link keeps them, and draws the very
// same pixels again.
void TestPopulations::runAgainDrawsNewPopulations() {
    WindowUnderTest t;
    t.window.OpenLink(u"#n=10;populations=20");
    SetBars(t.window, 100, 100, 100, 500);
    Click(t.window.RUN);
    Click(t.window.RUN);
    const auto &a = std::get<quorvel::TrajectoryCurve>(t.window.drawn.all()[0]);
    const auto &b = std::get<quorvel::TrajectoryCurve>(t.window.drawn.all()[1]);
    QVERIFY(a.seed != b.seed);
    const auto early = [&t](const quorvel::TrajectoryCurve &run) {
        const auto p = t.window.drawn.values(run).at(5);
        return std::vector<double>(p.begin(), p.end());
    };
    QVERIFY(early(a) != early(b));
    const std::string link = quorvel::SetupLinkText(t.window.SetupOnScreen());
    QCOMPARE(
        QString::fromStdString(link),
        QString("#n=10;populations=20;run=1,1,1,0.5,%1;run=1,1,1,0.5,%2").arg(a.seed).arg(b.seed));
    WindowUnderTest again;
    again.window.OpenLink(QString::fromStdString(link).toStdU16String());
    QCOMPARE(Native(again.window.surface)->image(), Native(t.window.surface)->image());
    QCOMPARE(Shown(again.window.TextBoth), Shown(t.window.TextBoth));
}

// Drift may leave a population only aa, unfit with w(aa) = 0: the run stops
// there, says which, and keeps what it drew.
void TestPopulations::driftCanEmptyAPopulation() {
    WindowUnderTest t;
    t.window.OpenLink(u"#n=1;populations=20;run=1,1,0,0.5,3");
    QCOMPARE(t.reports.size(), 1);
    const QRegularExpression said(
        "^In generation (\\d+), population (\\d+) of 20 lost A by drift, and with "
        "w\\(aa\\)\u00a0=\u00a00 none of its individuals is fit");
    const QRegularExpressionMatch match = said.match(t.reports[0]);
    QVERIFY2(match.hasMatch(), qPrintable(t.reports[0]));
    const int generation = match.captured(1).toInt(), population = match.captured(2).toInt();
    const auto &run = std::get<quorvel::TrajectoryCurve>(t.window.drawn.all().back());
    QCOMPARE(run.generations, generation);
    auto &values = t.window.drawn.values(run);
    QCOMPARE(values.at(population - 1, generation), 0.0);
    for (int g = 0; g < generation; ++g) // no population was empty before
        for (const double p : values.at(g))
            QVERIFY(p != 0.0);
    QCOMPARE(Shown(t.window.Textp100), QString("p100"));
}

// Up and Down step through each population, then the infinite one.
void TestPopulations::readingStepsThroughPopulations() {
    WindowUnderTest t;
    t.window.OpenLink(u"#n=10;populations=2;run=1,1,1,0.5,11");
    QVERIFY(t.window.Form_KeyDown({quorvel::platform::Key::F6}));
    const QString settings = "w = 1, 1, 1 (s = 0, no h: the homozygotes are equally fit); p0 = "
                             "0.5; N = 10; 2 populations; seed 11";
    const auto note = [&t] { return t.announced().section("; ", 1); };
    QCOMPARE(note(), "population 1 of 2: " + settings);
    t.window.Reading_KeyDown(quorvel::ReadingKey::Down);
    QCOMPARE(note(), "population 2 of 2: " + settings);
    t.window.Reading_KeyDown(quorvel::ReadingKey::Down);
    QCOMPARE(note(), "infinite population: " + settings);
    t.window.Reading_KeyDown(quorvel::ReadingKey::Down); // the last: stays
    QCOMPARE(note(), "infinite population: " + settings);
    t.window.Reading_KeyDown(quorvel::ReadingKey::End);
    QVERIFY(t.announced().startsWith("generation 100: p = 0.500;"));
    // The pointer over the frame finds the same line's points.
    const auto point = quorvel::NearestPoint(t.window.drawn, 596, 287 - 151 * 0.5);
    QVERIFY(point && point->series.kind == quorvel::Series::Reference);
}

// The pointer's nearest point, found stretch by stretch, is the nearest of
// every point drawn, as a search through all of them finds it.
void TestPopulations::nearestPointIsTheNearestOfAll() {
    WindowUnderTest t;
    t.window.OpenLink(u"#n=20;populations=20;generations=500;run=1,0.97,0.94,0.3,5;"
                      u"generations=1000");
    QVERIFY(t.reports.isEmpty());
    const auto &drawn = t.window.drawn;
    for (const auto &[x, y] : {std::pair{100.0, 140.0}, {350.0, 280.0}, {595.0, 200.0}}) {
        double best = HUGE_VAL;
        for (const quorvel::Series &series : quorvel::AllSeries(drawn))
            for (const std::size_t g : quorvel::DrawnIndices(drawn, series)) {
                const auto at = quorvel::PositionOf(drawn, {series, g});
                best = std::min(best, std::hypot(at.x - x, at.y - y));
            }
        const auto found = quorvel::NearestPoint(drawn, x, y);
        QVERIFY(found);
        const auto at = quorvel::PositionOf(drawn, *found);
        QCOMPARE(std::hypot(at.x - x, at.y - y), best);
    }
}

// A setting redraws only where the picture changes: the size none of it,
// the generations all of it, once, and a changed link starts from the
// defaults, as a fresh window does.
void TestPopulations::settingsRedrawOnlyWhatTheyChange() {
    WindowUnderTest t;
    t.window.OpenLink(u"#n=20;populations=10;run=1,1,1,0.5,3");
    std::vector<quorvel::platform::DrawCall> calls;
    Native(t.window.surface)->setRecorder(&calls);
    t.window.Bar(Id::PopulationSize)->SetValue(4);
    QCOMPARE(calls.size(), std::size_t(0));
    t.window.Bar(Id::Generations)->SetValue(2); // 50: half of each line
    // A dot, then for each of 50 generations a move and a segment for each
    // of the ten populations, then the reference's move and 50 segments.
    QCOMPARE(calls.size(), std::size_t(1 + 50 * 2 * 10 + 1 + 50));
    Native(t.window.surface)->setRecorder(nullptr);
    t.window.Link_Changed(u"#run=1,1,0.5,0.1");
    QCOMPARE(t.window.positions(), quorvel::settings::Defaults());
    QCOMPARE(Shown(t.window.Textp100), QString("0.979"));
    t.window.OpenLink(u"#generations=10000;run=1,1,0.5,0.1");
    QVERIFY2(t.announced().endsWith(" to p10000 1.000."), qPrintable(t.announced()));
}

// A thousand drawings with their settings make a link that opens again:
// only the steps that draw count against the thousand a link may hold.
void TestPopulations::aThousandDrawingsReopen() {
    WindowUnderTest t;
    t.window.OpenLink((QString("#n=10;generations=10;") + QString("wmean=1,1,1;").repeated(999) +
                       "run=1,1,1,0.5,1")
                          .toStdU16String());
    QVERIFY(t.reports.isEmpty());
    QCOMPARE(t.window.drawn.all().size(), std::size_t(1000));
    SetBars(t.window, 50, -1, -1, -1);
    const std::string link = quorvel::SetupLinkText(t.window.SetupOnScreen());
    const auto again = quorvel::ParseSetupLink(QString::fromStdString(link).toStdU16String());
    QVERIFY(std::holds_alternative<quorvel::Setup>(again));
    QCOMPARE(std::get<quorvel::Setup>(again).steps.size(), std::size_t(2 + 1000 + 1));
}

// The copied table has a column a population and one for the infinite
// population, each named with the run's settings and seed; the legend names
// every setting that is not its default.
void TestPopulations::copiesNameEveryPopulation() {
    WindowUnderTest t;
    OpenSeeded(t);
    const QStringList rows =
        QString::fromStdU16String(quorvel::ValuesTable(English, t.window.drawn)).split('\n');
    QCOMPARE(rows.size(), 1 + 201 + 1); // header, generations 0 to 200, the last newline
    const QStringList header = rows[0].split('\t');
    QCOMPARE(header.size(), 1 + 20 + 1);
    const QString settings =
        "w = 1, 0.95, 0.9 (s = 0.1, h = 0.5); p0 = 0.3; N = 50; 20 populations; 200 "
        "generations; u = 0.001; v = 0.0005; m = 0.01; seed 12345";
    QCOMPARE(header[1], "p (population 1 of 20: " + settings + ")");
    QCOMPARE(header[21], "p (infinite population: " + settings + ")");
    QCOMPARE(rows[1].split('\t'), QString("0" + QString("\t0.3").repeated(21)).split('\t'));
    QCOMPARE(quorvel::PictureLegend(English, t.window.drawn),
             std::vector<quorvel::platform::Text>{u"RUN: " + settings.toStdU16String()});
}

// W Mean's change of p is selection's and then mutation's; its mean fitness
// selection's alone.
void TestPopulations::meanFitnessCurvesTakeMutation() {
    WindowUnderTest t;
    t.window.OpenLink(u"#mutation=0.01,0.002;wmean=1,1,1");
    const auto &sweep = std::get<quorvel::SweepCurves>(t.window.drawn.all().back());
    const auto &passes = t.window.drawn.passes(sweep);
    for (const std::size_t i : {0, 250, 999}) {
        const double p = passes[i].p;
        QCOMPARE(passes[i].meanFitness, 1.0);
        QVERIFY(std::abs(passes[i].change - (0.002 - 0.012 * p)) < 1e-15);
    }
    // Mutation alone balances at v / (u + v) = 1/6.
    QVERIFY(t.announced().endsWith("The change of p includes mutation at u = 0.01; v = 0.002. The "
                                   "change of p is 0 at a stable balance at p = 0.167, marked "
                                   "filled where stable and open where unstable."));
}

// Beside a run, the share theory expects to fix A, in the panel and the
// sentence, and without selection the heterozygosity expected: by hand,
// p0 = 0.3 without selection fixes 30 %; 2 (0.3)(0.7)(1 - 1/20)^100 =
// 0.0024866; with mutation or migration theory gives no share.
void TestPopulations::theoryBesideTheRun() {
    const struct {
        const char *link, *box, *said;
    } cases[] = {
        {"#n=10;populations=50;run=1,1,1,0.3,7", "30 %",
         "(expected 30 %). Mean heterozygosity %1 (expected 0.002)."},
        // Additive, (1 - (1 + 2hp0/c)^(1-2N)) / (1 - (1 + 2h/c)^(1-2N)) with
        // h = 0.05, c = 0.9, N = 100, p0 = 0.005: 0.10464.
        {"#n=100;populations=200;run=1,0.95,0.9,0.005,3", "10.5 %", "(expected 10.5 %)."},
        {"#n=10;populations=50;mutation=0.001,0;run=1,1,1,0.3,7", "", nullptr},
    };
    for (const auto &c : cases) {
        WindowUnderTest t;
        t.window.OpenLink(QString(c.link).toStdU16String());
        QCOMPARE(Shown(t.window.TextExpected), QString(c.box));
        const auto &run = std::get<quorvel::TrajectoryCurve>(t.window.drawn.all().back());
        double heterozygosity = 0;
        int fixed = 0;
        // The populations' lines; the infinite population's comes after them.
        for (int i = 0; i < run.populations(); ++i) {
            const double p = t.window.drawn.values(run).line(i).back();
            heterozygosity += 2 * p * (1 - p) / run.populations();
            fixed += p == 1.0;
        }
        const QString said = c.said ? QString(c.said) : QString();
        const QString expected = QString("Fixed A: %1 of %2 ").arg(fixed).arg(run.populations()) +
                                 (said.contains("%1") ? said.arg(heterozygosity, 0, 'f', 3) : said);
        QVERIFY(c.said ? t.announced().endsWith(expected) : !t.announced().contains("expected"));
    }
}

QUORVEL_TEST_MAIN(TestPopulations)
#include "tst_populations.moc"
