#include "classic_style.h"
#include "helpers.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTimer>

using quorvel::platform::qt::Native;
using quorvel::platform::qt::ScrollBar;
using testing::LocaleScope;
using testing::SetBars;
using testing::WindowUnderTest;

Q_DECLARE_METATYPE(QLocale)

// What a student who cannot see the drawing, or uses only the keyboard, gets
// from the window; and the look that makes the bars usable.
class TestAccess : public QObject {
    Q_OBJECT

private slots:
    void barValueIsWhatItsBoxShows_data();
    void barValueIsWhatItsBoxShows();
    void barMovesAsTheKeyboardMovesIt();
    void boxesAreReadOnlyText();
    void controlsComeFirstAndSayWhatTheyDrew();
    void marksAndWindowHaveNames_data();
    void marksAndWindowHaveNames();
    void drawingIsDescribed_data();
    void drawingIsDescribed();
    void undefinedChangeIsSaid();
    void sentencesSayWhatWasDrawn_data();
    void sentencesSayWhatWasDrawn();
    void descriptionKeepsTheLatestTen();

    void focusedBarShowsAFrame();
    void barPartsAndFocusedButtonsStandOut();
    void barPartsLineUpWithTheLayout();
    void commandLineOptionsChangeNothing();
    void axisCaptionsShowTheirLastDigit_data();
    void axisCaptionsShowTheirLastDigit();
    void errorBoxIsModalOverTheWindow();
};

namespace {

ScrollBar *Bar(quorvel::Quorvelcode &w, const QString &name) {
    return Native(w.form())->findChild<ScrollBar *>(name);
}

QAccessibleValueInterface *ValueOf(QWidget *widget) {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->valueInterface() : nullptr;
}

// Where a part of a bar lies, in window coordinates.
QRect PartOf(const ScrollBar &bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.upsideDown = bar.invertedAppearance();
    option.direction = bar.layoutDirection();
    return bar.style()
        ->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar)
        .translated(bar.pos());
}

} // namespace

void TestAccess::barValueIsWhatItsBoxShows_data() {
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("value");
    QTest::addColumn<double>("shown");
    QTest::newRow("w(AA) at 57") << "HScrollw1" << 57 << 0.57;
    QTest::newRow("w(aa) at the right end") << "HScrollw3" << 100 << 1.0;
    // The p bar runs upside down inside; a screen reader must not hear that.
    QTest::newRow("p0 at the bottom") << "VScrollp" << 0 << 0.0;
    QTest::newRow("p0 at 0.2") << "VScrollp" << 200 << 0.2;
}

void TestAccess::barValueIsWhatItsBoxShows() {
    QFETCH(QString, bar);
    QFETCH(int, value);
    QFETCH(double, shown);
    quorvel::Quorvelcode window;
    Bar(window, bar)->SetValue(value);
    QAccessibleValueInterface *accessible = ValueOf(Bar(window, bar));
    QVERIFY(accessible);
    QCOMPARE(accessible->currentValue().toDouble(), shown);
    QCOMPARE(accessible->minimumValue().toDouble(), 0.0);
    QCOMPARE(accessible->maximumValue().toDouble(), 1.0);
    QCOMPARE(QAccessible::queryAccessibleInterface(Bar(window, bar))->text(QAccessible::Value),
             QString::number(shown));
}

