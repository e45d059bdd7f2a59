#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

// Ends the event loop once window paints its first frame: exit() only marks the
// loop to end (unlike quit(), it closes no window), so the frame is still
// painted and handed to the window system, and nothing queued behind it (such
// as setting the icon) runs.
class QuitOnFirstFrame : public QObject {
public:
    explicit QuitOnFirstFrame(QWidget &window) : QObject(&window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            QCoreApplication::exit(0);
        return false;
    }
};
