#include "first_frame.h"

#include <QEvent>
#include <QTimer>

namespace quorvel::platform::qt {

AfterFirstFrame::AfterFirstFrame(QWidget &window, std::function<void()> action)
    : QObject(&window), action_(std::move(action)) {
    window.installEventFilter(this);
}

bool AfterFirstFrame::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Paint && action_) {
        watched->removeEventFilter(this);
        // Queued, so that the frame being painted is finished and shown first.
        QTimer::singleShot(0, this, [this] {
            const auto action = std::move(action_);
            action_ = nullptr;
            action();
        });
    }
    return false;
}

} // namespace quorvel::platform::qt
