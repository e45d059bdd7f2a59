#include "native_form.h"

#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <dlfcn.h>
#include <thread>

// The desktop's sound server through its simple playback API, opened only
// when a curve is first played: the program neither links nor loads any audio
// library at start-up, which keeps its first frame as quick as a bare
// window's, and needs none to run. The library's own header gives the types,
// the constants and the functions' signatures.
namespace quorvel::platform::qt {

namespace {

struct Library {
    decltype(&pa_simple_new) open = nullptr;
    decltype(&pa_simple_write) write = nullptr;
    decltype(&pa_simple_drain) drain = nullptr;
    decltype(&pa_simple_free) close = nullptr;
};

template <class Function> void Find(void *library, const char *name, Function &function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
}

const Library &Pulse() {
    static const Library library = [] {
        Library found;
        void *handle = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return found;
        Find(handle, "pa_simple_new", found.open);
        Find(handle, "pa_simple_write", found.write);
        Find(handle, "pa_simple_drain", found.drain);
        Find(handle, "pa_simple_free", found.close);
        if (!found.open || !found.write || !found.drain || !found.close)
            found = {};
        return found;
    }();
    return library;
}

std::atomic<unsigned> playing{0}; // which sound may go on; a newer one stops the last

} // namespace

// A WAV file in memory (16-bit mono PCM, as the window makes them), in the
// background, stopping the one before. Where no sound server or library is
// there (a lab machine without audio, CI) nothing plays and nothing fails.
void Form::play(const std::vector<std::uint8_t> &wav) {
    constexpr std::size_t Header = 44;
    if (wav.size() <= Header || std::memcmp(wav.data(), "RIFF", 4) != 0)
        return;
    std::uint32_t rate = 0;
    std::memcpy(&rate, wav.data() + 24, 4);
    const unsigned mine = ++playing;
    std::thread([samples = std::vector<std::uint8_t>(wav.begin() + Header, wav.end()), rate, mine] {
        const Library &pulse = Pulse();
        if (!pulse.open)
            return;
        const pa_sample_spec format{PA_SAMPLE_S16LE, rate, 1};
        int error = 0;
        pa_simple *stream = pulse.open(nullptr, "Quorvel", PA_STREAM_PLAYBACK, nullptr, "curve",
                                       &format, nullptr, nullptr, &error);
        if (!stream)
            return;
        // A tenth of a second at a time, so that a newer sound cuts this one short.
        const std::size_t chunk = rate / 10 * 2;
        for (std::size_t at = 0; at < samples.size() && playing == mine; at += chunk)
            if (pulse.write(stream, samples.data() + at, std::min(chunk, samples.size() - at),
                            &error) < 0)
                break;
        pulse.drain(stream, &error);
        pulse.close(stream);
    }).detach();
}

} // namespace quorvel::platform::qt
