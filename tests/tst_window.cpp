#include "helpers.h"
#include "layout/layout.h"

#include <QApplication>
#include <QFontInfo>
#include <QScreen>
#include <QTest>

using quorvel::Quorvelcode;
using quorvel::platform::qt::Native;
using testing::PaintedPixels;
using testing::WindowUnderTest;

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void controlsStandWhereTheLayoutPutsThem_data();
    void controlsStandWhereTheLayoutPutsThem();
    void windowItself();
    void fonts_data();
    void fonts();
    void focusOrder();
    void rightToLeftCaptionsEndClearOfControls_data();
    void rightToLeftCaptionsEndClearOfControls();
    void barsStartAsTheyShould();
    void fieldsStartUnsetAndZero();

    void screenPixels_data();
    void screenPixels();
    void drawingShowsAboveLabelsAndFramesBelowControls();
    void clsErasesDrawingOnly();
    void clsOnFreshWindowChangesNothing();
    void drawingSurvivesRepaintAndHiding();
    void drawingReachesTheScreenOnceTheHandlerReturns();
    void drawingIsFlushedAtTheScreensResolution();
};

namespace {

QWidget *Control(Quorvelcode &w, const QString &name, int index) {
    for (QWidget *child :
         Native(w.form())->findChildren<QWidget *>(name, Qt::FindDirectChildrenOnly)) {
        const QVariant i = child->property("index");
        if (index < 0 ? !i.isValid() : i.toInt() == index)
            return child;
    }
    return nullptr;
}

QString TextOf(QWidget *control) {
    if (auto *b = qobject_cast<QPushButton *>(control))
        return b->text();
    if (auto *e = qobject_cast<QLineEdit *>(control))
        return e->text();
    if (auto *l = qobject_cast<QLabel *>(control))
        return l->text();
    return {};
}

} // namespace

void TestWindow::controlsStandWhereTheLayoutPutsThem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxWidth");
    const auto row = [](const char *name, int index, int l, int t, int w, int h, const char *text,
                        int maxWidth = 0) {
        QTest::addRow("%s(%d)", name, index) << QString(name) << index << QRect(l, t, w, h)
                                             << QString(text) << std::max(w, maxWidth);
    };
    const char *axis = "0    Frequency A=  p         1";
    row("Wmean", -1, 24, 344, 65, 25, "W Mean");
    row("Textp100", -1, 552, 104, 65, 19, "p100");
    row("HScrollw3", -1, 160, 80, 73, 17, "");
    row("HScrollw2", -1, 160, 48, 73, 17, "");
    row("HScrollw1", -1, 160, 16, 73, 17, "");
    row("Textw3", -1, 104, 80, 49, 19, "w(aa)");
    row("Textw2", -1, 104, 48, 49, 19, "w(Aa)");
    row("Textw1", -1, 104, 16, 49, 19, "w(AA)");
    row("CLS", -1, 528, 16, 65, 33, "CLS");
    row("RUN", -1, 456, 16, 65, 33, "RUN");
    row("VScrollp", -1, 72, 120, 17, 185, "");
    row("TextInitp", -1, 8, 184, 57, 19, "start p");
    row("Label3", 2, 416, 400, 57, 17, "Delta p");
    row("Label8", 4, 424, 376, 25, 17, "_");
    row("Label8", 3, 424, 336, 25, 17, "+");
    row("Label8", 2, 424, 360, 25, 17, "0");
    row("Label8", 1, 64, 408, 25, 17, "0.0");
    // The axis captions may grow to show their last "1", but not into the next one.
    row("Label3", 1, 256, 424, 153, 17, axis, 165);
    row("Label8", 0, 64, 320, 25, 17, "1.0");
    row("Line2", -1, 256, 365, 151, 1, "");
    row("Label3", 0, 96, 424, 153, 17, axis, 160);
    row("Deltap", 1, 256, 320, 150, 100, "");
    row("Shape2", 0, 96, 320, 150, 100, "");
    row("Label1", 2, 24, 80, 81, 25, "Fitness w(aa)");
    row("Label1", 1, 24, 48, 81, 25, "Fitness w(Aa)");
    row("Label2", -1, 520, 88, 97, 17, "Frequency A  p100");
    row("Label1", 0, 24, 16, 73, 25, "Fitness w(AA)");
    row("Label6", -1, 528, 288, 81, 17, "100 generations");
    row("Label5", -1, 16, 152, 33, 17, "p0");
    row("Shape1", -1, 96, 136, 500, 151, "");
    row("Label4", -1, 0, 128, 81, 25, "Frequency A");
}

