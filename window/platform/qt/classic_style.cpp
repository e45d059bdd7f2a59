#include "classic_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <algorithm>

namespace quorvel::platform::qt {

namespace {

constexpr int ArrowLength = 17;

// Where each part of a bar lies, along its length: both arrows, the groove
// between them and the square thumb on it.
QRect ScrollBarPart(const QStyleOptionSlider &bar, QStyle::SubControl part) {
    const bool horizontal = bar.orientation == Qt::Horizontal;
    const QRect all = bar.rect;
    const int length = horizontal ? all.width() : all.height();
    const int thickness = horizontal ? all.height() : all.width();
    const int arrow = std::min(ArrowLength, length / 2);
    const int grooveStart = arrow, grooveLength = std::max(0, length - 2 * arrow);
    const int thumb = std::min(thickness, grooveLength);
    const int thumbStart =
        grooveStart + QStyle::sliderPositionFromValue(bar.minimum, bar.maximum, bar.sliderPosition,
                                                      grooveLength - thumb, bar.upsideDown);
    int from = 0, extent = 0;
    switch (part) {
    case QStyle::SC_ScrollBarSubLine:
        from = 0, extent = arrow;
        break;
    case QStyle::SC_ScrollBarAddLine:
        from = length - arrow, extent = arrow;
        break;
    case QStyle::SC_ScrollBarGroove:
        from = grooveStart, extent = grooveLength;
        break;
    case QStyle::SC_ScrollBarSlider:
        from = thumbStart, extent = thumb;
        break;
    case QStyle::SC_ScrollBarSubPage:
        from = grooveStart, extent = thumbStart - grooveStart;
        break;
    case QStyle::SC_ScrollBarAddPage:
        from = thumbStart + thumb, extent = grooveStart + grooveLength - (thumbStart + thumb);
        break;
    default:
        return {};
    }
    const QRect local =
        horizontal ? QRect(from, 0, extent, thickness) : QRect(0, from, thickness, extent);
    return QStyle::visualRect(bar.direction, all, local.translated(all.topLeft()));
}

} // namespace

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

ClassicStyle *ClassicStyle::Shared() {
    static ClassicStyle *shared = [] {
        auto *style = new ClassicStyle;
        style->setParent(qApp); // gone with the application, after every widget
        return style;
    }();
    return shared;
}

QRect ClassicStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                   SubControl part, const QWidget *widget) const {
    if (control == CC_ScrollBar)
        if (const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option))
            return ScrollBarPart(*bar, part);
    return QProxyStyle::subControlRect(control, option, part, widget);
}

void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ScrollBar && (option->state & State_HasFocus)) {
        painter->save();
        painter->setPen(
            QPen(Qt::black, FocusFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter->setBrush(Qt::NoBrush);
        const qreal inset = FocusFrameWidth / 2.0;
        painter->drawRect(QRectF(option->rect).adjusted(inset, inset, -inset, -inset));
        painter->restore();
    }
}

} // namespace quorvel::platform::qt
