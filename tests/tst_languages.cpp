// The Linux window in every language: every caption fits its control in the
// real fonts; a language chosen in the menu changes everything shown at once
// and keeps the drawing and the region's numbers; the suite's
// pseudo-language leaves no word behind; the system's languages choose one.
#include "accessibility.h"
#include "helpers.h"
#include "languages.h"
#include "reading/help_text.h"
#include "words/catalogue.h"
#include "words/linguas.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTextLayout>
#include <QTimer>

using quorvel::platform::Text;
using quorvel::platform::qt::Native;
using quorvel::words::Language;
using testing::Click;
using testing::SetBars;
using testing::WindowUnderTest;

Q_DECLARE_METATYPE(Language)

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionFits_data();
    void everyCaptionFits();
    void menuChangesEverythingShown();
    void pseudoLanguageLeavesNoWordBehind();
    void systemsLanguagesChooseOne_data();
    void systemsLanguagesChooseOne();
    void windowStartsInTheSystemsLanguage();
    void tagsChooseByScriptToo_data();
    void tagsChooseByScriptToo();
    void arabicCountsTakeTheirSixForms_data();
    void arabicCountsTakeTheirSixForms();
    void captionsStartWhereTheirLanguageReads_data();
    void captionsStartWhereTheirLanguageReads();
    void rightToLeftMessagesAndNotes();
    void chineseHelpBreaksWithinItsBox();
    void plotsAndBarsKeepTheirDirection();
    void sentencesJoinInTurn_data();
    void sentencesJoinInTurn();
};

namespace {

Language Pseudo() {
    return *quorvel::words::LanguageOf(u"en-XA");
}

QString Tag(Language language) {
    return QString::fromStdU16String(language.tag());
}

// The text a control shows, and where it shows it: a label's text from its
// top left, a button's and a box's inside them.
struct Shown {
    QWidget *control;
    QString name, text;
    QRectF inked; // where its text lies
    QRectF room;  // where it may lie
};

std::vector<Shown> Captions(QWidget &form) {
    std::vector<Shown> shown;
    for (QWidget *child : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName().isEmpty() || child->isHidden())
            continue;
        const QString name =
            child->objectName() + (child->property("index").isValid()
                                       ? QString("(%1)").arg(child->property("index").toInt())
                                       : QString());
        QString text;
        QRectF room = child->geometry();
        if (auto *label = qobject_cast<QLabel *>(child)) {
            text = label->text();
        } else if (auto *button = qobject_cast<QPushButton *>(child)) {
            text = button->text();
            room.adjust(2, 0, -2, 0); // inside its border and bevel
        } else if (auto *box = qobject_cast<QLineEdit *>(child)) {
            text = box->text();
            room.adjust(4, 0, -4, 0); // inside its frame and margin
        }
        const QFontMetricsF metrics(child->font());
        const double advance = metrics.horizontalAdvance(text);
        QRectF inked(child->x(), child->y(), advance, metrics.height());
        if (!qobject_cast<QLabel *>(child))
            inked.moveCenter(QPointF(room.center().x(), inked.center().y()));
        else if (child->layoutDirection() == Qt::RightToLeft) // from its top right
            inked.moveRight(room.right());
        shown.push_back({child, name, text, inked, room});
    }
    return shown;
}

// Every caption inside its room, and no label's text over another control or
// past the window's edge. Where `clipped` is allowed (the pseudo-language,
// longer than any room), a label may be cut off at its room or under the
// control that lies over it, but never covers another label.
QStringList Faults(QWidget &form, bool clipped) {
    QStringList faults;
    const std::vector<Shown> shown = Captions(form);
    for (const Shown &one : shown) {
        const bool label = qobject_cast<QLabel *>(one.control) != nullptr;
        const QRectF text = clipped && label ? one.inked.intersected(one.room) : one.inked;
        if (one.text.isEmpty())
            continue;
        if (!label && !clipped &&
            (text.left() < one.room.left() || text.right() > one.room.right()))
            faults << QString("%1 \"%2\" overflows").arg(one.name, one.text);
        if (!label)
            continue;
        if (!clipped && text.width() > one.room.width() + 0.5)
            faults << QString("%1 \"%2\" is cut off").arg(one.name, one.text);
        if (text.right() > form.width() || text.left() < 0)
            faults << QString("%1 \"%2\" runs off the window").arg(one.name, one.text);
        for (const Shown &other : shown) {
            if (other.control == one.control)
                continue;
            const QRectF taken = qobject_cast<QLabel *>(other.control)
                                     ? (clipped ? other.inked.intersected(other.room) : other.inked)
                                     : QRectF(other.control->geometry());
            // Cut off, a label may lie under a control, which covers it, but
            // never over another label.
            const bool covers =
                qobject_cast<QLabel *>(other.control) ? !other.text.isEmpty() : !clipped;
            if (covers && text.intersects(taken))
                faults << QString("%1 \"%2\" runs into %3").arg(one.name, one.text, other.name);
        }
    }
    return faults;
}

