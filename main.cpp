#include "quorvelcode.h"
#include "startup.h"

int main(int argc, char **argv) {
    quorvel::platform::Application application(argc, argv);
    quorvel::Quorvelcode window;
    // A link to a drawing, the one argument, is drawn once the window shows.
    return application.run(window.form(), [&](quorvel::platform::Form &) {
        window.OpenArguments(application.arguments());
    });
}
