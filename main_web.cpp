// The browser program's entry point (main.cpp is the desktop's).
#include "quorvelcode.h"
#include "startup.h"

// The page lives on after main returns, and the browser's events reach the
// window then: so the window is not on main's stack, which returning (or an
// exception unwinding it) would take down with it.
int main(int argc, char **argv) {
    static quorvel::platform::Application application(argc, argv);
    static quorvel::Quorvelcode window;
    return application.run(window.form(), [](quorvel::platform::Form &) {
        window.OpenArguments(application.arguments());
    });
}
