#pragma once

#include "form.h"

#include <functional>
#include <memory>
#include <vector>

namespace quorvel::platform {

// The toolkit for the life of the process: made first, before any form, from
// the process's arguments, of which the toolkit takes its own.
class Application {
public:
    Application(int &argc, char **argv);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Shows the form and runs the event loop until it is closed; returns the
    // process's exit status. shown, when given, runs right after the form is
    // shown (measurements use it to end the process after the first frame).
    int run(Form &form, const std::function<void(Form &)> &shown = {});

    // What the program was opened with for the window to take: a desktop
    // program's arguments, or the page's address after its "#".
    const std::vector<Text> &arguments() const { return arguments_; }

private:
    std::vector<Text> arguments_;
    struct Toolkit;
    std::unique_ptr<Toolkit> toolkit_;
};

} // namespace quorvel::platform
