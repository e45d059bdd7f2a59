#pragma once

#include <QObject>
#include <QWidget>
#include <functional>

namespace quorvel::platform::qt {

// Runs action once, as soon as window has painted its first frame: work the
// first picture does not need waits until the user can already see the window.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QWidget &window, std::function<void()> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> action_;
};

} // namespace quorvel::platform::qt
