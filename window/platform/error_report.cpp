#include "error_report.h"

#include "fitness.h"

namespace quorvel::platform {

void ErrorReport::report(const Text &message) const {
    if (sink_)
        sink_(message);
}

Text ErrorReport::UserMessage(const std::exception &error) {
    if (const auto *stopped = dynamic_cast<const ActionStopped *>(&error))
        return stopped->message();
    if (dynamic_cast<const ZeroMeanFitness *>(&error)) {
        return u"The mean fitness of the population is 0, so the frequency of the next "
               u"generation is undefined.\n\n"
               u"The fitnesses of the genotypes present must be above\u00A00.";
    }
    return u"The action stopped because of an unexpected error:\n" + FromUtf8(error.what());
}

void ErrorReport::guard(const std::function<void()> &handler) const noexcept {
    try {
        try {
            handler();
        } catch (const std::exception &error) {
            report(UserMessage(error));
        } catch (...) {
            report(u"The action stopped because of an unexpected error.");
        }
    } catch (...) {
        // The report itself failed (out of memory, say); there is nobody left to tell.
    }
}

} // namespace quorvel::platform