void TestAccess::barMovesAsTheKeyboardMovesIt() {
    WindowUnderTest t;
    QSignalSpy changes(Native(t.window.VScrollp), &QScrollBar::valueChanged);
    ValueOf(Native(t.window.VScrollp))->setCurrentValue(0.25);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(Native(t.window.TextInitp)->text(), QString("0.25"));

    // 0.57 is 56.99999... hundredths in binary; it still sets 0.57.
    ValueOf(Native(t.window.HScrollw1))->setCurrentValue(0.57);
    QCOMPARE(Native(t.window.Textw1)->text(), QString("0.57"));

    // Increase raises p0 by one step, as the up arrow does.
    QAccessibleInterface *p = QAccessible::queryAccessibleInterface(Native(t.window.VScrollp));
    p->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    QCOMPARE(Native(t.window.TextInitp)->text(), QString("0.251"));
    QCOMPARE(changes.size(), 2);

    // At an end, Decrease changes nothing and calls no handler.
    QAccessibleInterface *w1 = QAccessible::queryAccessibleInterface(Native(t.window.HScrollw2));
    w1->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    QCOMPARE(Native(t.window.Textw2)->text(), QString("w(Aa)"));
    QVERIFY(!t.window.w2.isSet());
}

void TestAccess::boxesAreReadOnlyText() {
    quorvel::Quorvelcode window;
    window.HScrollw2->SetValue(35);
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(Native(window.Textw2));
    QCOMPARE(box->role(), QAccessible::EditableText); // an entry, read only
    QVERIFY(box->state().readOnly);
    QVERIFY(!box->state().editable);
    QVERIFY(box->state().focusable);
    QCOMPARE(box->editableTextInterface(), nullptr);
    QCOMPARE(box->text(QAccessible::Value), QString("0.35"));
    // Read as its caption and the number it shows, through its text.
    QCOMPARE(box->text(QAccessible::Name), QString("Fitness w(Aa)"));
    QVERIFY(box->textInterface());
    QCOMPARE(box->textInterface()->characterCount(), 4);
    QCOMPARE(box->textInterface()->text(0, 4), QString("0.35"));
}

// A screen reader that walks the window meets the controls first, in Tab's
// order; and hears what RUN drew from a notification that shows with it,
// while the button keeps its own description.
void TestAccess::controlsComeFirstAndSayWhatTheyDrew() {
    WindowUnderTest t;
    auto &w = t.window;
    Native(w.form())->show();
    QApplication::setActiveWindow(Native(w.form()));
    QVERIFY(QTest::qWaitForWindowActive(Native(w.form())));
    QAccessibleInterface *form = QAccessible::queryAccessibleInterface(Native(w.form()));
    const QList<QWidget *> tabOrder{Native(w.Textw1),    Native(w.Textw2),    Native(w.Textw3),
                                    Native(w.TextInitp), Native(w.VScrollp),  Native(w.RUN),
                                    Native(w.HScrollw1), Native(w.HScrollw2), Native(w.HScrollw3),
                                    Native(w.CLS),       Native(w.Textp100),  Native(w.Wmean)};
    for (int i = 0; i < tabOrder.size(); ++i)
        QCOMPARE(form->child(i)->object(), tabOrder[i]);
    QCOMPARE(form->indexOfChild(QAccessible::queryAccessibleInterface(Native(w.RUN))), 5);
    QVERIFY(form->childCount() > tabOrder.size());

    SetBars(w, 80, 100, 60, 100);
    Native(w.RUN)->setFocus();
    QTest::keyClick(Native(w.RUN), Qt::Key_Space);
    QAccessibleInterface *notification = nullptr;
    for (int i = 0; i < form->childCount(); ++i)
        if (form->child(i)->role() == QAccessible::Notification)
            notification = form->child(i);
    QVERIFY(notification);
    QCOMPARE(notification->text(QAccessible::Name),
             QString("Trajectory: w(AA) 0.8, w(Aa) 1, w(aa) 0.6, from p0 0.1 to p100 0.667."));
    QAccessibleInterface *run = QAccessible::queryAccessibleInterface(Native(w.RUN));
    QCOMPARE(run->text(QAccessible::Description),
             QString("Follows the frequency of A for 100 generations and draws it"));
    // Each step of reading mode is said the same way.
    QTest::keyClick(Native(w.RUN), Qt::Key_F6);
    QCOMPARE(notification->text(QAccessible::Name),
             QString("generation 0: p = 0.100; w = 0.8, 1, 0.6 (s = 0.25, h = -1: overdominance); "
                     "p0 = 0.1"));
}

