// Drawings as links: a drawing to its link and back, bit for bit and pixel
// for pixel; every kind of bad link to its message, with the window left as
// it was; the examples as the same steps by hand; the program's argument.
#include "helpers.h"
#include "lesson/examples.h"
#include "lesson/setup_link.h"
#include "reading/tool_bindings.h"
#include "words/linguas.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <variant>

using quorvel::platform::qt::Native;
using testing::Click;
using testing::SetBars;
using testing::WindowUnderTest;

class TestLesson : public QObject {
    Q_OBJECT

private slots:
    void linkWritesBarPositions();
    void drawingReopensFromItsLink();
    void badLinksChangeNothing_data();
    void badLinksChangeNothing();
    void linksReadLeniently_data();
    void linksReadLeniently();
    void exampleIsTheSameStepsByHand();
    void linkStopsAtItsFirstStoppedStep();
    void argumentOpensALink();
    void changedLinkReplacesTheDrawing();
    void linkCarriesItsLanguage();
    void examplesFromTheMenu_data();
    void examplesFromTheMenu();
    void populationExamplesDrawWhatTheySay();
};

namespace {

QString Link(const quorvel::Quorvelcode &window) {
    return QString::fromStdString(quorvel::SetupLinkText(window.SetupOnScreen()));
}

// What a user sees of a window: its boxes and its drawing.
struct Seen {
    QStringList boxes;
    QImage drawing;
};

Seen Look(WindowUnderTest &t) {
    const quorvel::Quorvelcode &w = t.window;
    QStringList boxes;
    for (auto *box : {w.Textw1, w.Textw2, w.Textw3, w.TextInitp, w.Textp100})
        boxes << QString::fromStdU16String(box->text());
    return {boxes, Native(w.surface)->image()};
}

// The drawing by hand that the round trip starts from: runs, a W Mean in
// between, a run after it, and the bars moved on after the last.
void DrawByHand(WindowUnderTest &t) {
    SetBars(t.window, 80, 100, 60, 100);
    Click(t.window.RUN);
    SetBars(t.window, -1, -1, -1, 905);
    Click(t.window.RUN);
    SetBars(t.window, 5, 100, 0, -1);
    Click(t.window.Wmean);
    SetBars(t.window, -1, -1, -1, 1);
    Click(t.window.RUN);
    SetBars(t.window, 100, -1, -1, 125);
}

} // namespace

// Positions as the bars keep them: hundredths and thousandths, written
// shortest with a point whatever the user's language.
void TestLesson::linkWritesBarPositions() {
    testing::LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    WindowUnderTest t;
    DrawByHand(t);
    QCOMPARE(Link(t.window), QStringLiteral("#run=0.8,1,0.6,0.1;run=0.8,1,0.6,0.905;"
                                            "wmean=0.05,1,0;run=0.05,1,0,0.001;"
                                            "set=1,1,0,0.125"));
    // The start frequency moved alone after the last curve still counts.
    SetBars(t.window, 5, 100, 0, 1);
    Click(t.window.RUN);
    SetBars(t.window, -1, -1, -1, 2);
    QVERIFY(Link(t.window).endsWith(";run=0.05,1,0,0.001;set=0.05,1,0,0.002"));
    WindowUnderTest fresh;
    QCOMPARE(Link(fresh.window), QStringLiteral("#"));
}

// The link of a drawing, opened in a new window, gives the same kept
// numbers bit for bit, the same boxes and the same pixels.
void TestLesson::drawingReopensFromItsLink() {
    WindowUnderTest byHand, byLink;
    DrawByHand(byHand);
    byLink.window.OpenLink(Link(byHand.window).toStdU16String());
    QVERIFY(byLink.reports.isEmpty());
    const auto &a = byHand.window.drawn.all(), &b = byLink.window.drawn.all();
    QCOMPARE(b.size(), std::size_t(4));
    for (std::size_t i = 0; i < a.size(); ++i) {
        QCOMPARE(a[i].index(), b[i].index());
        if (const auto *run = std::get_if<quorvel::TrajectoryCurve>(&a[i])) {
            const auto &other = std::get<quorvel::TrajectoryCurve>(b[i]);
            QVERIFY(byHand.window.drawn.values(*run).line(0) ==
                    byLink.window.drawn.values(other).line(0)); // every double, exactly
            QCOMPARE(run->p0, other.p0);
        }
    }
    const Seen hand = Look(byHand), link = Look(byLink);
    QCOMPARE(link.boxes, hand.boxes);
    // p100 of the last run: the balance (w(Aa) - w(aa)) / (2 w(Aa) - w(AA) - w(aa)) = 1 / 1.95.
    QCOMPARE(link.boxes, (QStringList{"1", "1", "0", "0.125", "0.513"}));
    QVERIFY(link.drawing == hand.drawing);
}

