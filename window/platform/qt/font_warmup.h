#pragma once

namespace quorvel::platform::qt {

// Reading the font configuration takes several milliseconds, and the first
// frame cannot be drawn without it. Start() begins it on a thread of its own,
// before Qt connects to the display; Wait() is called where fonts are first
// needed, and returns at once when nothing was started or it is done.
namespace FontWarmup {
void Start();
void Wait();
} // namespace FontWarmup

} // namespace quorvel::platform::qt
