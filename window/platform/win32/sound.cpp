#include "native_form.h"

#include <mmsystem.h>

namespace quorvel::platform::win32 {

// From memory and in the background; without a sound device nothing plays.
void Form::play(const std::vector<std::uint8_t> &wav) {
    PlaySoundW(nullptr, nullptr, 0); // stops the last one before its buffer goes
    sound_ = wav;
    PlaySoundW(reinterpret_cast<LPCWSTR>(sound_.data()), nullptr,
               SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

} // namespace quorvel::platform::win32
