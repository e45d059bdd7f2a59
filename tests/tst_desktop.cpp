#include "helpers.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using quorvel::platform::qt::Native;
using testing::PaintedPixels;
using testing::WindowUnderTest;

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void screenReaderNames_data();
    void screenReaderNames();
    void windowHasTheAppIcon();
    void wholeSessionFromTheKeyboard();
    void launcherAndMetadataAgree();
    void launcherSpeaksTheDesktopsLanguage_data();
    void launcherSpeaksTheDesktopsLanguage();
};

void TestDesktop::screenReaderNames_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("described");
    QTest::newRow("w(AA) bar") << "HScrollw1"
                               << "Fitness w(AA)"
                               << "genotype AA";
    QTest::newRow("w(Aa) bar") << "HScrollw2"
                               << "Fitness w(Aa)"
                               << "genotype Aa";
    QTest::newRow("w(Aa) box") << "Textw2"
                               << "Fitness w(Aa)"
                               << "genotype Aa";
    QTest::newRow("w(aa) bar") << "HScrollw3"
                               << "Fitness w(aa)"
                               << "genotype aa";
    QTest::newRow("p0 bar") << "VScrollp"
                            << "p0"
                            << "start frequency";
    QTest::newRow("p0 box") << "TextInitp"
                            << "p0"
                            << "start frequency";
    QTest::newRow("p100") << "Textp100"
                          << "Frequency A  p100"
                          << "100 generations";
    QTest::newRow("RUN") << "RUN"
                         << "RUN"
                         << "draws";
    QTest::newRow("W Mean") << "Wmean"
                            << "W Mean"
                            << "mean fitness";
    QTest::newRow("CLS") << "CLS"
                         << "CLS"
                         << "Clears";
    QTest::newRow("a label reads its text") << "Label6"
                                            << "100 generations"
                                            << "";
}

void TestDesktop::screenReaderNames() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, described);
    quorvel::Quorvelcode window;
    auto *widget = Native(window.form())->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QVERIFY2(accessible->text(QAccessible::Description).contains(described),
             qPrintable(accessible->text(QAccessible::Description)));
}

// The icon arrives right after the first frame, which does not need it.
void TestDesktop::windowHasTheAppIcon() {
    quorvel::Quorvelcode window;
    Native(window.form())->show();
    QVERIFY(QTest::qWaitForWindowExposed(Native(window.form())));
    QTRY_VERIFY(!Native(window.form())->windowIcon().isNull());
    QVERIFY(!Native(window.form())->windowIcon().pixmap(48, 48).isNull());
}

namespace {

void Press(Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

} // namespace

// Sets all four parameters and presses RUN, W Mean and CLS with keys alone.
void TestDesktop::wholeSessionFromTheKeyboard() {
    WindowUnderTest t;
    auto &w = t.window;
    Native(w.form())->show();
    Native(w.form())->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Native(w.form())));
    QCOMPARE(QApplication::focusWidget(), Native(w.Textw1));

    Press(Qt::Key_Tab, 4);
    QCOMPARE(QApplication::focusWidget(), Native(w.VScrollp));
    Press(Qt::Key_End); // the bottom: p = 0
    Press(Qt::Key_Up, 100);
    QCOMPARE(Native(w.TextInitp)->text(), QString("0.1"));

    Press(Qt::Key_Tab, 2);
    QCOMPARE(QApplication::focusWidget(), Native(w.HScrollw1));
    Press(Qt::Key_End);
    Press(Qt::Key_Tab);
    Press(Qt::Key_PageDown);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Right, 51);
    Press(Qt::Key_Left);
    QCOMPARE(Native(w.Textw1)->text(), QString("1"));
    QCOMPARE(Native(w.Textw2)->text(), QString("1"));
    QCOMPARE(Native(w.Textw3)->text(), QString("0.5"));

    Press(Qt::Key_Backtab, 3);
    QCOMPARE(QApplication::focusWidget(), Native(w.RUN));
    Press(Qt::Key_Space);
    QCOMPARE(Native(w.Textp100)->text(), QString("0.979"));

    Press(Qt::Key_Tab, 6);
    QCOMPARE(QApplication::focusWidget(), Native(w.Wmean));
    Press(Qt::Key_Return);
    for (int x = 96; x <= 246; ++x) // a mean-fitness dot in every column of Shape2
        QVERIFY(PaintedPixels(*Native(w.surface), QRect(x, 320, 1, 101)) > 0);

    Press(Qt::Key_Backtab, 2);
    QCOMPARE(QApplication::focusWidget(), Native(w.CLS));
    Press(Qt::Key_Enter);
    QCOMPARE(PaintedPixels(*Native(w.surface)), 0);
    QCOMPARE(Native(w.Textp100)->text(), QString("0.979"));
    QVERIFY(t.reports.isEmpty());
}

namespace {

QString Read(const QString &name) {
    QFile file(QStringLiteral(QUORVEL_PACKAGING "/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString DesktopKey(const QString &entry, const QString &key) {
    const QRegularExpression line("^" + key + "=(.*)$", QRegularExpression::MultilineOption);
    return line.match(entry).captured(1).trimmed();
}

} // namespace

// A dock ties the window to its launcher by the desktop id, and software
// centres file it where the launcher's menu does.
void TestDesktop::launcherAndMetadataAgree() {
    const QString id = "org.quorvel.Quorvel";
    const QString entry = Read(id + ".desktop");
    const QString metainfo = Read(id + ".metainfo.xml");
    QVERIFY(!entry.isEmpty() && !metainfo.isEmpty());
    QCOMPARE(DesktopKey(entry, "StartupWMClass"), id);
    QVERIFY(metainfo.contains("<id>" + id + "</id>"));
    QVERIFY(metainfo.contains(">" + id + ".desktop</launchable>"));

    QStringList launcher = DesktopKey(entry, "Categories").split(';', Qt::SkipEmptyParts);
    QStringList listed;
    const QRegularExpression category("<category>([^<]+)</category>");
    for (auto match = category.globalMatch(metainfo); match.hasNext();)
        listed << match.next().captured(1);
    launcher.sort();
    listed.sort();
    QCOMPARE(listed, launcher);
    QVERIFY(launcher.contains("Education"));
}

// A desktop in German lists the program in German: the build writes the
// catalogue's words into the launcher's entry and the software centre's
// metadata.
void TestDesktop::launcherSpeaksTheDesktopsLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("summary");
    QTest::newRow("de")
        << "de"
        << "Quorvel"
        << "Simulator der natürlichen Selektion"
        << "Verfolgen, wie natürliche Selektion die Frequenz eines Allels verändert";
    // A desktop names Chinese by its region, which the catalogue's script stands for.
    QTest::newRow("zh_CN") << "zh_CN"
                           << "Quorvel"
                           << "自然选择模拟器"
                           << "观察自然选择如何改变一个等位基因的频率";
}

void TestDesktop::launcherSpeaksTheDesktopsLanguage() {
    QFETCH(QString, locale);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, summary);
    const QString entry = Read("org.quorvel.Quorvel.desktop");
    const QString metainfo = Read("org.quorvel.Quorvel.metainfo.xml");
    const QString in = "\\[" + locale + "\\]";
    QCOMPARE(DesktopKey(entry, "Name" + in), name);
    QCOMPARE(DesktopKey(entry, "GenericName" + in), kind);
    QCOMPARE(DesktopKey(entry, "Comment" + in), summary);
    QVERIFY2(metainfo.contains("<summary xml:lang=\"" + locale + "\">" + summary + "</summary>"),
             qPrintable(metainfo));
}

QUORVEL_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
