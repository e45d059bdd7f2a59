// The clipboard: the values as text, and the window as a picture at the
// screen's resolution, the legend beside it where the neutral look places it.
#include "native_form.h"

#include "control.h"
#include "fonts.h"
#include "qt_colour.h"
#include "reading_tools.h"
#include "tool_look.h"
#include "zoom.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

namespace quorvel::platform::qt {

void Form::copyText(const Text &text) {
    QGuiApplication::clipboard()->setText(ToQString(text));
}

// The client area at device resolution, without the note and the ring, the
// legend in a column to its right.
QImage Form::picture(const std::vector<Text> &legend) {
    const double zoom = ZoomOf(this);
    const QImage window = grab().toImage();
    const qreal ratio = window.devicePixelRatio();
    const QFont font = MakeFont(look::LegendFont.family, look::LegendFont.pointSize * zoom,
                                look::LegendFont.bold, Glyphs::Any);
    const QFontMetricsF metrics(font);
    std::vector<double> widths;
    for (const Text &line : legend)
        widths.push_back(metrics.horizontalAdvance(ToQString(line)) / zoom);
    const look::Legend placed = look::PlaceLegend(width() / zoom, height() / zoom, widths);
    QImage picture((QSizeF(placed.width, placed.height) * zoom * ratio).toSize(),
                   QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.drawImage(QPointF(0, 0), window);
    painter.setFont(font);
    painter.setPen(ToQColor(look::LegendInk));
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const look::Box &line = placed.lines[i];
        painter.drawText(
            QRectF(line.left * zoom, line.top * zoom, line.width * zoom, line.height * zoom),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, ToQString(legend[i]));
    }
    return picture;
}

void Form::copyPicture(const std::vector<Text> &legend) {
    tools_->hideForPicture();
    QGuiApplication::clipboard()->setImage(picture(legend));
    tools_->showAfterPicture();
}

} // namespace quorvel::platform::qt
