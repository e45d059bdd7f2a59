#include "native_controls.h"

#include "classic_style.h"
#include "qt_colour.h"
#include "zoom.h"

#include <QFocusEvent>
#include <QPainter>

namespace quorvel::platform::qt {

namespace {

void MakeDecoration(QWidget *widget) {
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setFocusPolicy(Qt::NoFocus);
}

} // namespace

Button::Button(QWidget *parent) : Control(parent) {
    setStyle(ClassicStyle::Shared()); // its focus frame, whatever the application's style
    // Return presses the focused button as Space does; outside a dialog Qt
    // only does that for auto-default buttons.
    setAutoDefault(true);
}

void Button::onClick(Handler handler) {
    connect(this, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

TextBox::TextBox(QWidget *parent) : Control(parent) {
    setReadOnly(true);
}

// QLineEdit selects all of its text when Tab brings focus; told of another
// reason, it leaves the text alone and sends a screen reader no selection or
// caret change ahead of the focus itself, which would keep the focus unspoken.
void TextBox::focusInEvent(QFocusEvent *event) {
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        QFocusEvent leaveTheTextAlone(QEvent::FocusIn, Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&leaveTheTextAlone);
        return;
    }
    QLineEdit::focusInEvent(event);
}

void TextBox::setText(const Text &text) {
    QLineEdit::setText(ToQString(text));
    setCursorPosition(0);
}

Label::Label(QWidget *parent) : Control(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Opaque in the window's colour, so labels read as text on the window and
    // cover a frame they overlap.
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void Label::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    painter.drawText(contentsRect(),
                     Qt::AlignTop | Qt::AlignAbsolute |
                         (rightToLeft ? Qt::AlignRight | Qt::TextForceRightToLeft
                                      : Qt::AlignLeft | Qt::TextForceLeftToRight),
                     QLabel::text());
}

RectangleShape::RectangleShape(QWidget *parent, Colour fill) : Control(parent), fill_(fill) {
    MakeDecoration(this);
}

void RectangleShape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(fill_));
    // The outline is one logical pixel at any display scale, so it is filled,
    // not stroked with a pen that would be one device pixel wide.
    const int w = width(), h = height(), t = std::max(1, Zoomed(1, ZoomOf(this)));
    for (const QRect &edge :
         {QRect(0, 0, w, t), QRect(0, h - t, w, t), QRect(0, 0, t, h), QRect(w - t, 0, t, h)})
        painter.fillRect(edge, Qt::black);
}

LineShape::LineShape(QWidget *parent) : Control(parent) {
    MakeDecoration(this);
}

void LineShape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(SystemColour::WindowText));
}

} // namespace quorvel::platform::qt