// Each kind of bad link: one message quoting the first bad part; the window
// as it was, boxes, drawing and kept curves.
void TestLesson::badLinksChangeNothing_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("message");
    const QString steps =
        " A link holds steps such as run=0.8,1,0.6,0.1 (w(AA), w(Aa), w(aa) and p0, then RUN; a "
        "fifth value is the seed), wmean=0.8,1,0.6 (then W Mean), set=0.8,1,0.6,0.1 (the bars "
        "alone) or n=50, populations=100, generations=200, mutation=0.001,0 and migration=0.01 "
        "(the population settings), separated by semicolons.";
    const QString unused = "The link was not used: ";
    QTest::newRow("off the grid") << "#run=0.8,1,0.605,0.1"
                                  << unused +
                                         "in \u201crun=0.8,1,0.605,0.1\u201d, \u201c0.605\u201d "
                                         "is not a fitness. A fitness is 0 to 1 in steps of "
                                         "0.01, written with a point, such as 0.25.";
    QTest::newRow("p0 off the grid")
        << "#run=1,1,1,0.1;run=1,1,1,0.0005"
        << unused + "in \u201crun=1,1,1,0.0005\u201d, \u201c0.0005\u201d is not a start "
                    "frequency. p0 is 0 to 1 in steps of 0.001, written with a point, such as "
                    "0.125.";
    QTest::newRow("out of range") << "#wmean=1.01,1,1"
                                  << unused + "in \u201cwmean=1.01,1,1\u201d, \u201c1.01\u201d is "
                                              "not a fitness. A fitness is 0 to 1 in steps of "
                                              "0.01, written with a point, such as 0.25.";
    QTest::newRow("a comma for a point")
        << "#set=0,5,1,1,0.1"
        << unused + "\u201cset=0,5,1,1,0.1\u201d needs four values: w(AA), "
                    "w(Aa), w(aa) and p0, separated by commas.";
    QTest::newRow("unknown word") << "#run=1,1,1,0.5;draw=1,1,1,0.5"
                                  << unused +
                                         "\u201cdraw=1,1,1,0.5\u201d does not start with "
                                         "run=, wmean=, set=, n=, populations=, generations=, "
                                         "mutation=, migration= or lang=." +
                                         steps;
    QTest::newRow("no equals") << "#run" << unused + "\u201crun\u201d is not a step." + steps;
    QTest::newRow("empty step") << "#run=1,1,1,0.5;"
                                << unused + "\u201c\u201d is not a step." + steps;
    QTest::newRow("address without a drawing")
        << "https://example.org/quorvel.html"
        << unused + "it holds no steps after \u201c#\u201d." + steps;
    QTest::newRow("a long part, shortened")
        << "#run=1,1,1,0.5;" + QString(60, 'x')
        << unused + "\u201c" + QString(40, 'x') + "\u2026\u201d is not a step." + steps;
    QString many = "#";
    for (int i = 0; i < 1001; ++i)
        many += "wmean=1,1,1;"; // a thousand and one drawings
    many.chop(1);
    QTest::newRow("an escape no link needs")
        << "#run=0.8,1,0.6,0.1%20"
        << unused + "in \u201crun=0.8,1,0.6,0.1%20\u201d, \u201c0.1%20\u201d is not a start "
                    "frequency. p0 is 0 to 1 in steps of 0.001, written with a point, such as "
                    "0.125.";
    QTest::newRow("too many steps") << many << unused + "it has more than 1,000 steps.";
    QTest::newRow("a language twice")
        << "#lang=de;run=1,1,1,0.5;lang=fr"
        << unused + "it names a language twice, in \u201clang=de\u201d and \u201clang=fr\u201d.";
    QTest::newRow("a size off its steps")
        << "#n=51"
        << unused + "in \u201cn=51\u201d, \u201c51\u201d is not a value it takes. It takes 1, 2, "
                    "5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000, "
                    "100000, 200000, 500000, 1000000, inf.";
    QTest::newRow("a rate written with an exponent")
        << "#migration=1e-2"
        << unused + "in \u201cmigration=1e-2\u201d, \u201c1e-2\u201d is not a value it takes. "
                    "It takes 0, 0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1, 0.2, 0.5.";
    QTest::newRow("one rate of two")
        << "#mutation=0.001"
        << unused + "\u201cmutation=0.001\u201d needs 2 values, separated by commas.";
    QTest::newRow("a seed past 64 bits")
        << "#run=1,1,1,0.5,18446744073709551616"
        << unused + "in \u201crun=1,1,1,0.5,18446744073709551616\u201d, \u201c18446744073709551616"
                    "\u201d is not a seed. A seed is a whole number from 0 to "
                    "18446744073709551615, in digits.";
    QTest::newRow("a run short of p0")
        << "#run=1,1,1"
        << unused + "\u201crun=1,1,1\u201d needs four values, w(AA), w(Aa), w(aa) and p0, and "
                    "may end with a fifth, the seed, separated by commas.";
    QTest::newRow("signs and exponents")
        << "#run=+1,1,1,5e-1"
        << unused + "in \u201crun=+1,1,1,5e-1\u201d, \u201c+1\u201d "
                    "is not a fitness. A fitness is 0 to 1 in "
                    "steps of 0.01, written with a point, such "
                    "as 0.25.";
}