// The window in a language, chosen by the user.
void Choose(WindowUnderTest &t, Language language) {
    t.window.Menu_Click(quorvel::platform::Tool::Language, static_cast<int>(language.index()));
}

} // namespace

// Every language po/LINGUAS lists, so that one left out of the program fails.
void TestLanguages::everyCaptionFits_data() {
    QTest::addColumn<Language>("language");
    for (const QString &tag : testing::ShippedTags()) {
        const auto language = quorvel::words::LanguageOf(tag.toStdU16String());
        QVERIFY2(language && Tag(*language) == tag, qPrintable(tag));
        QTest::newRow(qPrintable(tag)) << *language;
    }
}

void TestLanguages::everyCaptionFits() {
    QFETCH(Language, language);
    WindowUnderTest t;
    Choose(t, language);
    QStringList faults = Faults(t.widget(), false);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    // The panel too, with its settings at their widest: ten thousand
    // generations under the frame, a million in the size's box.
    t.window.OpenLink(u"#n=1000000;populations=1000;generations=10000;mutation=0.00002,0.00005");
    faults = Faults(t.widget(), false);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
}

// German words, the region's numbers (en-US here) and the same drawing; a
// note being read is read again in German, and Qt's own dialogs speak it.
void TestLanguages::menuChangesEverythingShown() {
    WindowUnderTest t;
    SetBars(t.window, 80, 100, 60, -1);
    Click(t.window.RUN);
    const QImage drawing = Native(t.window.surface)->image();
    t.window.Menu_Click(quorvel::platform::Tool::ReadValues);

    // Through the menu the window shows, as a user chooses.
    QTimer::singleShot(0, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction *action : menu->actions())
            if (action->text() == "Language" && action->menu())
                for (QAction *language : action->menu()->actions())
                    if (language->text().startsWith("Deutsch"))
                        language->trigger();
        menu->close();
    });
    t.window.Form_ContextMenu(quorvel::platform::Point{300, 200});

    QWidget &form = t.widget();
    QCOMPARE(form.windowTitle(), QString("Quorvel, deterministisch"));
    QCOMPARE(Native(t.window.RUN)->text(), QString("Start"));
    QCOMPARE(Native(t.window.Label4)->text(), QString("Frequenz A"));
    QCOMPARE(t.window.TextInitp->text(), QString("Start-p")); // still before its bar moved
    QCOMPARE(t.window.Textw1->text(), QString("0.8"));        // the region's number
    QCOMPARE(t.window.Textp100->text(), QString("0.000"));
    const auto said = [](QObject *object, QAccessible::Text kind) {
        return QAccessible::queryAccessibleInterface(object)->text(kind);
    };
    QCOMPARE(said(Native(t.window.RUN), QAccessible::Description),
             QString("Verfolgt die Frequenz von A über 100 Generationen und zeichnet sie"));
    QCOMPARE(said(Native(t.window.surface), QAccessible::Name), QString("Zeichnung"));
    QCOMPARE(said(Native(t.window.surface), QAccessible::Description),
             QString("Verlauf: w(AA) 0.8; w(Aa) 1; w(aa) 0.6; von p0 0 bis p100 0.000."));
    // A new language says nothing of its own: the focus says the rest.
    const auto *announcer = form.findChild<quorvel::platform::qt::Announcer *>();
    QCOMPARE(
        announcer->sentence(),
        QString(
            "generation 0: p = 0.000; w = 0.8, 1, 0.6 (s = 0.25, h = -1: overdominance); p0 = 0"));
    QVERIFY(Native(t.window.surface)->image() == drawing);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Close"), QString("Schließen"));

    // Reading goes on where it was, in German.
    t.window.Form_KeyDown({quorvel::platform::Key::Right});
    QCOMPARE(announcer->sentence(),
             QString("Generation 1: p = 0.000; w = 0.8; 1; 0.6 (s = 0.25; h = -1: Überdominanz); "
                     "p0 = 0"));

    Choose(t, Language::English());
    QCOMPARE(form.windowTitle(), QString("Quorvel, deterministic"));
    QCOMPARE(t.window.TextInitp->text(), QString("start p"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Close"), QString("Close"));
}

// Every text the window shows or says comes from the catalogue: in the
// pseudo-language, each is in brackets. The captions longer than their
// rooms are cut off, but cover nothing.
void TestLanguages::pseudoLanguageLeavesNoWordBehind() {
    WindowUnderTest t;
    Choose(t, Pseudo());
    SetBars(t.window, 80, 100, 60, 500);
    Click(t.window.RUN);
    Click(t.window.Wmean);
    QStringList texts{t.widget().windowTitle()};
    for (const Shown &shown : Captions(t.widget())) {
        if (!qobject_cast<QLineEdit *>(shown.control)) // a box shows a number
            texts << shown.text;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(shown.control);
        texts << accessible->text(QAccessible::Name) << accessible->text(QAccessible::Description);
    }
    QAccessibleInterface *drawing = QAccessible::queryAccessibleInterface(Native(t.window.surface));
    texts << drawing->text(QAccessible::Name) << drawing->text(QAccessible::Description);
    QTimer::singleShot(0, [&texts] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        for (QAction *action : menu->actions()) {
            texts << action->text().section('\t', 0, 0) << action->text().section('\t', 1);
            // Each language is listed in its own words.
            const bool languages = action->text().startsWith(QStringLiteral("[Ł"));
            if (action->menu() && !languages)
                for (QAction *inner : action->menu()->actions())
                    texts << inner->text();
        }
        menu->close();
    });
    t.window.Form_ContextMenu(quorvel::platform::Point{300, 200});
    t.window.Menu_Click(quorvel::platform::Tool::ReadValues);
    texts << t.widget().findChild<quorvel::platform::qt::Announcer *>()->sentence();
    texts << QString::fromStdU16String(
        quorvel::HelpText(Pseudo(), quorvel::platform::ToolKeys::Desktop));

    QStringList plain;
    const QRegularExpression functionKey("^(F[0-9]+)?$");
    for (const QString &text : texts)
        for (const QString &part : text.split('\t'))
            if (part.contains(QRegularExpression("[A-Za-z]")) && !part.contains('[') &&
                !functionKey.match(part).hasMatch())
                plain << part;
    QVERIFY2(plain.isEmpty(), qPrintable(plain.join("\n")));
    const QStringList faults = Faults(t.widget(), true);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
}

