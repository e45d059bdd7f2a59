#pragma once

#include "native.h"
#include "quorvelcode.h"
#include "test_main.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <cmath>

// The language every expected text is written in.
inline const quorvel::words::Language English = quorvel::words::Language::English();

namespace testing {

// A main window whose error reports are collected instead of shown, so that no
// dialog waits for a person.
struct WindowUnderTest {
    quorvel::Quorvelcode window;
    QStringList reports;

    WindowUnderTest() {
        window.errors.setSink([this](const quorvel::platform::Text &message) {
            reports << QString::fromStdU16String(message);
        });
    }
    // The window as the Qt widget it is on this platform.
    QWidget &widget() { return *quorvel::platform::qt::Native(window.form()); }
    // The concrete blue the window draws its curves in.
    static QColor drawingColour() { return QColor(0, 0, 204); }
    // What the user sees: the whole window, controls and drawing together.
    QImage screen();
    // The sentence a screen reader was last told.
    QString announced() {
        QAccessibleInterface *form = QAccessible::queryAccessibleInterface(&widget());
        for (int i = 0; i < form->childCount(); ++i)
            if (form->child(i)->role() == QAccessible::Notification)
                return form->child(i)->text(QAccessible::Name);
        return {};
    }
};

// One pixel per logical pixel, whatever the display scale: each is the device
// pixel at the centre of its logical pixel. The ratio is the image's own, or
// else what its size says against the widget's size.
inline QImage Logical(const QImage &device, QSize widgetSize) {
    const qreal ratio = device.devicePixelRatio() != 1.0
                            ? device.devicePixelRatio()
                            : qreal(device.width()) / widgetSize.width();
    const QImage rgb = device.convertToFormat(QImage::Format_RGB32);
    if (ratio == 1.0)
        return rgb;
    const QSize size = (QSizeF(device.size()) / ratio).toSize();
    QImage logical(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            logical.setPixel(x, y,
                             rgb.pixel(std::min(int((x + 0.5) * ratio), rgb.width() - 1),
                                       std::min(int((y + 0.5) * ratio), rgb.height() - 1)));
    return logical;
}

inline QImage WindowUnderTest::screen() {
    return Logical(widget().grab().toImage(), widget().size());
}

// Presses a button with the mouse, as a user would.
inline void Click(quorvel::platform::Button *button) {
    QTest::mouseClick(quorvel::platform::qt::Native(button), Qt::LeftButton);
}

// Sets the window's four bars as a user would, in the settings' order;
// -1 leaves a bar unmoved.
inline void SetBars(quorvel::Quorvelcode &w, int w1, int w2, int w3, int p0) {
    const int values[] = {w1, w2, w3, p0};
    for (std::size_t i = 0; i < quorvel::settings::WindowBarCount; ++i)
        if (values[i] >= 0)
            w.Bar(quorvel::settings::WindowBars()[i].id)->SetValue(values[i]);
}

// Logical pixels of the drawing layer in area that are painted at all.
inline int PaintedPixels(const quorvel::platform::qt::DrawingLayer &layer, const QRect &area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += layer.pixelAt(x, y).alpha() != 0;
    return count;
}

inline int PaintedPixels(const quorvel::platform::qt::DrawingLayer &layer) {
    return PaintedPixels(layer, layer.rect());
}

// The device pixel under the centre of a dot drawn at (x, y): a dot on a half
// pixel straddles two logical pixels at a high pixel ratio, but its centre is
// always painted.
inline QColor DrawnAt(const quorvel::platform::qt::DrawingLayer &layer, double x, double y) {
    const QImage device = layer.image();
    const qreal ratio = device.isNull() ? 1.0 : qreal(device.width()) / layer.width();
    return device.isNull() ? QColor(Qt::transparent)
                           : device.pixelColor(int(std::floor((x + 0.5) * ratio)),
                                               int(std::floor((y + 0.5) * ratio)));
}

} // namespace testing

// The window's suites run in a widgets application.
#define QUORVEL_TEST_MAIN(TestObject) QUORVEL_MAIN(TestObject, QApplication)
