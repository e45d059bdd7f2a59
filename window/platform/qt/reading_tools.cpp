#include "reading_tools.h"

#include "control.h"
#include "fonts.h"
#include "key_events.h"
#include "native_form.h"
#include "qt_colour.h"
#include "tool_look.h"
#include "zoom.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace quorvel::platform::qt {

namespace {

QFont LookFont(const Font &font, double zoom) {
    return MakeFont(font.family, font.pointSize * zoom, font.bold, Glyphs::Any);
}

// A decoration over the window that takes no input.
void MakeOverlay(QWidget *widget) {
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->hide();
}

} // namespace

// The ring, drawn at the window's zoom: it fits a square of look::Ring::Extent.
class Marker : public QWidget {
public:
    explicit Marker(QWidget *parent) : QWidget(parent) { MakeOverlay(this); }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.scale(ZoomOf(this), ZoomOf(this));
        constexpr double Middle = look::Ring::Extent / 2;
        const QRectF circle(Middle - look::Ring::Radius, Middle - look::Ring::Radius,
                            2 * look::Ring::Radius, 2 * look::Ring::Radius);
        painter.setPen(QPen(ToQColor(look::RingHalo), look::Ring::HaloWidth));
        painter.drawEllipse(circle);
        painter.setPen(QPen(ToQColor(look::RingInk), look::Ring::Width));
        painter.drawEllipse(circle);
    }
};

// The note: the point's value over its curve's settings.
class Note : public QWidget {
public:
    explicit Note(QWidget *parent) : QWidget(parent) { MakeOverlay(this); }

    // Sized to its lines at the window's zoom; placed by the caller.
    void setText(const QString &text) {
        lines_ = text.split(u'\n');
        const double zoom = ZoomOf(this);
        // The pointer moves often, the zoom and the language seldom.
        if (const QFont wanted = LookFont(look::NoteFont, zoom); wanted != font())
            setFont(wanted);
        const QFontMetricsF metrics(font());
        std::vector<double> widths;
        for (const QString &line : lines_)
            widths.push_back(metrics.horizontalAdvance(line) / zoom);
        const look::Box size = look::SizeNote(widths);
        resize(QSizeF(size.width * zoom, size.height * zoom).toSize());
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.fillRect(rect(), ToQColor(look::NoteFill));
        painter.setPen(ToQColor(look::NoteOutline));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setPen(ToQColor(look::NoteInk));
        const double zoom = ZoomOf(this), padding = (look::NotePadding + 1) * zoom,
                     line = look::LineHeight(look::NoteFont) * zoom;
        for (int i = 0; i < lines_.size(); ++i)
            painter.drawText(QRectF(padding, padding + i * line, width() - 2 * padding, line),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, lines_[i]);
    }

private:
    QStringList lines_;
};

ReadingTools::ReadingTools(QWidget *form, int clientWidth)
    : QObject(form), form_(form), clientWidth_(clientWidth) {
    form->setContextMenuPolicy(Qt::DefaultContextMenu);
    watch(form);
    for (QObject *child : form->children())
        if (auto *widget = qobject_cast<QWidget *>(child))
            watch(widget);
}

void ReadingTools::watch(QWidget *widget) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

void ReadingTools::addEntries(QMenu &menu, const std::vector<MenuEntry> &entries) {
    for (const MenuEntry &entry : entries) {
        if (!entry.entries.empty()) { // owned by the menu, and gone with it
            addEntries(*menu.addMenu(QString::fromStdU16String(entry.label)), entry.entries);
            continue;
        }
        // What follows a tab Qt shows as the entry's key.
        QAction *action =
            menu.addAction(QString::fromStdU16String(entry.label + u"\t" + entry.keys));
        if (entry.checked) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        const Tool tool = entry.tool;
        const int index = entry.index;
        connect(action, &QAction::triggered, this, [this, tool, index] {
            if (events_.tool)
                events_.tool(tool, index);
        });
    }
}