// As gettext programs choose: LANGUAGE's list where the locale for messages
// is not C, then that locale (LC_ALL, else LC_MESSAGES, else LANG); a tag
// whole first, then its language alone; English where none is spoken.
void TestLanguages::systemsLanguagesChooseOne_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("all");
    QTest::addColumn<QString>("messages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("LANG") << ""
                          << ""
                          << ""
                          << "de_DE.UTF-8"
                          << "de";
    QTest::newRow("a region without its own") << ""
                                              << ""
                                              << ""
                                              << "pt_PT.UTF-8"
                                              << "pt-BR";
    QTest::newRow("the whole tag") << ""
                                   << ""
                                   << ""
                                   << "pt_BR.UTF-8"
                                   << "pt-BR";
    QTest::newRow("encoding and modifier") << ""
                                           << ""
                                           << ""
                                           << "es_MX.ISO-8859-1@euro"
                                           << "es";
    QTest::newRow("LANGUAGE first") << "fr:de"
                                    << ""
                                    << ""
                                    << "de_DE.UTF-8"
                                    << "fr";
    QTest::newRow("LANGUAGE's first spoken") << testing::Unspoken + ":es_AR"
                                             << ""
                                             << ""
                                             << "de_DE.UTF-8"
                                             << "es";
    QTest::newRow("LANGUAGE unspoken") << testing::Unspoken << ""
                                       << ""
                                       << "de_DE.UTF-8"
                                       << "de";
    QTest::newRow("C ignores LANGUAGE") << "de"
                                        << "C.UTF-8"
                                        << ""
                                        << "fr_FR.UTF-8"
                                        << "en";
    QTest::newRow("no locale at all") << "de"
                                      << ""
                                      << ""
                                      << ""
                                      << "en";
    QTest::newRow("LC_ALL over the rest") << ""
                                          << "fr_FR.UTF-8"
                                          << "de_DE.UTF-8"
                                          << "es_ES"
                                          << "fr";
    QTest::newRow("LC_MESSAGES over LANG") << ""
                                           << ""
                                           << "de_DE.UTF-8"
                                           << "es_ES"
                                           << "de";
    QTest::newRow("none spoken") << ""
                                 << ""
                                 << "" << testing::Unspoken + "_QA.UTF-8"
                                 << "en";
}

