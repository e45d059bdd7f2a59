#include "random_source.h"

#include <windows.h>

#include <bcrypt.h>

#include <stdexcept>

namespace quorvel::platform {

// Windows' preferred generator, the one its own cryptography uses. Its DLL
// is loaded when a run first needs a seed, not at start-up, which a window
// of a few dozen controls already spends long enough on under Wine.
std::uint64_t FreshSeed() {
    using Generate = NTSTATUS(WINAPI *)(BCRYPT_ALG_HANDLE, PUCHAR, ULONG, ULONG);
    static const Generate generate = [] {
        const HMODULE library =
            LoadLibraryExW(L"bcrypt.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return library ? reinterpret_cast<Generate>(
                             reinterpret_cast<void *>(GetProcAddress(library, "BCryptGenRandom")))
                       : nullptr;
    }();
    std::uint64_t seed = 0;
    if (!generate || generate(nullptr, reinterpret_cast<PUCHAR>(&seed), sizeof seed,
                              BCRYPT_USE_SYSTEM_PREFERRED_RNG) != 0)
        throw std::runtime_error("the system's random source gave no seed");
    return seed;
}

} // namespace quorvel::platform
