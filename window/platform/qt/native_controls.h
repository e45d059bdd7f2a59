#pragma once

#include "colours.h"
#include "control.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

// The window's buttons, boxes, labels and shapes as Qt widgets. The scroll
// bars and the drawing layer have files of their own.
namespace quorvel::platform::qt {

class Button : public Control<QPushButton, platform::Button> {
public:
    explicit Button(QWidget *parent);
    Text text() const override { return FromQString(QPushButton::text()); }
    void onClick(Handler handler) override;
};

// Nothing reads what a user types in a box, so it does not invite it; its text
// can still be focused, selected and copied.
class TextBox : public Control<QLineEdit, platform::TextBox> {
public:
    explicit TextBox(QWidget *parent);
    Text text() const override { return FromQString(QLineEdit::text()); }
    void setText(const Text &text) override;

protected:
    // Tab leaves the text as it was, unselected, as a read-only box in a
    // browser does: a screen reader then reads the number, not "selected".
    void focusInEvent(QFocusEvent *event) override;
};

class Label : public Control<QLabel, platform::Label> {
public:
    explicit Label(QWidget *parent);
    Text text() const override { return FromQString(QLabel::text()); }

protected:
    // Read in the label's own direction: QLabel would take it from the
    // text's first letter, which turns an axis caption with Arabic words
    // in it around and sets a caption such as "p0" at the left.
    void paintEvent(QPaintEvent *event) override;
};

// A filled rectangle with a one-pixel outline inside its bounds, like a frame
// drawn on a form.
class RectangleShape : public Control<QWidget, platform::Shape> {
public:
    RectangleShape(QWidget *parent, Colour fill);
    Colour fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Colour fill_;
};

// A one-pixel horizontal or vertical line in the window-text colour, spanning
// its widget from the first pixel to the last.
class LineShape : public Control<QWidget, platform::Shape> {
public:
    explicit LineShape(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quorvel::platform::qt
