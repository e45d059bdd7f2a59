#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <exception>
#include <functional>

namespace quorvel::platform {

// Where errors from the window's handlers go. By default a modal message box
// over the window, captioned like it; tests put a sink of their own in its place.
class ErrorReport {
public:
    using Sink = std::function<void(const QString &message)>;

    explicit ErrorReport(QWidget *window);

    void setSink(Sink sink) { sink_ = std::move(sink); }
    void report(const QString &message) const;

    // Runs one handler to its end or to its first exception. An exception ends
    // the handler where it was raised and is reported; it never reaches the
    // event loop, and the window goes on with whatever was drawn and written.
    void guard(const std::function<void()> &handler) const noexcept;

    // Connects signal to handler through guard(), so that no handler can let an
    // exception into the event loop.
    template <class Sender, class Signal>
    void connect(Sender *sender, Signal signal, QObject *context,
                 std::function<void()> handler) const {
        QObject::connect(sender, signal, context,
                         [this, handler = std::move(handler)] { guard(handler); });
    }

    // What the user reads for an error: plain words, not the developer's text.
    static QString UserMessage(const std::exception &error);

private:
    QWidget *window_;
    Sink sink_;
};

} // namespace quorvel::platform
