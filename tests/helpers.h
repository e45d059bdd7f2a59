#pragma once

#include "quorvelcode.h"

#include <QImage>
#include <QLocale>
#include <QStringList>

namespace testing {

// A main window whose error reports are collected instead of shown, so that no
// dialog waits for a person.
struct WindowUnderTest {
    quorvel::Quorvelcode window;
    QStringList reports;

    WindowUnderTest() {
        window.errors.setSink([this](const QString &message) { reports << message; });
    }
    QColor drawingColour() const {
        return window.surface->drawingColour().resolve(window.palette());
    }
    // What the user sees: the whole window, controls and drawing together.
    QImage screen() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// The user's locale for the length of one test.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(saved_); }
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;

private:
    QLocale saved_;
};

// Logical pixels of the drawing layer in area that are painted at all.
inline int PaintedPixels(const quorvel::platform::DrawingLayer &layer, const QRect &area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += layer.pixelAt(x, y).alpha() != 0;
    return count;
}

inline int PaintedPixels(const quorvel::platform::DrawingLayer &layer) {
    return PaintedPixels(layer, layer.rect());
}

} // namespace testing
