#pragma once

#include "text.h"

#include <cstddef>
#include <exception>
#include <functional>
#include <stdexcept>

namespace quorvel::platform {

// An action that could not go on, with the words the user reads for it: the
// handler that raises it knows what happened and with which numbers.
class ActionStopped : public std::runtime_error {
public:
    explicit ActionStopped(Text message)
        : std::runtime_error("ActionStopped"), message_(std::move(message)) {}
    const Text &message() const noexcept { return message_; }

private:
    Text message_;
};

// Where errors from the window's handlers go: by default the form's modal
// message box; tests put a sink of their own in its place.
class ErrorReport {
public:
    using Sink = std::function<void(const Text &message)>;

    explicit ErrorReport(Sink sink) : sink_(std::move(sink)) {}

    void setSink(Sink sink) { sink_ = std::move(sink); }
    // What the user reads when something the program did not foresee stopped
    // an action, in the window's language: with the program's own words for
    // it where it has some, else without.
    using Unexpected = std::function<Text(const Text &detail)>;
    void setUnexpected(Unexpected words) { unexpected_ = std::move(words); }
    void report(const Text &message) const;
    // How many errors were reported so far.
    std::size_t reported() const { return reported_; }

    // Runs one handler to its end or to its first exception. An exception ends
    // the handler where it was raised and is reported; it never reaches the
    // event loop, and the window goes on with whatever was drawn and written.
    void guard(const std::function<void()> &handler) const noexcept;

    // handler, run through guard(): what the window hands to a control's event.
    std::function<void()> guarded(std::function<void()> handler) const {
        return [this, handler = std::move(handler)] { guard(handler); };
    }

private:
    Sink sink_;
    Unexpected unexpected_;
    mutable std::size_t reported_ = 0;
};

} // namespace quorvel::platform
