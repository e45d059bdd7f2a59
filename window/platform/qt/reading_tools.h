#pragma once

#include "tools.h"

#include <QObject>
#include <QPointF>

class QMenu;
class QWidget;

namespace quorvel::platform::qt {

// The tools to read the curves on the Qt window: their shortcuts and context
// menu, the keys of reading mode (taken from whichever control has focus),
// the pointer over the window, and the marker on the point being read.
class ReadingTools : public QObject {
public:
    explicit ReadingTools(QWidget *form);

    void setEvents(ToolEvents events) { events_ = std::move(events); }
    // Zoom is the window's own, not the program's.
    void onZoom(std::function<void(Tool)> zoom) { zoom_ = std::move(zoom); }
    void showMarker(QPointF at);
    void hideMarker();
    bool markerVisible() const;
    void showMarkerAgain();
    // The context menu, at a point of the form.
    void showMenu(QPoint at);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void run(Tool tool) const;
    void watch(QWidget *widget);

    QWidget *form_;
    QWidget *marker_ = nullptr;
    ToolEvents events_;
    std::function<void(Tool)> zoom_;
};

} // namespace quorvel::platform::qt