void TestWindow::controlsStandWhereTheLayoutPutsThem() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(int, maxWidth);
    Quorvelcode window;
    QWidget *control = Control(window, name, index);
    QVERIFY(control);
    QCOMPARE(control->pos(), geometry.topLeft());
    QCOMPARE(control->height(), geometry.height());
    QVERIFY(control->width() >= geometry.width() && control->width() <= maxWidth);
    QCOMPARE(TextOf(control), text);
}

void TestWindow::windowItself() {
    Quorvelcode window;
    QCOMPARE(Native(window.form())->windowTitle(), QString("Quorvel, deterministic"));
    QCOMPARE(Native(window.form())->size(), QSize(628, 474));
    QCOMPARE(Native(window.form())->minimumSize(), Native(window.form())->maximumSize());
    // Members are the controls found under their names.
    QCOMPARE(Control(window, "Deltap", 1), Native(window.Deltap[1]));
    QCOMPARE(Control(window, "Shape2", 0), Native(window.Shape2[0]));
    QCOMPARE(window.Label8.count(), 5);
    QCOMPARE(Native(window.Label8[4])->text(), QString("_"));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, Native(window.Deltap[0]));
    // The children shown are the 31 controls, the drawing layer and the
    // screen reader's announcer, nothing else; the panel's 27 wait hidden.
    const auto children =
        Native(window.form())->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    const auto shown = std::count_if(children.begin(), children.end(),
                                     [](const QWidget *child) { return !child->isHidden(); });
    QCOMPARE(shown, 33);
    QCOMPARE(children.size(), 33 + 27);
}

void TestWindow::fonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("window") << ""
                            << "Times New Roman" << 8.25 << true;
    QTest::newRow("W Mean keeps the window's font") << "Wmean"
                                                    << "Times New Roman" << 8.25 << true;
    QTest::newRow("RUN") << "RUN"
                         << "Times New Roman" << 18.0 << false;
    QTest::newRow("CLS") << "CLS"
                         << "Times New Roman" << 15.75 << false;
    QTest::newRow("box") << "Textw1"
                         << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("label") << "Label5"
                           << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("Delta p") << "Label3"
                             << "MS Sans Serif" << 9.75 << false;
}

void TestWindow::fonts() {
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, bold);
    Quorvelcode window;
    QWidget *form = Native(window.form());
    QWidget *control = name.isEmpty() ? form : form->findChild<QWidget *>(name);
    QVERIFY(control);
    const QFont font = control->font();
    // The layout's face is asked for; where the system lacks it, its metric
    // twin comes first, and that is what the user sees.
    QVERIFY(font.families().contains(family));
    const QString twin = family.startsWith("Times") ? "Liberation Serif" : "Liberation Sans";
    const QString shown = QFontInfo(font).family();
    QVERIFY2(shown == family || shown == twin, qPrintable(shown));
    QCOMPARE(font.families().value(0), shown);
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.styleHint(), family.startsWith("Times") ? QFont::Serif : QFont::SansSerif);
}