void TestLesson::badLinksChangeNothing() {
    QFETCH(QString, link);
    QFETCH(QString, message);
    WindowUnderTest t;
    SetBars(t.window, 80, 100, 60, 500);
    Click(t.window.RUN);
    const Seen before = Look(t);
    t.window.OpenLink(link.toStdU16String());
    QCOMPARE(t.reports, QStringList{message});
    const Seen after = Look(t);
    QCOMPARE(after.boxes, before.boxes);
    QVERIFY(after.drawing == before.drawing);
    QCOMPARE(t.window.drawn.all().size(), std::size_t(1));
}

// What a link may hold besides the shortest text: the page's whole address,
// no "#", spare zeros after the grid.
void TestLesson::linksReadLeniently_data() {
    QTest::addColumn<QString>("link");
    QTest::newRow("whole address") << "file:///home/teacher/quorvel.html#run=0.8,1,0.60,0.1000";
    QTest::newRow("fragment alone") << "run=0.80,1.0,0.6,0.100";
    QTest::newRow("escaped by a mail program") << "#run%3D0.8%2C1%2c0.6%2C0%2E1";
    QTest::newRow("steps escaped by a learning platform") << "#set=1,1,1,0.5%3Brun%3D0.8,1,0.6,0.1";
    QTest::newRow("settings at their defaults, spare zeros")
        << "#n=inf;populations=1;generations=100;mutation=0.000,0;migration=0.0;"
           "run=0.8,1,0.6,0.1,18446744073709551615";
}

void TestLesson::linksReadLeniently() {
    QFETCH(QString, link);
    WindowUnderTest t;
    t.window.OpenLink(link.toStdU16String());
    QVERIFY(t.reports.isEmpty());
    QCOMPARE(Look(t).boxes, (QStringList{"0.8", "1", "0.6", "0.1", "0.667"}));
}

// An example draws what its steps by hand draw, on top of what is there,
// and says what to look for.
void TestLesson::exampleIsTheSameStepsByHand() {
    WindowUnderTest example, hand;
    SetBars(example.window, 50, 50, 50, 300);
    Click(example.window.RUN);
    example.window.Menu_Click(quorvel::platform::Tool::Example3); // overdominance
    SetBars(hand.window, 50, 50, 50, 300);
    Click(hand.window.RUN);
    for (int p0 : {100, 300, 500, 700, 900}) {
        SetBars(hand.window, 80, 100, 60, p0);
        Click(hand.window.RUN);
    }
    Click(hand.window.Wmean);
    QVERIFY(Look(example).drawing == Look(hand).drawing);
    QCOMPARE(Look(example).boxes, (QStringList{"0.8", "1", "0.6", "0.9", "0.667"}));
    QCOMPARE(example.window.drawn.all().size(), std::size_t(7));
    // Announced, as every sentence on the drawing is.
    QCOMPARE(example.announced(),
             QStringLiteral("Overdominance: from every start p levels off at the same "
                            "balance, 0.667, where the mean fitness is highest and the "
                            "change of p is 0."));
    for (const quorvel::Example &each : quorvel::Examples())
        QVERIFY(std::holds_alternative<quorvel::Setup>(
            quorvel::ParseSetupLink(quorvel::platform::FromUtf8(each.link))));
}