void TestAccess::marksAndWindowHaveNames_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("+") << "Label8" << 3 << "plus";
    QTest::newRow("_") << "Label8" << 4 << "minus";
    QTest::newRow("zero line") << "Line2" << -1 << "zero line";
    QTest::newRow("axis") << "Label3" << 1 << "p from 0 to 1";
    QTest::newRow("window") << "" << -1 << "Quorvel, deterministic";
}

void TestAccess::marksAndWindowHaveNames() {
    QFETCH(QString, control);
    QFETCH(int, index);
    QFETCH(QString, name);
    quorvel::Quorvelcode window;
    QWidget *widget = Native(window.form());
    if (!control.isEmpty())
        widget = control == "Label8"   ? static_cast<QWidget *>(Native(window.Label8[index]))
                 : control == "Label3" ? static_cast<QWidget *>(Native(window.Label3[index]))
                                       : Native(window.form())->findChild<QWidget *>(control);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    if (control.isEmpty())
        QCOMPARE(accessible->role(), QAccessible::Window);
}

void TestAccess::drawingIsDescribed_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("curves");
    QTest::newRow("dot")
        << QLocale(QLocale::English, QLocale::UnitedStates)
        << "Trajectory: w(AA) 0.8, w(Aa) 1, w(aa) 0.6, from p0 0.1 to p100 0.667."
        << "Mean fitness and change curves: w(AA) 0.8, w(Aa) 1, w(aa) 0.6; mean "
           "fitness highest, 0.867, at p 0.667; the change of p is positive "
           "below p 0.667 and negative above it. The change of p is 0 at an "
           "unstable balance at p = 0.000, a stable balance at p = 0.667, and an "
           "unstable balance at p = 1.000, marked filled where stable and open where unstable.";
    QTest::newRow("comma")
        << QLocale(QLocale::German, QLocale::Germany)
        << "Trajectory: w(AA) 0,8, w(Aa) 1, w(aa) 0,6, from p0 0,1 to p100 0,667."
        << "Mean fitness and change curves: w(AA) 0,8, w(Aa) 1, w(aa) 0,6; mean "
           "fitness highest, 0,867, at p 0,667; the change of p is positive "
           "below p 0,667 and negative above it. The change of p is 0 at an "
           "unstable balance at p = 0,000, a stable balance at p = 0,667, and an "
           "unstable balance at p = 1,000, marked filled where stable and open where unstable.";
}

// Overdominance: p levels off at 2/3, where the mean fitness peaks at 13/15.
void TestAccess::drawingIsDescribed() {
    QFETCH(QLocale, locale);
    QFETCH(QString, run);
    QFETCH(QString, curves);
    LocaleScope scope(locale);
    WindowUnderTest t;
    QAccessibleInterface *drawing = QAccessible::queryAccessibleInterface(Native(t.window.surface));
    t.window.HScrollw1->SetValue(80);
    t.window.HScrollw2->SetValue(100);
    t.window.HScrollw3->SetValue(60);
    t.window.VScrollp->SetValue(100);

    QTest::mouseClick(Native(t.window.RUN), Qt::LeftButton);
    QCOMPARE(drawing->text(QAccessible::Description), run);
    QTest::mouseClick(Native(t.window.Wmean), Qt::LeftButton);
    QCOMPARE(drawing->text(QAccessible::Description), run + " " + curves);
    QTest::mouseClick(Native(t.window.CLS), Qt::LeftButton);
    QCOMPARE(drawing->text(QAccessible::Description), QString());
}

