#pragma once

#include <QProxyStyle>

namespace quorvel::platform::qt {

// The look every control of the window has, whatever style the desktop or a
// command-line option asks for: Fusion, with classic scroll bars whose parts
// lie where the layout's geometry of the bar puts them, outlined so that
// every part stands out, and which show keyboard focus with a frame, as
// buttons do.
class ClassicStyle : public QProxyStyle {
public:
    ClassicStyle();

    // The one instance the window's controls share; it lives as long as the application.
    static ClassicStyle *Shared();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    // A click on a bar's track moves it by the layout's page, as on every
    // backend: neither the left nor the middle button jumps to where it fell.
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};

// A focused bar's frame: black, which stands out on the window's lavender and
// on the bars' own greys, this many pixels wide.
inline constexpr int FocusFrameWidth = 2;

// That frame, just inside rect, as wide as the window's zoom makes it.
void DrawFocusFrame(QPainter &painter, const QRect &rect, double zoom = 1.0);

} // namespace quorvel::platform::qt
