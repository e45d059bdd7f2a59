#include "classic_style.h"

#include "qt_colour.h"
#include "scroll_bar.h"
#include "scroll_bar_model.h"
#include "tool_look.h"

#include "zoom.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>

namespace quorvel::platform::qt {

namespace {

// Where each part of a bar lies, as the layout's geometry of the bar puts it
// (arrows, track and the square thumb where the value puts it), at the
// window's zoom. A bar that is not one of the window's gets nothing.
QRect ScrollBarPart(const QStyleOptionSlider &bar, QStyle::SubControl part, const QWidget *widget) {
    const auto *ours = dynamic_cast<const ScrollBar *>(widget);
    if (!ours)
        return {};
    const BarGeometry geometry = BarGeometry::Of(ours->row());
    const double thumbStart = geometry.thumbAt(ours->fractionAt(bar.sliderPosition));
    const double thumbEnd = thumbStart + geometry.thumb,
                 trackEnd = geometry.length - geometry.arrow;
    double from = 0, to = 0;
    switch (part) {
    case QStyle::SC_ScrollBarSubLine:
        to = geometry.arrow;
        break;
    case QStyle::SC_ScrollBarAddLine:
        from = trackEnd, to = geometry.length;
        break;
    case QStyle::SC_ScrollBarGroove:
        from = geometry.arrow, to = trackEnd;
        break;
    case QStyle::SC_ScrollBarSlider:
        from = thumbStart, to = thumbEnd;
        break;
    case QStyle::SC_ScrollBarSubPage:
        from = geometry.arrow, to = thumbStart;
        break;
    case QStyle::SC_ScrollBarAddPage:
        from = thumbEnd, to = trackEnd;
        break;
    default:
        return {};
    }
    const double zoom = ZoomOf(widget);
    const auto at = [zoom](double along) { return static_cast<int>(std::lround(along * zoom)); };
    const bool horizontal = bar.orientation == Qt::Horizontal;
    const QRect all = bar.rect;
    const int thickness = horizontal ? all.height() : all.width();
    const QRect local = horizontal ? QRect(at(from), 0, at(to) - at(from), thickness)
                                   : QRect(0, at(from), thickness, at(to) - at(from));
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
            return ScrollBarPart(*bar, part, widget);
    return QProxyStyle::subControlRect(control, option, part, widget);
}

void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const {
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar)
        return QProxyStyle::drawComplexControl(control, option, painter, widget);
    painter->save();
    const double zoom = ZoomOf(widget);
    const QColor outline = ToQColor(look::BarOutline), trough = ToQColor(look::BarTrough),
                 face = ToQColor(look::BarFace);
    const auto framed = [&](const QRect &rect, const QColor &fill) {
        painter->fillRect(rect, outline);
        painter->fillRect(rect.adjusted(1, 1, -1, -1), fill);
    };
    framed(bar->rect, trough);
    const bool enabled = bar->state & State_Enabled;
    const bool horizontal = bar->orientation == Qt::Horizontal;
    const QColor pressed = ToQColor(look::BarPressed);
    for (SubControl arrow : {SC_ScrollBarSubLine, SC_ScrollBarAddLine}) {
        const QRect rect = ScrollBarPart(*bar, arrow, widget);
        framed(rect, bar->activeSubControls & arrow && bar->state & State_Sunken ? pressed : face);
        // A solid triangle pointing away from the bar's middle.
        const QPointF c = QRectF(rect).center();
        const qreal r = std::min(rect.width(), rect.height()) / 4.0;
        const qreal toward = arrow == SC_ScrollBarSubLine ? -1 : 1;
        const QPointF tip =
            horizontal ? QPointF(c.x() + toward * r, c.y()) : QPointF(c.x(), c.y() + toward * r);
        const QPointF a = horizontal ? QPointF(c.x() - toward * r, c.y() - 1.6 * r)
                                     : QPointF(c.x() - 1.6 * r, c.y() - toward * r);
        const QPointF b = horizontal ? QPointF(c.x() - toward * r, c.y() + 1.6 * r)
                                     : QPointF(c.x() + 1.6 * r, c.y() - toward * r);
        painter->setPen(Qt::NoPen);
        painter->setBrush(enabled ? ToQColor(look::BarArrow) : QColor(0x80, 0x80, 0x80));
        painter->drawPolygon(QPolygonF{tip, a, b});
    }
    if (enabled && bar->maximum > bar->minimum)
        framed(ScrollBarPart(*bar, SC_ScrollBarSlider, widget),
               bar->activeSubControls & SC_ScrollBarSlider && bar->state & State_Sunken ? pressed
                                                                                        : face);
    if (bar->state & State_HasFocus)
        DrawFocusFrame(*painter, bar->rect, zoom);
    painter->restore();
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    // A focused button is framed like a focused bar, just inside its border,
    // not only tinted at its edge.
    if (element == CE_PushButton && option->state & State_HasFocus) {
        const int inset = Zoomed(2, ZoomOf(widget));
        DrawFocusFrame(*painter, option->rect.adjusted(inset, inset, -inset, -inset),
                       ZoomOf(widget));
    }
}

int ClassicStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const {
    if (hint == SH_ScrollBar_LeftClickAbsolutePosition ||
        hint == SH_ScrollBar_MiddleClickAbsolutePosition)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void DrawFocusFrame(QPainter &painter, const QRect &rect, double zoom) {
    painter.save();
    const int width = Zoomed(FocusFrameWidth, zoom);
    painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = width / 2.0;
    painter.drawRect(QRectF(rect).adjusted(inset, inset, -inset, -inset));
    painter.restore();
}

} // namespace quorvel::platform::qt
