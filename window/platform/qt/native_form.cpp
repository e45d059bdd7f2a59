#include "native_form.h"

#include "accessibility.h"
#include "app_icon.h"
#include "first_frame.h"
#include "font_warmup.h"
#include "fonts.h"
#include "native_controls.h"
#include "qt_colour.h"
#include "reading_tools.h"
#include "scroll_bar.h"
#include "sound.h"
#include "translations.h"
#include "zoom.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quorvel::platform::qt {

namespace {

QWidget *MakeWidget(const Row &row, QWidget *form) {
    switch (row.kind) {
    case Kind::Button:
        return new Button(form);
    case Kind::TextBox:
        return new TextBox(form);
    case Kind::HorizontalBar:
    case Kind::VerticalBar:
        return new ScrollBar(form, row);
    case Kind::Label:
        return new Label(form);
    case Kind::Line:
        return new LineShape(form);
    case Kind::Rectangle:
        return new RectangleShape(form, Colour::FromCode(row.fill));
    }
    throw std::logic_error("a layout row of no known kind");
}

void ApplyFont(QWidget *control, const Row &row) {
    // Without a family of its own a control keeps the window's font.
    if (!row.font.family)
        return;
    // Captions are plain Latin text and need no fallback faces; a box shows
    // numbers in the user's locale, whose digits may come from another face.
    const auto glyphs = row.kind == Kind::TextBox ? Glyphs::Any : Glyphs::Latin;
    control->setFont(MakeFont(row.font.family, row.font.pointSize, row.font.bold, glyphs));
}

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

// The stand-ins for the layout's fonts can be a few pixels wider than the
// originals, which would cut off the end of a caption (the "1" of the axis
// captions). A label then grows to its text, but only into free space.
TextPlace PlaceFor(const QWidget *control, std::span<const Row> rows, std::size_t i,
                   int clientWidth, bool rightToLeft, double zoom = 1.0) {
    const Row &row = rows[i];
    const auto *label = qobject_cast<const QLabel *>(control);
    if (!label || label->text().isEmpty())
        return {row.left, row.width, rightToLeft && !row.mark};
    // One pixel more than the advance: hinting at a higher pixel ratio can
    // widen the glyphs by a fraction. In the layout's pixels, whatever the zoom.
    const double advance = QFontMetricsF(label->font()).horizontalAdvance(label->text()) / zoom;
    const int needed = static_cast<int>(std::ceil(advance)) + 1;
    return PlaceText(rows, i, needed, clientWidth, rightToLeft);
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

Form::Form(const FormDesign &design, std::span<const Row> rows, const FormWords &words)
    : design_(design), rows_(rows) {
    setWindowTitle(ToQString(words.title));
    useLanguageOf(words);
    // The drawing is aligned with the layout's pixels, so the client area never changes size.
    setFixedSize(design.clientWidth, design.clientHeight);
    // The program takes no command line: Qt's -reverse changes nothing here (and
    // start-up sets our style over whatever -style asked for).
    setLayoutDirection(Qt::LeftToRight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(Colour::FromCode(design.background)));
    setPalette(colours);
    setAutoFillBackground(true);
    InstallAccessibility();

    surface_ = new DrawingLayer(this, Colour::FromCode(design.drawingColour), design.clientWidth,
                                design.clientHeight);
    surface_->setGeometry(0, 0, design.clientWidth, design.clientHeight);
    surface_->setAccessibleName(ToQString(words.drawing));
    surface_->setAnnouncer(new Announcer(this));
    // The icon is decoded and handed to the window system only once the first
    // frame is up; the first picture does not need it.
    new AfterFirstFrame(*this, [this] { setWindowIcon(AppIcon()); });

    // Everything that needs no font is made while the font configuration is
    // still being read: the controls but the boxes, which lay out their text
    // as soon as they exist.
    controls_.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].kind != Kind::TextBox)
            controls_[i] = MakeWidget(rows[i], this);

    FontWarmup::Wait();
    useBoxFont();
    // Only the W Mean caption shows the window's own font.
    setFont(MakeFont(design.font.family, design.font.pointSize, design.font.bold, Glyphs::Latin));

    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        if (!controls_[i])
            controls_[i] = MakeWidget(row, this);
        QWidget *control = controls_[i];
        control->setObjectName(QString::fromUtf8(row.name));
        if (row.index >= 0)
            control->setProperty("index", row.index);
        ApplyFont(control, row);
        ApplyText(control, words.captions.at(i), true);
        UseDirection(control, row, rightToLeft_);
        if (row.kind == Kind::Line) { // a line includes both its end pixels
            control->setGeometry(row.left, row.top, row.width + 1, row.height + 1);
        } else {
            const TextPlace place =
                PlaceFor(control, rows, i, RightEdge(design, row), rightToLeft_);
            control->setGeometry(place.left, row.top, place.width, row.height);
        }
        if (!TakesFocus(row.kind))
            control->setFocusPolicy(Qt::NoFocus);
        if (row.panel) // until the window asks for the panel
            control->hide();
    }
    stack();
    orderFocus(rows);
    tools_ = new ReadingTools(this, design.clientWidth);
}

