#pragma once

#include "controls.h"

#include <QString>

namespace quorvel::platform::qt {

inline QString ToQString(const Text &text) {
    return QString::fromStdU16String(text);
}
inline Text FromQString(const QString &text) {
    return text.toStdU16String();
}

// A Qt widget that is also the window's control of that kind: what every
// control does the same way, whichever widget it is.
template <class Widget, class Interface> class Control : public Widget, public Interface {
public:
    using Widget::Widget;

    void describe(const Text &name, const Text &description) override {
        Widget::setAccessibleName(ToQString(name));
        Widget::setAccessibleDescription(ToQString(description));
    }
    void setFocus() override { Widget::setFocus(); }
};

} // namespace quorvel::platform::qt
