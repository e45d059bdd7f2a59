#include "reading_tools.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QWidget>

#include "zoom.h"

namespace quorvel::platform::qt {

namespace {

// A ring on the point being read, black with a white halo, so it shows on any
// curve and any fill.
class Marker : public QWidget {
public:
    static constexpr int Size = 13;
    explicit Marker(QWidget *parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        resize(Size, Size);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.scale(width() / double(Size), height() / double(Size)); // as large as the zoom
        painter.setPen(QPen(Qt::white, 4));
        painter.drawEllipse(QRectF(2.5, 2.5, Size - 5, Size - 5));
        painter.setPen(QPen(Qt::black, 2));
        painter.drawEllipse(QRectF(2.5, 2.5, Size - 5, Size - 5));
    }
};

struct Item {
    const char *text;
    Tool tool;
    const char16_t *ToolShortcuts::*key;
};
constexpr Item Items[] = {
    {"Read values", Tool::ReadValues, &ToolShortcuts::readValues},
    {"Listen", Tool::Listen, &ToolShortcuts::listen},
    {"Copy values", Tool::CopyValues, &ToolShortcuts::copyValues},
    {"Copy picture", Tool::CopyPicture, &ToolShortcuts::copyPicture},
    {"Help", Tool::Help, &ToolShortcuts::help},
    {"Zoom in", Tool::ZoomIn, &ToolShortcuts::zoomIn},
    {"Zoom out", Tool::ZoomOut, &ToolShortcuts::zoomOut},
    {"Actual size", Tool::ActualSize, &ToolShortcuts::actualSize},
};

// The key of an item: the help's own text, but for the zoom keys, which Qt
// spells with the character rather than its name.
QKeySequence SequenceOf(const Item &item, const ToolShortcuts &keys) {
    switch (item.tool) {
    case Tool::ZoomIn:
        return QKeySequence(Qt::CTRL | Qt::Key_Plus);
    case Tool::ZoomOut:
        return QKeySequence(Qt::CTRL | Qt::Key_Minus);
    case Tool::ActualSize:
        return QKeySequence(Qt::CTRL | Qt::Key_0);
    default:
        return QKeySequence(QString::fromUtf16(keys.*item.key));
    }
}

std::optional<ReadingKey> ReadingKeyOf(int key) {
    switch (key) {
    case Qt::Key_Left:
        return ReadingKey::Left;
    case Qt::Key_Right:
        return ReadingKey::Right;
    case Qt::Key_PageUp:
        return ReadingKey::PageUp;
    case Qt::Key_PageDown:
        return ReadingKey::PageDown;
    case Qt::Key_Home:
        return ReadingKey::Home;
    case Qt::Key_End:
        return ReadingKey::End;
    case Qt::Key_Up:
        return ReadingKey::Up;
    case Qt::Key_Down:
        return ReadingKey::Down;
    case Qt::Key_Escape:
        return ReadingKey::Escape;
    case Qt::Key_Space:
        return ReadingKey::Listen;
    default:
        return std::nullopt;
    }
}

} // namespace

ReadingTools::ReadingTools(QWidget *form) : QObject(form), form_(form) {
    const ToolShortcuts keys = Shortcuts(ToolKeys::Desktop);
    for (const Item &item : Items) {
        if (item.tool == Tool::Listen)
            continue; // Space, only while reading
        auto *shortcut = new QShortcut(SequenceOf(item, keys), form);
        const Tool tool = item.tool;
        connect(shortcut, &QShortcut::activated, this, [this, tool] { run(tool); });
    }
    // Ctrl+= as well, where Plus needs Shift.
    auto *zoomIn = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), form);
    connect(zoomIn, &QShortcut::activated, this, [this] { run(Tool::ZoomIn); });
    for (const QKeySequence &menuKey :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto *shortcut = new QShortcut(menuKey, form);
        connect(shortcut, &QShortcut::activated, this, [this] {
            QWidget *focused = form_->focusWidget();
            showMenu(focused ? focused->mapTo(form_, focused->rect().center()) : QPoint(20, 20));
        });
    }
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

void ReadingTools::run(Tool tool) const {
    if (IsZoom(tool)) {
        if (zoom_)
            zoom_(tool);
    } else if (events_.tool) {
        events_.tool(tool);
    }
}

// Made when first shown: most sessions never read values.
void ReadingTools::showMarker(QPointF at) {
    if (!marker_)
        marker_ = new Marker(form_);
    const int size = Zoomed(Marker::Size, ZoomOf(form_)) | 1; // odd: centred on a pixel
    marker_->resize(size, size);
    marker_->move(int(std::floor(at.x() + 0.5)) - size / 2,
                  int(std::floor(at.y() + 0.5)) - size / 2);
    marker_->raise();
    marker_->show();
}

void ReadingTools::hideMarker() {
    if (marker_)
        marker_->hide();
}

bool ReadingTools::markerVisible() const {
    return marker_ && marker_->isVisible();
}

void ReadingTools::showMarkerAgain() {
    if (marker_)
        marker_->show();
}

void ReadingTools::showMenu(QPoint at) {
    QMenu menu(form_);
    const ToolShortcuts keys = Shortcuts(ToolKeys::Desktop);
    for (const Item &item : Items) {
        QAction *action = menu.addAction(QString::fromUtf8(item.text));
        action->setShortcut(SequenceOf(item, keys));
        const Tool tool = item.tool;
        connect(action, &QAction::triggered, this, [this, tool] { run(tool); });
    }
    menu.exec(form_->mapToGlobal(at));
}

bool ReadingTools::eventFilter(QObject *watched, QEvent *event) {
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        const std::optional<ReadingKey> reading = ReadingKeyOf(key->key());
        return reading && events_.readingKey && events_.readingKey(*reading);
    }
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
    case QEvent::ContextMenu:
        if (watched == form_) {
            showMenu(static_cast<QContextMenuEvent *>(event)->pos());
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace quorvel::platform::qt
