// The files a student hands in: named by the minute they were saved, written
// where the save dialog says, the picture as Copy picture copies it and the
// values as Copy values copies them; a file that cannot be written is told,
// and nothing on screen is lost.
#include "helpers.h"
#include "lesson/saved_files.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using quorvel::platform::Tool;
using testing::Click;
using testing::SetBars;
using testing::WindowUnderTest;

class TestFiles : public QObject {
    Q_OBJECT

private slots:
    void namesSortByTheMinute();
    void pictureIsSavedAsCopied();
    void valuesAreSavedAsCopied();
    void failedWriteIsToldAndLosesNothing();
    void cancelledDialogSavesNothing();
};

namespace {

// What the next save dialog offered, and the answer given to it: a path to
// save to, or none to cancel; asked whether to replace a file, yes.
struct DialogSeen {
    bool opened = false;
    QString offeredName, filter, title, replaceQuestion;
    std::unique_ptr<QTimer> poll = std::make_unique<QTimer>();
};

std::shared_ptr<DialogSeen> AnswerNextDialog(const QString &path) {
    auto seen = std::make_shared<DialogSeen>();
    QObject::connect(
        seen->poll.get(), &QTimer::timeout, [weak = std::weak_ptr<DialogSeen>(seen), path] {
            const std::shared_ptr<DialogSeen> seen = weak.lock();
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *question = qobject_cast<QMessageBox *>(modal); question && seen->opened) {
                seen->replaceQuestion = question->text();
                question->button(QMessageBox::Yes)->click();
                return;
            }
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            if (!dialog || seen->opened)
                return;
            seen->opened = true;
            seen->offeredName = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            seen->filter = dialog->selectedNameFilter();
            seen->title = dialog->windowTitle();
            if (path.isEmpty()) {
                dialog->reject();
            } else {
                // A dialog's name field keeps its text while it has focus.
                if (QWidget *focused = dialog->focusWidget())
                    focused->clearFocus();
                dialog->selectFile(path);
                // Later, as a click would: a question it asks polls again.
                QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
            }
        });
    seen->poll->start(10);
    return seen;
}

QByteArray Contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Zero-padded, so that a folder sorted by name is sorted by time.
void TestFiles::namesSortByTheMinute() {
    QCOMPARE(quorvel::SavedFileName({2026, 12, 9, 7, 5}, quorvel::SavedFile::Picture),
             u"quorvel-2026-12-09-0705.png");
    QCOMPARE(quorvel::SavedFileName({2027, 1, 1, 23, 59}, quorvel::SavedFile::Values),
             u"quorvel-2027-01-01-2359.tsv");
}

// The dialog offers a dated name of the right kind; the file, replacing an
// older one the user agreed to replace, is a PNG of the whole window with the
// legend beside it, pixel for pixel the copied one, and nothing is left beside it.
void TestFiles::pictureIsSavedAsCopied() {
    WindowUnderTest t;
    SetBars(t.window, 100, 100, 50, 500);
    Click(t.window.RUN);
    QTemporaryDir folder;
    const QString path = folder.filePath("trajectory.png");
    QFile older(path);
    QVERIFY(older.open(QIODevice::WriteOnly) && older.write("last week's picture") > 0);
    older.close();
    const auto seen = AnswerNextDialog(path);
    const QDateTime before = QDateTime::currentDateTime();
    t.window.Menu_Click(Tool::SavePicture);
    const QDateTime after = QDateTime::currentDateTime();
    QVERIFY(seen->opened);
    const auto named = [](const QDateTime &when) {
        return when.toString("'quorvel-'yyyy-MM-dd-HHmm'.png'");
    };
    QVERIFY2(seen->offeredName == named(before) || seen->offeredName == named(after),
             qPrintable(seen->offeredName));
    QCOMPARE(seen->filter, QString("PNG picture (*.png)"));
    QCOMPARE(seen->title, QString("Save picture"));
    QVERIFY(t.reports.isEmpty());
    QCOMPARE(t.announced(), QString("The picture is saved as \u201Ctrajectory.png\u201D."));

    QVERIFY2(seen->replaceQuestion.contains("trajectory.png"), qPrintable(seen->replaceQuestion));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"trajectory.png"});
    const QByteArray png = Contents(path);
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    QImage saved;
    QVERIFY(saved.loadFromData(png, "PNG"));
    const qreal ratio = t.widget().devicePixelRatioF();
    QVERIFY(saved.width() > int(std::ceil(628 * ratio)) + 100); // the legend beside it
    QCOMPARE(saved.height(), int(std::ceil(474 * ratio)));
    QCOMPARE(saved.pixelColor(0, 0), QColor(192, 192, 255)); // the window's face
    QCOMPARE(saved.pixelColor(int(96.5 * ratio), int(212 * ratio)), t.drawingColour());

    t.window.Menu_Click(Tool::CopyPicture);
    QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    copied.setDevicePixelRatio(1); // a file keeps pixels, not the screen's scale
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), copied);
}