// A caption read from the right ends where it meets no control, 3 px short of
// one it stands against (as "Frequency A" read from the left stops short of
// the p0 bar), and grows to the left, never over that control: for its own
// width, and for one too wide for any room. Right ends worked out from the
// layout by hand: Label4 0..81 under the p0 bar at 72, Label1(1) and (2)
// 24..105 under the boxes at 104, Label1(0) 24..97 clear of its box.
void TestWindow::rightToLeftCaptionsEndClearOfControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("needed");
    for (const int needed : {0, 60, 1000}) {
        QTest::addRow("Label4, %d", needed) << "Label4" << -1 << 69 << needed;
        QTest::addRow("Label1(1), %d", needed) << "Label1" << 1 << 101 << needed;
        QTest::addRow("Label1(2), %d", needed) << "Label1" << 2 << 101 << needed;
        QTest::addRow("Label1(0), %d", needed) << "Label1" << 0 << 97 << needed;
    }
}

void TestWindow::rightToLeftCaptionsEndClearOfControls() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(int, right);
    QFETCH(int, needed);
    const auto rows = quorvel::layout::Controls();
    const auto at = std::find_if(rows.begin(), rows.end(), [&](const auto &row) {
        return name == row.name && row.index == index;
    });
    QVERIFY(at != rows.end());
    const auto place = quorvel::platform::PlaceText(rows, at - rows.begin(), needed, 628, true);
    QCOMPARE(place.left + place.width, right);
    QVERIFY2(place.left >= 0 && place.left <= at->left, "grows to the left, into the room there");
    if (needed != 0)
        return;

    // And on screen, in Arabic: ink up to 3 px before the control, not closer.
    WindowUnderTest t;
    t.window.Menu_Click(quorvel::platform::Tool::Language,
                        static_cast<int>(quorvel::words::LanguageOf(u"ar")->index()));
    const QImage screen = t.screen();
    const QRect label = Control(t.window, name, index)->geometry();
    int last = -1;
    for (int x = 0; x < right + 3; ++x)
        for (int y = label.top(); y < label.top() + 16; ++y)
            if (qGray(screen.pixel(x, y)) < 0x60)
                last = x;
    QVERIFY2(last >= right - 12 && last < right, qPrintable(QString::number(last)));
}

void TestWindow::focusOrder() {
    Quorvelcode window;
    QCOMPARE(Native(window.form())->focusWidget(), Native(window.Textw1));
    const QList<QWidget *> expected{
        Native(window.Textw1),    Native(window.Textw2),    Native(window.Textw3),
        Native(window.TextInitp), Native(window.VScrollp),  Native(window.RUN),
        Native(window.HScrollw1), Native(window.HScrollw2), Native(window.HScrollw3),
        Native(window.CLS),       Native(window.Textp100),  Native(window.Wmean)};
    QWidget *at = Native(window.Textw1);
    for (int i = 1; i < expected.size(); ++i) {
        do
            at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || at == Native(window.form()));
        QCOMPARE(at->objectName(), expected[i]->objectName());
    }
    for (QWidget *control : expected)
        QVERIFY(control->focusPolicy() & Qt::TabFocus);
}

void TestWindow::barsStartAsTheyShould() {
    Quorvelcode window;
    for (auto *bar :
         {Native(window.HScrollw1), Native(window.HScrollw2), Native(window.HScrollw3)}) {
        QCOMPARE(bar->Value(), 0);
        QCOMPARE(bar->value(), bar->minimum()); // thumb at the left
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 100);
        QVERIFY(!bar->hasTracking());
    }
    QCOMPARE(window.VScrollp->Value(), 0);
    QCOMPARE(Native(window.VScrollp)->value(),
             Native(window.VScrollp)->maximum()); // thumb at the bottom
    QCOMPARE(Native(window.VScrollp)->singleStep(), 1);
    QCOMPARE(Native(window.VScrollp)->pageStep(), 1);
}

