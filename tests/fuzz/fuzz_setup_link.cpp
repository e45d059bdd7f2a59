// The link parser against any input at all: it never crashes or hangs, and
// whatever it takes it writes back as a link that reads as the same steps and
// language.
#include "lesson/setup_link.h"
#include "text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

namespace {

bool Same(const quorvel::Setup &a, const quorvel::Setup &b) {
    if (a.steps.size() != b.steps.size() || a.language != b.language)
        return false;
    for (std::size_t i = 0; i < a.steps.size(); ++i) {
        const quorvel::SetupStep &x = a.steps[i], &y = b.steps[i];
        // A W Mean has no p0 to write back.
        const std::size_t bars =
            x.bars.size() - (x.action == quorvel::SetupStep::Action::WMean ? 1 : 0);
        if (x.action != y.action || x.seed != y.seed || x.settings != y.settings ||
            !std::equal(x.bars.begin(), x.bars.begin() + bars, y.bars.begin()))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const quorvel::platform::Text link =
        quorvel::platform::FromUtf8(std::string_view(reinterpret_cast<const char *>(data), size));
    const auto parsed = quorvel::ParseSetupLink(link);
    if (const auto *setup = std::get_if<quorvel::Setup>(&parsed)) {
        const std::string text = quorvel::SetupLinkText(*setup);
        const auto again =
            quorvel::ParseSetupLink(quorvel::platform::Text(text.begin(), text.end()));
        if (!std::holds_alternative<quorvel::Setup>(again) ||
            !Same(*setup, std::get<quorvel::Setup>(again)))
            std::abort();
    }
    return 0;
}