void TestLanguages::systemsLanguagesChooseOne() {
    QFETCH(QString, language);
    QFETCH(QString, all);
    QFETCH(QString, messages);
    QFETCH(QString, lang);
    QFETCH(QString, chosen);
    const auto tags = quorvel::platform::GettextLanguages(
        language.toStdString(), all.toStdString(), messages.toStdString(), lang.toStdString());
    QCOMPARE(Tag(quorvel::words::ChooseLanguage(tags)), chosen);
}

// The Qt window asks the environment, and a browser's or Windows' lists of
// tags choose the same way: the first spoken, by its language alone too.
void TestLanguages::windowStartsInTheSystemsLanguage() {
    const QByteArray all = qgetenv("LC_ALL");
    qputenv("LC_ALL", "fr_FR.UTF-8");
    qputenv("LANGUAGE", "");
    WindowUnderTest french;
    qputenv("LANGUAGE", "en");
    qputenv("LC_ALL", all);
    QCOMPARE(french.widget().windowTitle(), QString("Quorvel, déterministe"));
    QCOMPARE(Native(french.window.Wmean)->text(), QString("W moyen"));
    const std::vector<Text> browser{u"qaa-SE", u"PT-pt", u"en-US"};
    QCOMPARE(Tag(quorvel::words::ChooseLanguage(browser)), QString("pt-BR"));
    const std::vector<Text> windows{u"en-GB", u"de-DE"};
    QCOMPARE(Tag(quorvel::words::ChooseLanguage(windows)), QString("en"));
}

QUORVEL_TEST_MAIN(TestLanguages)
// A browser's or Windows' list of tags, the most wanted first: Chinese is
// Simplified in China and Singapore, or where the tag says so, and
// Traditional in Taiwan, Hong Kong and Macao, which no catalogue is yet, so
// the next tag in the list (or English) is taken.
void TestLanguages::tagsChooseByScriptToo_data() {
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QString>("chosen");
    for (const char *tag : {"zh-CN", "zh-SG", "zh-Hans", "zh", "zh_CN.UTF-8", "ZH-hans-hk"})
        QTest::newRow(tag) << QStringList{tag} << "zh-Hans";
    for (const char *tag : {"zh-TW", "zh-HK", "zh-MO", "zh-Hant", "zh-Hant-CN", "zh_TW.UTF-8"})
        QTest::newRow(tag) << QStringList{tag} << "en";
    QTest::newRow("Traditional, then German") << QStringList{"zh-TW", "de-AT"} << "de";
    QTest::newRow("Traditional, then Simplified") << QStringList{"zh-HK", "zh-CN"} << "zh-Hans";
}

void TestLanguages::tagsChooseByScriptToo() {
    QFETCH(QStringList, tags);
    QFETCH(QString, chosen);
    std::vector<Text> list;
    for (const QString &tag : tags)
        list.push_back(tag.toStdU16String());
    QCOMPARE(Tag(quorvel::words::ChooseLanguage(list)), chosen);
}

Language Arabic() {
    return *quorvel::words::LanguageOf(u"ar");
}