void TestWindow::fieldsStartUnsetAndZero() {
    Quorvelcode w;
    QVERIFY(!w.w1.isSet() && !w.w2.isSet() && !w.w3.isSet() && !w.p0.isSet());
    QCOMPARE(quorvel::ParameterValue(w.w1), 0.0);
    QCOMPARE(w.wbar + w.p + w.pnext + w.pscan + w.dp + w.pscanNext, 0.0);
    QCOMPARE(w.gen, 0);
}

void TestWindow::screenPixels_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    const QColor background(192, 192, 255), grey(224, 224, 224), barGrey(200, 200, 200);
    QTest::newRow("background") << QPoint(300, 60) << background;
    QTest::newRow("Shape1 fill") << QPoint(300, 200) << grey;
    QTest::newRow("Shape1 outline top-left") << QPoint(96, 136) << QColor(Qt::black);
    QTest::newRow("Shape1 outline bottom-right") << QPoint(595, 286) << QColor(Qt::black);
    QTest::newRow("Shape1 outline bottom") << QPoint(346, 286) << QColor(Qt::black);
    QTest::newRow("Shape2 outline bottom") << QPoint(171, 419) << QColor(Qt::black);
    QTest::newRow("Deltap outline bottom") << QPoint(331, 419) << QColor(Qt::black);
    QTest::newRow("Deltap outline right") << QPoint(405, 340) << QColor(Qt::black);
    QTest::newRow("just below Shape1") << QPoint(300, 287) << background;
    QTest::newRow("Shape2 fill") << QPoint(150, 400) << barGrey;
    QTest::newRow("Deltap fill") << QPoint(300, 340) << barGrey;
    QTest::newRow("Deltap outline") << QPoint(256, 340) << QColor(Qt::black);
    QTest::newRow("between the small frames") << QPoint(250, 340) << background;
    QTest::newRow("Line2 start") << QPoint(257, 365) << QColor(Qt::black);
    QTest::newRow("Line2 end") << QPoint(406, 365) << QColor(Qt::black);
    QTest::newRow("under Line2") << QPoint(300, 366) << barGrey;
    QTest::newRow("blank part of a label") << QPoint(605, 302) << background;
}

void TestWindow::screenPixels() {
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    WindowUnderTest t;
    QCOMPARE(t.screen().pixelColor(at), colour);
}

void TestWindow::drawingShowsAboveLabelsAndFramesBelowControls() {
    WindowUnderTest t;
    const QImage before = t.screen();
    const QPoint onLabel(605, 302), onFrame(300, 200), onButton(488, 40), onBox(140, 30);
    for (QPoint at : {onLabel, onFrame, onButton, onBox})
        t.window.PSet(at.x(), at.y(), quorvel::platform::Colour::FromRgb(255, 0, 0));
    const QImage after = t.screen();
    QCOMPARE(after.pixelColor(onLabel), QColor(255, 0, 0));
    QCOMPARE(after.pixelColor(onFrame), QColor(255, 0, 0));
    QCOMPARE(after.pixelColor(onButton), before.pixelColor(onButton));
    QCOMPARE(after.pixelColor(onBox), before.pixelColor(onBox));
}

void TestWindow::clsErasesDrawingOnly() {
    WindowUnderTest t;
    const QImage clean = t.screen();
    t.window.PSet(100, 200);
    t.window.Line(500, 150);
    Native(t.window.Textp100)->setText("0.980");
    t.window.w1 = quorvel::Parameter(u"0.5");
    QVERIFY(PaintedPixels(*Native(t.window.surface)) > 400);

    QTest::mouseClick(Native(t.window.CLS), Qt::LeftButton);
    QCOMPARE(PaintedPixels(*Native(t.window.surface)), 0);
    QCOMPARE(Native(t.window.Textp100)->text(), QString("0.980"));
    QCOMPARE(t.window.w1.text(), QString("0.5"));
    const QRect drawn(96, 136, 501, 152);
    QCOMPARE(t.screen().copy(drawn), clean.copy(drawn));
    QVERIFY(t.reports.isEmpty());
}

