#include "font_warmup.h"

#include <fontconfig/fontconfig.h>
#include <thread>

namespace quorvel::platform::qt::FontWarmup {

namespace {

std::thread &Reader() {
    static std::thread reader;
    return reader;
}

} // namespace

void Start() {
    if (!Reader().joinable())
        Reader() = std::thread([] { FcInit(); });
}

// Qt would read the configuration a second time if it got there first.
void Wait() {
    if (Reader().joinable())
        Reader().join();
}

} // namespace quorvel::platform::qt::FontWarmup
