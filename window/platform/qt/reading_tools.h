#pragma once

#include "tools.h"

#include <QObject>
#include <QPointF>
#include <vector>

class QMenu;
class QWidget;

namespace quorvel::platform::qt {

// The tools to read the curves on the Qt window, translated both ways: keys
// (whichever control has focus), the context menu and the pointer go to the
// window as neutral events; the menu, the note and the ring it asks for are
// shown as it describes them.
class ReadingTools : public QObject {
public:
    // clientWidth: the window's own, in the layout's pixels, without the panel.
    ReadingTools(QWidget *form, int clientWidth);

    void setEvents(ToolEvents events) { events_ = std::move(events); }
    const ToolEvents &events() const { return events_; }
    // In the layout's pixels; the form's zoom is applied here.
    void showMenu(const std::vector<MenuEntry> &entries, QPointF at);
    void showNote(QPointF at, const QString &text);
    void hideNote();
    void showMarker(QPointF at);
    void hideMarker();
    // Hidden while the window is copied as a picture, then shown as they were.
    void hideForPicture();
    void showAfterPicture();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addEntries(QMenu &menu, const std::vector<MenuEntry> &entries);
    void watch(QWidget *widget);

    QWidget *form_;
    int clientWidth_;
    class Note *note_ = nullptr;
    class Marker *marker_ = nullptr;
    QPointF markerAt_;
    bool noteWasShown_ = false, markerWasShown_ = false;
    ToolEvents events_;
};

} // namespace quorvel::platform::qt
