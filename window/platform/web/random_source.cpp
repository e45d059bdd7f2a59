#include "random_source.h"

#include <emscripten.h>

namespace quorvel::platform {

namespace {

// The browser's cryptographic source, in two halves of 32 bits each.
// clang-format off
EM_JS(double, QuorvelRandomHalf, (), {
    var half = new Uint32Array(1);
    crypto.getRandomValues(half);
    return half[0];
});
// clang-format on

} // namespace

std::uint64_t FreshSeed() {
    const auto high = static_cast<std::uint64_t>(QuorvelRandomHalf());
    const auto low = static_cast<std::uint64_t>(QuorvelRandomHalf());
    return high << 32 | low;
}

} // namespace quorvel::platform
