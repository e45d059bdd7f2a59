#include "native_form.h"

#include "control.h"
#include "fonts.h"
#include "translations.h"
#include "zoom.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

// The window's words: its captions, title and help, a new language's Qt
// words, letters and direction, and the messages and help shown in them.
namespace quorvel::platform::qt {

namespace {

// Text goes in after the font, so that no text is laid out twice. A box's
// text is the window's to write once the form is made.
void ApplyText(QWidget *control, const Text &caption, bool boxes) {
    const QString text = ToQString(caption);
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        button->setText(text);
    } else if (auto *box = qobject_cast<QLineEdit *>(control)) {
        if (boxes) {
            box->setText(text);
            box->setCursorPosition(0);
        }
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(text);
    }
}

// Captions read in the language's direction, from their control's right
// edge in a language written right to left; the bars, the frames, the boxes'
// numbers and the marks on the plots keep theirs (a button's caption is
// centred, and a catalogue isolates a caption that mixes directions). Menus,
// messages and the help are windows of their own and take the application's.
void UseDirection(QWidget *control, const Row &row, bool rightToLeft) {
    const bool caption = row.kind == Kind::Label && !row.mark;
    control->setLayoutDirection(caption && rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
}

} // namespace

void Form::showWords(std::size_t i, const Text &caption, bool boxes) {
    ApplyText(controls_[i], caption, boxes);
    UseDirection(controls_[i], rows_[i], rightToLeft_);
}

// Qt's own words, the letters the fonts must find faces for, and the
// direction the windows of their own (menus, messages, the help) open in.
void Form::useLanguageOf(const FormWords &words) {
    UseQtTranslations(words.language);
    UseLettersOf(words);
    QGuiApplication::setLayoutDirection(words.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    rightToLeft_ = words.rightToLeft;
}

// A box lays out its text in the application font when it is made: that
// font is the boxes' own, so they load no other. Messages and the help show
// it too, so it is made again for another language's letters.
void Form::useBoxFont() {
    for (const Row &row : rows_)
        if (row.kind == Kind::TextBox && row.font.family) {
            QApplication::setFont(
                MakeFont(row.font.family, row.font.pointSize, row.font.bold, Glyphs::Any));
            break;
        }
}

// Qt's own words (its dialogs' buttons) first, so that a box shown anew
// reads in the same language as everything else.
void Form::setWords(const FormWords &words) {
    useLanguageOf(words);
    useBoxFont();
    setWindowTitle(ToQString(words.title));
    surface_->setAccessibleName(ToQString(words.drawing));
    for (std::size_t i = 0; i < rows_.size(); ++i)
        showWords(i, words.captions.at(i), false);
    layOut(ZoomOf(this), false); // labels grow to their new texts
    if (help_) {
        help_->setWindowTitle(ToQString(words.helpTitle));
        help_->setText(ToQString(words.help));
    }
}

void Form::showError(const Text &message) {
    QMessageBox::warning(this, windowTitle(), ToQString(message));
}

void Form::showHelp(const Text &title, const Text &text) {
    QMessageBox help(QMessageBox::Information, ToQString(title), ToQString(text),
                     QMessageBox::Close, this);
    help_ = &help;
    help.exec();
    help_ = nullptr;
}

} // namespace quorvel::platform::qt
