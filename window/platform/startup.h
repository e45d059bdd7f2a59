#pragma once

#include <QWidget>
#include <functional>

namespace quorvel::platform {

// Builds the main window, shows it and runs the event loop; returns the
// process's exit status once the window is closed.
int Start(int argc, char **argv);

// The same start-up, with shown called on the window right after it is shown
// (measurements use it to end the process after the first frame).
int Start(int argc, char **argv, const std::function<void(QWidget &window)> &shown);

} // namespace quorvel::platform
