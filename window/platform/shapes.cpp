#include "shapes.h"

#include "qt_colour.h"

#include <QPainter>

namespace quorvel::platform {

namespace {

void MakeDecoration(QWidget *widget) {
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setFocusPolicy(Qt::NoFocus);
}

} // namespace

RectangleShape::RectangleShape(QWidget *parent, Colour fill) : QWidget(parent), fill_(fill) {
    MakeDecoration(this);
}

void RectangleShape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(fill_));
    // The outline is one logical pixel at any display scale, so it is filled,
    // not stroked with a pen that would be one device pixel wide.
    const int w = width(), h = height();
    for (const QRect &edge :
         {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h)})
        painter.fillRect(edge, Qt::black);
}

LineShape::LineShape(QWidget *parent) : QWidget(parent) {
    MakeDecoration(this);
}

void LineShape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(SystemColour::WindowText));
}

} // namespace quorvel::platform
