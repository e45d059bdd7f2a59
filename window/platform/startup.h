#pragma once

#include "form.h"

#include <functional>
#include <memory>

namespace quorvel::platform {

// The toolkit for the life of the process: made first, before any form, from
// the process's arguments (which the program itself does not read).
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

private:
    struct Toolkit;
    std::unique_ptr<Toolkit> toolkit_;
};

} // namespace quorvel::platform