void TestWindow::clsOnFreshWindowChangesNothing() {
    WindowUnderTest t;
    const QImage clean = t.screen();
    QTest::mouseClick(Native(t.window.CLS), Qt::LeftButton);
    QCOMPARE(t.screen(), clean);
}

void TestWindow::drawingSurvivesRepaintAndHiding() {
    WindowUnderTest t;
    Native(t.window.form())->show();
    QVERIFY(QTest::qWaitForWindowExposed(Native(t.window.form())));
    t.window.PSet(300, 200, quorvel::platform::Colour::FromRgb(255, 0, 0));
    Native(t.window.form())->repaint();
    Native(t.window.form())->showMinimized();
    Native(t.window.form())->hide();
    Native(t.window.form())->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(Native(t.window.form())));
    Native(t.window.form())->repaint();
    QCOMPARE(t.screen().pixelColor(300, 200), QColor(255, 0, 0));
}

// Not a grab, which paints everything afresh: what the platform was last given.
// (The offscreen platform shows only the top-left of a scaled window, so the
// dots stay within it.)
namespace {

// Collects the areas a widget is asked to repaint.
class PaintedAreas : public QObject {
public:
    explicit PaintedAreas(QWidget *widget) { widget->installEventFilter(this); }
    QRegion region;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace

// The drawing is kept at the screen's own resolution, and every device pixel
// a segment paints is inside what is repainted for it: a stroke through
// exact points can reach a row beyond its end pixels.
void TestWindow::drawingIsFlushedAtTheScreensResolution() {
    WindowUnderTest t;
    Native(t.window.form())->show();
    QVERIFY(QTest::qWaitForWindowExposed(Native(t.window.form())));
    auto *layer = Native(t.window.surface);
    PaintedAreas painted(layer);
    t.window.PSet(100.0f, 100.4f);
    QTRY_VERIFY(!painted.region.isEmpty());
    painted.region = {};
    t.window.Line(130.0f, 100.4f); // at 200 % its second device row lies in logical row 101
    QTRY_VERIFY(!painted.region.isEmpty());
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    const QImage device = layer->image();
    QCOMPARE(device.width(), int(std::ceil(628 * scale)));
    for (int y = 0; y < device.height(); ++y)
        for (int x = int(103 * scale); x < device.width(); ++x) // the segment's, not the dot's
            if (device.pixelColor(x, y).alpha())
                QVERIFY2(painted.region.contains(QPoint(int(x / scale), int(y / scale))),
                         qPrintable(QString("device pixel %1, %2").arg(x).arg(y)));
}

void TestWindow::drawingReachesTheScreenOnceTheHandlerReturns() {
    WindowUnderTest t;
    Native(t.window.form())->show();
    QVERIFY(QTest::qWaitForWindowExposed(Native(t.window.form())));
    const auto onScreen = [&](int x, int y) {
        return testing::Logical(Native(t.window.form())
                                    ->screen()
                                    ->grabWindow(Native(t.window.form())->winId())
                                    .toImage(),
                                Native(t.window.form())->size())
            .pixelColor(x, y);
    };
    QCOMPARE(onScreen(300, 200), QColor(224, 224, 224));
    t.window.PSet(300, 200, quorvel::platform::Colour::FromRgb(255, 0, 0));
    t.window.PSet(120, 230, quorvel::platform::Colour::FromRgb(0, 255, 0));
    QTRY_COMPARE(onScreen(300, 200), QColor(255, 0, 0));
    QCOMPARE(onScreen(120, 230), QColor(0, 255, 0));
    QTest::mouseClick(Native(t.window.CLS), Qt::LeftButton);
    QTRY_COMPARE(onScreen(300, 200), QColor(224, 224, 224));
}

QUORVEL_TEST_MAIN(TestWindow)
#include "tst_window.moc"