// w(aa) unset: the mean fitness p(2 - 1.5p) peaks at 2/3 with 2/3, where the
// change turns from positive to negative; at p = 0 the change is 0/0.
void TestAccess::undefinedChangeIsSaid() {
    WindowUnderTest t;
    QAccessibleInterface *drawing = QAccessible::queryAccessibleInterface(Native(t.window.surface));
    t.window.HScrollw1->SetValue(50);
    t.window.HScrollw2->SetValue(100);
    QTest::mouseClick(Native(t.window.Wmean), Qt::LeftButton);
    QCOMPARE(drawing->text(QAccessible::Description),
             QString("Mean fitness and change curves: w(AA) 0.5, w(Aa) 1, w(aa) 0; mean fitness "
                     "highest, 0.667, at p 0.667; the change of p is positive below p 0.667 and "
                     "negative above it; the change of p is undefined at p = 0, where the mean "
                     "fitness is 0. The change of p is 0 at an unstable balance at p = 0.000, a "
                     "stable balance at p = 0.667, and an unstable balance at p = 1.000, marked "
                     "filled where stable and open where unstable."));
    QVERIFY(t.reports.isEmpty());
}

void TestAccess::sentencesSayWhatWasDrawn_data() {
    QTest::addColumn<QList<int>>("bars"); // w(AA), w(Aa), w(aa), p0; -1: never moved
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("a stopped run") << QList<int>{100, 100, 0, -1} << "RUN"
                                   << "Trajectory: w(AA) 1, w(Aa) 1, w(aa) 0, from p0 0; stopped "
                                      "at generation 0, p 0.000, where the mean fitness is 0.";
    // Equal fitnesses: every change is 0 but for rounding.
    QTest::newRow("neutral") << QList<int>{50, 50, 50, -1} << "W Mean"
                             << "Mean fitness and change curves: w(AA) 0.5, w(Aa) 0.5, w(aa) 0.5; "
                                "mean fitness constant, 0.500; the change of p is 0 throughout.";
    // Underdominance: 1 - p + p^2 is lowest at p = 1/2; the change is
    // negative below it and positive above (at 0.5 itself only rounding).
    QTest::newRow("underdominance")
        << QList<int>{100, 50, 100, -1} << "W Mean"
        << "Mean fitness and change curves: w(AA) 1, w(Aa) 0.5, w(aa) 1; mean fitness lowest, "
           "0.750, at p 0.500; the change of p is negative below p 0.501 and positive above it. "
           "The change of p is 0 at a stable balance at p = 0.000, an unstable balance at p = "
           "0.500, and a stable balance at p = 1.000, marked filled where stable and open where "
           "unstable.";
    // Directional selection against A: the mean fitness 1 - p/2 falls, and
    // p falls everywhere.
    QTest::newRow("falling") << QList<int>{50, 75, 100, -1} << "W Mean"
                             << "Mean fitness and change curves: w(AA) 0.5, w(Aa) 0.75, w(aa) 1; "
                                "mean fitness falling from 1.000 to 0.500; the change of p is "
                                "never positive. The change of p is 0 at a stable balance at p "
                                "= 0.000 and an unstable balance at p = 1.000, marked filled where "
                                "stable and open where unstable.";
}

// What a screen reader hears for one action on a fresh window: the sentences
// were worked out by hand from the fitnesses.
void TestAccess::sentencesSayWhatWasDrawn() {
    QFETCH(QList<int>, bars);
    QFETCH(QString, action);
    QFETCH(QString, sentence);
    WindowUnderTest t;
    SetBars(t.window, bars[0], bars[1], bars[2], bars[3]);
    QTest::mouseClick(Native(action == "RUN" ? t.window.RUN : t.window.Wmean), Qt::LeftButton);
    QAccessibleInterface *drawing = QAccessible::queryAccessibleInterface(Native(t.window.surface));
    QCOMPARE(drawing->text(QAccessible::Description), sentence);
}