// A link whose RUNs stop on a mean fitness of 0 stops at the first: one
// message, one curve (as far as it went), nothing after.
void TestLesson::linkStopsAtItsFirstStoppedStep() {
    WindowUnderTest t;
    t.window.OpenLink(u"#run=0,0,0,0.5;run=0,0,0,0.5;run=1,1,1,0.5");
    QCOMPARE(t.reports.size(), 1);
    QVERIFY(t.reports.first().contains("mean fitness"));
    QCOMPARE(t.window.drawn.all().size(), std::size_t(1));
}

// The desktop program's one argument is a link; two are a mistake.
void TestLesson::argumentOpensALink() {
    WindowUnderTest t;
    t.window.OpenArguments({u"#run=1,1,0.5,0.5"});
    QCOMPARE(Look(t).boxes.last(), QStringLiteral("0.980"));
    t.window.OpenArguments({u"#run=1,1,0.5,0.5", u"#wmean=1,1,1"});
    QCOMPARE(t.reports, QStringList{"Quorvel takes one argument: a link to a drawing, such as "
                                    "\u201c#run=0.8,1,0.6,0.1;wmean=0.8,1,0.6\u201d, in quotes."});
    QCOMPARE(t.window.drawn.all().size(), std::size_t(1));
}

// A link given to a window that runs draws its picture in place of the one
// shown, once it is known to be good; an emptied link asks for nothing.
void TestLesson::changedLinkReplacesTheDrawing() {
    WindowUnderTest t;
    SetBars(t.window, 50, 50, 50, 500);
    Click(t.window.RUN);
    const Seen before = Look(t);
    t.window.Link_Changed(u"#run=0.8,1,0.6,0.1;run=0.8,1,0.6,0.2");
    QCOMPARE(t.reports, QStringList());
    QCOMPARE(Link(t.window), QString("#run=0.8,1,0.6,0.1;run=0.8,1,0.6,0.2"));
    const Seen after = Look(t);
    t.window.Link_Changed(u"#run=0.8,1,0.6,2");
    t.window.Link_Changed(u"#");
    QCOMPARE(t.reports.size(), 1);
    QVERIFY(t.reports.front().contains("run=0.8,1,0.6,2"));
    QCOMPARE(Look(t).boxes, after.boxes);
    QCOMPARE(Look(t).drawing, after.drawing);
    QVERIFY(after.drawing != before.drawing);
}

// The examples in a submenu of their own, before Help. Each entry, chosen
// in the menu a fresh window shows, sets every box to its own settings (a
// bar already there included) and draws curves that go as its sentence
// says: from p0 = 0.1 to 0.9, '+' rises, '-' falls, '=' stays, '*' levels
// off at the balance.
void TestLesson::examplesFromTheMenu_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("ways");
    QTest::addColumn<double>("balance");
    QTest::newRow("dominant") << 0 << "A favoured dominant allele"
                              << QStringList{"1", "1", "0.8", "0.9"} << "+++++" << 0.0;
    QTest::newRow("recessive") << 1 << "A favoured recessive allele"
                               << QStringList{"1", "0.8", "0.8", "0.9"} << "+++++" << 0.0;
    QTest::newRow("overdominance")
        << 2 << "Overdominance" << QStringList{"0.8", "1", "0.6", "0.9"} << "+++--" << 2.0 / 3.0;
    QTest::newRow("underdominance")
        << 3 << "Underdominance" << QStringList{"1", "0.7", "1", "0.9"} << "--=++" << 0.0;
    QTest::newRow("lethal, w(aa) already 0")
        << 4 << "A recessive lethal" << QStringList{"1", "1", "0", "0.9"} << "+++++" << 0.0;
}

