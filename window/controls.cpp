#include "controls.h"

#include "colours.h"
#include "fonts.h"
#include "scroll_bar.h"
#include "shapes.h"
#include "text_box.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

using layout::Kind;

void ApplyFont(QWidget *control, const layout::Row &row) {
    // Without a family of its own a control keeps the window's font.
    if (!row.font.family)
        return;
    // Captions are plain Latin text and need no fallback faces; a box shows
    // numbers in the user's locale, whose digits may come from another face.
    const auto glyphs = row.kind == Kind::TextBox ? platform::Glyphs::Any : platform::Glyphs::Latin;
    control->setFont(
        platform::MakeFont(row.font.family, row.font.pointSize, row.font.bold, glyphs));
}

QWidget *MakeWidget(const layout::Row &row, QWidget *window) {
    switch (row.kind) {
    case Kind::Button: {
        auto *button = new QPushButton(window);
        // Return presses the focused button as Space does; outside a dialog
        // Qt only does that for auto-default buttons.
        button->setAutoDefault(true);
        return button;
    }
    case Kind::TextBox:
        return new platform::TextBox(window);
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
        auto *label = new QLabel(window);
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

// The stand-ins for the layout's fonts can be a few pixels wider than the
// originals, which would cut off the end of a caption (the "1" of the axis
// captions). A label then grows to its text, but only into free space.
int LabelWidth(const QWidget *control, const layout::Row &row) {
    const auto *label = qobject_cast<const QLabel *>(control);
    if (!label || label->text().isEmpty())
        return row.width;
    // One pixel more than the advance: hinting at a higher pixel ratio can
    // widen the glyphs by a fraction.
    const int needed =
        static_cast<int>(std::ceil(QFontMetricsF(label->font()).horizontalAdvance(label->text()))) +
        1;
    return std::clamp(needed, row.width, row.width + layout::RoomToTheRight(row));
}

// Text goes in after the font, so that no text is laid out twice.
void ApplyText(QWidget *control, const layout::Row &row) {
    const QString text = QString::fromUtf8(row.text);
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        button->setText(text);
    } else if (auto *box = qobject_cast<QLineEdit *>(control)) {
        box->setText(text);
        box->setCursorPosition(0);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(text);
    }
}

} // namespace

QWidget *CreateControl(const layout::Row &row, QWidget *window) {
    QWidget *control = MakeWidget(row, window);
    control->setObjectName(QString::fromUtf8(row.name));
    if (row.index >= 0)
        control->setProperty("index", row.index);
    ApplyFont(control, row);
    ApplyText(control, row);
    if (row.kind == Kind::Line) {
        // A line includes both its end pixels.
        control->setGeometry(row.left, row.top, row.width + 1, row.height + 1);
    } else {
        control->setGeometry(row.left, row.top, LabelWidth(control, row), row.height);
    }
    return control;
}

} // namespace quorvel