// Ten actions are told in full, older ones counted; CLS forgets them all.
void TestAccess::descriptionKeepsTheLatestTen() {
    WindowUnderTest t;
    QAccessibleInterface *drawing = QAccessible::queryAccessibleInterface(Native(t.window.surface));
    SetBars(t.window, 100, 100, 50, -1);
    const QString run = "Trajectory: w(AA) 1, w(Aa) 1, w(aa) 0.5, from p0 0 to p100 0.000.";
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(Native(t.window.RUN), Qt::LeftButton);
    QCOMPARE(drawing->text(QAccessible::Description), QStringList(10, run).join(' '));
    QTest::mouseClick(Native(t.window.RUN), Qt::LeftButton);
    QCOMPARE(drawing->text(QAccessible::Description),
             "1 earlier action not described. " + QStringList(10, run).join(' '));
    QTest::mouseClick(Native(t.window.CLS), Qt::LeftButton);
    QTest::mouseClick(Native(t.window.RUN), Qt::LeftButton);
    QCOMPARE(drawing->text(QAccessible::Description), run);
}

void TestAccess::focusedBarShowsAFrame() {
    WindowUnderTest t;
    Native(t.window.form())->show();
    QApplication::setActiveWindow(Native(t.window.form()));
    QVERIFY(QTest::qWaitForWindowActive(Native(t.window.form())));
    const QList<ScrollBar *> bars{Native(t.window.HScrollw1), Native(t.window.HScrollw2),
                                  Native(t.window.HScrollw3), Native(t.window.VScrollp)};
    for (ScrollBar *focused : bars) {
        focused->setFocus();
        QTRY_VERIFY(focused->hasFocus());
        const QImage screen = t.screen();
        for (ScrollBar *bar : bars) {
            // Half-way along the bar's left edge, inside it.
            const QPoint edge = bar->geometry().topLeft() + QPoint(0, bar->height() / 2);
            const bool black = screen.pixelColor(edge) == QColor(Qt::black);
            QVERIFY2(black == (bar == focused), qPrintable(bar->objectName()));
        }
    }
}

