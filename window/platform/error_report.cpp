#include "error_report.h"

namespace quorvel::platform {

void ErrorReport::report(const Text &message) const {
    ++reported_;
    if (sink_)
        sink_(message);
}

Text ErrorReport::UserMessage(const std::exception &error) {
    if (const auto *stopped = dynamic_cast<const ActionStopped *>(&error))
        return stopped->message();
    return UnexpectedError + u":\n" + FromUtf8(error.what());
}

void ErrorReport::guard(const std::function<void()> &handler) const noexcept {
    try {
        try {
            handler();
        } catch (const std::exception &error) {
            report(UserMessage(error));
        } catch (...) {
            report(UnexpectedError + u".");
        }
    } catch (...) {
        // The report itself failed (out of memory, say); there is nobody left to tell.
    }
}

} // namespace quorvel::platform