// Every control, font, frame and the drawing at a zoom, as at a screen of
// that scale; the drawing then made again sharp from the kept curves where
// the scale changed (new words alone leave it as it is).
void Form::layOut(double zoom, bool rescaled) {
    setProperty("quorvelZoom", zoom);
    setFixedSize(Zoomed(clientWidth(), zoom), Zoomed(design_.clientHeight, zoom));
    setFont(MakeFont(design_.font.family, design_.font.pointSize * zoom, design_.font.bold,
                     Glyphs::Latin));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Row &row = rows_[i];
        QWidget *control = controls_[i];
        if (row.font.family)
            control->setFont(MakeFont(row.font.family, row.font.pointSize * zoom, row.font.bold,
                                      row.kind == Kind::TextBox ? Glyphs::Any : Glyphs::Latin));
        const int extra = row.kind == Kind::Line ? 1 : 0; // a line includes both its end pixels
        const TextPlace place =
            row.kind == Kind::Line
                ? TextPlace{row.left, row.width, false}
                : PlaceFor(control, rows_, i, RightEdge(design_, row), rightToLeft_, zoom);
        const int left = Zoomed(place.left, zoom), top = Zoomed(row.top, zoom);
        control->setGeometry(left, top, Zoomed(place.left + place.width + extra, zoom) - left,
                             Zoomed(row.top + row.height + extra, zoom) - top);
    }
    // The drawing covers the window's own client area, never the panel.
    surface_->setGeometry(0, 0, Zoomed(design_.clientWidth, zoom), height());
    surface_->refit();
    hideNote();
    tools_->hideMarker();
    if (rescaled && tools_->events().rescaled)
        tools_->events().rescaled();
    update();
}

// The panel's controls show or hide, and the window widens or narrows to
// them; nothing else moves, and the drawing stays as it is.
void Form::showPanel(bool shown) {
    if (shown == panelShown_)
        return;
    panelShown_ = shown;
    const double zoom = ZoomOf(this);
    setFixedSize(Zoomed(clientWidth(), zoom), Zoomed(design_.clientHeight, zoom));
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].panel)
            controls_[i]->setVisible(shown);
}

double Form::zoom() const {
    return ZoomOf(this);
}

void Form::setZoom(double zoom) {
    if (zoom != ZoomOf(this))
        layOut(zoom);
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

void Form::stack() {
    for (int entry : StackingOrder(rows_))
        (entry == DrawingInStack ? static_cast<QWidget *>(surface_)
                                 : controls_[static_cast<std::size_t>(entry)])
            ->raise();
}

void Form::orderFocus(std::span<const Row> rows) {
    const std::vector<std::size_t> order = FocusOrder(rows);
    for (std::size_t i : order)
        focusOrder_.push_back(controls_[i]);
    for (std::size_t k = 1; k < order.size(); ++k)
        setTabOrder(controls_[order[k - 1]], controls_[order[k]]);
}

platform::Control &Form::control(std::size_t i) {
    return *dynamic_cast<platform::Control *>(controls_.at(i));
}

void Form::showError(const Text &message) {
    QMessageBox::warning(this, windowTitle(), ToQString(message));
}

std::optional<std::size_t> Form::focusedRow() const {
    const QWidget *focused = focusWidget();
    for (std::size_t i = 0; focused && i < controls_.size(); ++i)
        if (controls_[i] == focused)
            return i;
    return std::nullopt;
}

void Form::onTools(ToolEvents events) {
    tools_->setEvents(std::move(events));
}

void Form::showMenu(const std::vector<MenuEntry> &entries, double x, double y) {
    tools_->showMenu(entries, QPointF(x, y));
}

void Form::showNote(double x, double y, const Text &value, const Text &settings) {
    tools_->showNote(QPointF(x, y), ToQString(value) + u'\n' + ToQString(settings));
}

void Form::hideNote() {
    tools_->hideNote();
}

void Form::showMarker(double x, double y) {
    tools_->showMarker(QPointF(x, y));
}

void Form::hideMarker() {
    tools_->hideMarker();
}

void Form::play(const std::vector<std::uint8_t> &wav) {
    PlayWav(wav);
}

void Form::showHelp(const Text &title, const Text &text) {
    QMessageBox help(QMessageBox::Information, ToQString(title), ToQString(text),
                     QMessageBox::Close, this);
    help_ = &help;
    help.exec();
    help_ = nullptr;
}

// Qt's own words (its dialogs' buttons) first, so that a box shown anew
// reads in the same language as everything else.
void Form::setWords(const FormWords &words) {
    useLanguageOf(words);
    useBoxFont();
    setWindowTitle(ToQString(words.title));
    surface_->setAccessibleName(ToQString(words.drawing));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        ApplyText(controls_[i], words.captions.at(i), false);
        UseDirection(controls_[i], rows_[i], rightToLeft_);
    }
    layOut(ZoomOf(this), false); // labels grow to their new texts
    if (help_) {
        help_->setWindowTitle(ToQString(words.helpTitle));
        help_->setText(ToQString(words.help));
    }
}

} // namespace quorvel::platform::qt

namespace quorvel::platform {

std::unique_ptr<platform::Form> CreateForm(const FormDesign &design, std::span<const Row> rows,
                                           const FormWords &words) {
    return std::make_unique<qt::Form>(design, rows, words);
}

} // namespace quorvel::platform
