#include "controls.h"

#include "colours.h"
#include "fonts.h"
#include "scroll_bar.h"
#include "shapes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quorvel {

namespace {

using layout::Kind;

void ApplyFont(QWidget *control, const layout::Font &font) {
    // Without a family of its own a control keeps the window's font.
    if (font.family)
        control->setFont(platform::MakeFont(font.family, font.pointSize, font.bold));
}

QWidget *MakeWidget(const layout::Row &row, QWidget *window) {
    switch (row.kind) {
    case Kind::Button: {
        auto *button = new QPushButton(QString::fromUtf8(row.text), window);
        // Return presses the focused button as Space does; outside a dialog
        // Qt only does that for auto-default buttons.
        button->setAutoDefault(true);
        return button;
    }
    case Kind::TextBox: {
        auto *box = new QLineEdit(QString::fromUtf8(row.text), window);
        // Nothing reads what a user types here, so the box does not invite it;
        // its text can still be selected and copied.
        box->setReadOnly(true);
        box->setCursorPosition(0);
        return box;
    }
    case Kind::HorizontalBar:
    case Kind::VerticalBar: {
        auto *bar = new platform::ScrollBar(
            window, row.kind == Kind::HorizontalBar ? Qt::Horizontal : Qt::Vertical, row.startValue,
            row.endValue);
        bar->setSingleStep(row.smallChange);
        bar->setPageStep(row.largeChange);
        bar->SetValue(row.value);
        return bar;
    }
    case Kind::Label: {
        auto *label = new QLabel(QString::fromUtf8(row.text), window);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Opaque in the window's colour, so labels read as text on the window
        // and cover a frame they overlap.
        label->setAutoFillBackground(true);
        return label;
    }
    case Kind::Line:
        return new platform::LineShape(window);
    case Kind::Rectangle:
        return new platform::RectangleShape(window, platform::Colour::FromCode(row.fill));
    }
    return nullptr;
}

} // namespace

QWidget *CreateControl(const layout::Row &row, QWidget *window) {
    QWidget *control = MakeWidget(row, window);
    control->setObjectName(QString::fromUtf8(row.name));
    if (row.index >= 0)
        control->setProperty("index", row.index);
    ApplyFont(control, row.font);
    if (row.kind == Kind::Line) {
        // A line includes both its end pixels.
        control->setGeometry(row.left, row.top, row.width + 1, row.height + 1);
    } else {
        control->setGeometry(row.left, row.top, row.width, row.height);
    }
    return control;
}

} // namespace quorvel
