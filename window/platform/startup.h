#pragma once

namespace quorvel::platform {

// Builds the main window, shows it and runs the event loop; returns the
// process's exit status once the window is closed.
int Start(int argc, char **argv);

} // namespace quorvel::platform