// Arabic's six forms, by the rule of its catalogue's header: none, one, two,
// a few (3 to 10 in each hundred), many (11 to 99), and the rest (100 to
// 102, ...). A count is isolated, so that it keeps its place in the sentence.
void TestLanguages::arabicCountsTakeTheirSixForms_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("said");
    const auto counted = [](int n, const char *words) {
        return QString("\u2068%1\u2069 %2").arg(n).arg(QString(words));
    };
    QTest::newRow("none") << 0 << QString("لا إجراءات سابقة غير موصوفة.");
    QTest::newRow("one") << 1 << QString("إجراء سابق واحد غير موصوف.");
    QTest::newRow("two") << 2 << QString("إجراءان سابقان غير موصوفين.");
    for (int few : {3, 10, 103, 1010})
        QTest::newRow(qPrintable(QString("a few, %1").arg(few)))
            << few << counted(few, "إجراءات سابقة غير موصوفة.");
    for (int many : {11, 99, 111, 1099})
        QTest::newRow(qPrintable(QString("many, %1").arg(many)))
            << many << counted(many, "إجراءً سابقًا غير موصوف.");
    for (int other : {100, 102, 200, 1000})
        QTest::newRow(qPrintable(QString("other, %1").arg(other)))
            << other << counted(other, "إجراء سابق غير موصوف.");
}

void TestLanguages::arabicCountsTakeTheirSixForms() {
    QFETCH(int, count);
    QFETCH(QString, said);
    const Text number = QString::number(count).toStdU16String();
    QCOMPARE(quorvel::words::SayCount(Arabic(), quorvel::words::Phrase::EarlierActions,
                                      static_cast<unsigned long>(count), {{"count", number}}),
             said);
}

namespace {

// The first and last columns with ink (a dark pixel) in a band of the
// window, or (-1, -1) where there is none.
std::pair<int, int> Ink(const QImage &screen, const QRect &band) {
    int first = -1, last = -1;
    for (int x = band.left(); x <= band.right(); ++x)
        for (int y = band.top(); y <= band.bottom(); ++y)
            if (qGray(screen.pixel(x, y)) < 0x60) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

} // namespace

// Where the captions' ink lies, in the window's pixels: from its left edge
// (x = 24) in a language read left to right, up to 3 px before the box at
// x = 104 in Arabic; and the axis caption's "0" and "1" under their frame's ends
// (x = 96 and about 246) in every language.
void TestLanguages::captionsStartWhereTheirLanguageReads_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("captionFrom");
    QTest::addColumn<int>("captionTo");
    QTest::newRow("en") << English << 24 << -1;
    QTest::newRow("zh-Hans") << *quorvel::words::LanguageOf(u"zh-Hans") << 24 << -1;
    QTest::newRow("ar") << Arabic() << -1 << 100;
}

void TestLanguages::captionsStartWhereTheirLanguageReads() {
    QFETCH(Language, language);
    QFETCH(int, captionFrom);
    QFETCH(int, captionTo);
    WindowUnderTest t;
    Choose(t, language);
    const QImage screen = t.screen();
    // Fitness w(Aa), left of its box, in the rows of its text.
    const auto [first, last] = Ink(screen, QRect(0, 50, 104, 14));
    if (captionFrom >= 0)
        QVERIFY2(first >= captionFrom && first <= captionFrom + 2,
                 qPrintable(QString::number(first)));
    else
        QVERIFY2(last >= captionTo - 3 && last <= captionTo, qPrintable(QString::number(last)));
    QVERIFY2(first > 0 && last - first > 20, "the caption is shown whole");
    // Under the mean-fitness frame, from its left end to the next frame.
    const auto [zero, one] = Ink(screen, QRect(90, 426, 160, 14));
    QVERIFY2(zero >= 96 && zero <= 99, qPrintable(QString::number(zero)));
    QVERIFY2(one >= 236 && one <= 250, qPrintable(QString::number(one)));
}

