#include "error_report.h"

namespace quorvel::platform {

void ErrorReport::report(const Text &message) const {
    ++reported_;
    if (sink_)
        sink_(message);
}

void ErrorReport::guard(const std::function<void()> &handler) const noexcept {
    try {
        try {
            handler();
        } catch (const ActionStopped &stopped) {
            report(stopped.message());
        } catch (const std::exception &error) {
            report(unexpected_ ? unexpected_(FromUtf8(error.what())) : FromUtf8(error.what()));
        } catch (...) {
            report(unexpected_ ? unexpected_({}) : Text());
        }
    } catch (...) {
        // The report itself failed (out of memory, say); there is nobody left to tell.
    }
}

} // namespace quorvel::platform