// UTF-8 after a byte-order mark, then exactly the text Copy values copies,
// Δ and all.
void TestFiles::valuesAreSavedAsCopied() {
    WindowUnderTest t;
    SetBars(t.window, 50, 50, 50, 500);
    Click(t.window.RUN);
    SetBars(t.window, 100, 100, 0, -1);
    Click(t.window.Wmean);
    QTemporaryDir folder;
    const QString path = folder.filePath("values.tsv");
    const auto seen = AnswerNextDialog(path);
    t.window.Menu_Click(Tool::SaveValues);
    QVERIFY(seen->opened);
    QVERIFY(seen->offeredName.endsWith(".tsv"));
    QCOMPARE(seen->filter, QString("Tab-separated values (*.tsv)"));

    const QByteArray saved = Contents(path);
    QVERIFY(saved.startsWith("\xEF\xBB\xBFgeneration\tp (w = 0.5, 0.5, 0.5 (s = 0, no h: the "
                             "homozygotes are equally fit); p0 = 0.5)\n"
                             "0\t0.5\n1\t0.5\n"));
    QVERIFY(saved.contains(
        "\tmean fitness (w = 1, 1, 0 (s = 1, h = 0))\t\xCE\x94p (w = 1, 1, 0 (s = 1, h = 0))\n"));
    t.window.Menu_Click(Tool::CopyValues);
    QCOMPARE(saved, "\xEF\xBB\xBF" + QGuiApplication::clipboard()->text().toUtf8());
}

// A folder that cannot be written to (here a file where a folder should be,
// which even an administrator cannot write into): one message naming the
// file and the system's reason; the drawing, the bars and any earlier file
// stay as they were.
void TestFiles::failedWriteIsToldAndLosesNothing() {
    WindowUnderTest t;
    SetBars(t.window, 80, 100, 60, 100);
    Click(t.window.RUN);
    const QImage before = t.screen();
    QTemporaryDir folder;
    QFile notAFolder(folder.filePath("notes"));
    QVERIFY(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.write("a student's notes");
    notAFolder.close();
    const QString path = folder.filePath("notes/picture.png");
    const auto seen = AnswerNextDialog(path);
    t.window.Menu_Click(Tool::SavePicture);
    QVERIFY(seen->opened);
    QCOMPARE(t.reports.size(), 1);
    const QString message = t.reports.front();
    QVERIFY2(message.startsWith(QString("The picture could not be saved as \u201C%1\u201D: ")
                                    .arg(QDir::toNativeSeparators(path))),
             qPrintable(message));
    QVERIFY(message.endsWith("Nothing on screen has changed. Choose another folder or name, "
                             "and save again."));
    QCOMPARE(Contents(folder.filePath("notes")), QByteArray("a student's notes"));
    QCOMPARE(t.screen(), before);
    QCOMPARE(t.window.drawn.all().size(), std::size_t(1));
}

// Cancel writes nothing and says nothing; with nothing drawn, Save values
// does not even ask.
void TestFiles::cancelledDialogSavesNothing() {
    WindowUnderTest t;
    QTemporaryDir folder;
    const auto seen = AnswerNextDialog(QString());
    t.window.Menu_Click(Tool::SavePicture);
    QVERIFY(seen->opened);
    QVERIFY(t.reports.isEmpty());
    QVERIFY(QDir(folder.path()).isEmpty());

    const auto unseen = AnswerNextDialog(QString());
    t.window.Menu_Click(Tool::SaveValues);
    QTest::qWait(50);
    QVERIFY(!unseen->opened);
    QVERIFY(t.reports.isEmpty());
    QApplication::processEvents();
}

QUORVEL_TEST_MAIN(TestFiles)
#include "tst_files.moc"