void ReadingTools::showMenu(const std::vector<MenuEntry> &entries, QPointF at) {
    QMenu menu(form_);
    addEntries(menu, entries);
    menu.exec(form_->mapToGlobal((at * ZoomOf(form_)).toPoint()));
}

// Made when first shown: most sessions never read values.
void ReadingTools::showNote(QPointF at, const QString &text) {
    if (!note_)
        note_ = new Note(form_);
    // The note reads as the messages do; inside the window, it would take the
    // window's direction, which the plots keep.
    note_->setLayoutDirection(QGuiApplication::layoutDirection());
    note_->setText(text);
    const double zoom = ZoomOf(form_);
    const look::Box box =
        // Within the window's own width even while the panel shows, as on
        // every backend: the note never lies over the panel's controls.
        look::PlaceNote(at.x(), at.y(), note_->width() / zoom, note_->height() / zoom, clientWidth_,
                        form_->height() / zoom);
    note_->move(QPointF(box.left * zoom, box.top * zoom).toPoint());
    note_->raise();
    note_->show();
}

void ReadingTools::hideNote() {
    if (note_)
        note_->hide();
}

void ReadingTools::showMarker(QPointF at) {
    if (!marker_)
        marker_ = new Marker(form_);
    const double zoom = ZoomOf(form_);
    const look::Ring ring = look::RingAt(at.x(), at.y());
    const double half = look::Ring::Extent / 2;
    const QPoint topLeft(static_cast<int>(std::lround((ring.centreX - half) * zoom)),
                         static_cast<int>(std::lround((ring.centreY - half) * zoom)));
    marker_->setGeometry(
        QRect(topLeft, QSize(1, 1) * static_cast<int>(std::lround(look::Ring::Extent * zoom))));
    marker_->raise();
    marker_->show();
}

void ReadingTools::hideMarker() {
    if (marker_)
        marker_->hide();
}

void ReadingTools::hideForPicture() {
    noteWasShown_ = note_ && note_->isVisible();
    markerWasShown_ = marker_ && marker_->isVisible();
    hideNote();
    hideMarker();
}

void ReadingTools::showAfterPicture() {
    if (noteWasShown_)
        note_->show();
    if (markerWasShown_)
        marker_->show();
}

bool ReadingTools::eventFilter(QObject *watched, QEvent *event) {
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        return events_.key && events_.key(TranslateKey(*static_cast<QKeyEvent *>(event)));
    case QEvent::MouseMove:
        if (events_.pointerMoved) {
            const QPointF at =
                widget->mapTo(form_, static_cast<QMouseEvent *>(event)->position()) / ZoomOf(form_);
            events_.pointerMoved(at.x(), at.y());
        }
        return false;
    case QEvent::Leave:
        if (watched == form_ && events_.pointerLeft)
            events_.pointerLeft();
        return false;
    case QEvent::ContextMenu: {
        // A box keeps its own menu, to copy its text.
        if (watched != form_ || !events_.menu)
            return false;
        const auto *request = static_cast<QContextMenuEvent *>(event);
        if (request->reason() == QContextMenuEvent::Keyboard)
            events_.menu(std::nullopt);
        else
            events_.menu(
                Point{request->pos().x() / ZoomOf(form_), request->pos().y() / ZoomOf(form_)});
        return true;
    }
    default:
        return false;
    }
}

// The window hands its tools' events and requests on to this object.
void Form::onTools(ToolEvents events) {
    tools_->setEvents(std::move(events));
}

void Form::showMenu(const std::vector<MenuEntry> &entries, double x, double y) {
    tools_->showMenu(entries, QPointF(x, y));
}

void Form::showNote(double x, double y, const Text &value, const Text &settings) {
    tools_->showNote(QPointF(x, y), ToQString(value) + u'\n' + ToQString(settings));
}

void Form::hideNote() {
    tools_->hideNote();
}

void Form::showMarker(double x, double y) {
    tools_->showMarker(QPointF(x, y));
}

void Form::hideMarker() {
    tools_->hideMarker();
}

} // namespace quorvel::platform::qt
