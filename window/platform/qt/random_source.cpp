#include "random_source.h"

#include <QRandomGenerator>

namespace quorvel::platform {

// Qt asks the kernel (getrandom, or /dev/urandom).
std::uint64_t FreshSeed() {
    return QRandomGenerator::system()->generate64();
}

} // namespace quorvel::platform