// The p bar's track runs beside the p axis of the trajectory frame, y = 137
// to 288; every thumb is a square as wide as its bar.
namespace {

// WCAG's contrast ratio of two colours.
double Contrast(const QColor &a, const QColor &b) {
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

// The thumb's edge stands out 3:1 from the trough and from its own face, the
// bar's edge from the window; a focused button has the bars' black frame.
void TestAccess::barPartsAndFocusedButtonsStandOut() {
    WindowUnderTest t;
    Native(t.window.form())->show();
    QApplication::setActiveWindow(Native(t.window.form()));
    QVERIFY(QTest::qWaitForWindowActive(Native(t.window.form())));
    t.window.HScrollw1->SetValue(50);
    QImage screen = t.screen();
    const ScrollBar &bar = *Native(t.window.HScrollw1);
    const QRect thumb = PartOf(bar, QStyle::SC_ScrollBarSlider);
    const int middle = thumb.center().y();
    const QColor edge = screen.pixelColor(thumb.right(), middle);
    QVERIFY(Contrast(edge, screen.pixelColor(thumb.right() + 3, middle)) >= 3.0); // trough
    QVERIFY(Contrast(edge, screen.pixelColor(thumb.center())) >= 3.0);            // face
    QVERIFY(Contrast(screen.pixelColor(thumb.center().x(), bar.y()),
                     screen.pixelColor(thumb.center().x(), bar.y() - 1)) >= 3.0); // window

    QPushButton *run = Native(t.window.RUN);
    const QPoint frame = run->geometry().topLeft() + QPoint(3, run->height() / 2);
    QVERIFY(screen.pixelColor(frame) != QColor(Qt::black));
    run->setFocus();
    QTRY_VERIFY(run->hasFocus());
    screen = t.screen();
    QCOMPARE(screen.pixelColor(frame), QColor(Qt::black));
}

void TestAccess::barPartsLineUpWithTheLayout() {
    quorvel::Quorvelcode window;
    const QRect track = PartOf(*Native(window.VScrollp), QStyle::SC_ScrollBarGroove);
    QCOMPARE(track.top(), 137);
    QCOMPARE(track.top() + track.height(), 288);
    QCOMPARE(PartOf(*Native(window.VScrollp), QStyle::SC_ScrollBarSubLine).height(), 17);
    QCOMPARE(PartOf(*Native(window.VScrollp), QStyle::SC_ScrollBarSlider).size(), QSize(17, 17));
    QCOMPARE(PartOf(*Native(window.HScrollw1), QStyle::SC_ScrollBarSlider).size(), QSize(17, 17));
    // p0 = 0 puts the thumb at the bottom of the track.
    QCOMPARE(PartOf(*Native(window.VScrollp), QStyle::SC_ScrollBarSlider).bottom(), 287);
}

// As if started with -reverse -style windows: the window stays as designed.
void TestAccess::commandLineOptionsChangeNothing() {
    QApplication::setLayoutDirection(Qt::RightToLeft);
    QApplication::setStyle(QStyleFactory::create("Windows"));
    quorvel::Quorvelcode window;
    window.HScrollw1->SetValue(100);
    const QRect thumb = PartOf(*Native(window.HScrollw1), QStyle::SC_ScrollBarSlider);
    const QRect track = PartOf(*Native(window.VScrollp), QStyle::SC_ScrollBarGroove);
    QApplication::setLayoutDirection(Qt::LeftToRight);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QCOMPARE(thumb.right(), 160 + 73 - 17 - 1); // w(AA) = 1 at the right end
    QCOMPARE(track.top(), 137);
}

void TestAccess::axisCaptionsShowTheirLastDigit_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("ratio");
    for (int index : {0, 1})
        for (double ratio : {1.0, 1.5, 2.0})
            QTest::addRow("Label3(%d) at %g", index, ratio) << index << ratio;
}

// The text ends with "1"; its last column of ink must lie inside the label,
// with background after it, at any display scale.
void TestAccess::axisCaptionsShowTheirLastDigit() {
    QFETCH(int, index);
    QFETCH(double, ratio);
    quorvel::Quorvelcode window;
    QLabel *caption = Native(window.Label3[index]);
    QImage image(caption->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    caption->render(&image);
    const QColor background(192, 192, 255);
    int lastInk = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y).lightness() < 128)
                lastInk = x;
    QVERIFY(lastInk > 0);
    QVERIFY2(lastInk < image.width() - 1, qPrintable(QString::number(lastInk)));
    for (int y = 0; y < image.height(); ++y)
        QCOMPARE(image.pixelColor(image.width() - 1, y), background);
    // The label grows no further than its free space: up to the next caption.
    if (index == 0)
        QVERIFY(caption->geometry().right() < Native(window.Label3[1])->x());
}

void TestAccess::errorBoxIsModalOverTheWindow() {
    quorvel::Quorvelcode window;
    Native(window.form())->show();
    QVERIFY(QTest::qWaitForWindowExposed(Native(window.form())));
    // Every modal box is noted and closed, however many open, so that a
    // failure shows as a failure and never as a box that waits for ever.
    struct Seen {
        QString title, text;
        bool modal;
        QWidget *parent;
    };
    QList<Seen> seen;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            seen << Seen{box->windowTitle(), box->text(), box->isModal(), box->parentWidget()};
            box->accept();
        } else if (QWidget *other = QApplication::activeModalWidget()) {
            seen << Seen{};
            other->close();
        }
    });
    closer.start(20);
    QTest::mouseClick(Native(window.RUN), Qt::LeftButton); // nothing set: the mean fitness is 0
    closer.stop();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].title, QString("Quorvel, deterministic"));
    QVERIFY(seen[0].modal);
    QCOMPARE(seen[0].parent, Native(window.form()));
    QVERIFY(seen[0].text.startsWith("Every fitness is 0"));
    QVERIFY(Native(window.form())->isVisible()); // and the program goes on
}

QUORVEL_TEST_MAIN(TestAccess)
#include "tst_access.moc"
