#pragma once

#include "colours.h"

#include <QWidget>

namespace quorvel::platform {

// A filled rectangle with a one-pixel outline inside its bounds, like a frame
// drawn on a form. It takes no input.
class RectangleShape : public QWidget {
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
class LineShape : public QWidget {
public:
    explicit LineShape(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quorvel::platform