// In Arabic a message box is mirrored, its icon on the right of its text,
// and the note's words reach a screen reader in the order they are read,
// each formula and number a whole.
void TestLanguages::rightToLeftMessagesAndNotes() {
    WindowUnderTest t;
    Choose(t, Arabic());
    QRect icon, text;
    QString said;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        said = box->text();
        icon = box->findChild<QLabel *>("qt_msgboxex_icon_label")->geometry();
        text = box->findChild<QLabel *>("qt_msgbox_label")->geometry();
        box->accept();
    });
    t.window.form().showError(u"\u0644\u0627 \u0634\u064A\u0621."); // "لا شيء."
    QCOMPARE(said, QString("لا شيء."));
    QVERIFY2(icon.left() >= text.right(), "the icon is right of the text");

    SetBars(t.window, 80, 100, 60, 100);
    Click(t.window.RUN);
    t.window.Menu_Click(quorvel::platform::Tool::ReadValues);
    const QString lri(u'\u2066'), fsi(u'\u2068'), pdi(u'\u2069');
    QCOMPARE(t.announced(), fsi + "الجيل " + fsi + "0" + pdi + ": " + lri + "p = " + fsi + "0.100" +
                                pdi + pdi + pdi + "؛ " + fsi + lri + "w = " + fsi + "0.8" + pdi +
                                ", " + fsi + "1" + pdi + ", " + fsi + "0.6" + pdi + pdi + " (" +
                                fsi + fsi + lri + "s = " + fsi + "0.25" + pdi + ", h = " + fsi +
                                "-1" + pdi + pdi + pdi + ": سيادة فائقة" + pdi + ")؛ " + lri +
                                "p0 = " + fsi + "0.1" + pdi + pdi + pdi);
}

// The help in Chinese, which has no spaces to break at, wraps within its
// box: each line no wider than the text's room, and more lines than
// paragraphs.
void TestLanguages::chineseHelpBreaksWithinItsBox() {
    WindowUnderTest t;
    Choose(t, *quorvel::words::LanguageOf(u"zh-Hans"));
    int lines = 0, paragraphs = 0;
    QStringList wide;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        const auto *label = box->findChild<QLabel *>("qt_msgbox_label");
        QVERIFY(label->wordWrap());
        QVERIFY(label->geometry().right() < box->width());
        for (const QString &paragraph : label->text().split('\n')) {
            ++paragraphs;
            QTextLayout layout(paragraph, label->font());
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(label->contentsRect().width());
                ++lines;
                if (line.naturalTextWidth() > label->contentsRect().width())
                    wide << paragraph.mid(line.textStart(), line.textLength());
            }
            layout.endLayout();
        }
        box->accept();
    });
    t.window.Menu_Click(quorvel::platform::Tool::Help);
    QVERIFY2(wide.isEmpty(), qPrintable(wide.join('\n')));
    QVERIFY2(lines > paragraphs + 10, qPrintable(QString("%1 lines").arg(lines)));
}

// The drawing is the same, pixel for pixel, in every language, and a bar's
// left arrow key lowers its value in Arabic too.
void TestLanguages::plotsAndBarsKeepTheirDirection() {
    WindowUnderTest t;
    SetBars(t.window, 80, 100, 60, 100);
    Click(t.window.RUN);
    Click(t.window.Wmean);
    const QImage drawing = Native(t.window.surface)->image();
    for (const Language language : Language::All()) {
        Choose(t, language);
        QVERIFY2(Native(t.window.surface)->image() == drawing, qPrintable(Tag(language)));
    }
    Choose(t, Arabic());
    auto *bar = Native(t.window.HScrollw1);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(t.window.HScrollw1->Value(), std::int16_t(79));
}

// The drawing's description joins its sentences as Say after Say would: in
// the pseudo-language each join brackets what came before.
void TestLanguages::sentencesJoinInTurn_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("sentences");
    QTest::addColumn<QString>("joined");
    QTest::newRow("none") << Language::English() << QStringList{} << "";
    QTest::newRow("one") << Language::English() << QStringList{"A."} << "A.";
    QTest::newRow("three") << Language::English() << QStringList{"A.", "B.", "C."} << "A. B. C.";
    QTest::newRow("pseudo, two") << Pseudo() << QStringList{"A.", "B."} << "[A. B.·]";
    QTest::newRow("pseudo, three") << Pseudo() << QStringList{"A.", "B.", "C."} << "[[A. B.·] C.·]";
}

void TestLanguages::sentencesJoinInTurn() {
    QFETCH(Language, language);
    QFETCH(QStringList, sentences);
    QFETCH(QString, joined);
    std::vector<Text> texts;
    for (const QString &sentence : sentences)
        texts.push_back(sentence.toStdU16String());
    std::vector<const Text *> items;
    for (const Text &text : texts)
        items.push_back(&text);
    QCOMPARE(
        QString::fromStdU16String(quorvel::words::InTurn(
            language, quorvel::words::Phrase::SentenceAfterSentence, "first", "second", items)),
        joined);
}

#include "tst_languages.moc"