void TestLesson::examplesFromTheMenu() {
    QFETCH(int, entry);
    QFETCH(QString, name);
    QFETCH(QStringList, boxes);
    QFETCH(QString, ways);
    QFETCH(double, balance);
    WindowUnderTest t;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *examples = nullptr;
        for (QAction *action : menu->actions())
            if (action->text() == "Examples")
                examples = action;
        QVERIFY(examples && examples->menu());
        QAction *chosen = examples->menu()->actions().value(entry);
        QVERIFY(chosen);
        shown = chosen->text().section('\t', 0, 0);
        chosen->trigger();
        menu->close();
    });
    t.window.Form_ContextMenu(quorvel::platform::Point{300, 200});
    QCOMPARE(shown, name);
    const Seen seen = Look(t);
    QCOMPARE(seen.boxes.mid(0, 4), boxes);
    QVERIFY2(seen.boxes.last().contains(QRegularExpression("^[01]\\.\\d{3}$")),
             qPrintable(seen.boxes.last()));
    const auto &drawn = t.window.drawn.all();
    QCOMPARE(drawn.size(), std::size_t(6)); // five trajectories and W Mean
    QString went;
    for (std::size_t i = 0; i < 5; ++i) {
        const auto &run = std::get<quorvel::TrajectoryCurve>(drawn[i]);
        QCOMPARE(run.p0, 0.1 + 0.2 * double(i));
        const double last = t.window.drawn.values(run).line(0).back();
        const double change = last - run.p0;
        went += std::abs(change) < 1e-9 ? '=' : change > 0 ? '+' : '-';
        if (balance > 0)
            QVERIFY2(std::abs(last - balance) < 0.005, qPrintable(QString::number(i)));
    }
    QCOMPARE(went, ways);

    QStringList labels;
    for (const auto &each : quorvel::ToolMenu(English, quorvel::platform::ToolKeys::Desktop))
        labels << QString::fromStdU16String(each.label + u"|" + each.keys);
    QVERIFY(labels.contains("Copy link|Ctrl+Shift+L"));
    QCOMPARE(labels.at(labels.indexOf("Help|F1") - 2), QString("Examples|"));
    QCOMPARE(QString::fromStdU16String(quorvel::KeyLabel(English, quorvel::platform::Tool::CopyLink,
                                                         quorvel::platform::ToolKeys::Browser)),
             QStringLiteral("Alt+Shift+L"));
}

namespace {

// How a run's populations end: how many fixed or lost A, and how widely
// they spread (their standard deviation).
struct Ended {
    int fixedOrLost = 0;
    double mean = 0, spread = 0;
};
Ended EndOf(WindowUnderTest &t, std::size_t curve) {
    const auto &run = std::get<quorvel::TrajectoryCurve>(t.window.drawn.all()[curve]);
    Ended ended;
    std::vector<double> last;
    for (int i = 0; i < run.populations(); ++i)
        last.push_back(t.window.drawn.values(run).line(i).back());
    for (const double p : last)
        ended.fixedOrLost += p == 0.0 || p == 1.0, ended.mean += p / double(last.size());
    for (const double p : last)
        ended.spread += (p - ended.mean) * (p - ended.mean) / double(last.size());
    ended.spread = std::sqrt(ended.spread);
    return ended;
}

} // namespace

// The examples of populations, chosen as a user chooses them, set their
// settings (N, populations, generations, u, v, m) in the boxes and draw
// what their sentences say, checked on the lines themselves.
void TestLesson::populationExamplesDrawWhatTheySay() {
    using quorvel::settings::Id;
    const struct {
        int entry;
        QStringList boxes;
        const char *says;
    } examples[] = {
        {5, {"2000", "20", "100", "0", "0", "0"}, "the 20 of N = 2,000 stay close to 0.5."},
        {6, {"100", "200", "500", "0", "0", "0"}, "only about 10.5 % of them, as theory expects."},
        {7,
         {"∞", "1", "1000", "0.0001", "0", "0"},
         "marked at p = 0.968, where mutation makes as many a as selection removes."},
        {8, {"20", "20", "100", "0", "0", "0.05"}, "close to one another and hold both alleles."},
    };
    for (const auto &example : examples) {
        WindowUnderTest t;
        t.window.Menu_Click(static_cast<quorvel::platform::Tool>(
            static_cast<int>(quorvel::platform::Tool::Example1) + example.entry));
        QStringList shown;
        for (const Id id : {Id::PopulationSize, Id::Populations, Id::Generations, Id::MutationToa,
                            Id::MutationToA, Id::Migration})
            shown << QString::fromStdU16String(t.window.Box(id)->text());
        QCOMPARE(shown, example.boxes);
        QVERIFY2(t.announced().endsWith(example.says), qPrintable(t.announced()));
        const std::size_t curves = t.window.drawn.all().size();
        if (example.entry == 6) {
            // Expected to fix: 10.5 % of 200, 21; lost: most. Within 3 standard
            // deviations (4.3) of the expectation.
            const auto &run = std::get<quorvel::TrajectoryCurve>(t.window.drawn.all()[0]);
            const double fixed = EndOf(t, 0).mean * run.populations();
            QVERIFY2(curves == 1 && std::abs(fixed - 21) <= 13 && EndOf(t, 0).fixedOrLost > 190,
                     qPrintable(QString::number(fixed)));
        } else if (example.entry == 7) {
            // From below and above to within 0.005 of 1 - q, q^2 = u / s nearly:
            // 1 - sqrt(0.001) = 0.9684.
            const double below = EndOf(t, 0).mean, above = EndOf(t, 1).mean;
            QVERIFY(curves == 3 && below < 0.9684 && above > 0.9684);
            QVERIFY(std::abs(below - 0.9684) < 0.005 && std::abs(above - 0.9684) < 0.005);
        } else {
            // 20 populations of 20 drift apart: 4N = 80 generations halve their
            // heterozygosity, so many fix or lose A within 100. Those of N =
            // 2,000, or held together by migration (4Nm = 4), fix none and
            // spread less than half as widely.
            const Ended small = EndOf(t, 0), other = EndOf(t, 1);
            QVERIFY(curves == 2 && small.fixedOrLost >= 8 && other.fixedOrLost == 0);
            QVERIFY(example.entry != 5 || std::abs(other.mean - 0.5) < 0.1);
            QVERIFY2(other.spread < small.spread / 2, qPrintable(QString::number(other.spread)));
        }
    }
}

