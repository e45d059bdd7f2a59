#include "native_form.h"

#include <mmsystem.h>

namespace quorvel::platform::win32 {

namespace {

// The system's sound library, loaded when a curve is first played: most
// sessions play nothing, and the first frame needs none of it.
decltype(&PlaySoundW) PlaySoundFunction() {
    static const auto play = [] {
        const HMODULE library = LoadLibraryW(L"winmm.dll");
        return library ? reinterpret_cast<decltype(&PlaySoundW)>(
                             reinterpret_cast<void *>(GetProcAddress(library, "PlaySoundW")))
                       : nullptr;
    }();
    return play;
}

} // namespace

// From memory and in the background; without a sound device nothing plays.
void Form::play(const std::vector<std::uint8_t> &wav) {
    const auto playSound = PlaySoundFunction();
    if (!playSound)
        return;
    playSound(nullptr, nullptr, 0); // stops the last one before its buffer goes
    sound_ = wav;
    playSound(reinterpret_cast<LPCWSTR>(sound_.data()), nullptr,
              SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

} // namespace quorvel::platform::win32
