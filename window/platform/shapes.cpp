#include "shapes.h"

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
    painter.fillRect(rect(), fill_.resolve(palette()));
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

LineShape::LineShape(QWidget *parent) : QWidget(parent) {
    MakeDecoration(this);
}

void LineShape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), SystemColour::WindowText.resolve(palette()));
}

} // namespace quorvel::platform