// A language chosen is carried by a copied link, which opens in it; a link
// without one leaves the window's; one Quorvel does not speak changes nothing.
void TestLesson::linkCarriesItsLanguage() {
    WindowUnderTest t;
    t.window.OpenLink(u"#run=0.8,1,0.6,0.1");
    QCOMPARE(Link(t.window), QString("#run=0.8,1,0.6,0.1")); // the system's, not chosen
    t.window.Menu_Click(quorvel::platform::Tool::Language,
                        static_cast<int>(quorvel::words::LanguageOf(u"de")->index()));
    QCOMPARE(Link(t.window), QString("#lang=de;run=0.8,1,0.6,0.1"));

    WindowUnderTest opened;
    opened.window.OpenLink(u"#run=1,1,0.5,0.5;lang=PT_br");
    QCOMPARE(opened.widget().windowTitle(), QString("Quorvel, determinístico"));
    QCOMPARE(Link(opened.window), QString("#lang=pt-BR;run=1,1,0.5,0.5"));
    opened.window.OpenLink(u"#run=1,1,0.5,0.5");
    QCOMPARE(opened.widget().windowTitle(), QString("Quorvel, determinístico"));

    // Every language po/LINGUAS lists opens from a link, and only those: the
    // refusal names them all, in order, the suites' pseudo-language perhaps too.
    QStringList spoken = testing::ShippedTags();
    for (const QString &tag : spoken) {
        WindowUnderTest linked;
        linked.window.OpenLink(("#lang=" + tag + ";run=1,1,0.5,0.5").toStdU16String());
        QVERIFY2(linked.reports.empty(), qPrintable(tag));
        QCOMPARE(Link(linked.window), "#lang=" + tag + ";run=1,1,0.5,0.5");
    }
    spoken << "en-XA";
    spoken.sort();
    QString listed;
    for (const QString &tag : spoken) {
        const QString item = QRegularExpression::escape(tag) + ", ";
        listed += tag == spoken.back() ? "and " + QRegularExpression::escape(tag)
                                       : (tag == "en-XA" ? "(" + item + ")?" : item);
    }
    const QString unspoken = testing::Unspoken;
    for (const QString &link :
         {"#lang=" + unspoken + ";run=1,1,0.5,0.5", QString("#run=1,1,0.5,0.5;lang=d3")}) {
        WindowUnderTest refused;
        refused.window.OpenLink(link.toStdU16String());
        QCOMPARE(refused.reports.size(), 1);
        QVERIFY2(
            refused.reports.front().contains(QRegularExpression(
                "^The link was not used: \u201clang=(" + unspoken +
                "|d3)\u201d names no language Quorvel speaks\\. It speaks " + listed + "\\.$")),
            qPrintable(refused.reports.front()));
        QCOMPARE(refused.widget().windowTitle(), QString("Quorvel, deterministic"));
        QVERIFY(refused.window.drawn.empty());
    }
}

QUORVEL_TEST_MAIN(TestLesson)
#include "tst_lesson.moc"
