#include "sound.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <dlfcn.h>
#include <thread>

// The desktop's sound server through its simple playback API, opened only
// when a curve is first played: the program neither links nor loads any audio
// library at start-up, which keeps its first frame as quick as a bare
// window's, and needs none to run.
namespace quorvel::platform::qt {

namespace {

struct SampleSpec { // pa_sample_spec
    int format;
    std::uint32_t rate;
    std::uint8_t channels;
};
constexpr int SampleS16LE = 3;    // PA_SAMPLE_S16LE
constexpr int StreamPlayback = 1; // PA_STREAM_PLAYBACK

using New = void *(*)(const char *, const char *, int, const char *, const char *,
                      const SampleSpec *, const void *, const void *, int *);
using Write = int (*)(void *, const void *, std::size_t, int *);
using Drain = int (*)(void *, int *);
using Free = void (*)(void *);

struct Library {
    New open = nullptr;
    Write write = nullptr;
    Drain drain = nullptr;
    Free close = nullptr;
};

const Library &Pulse() {
    static const Library library = [] {
        Library found;
        void *handle = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return found;
        found.open = reinterpret_cast<New>(dlsym(handle, "pa_simple_new"));
        found.write = reinterpret_cast<Write>(dlsym(handle, "pa_simple_write"));
        found.drain = reinterpret_cast<Drain>(dlsym(handle, "pa_simple_drain"));
        found.close = reinterpret_cast<Free>(dlsym(handle, "pa_simple_free"));
        if (!found.open || !found.write || !found.drain || !found.close)
            found = {};
        return found;
    }();
    return library;
}

std::atomic<unsigned> playing{0}; // which sound may go on; a newer one stops the last

} // namespace

void PlayWav(const std::vector<std::uint8_t> &wav) {
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
        const SampleSpec format{SampleS16LE, rate, 1};
        int error = 0;
        void *stream = pulse.open(nullptr, "Quorvel", StreamPlayback, nullptr, "curve", &format,
                                  nullptr, nullptr, &error);
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
