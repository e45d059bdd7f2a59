// Sound in the page, through Web Audio (audio.js).
#include "dom.h"

#include <emscripten.h>

namespace quorvel::platform::web::dom {

namespace {

// clang-format off
EM_JS(void, JsPlay, (const void *wav, int length), { Quorvel.audio.play(wav, length); });
// clang-format on

} // namespace

void Play(const std::vector<std::uint8_t> &wav) {
    JsPlay(wav.data(), static_cast<int>(wav.size()));
}

} // namespace quorvel::platform::web::dom
