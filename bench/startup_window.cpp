// The real start-up of the program, as main() runs it, ending after its first frame.
#include "native.h"
#include "quit_on_first_frame.h"
#include "quorvelcode.h"
#include "startup.h"

int main(int argc, char **argv) {
    quorvel::platform::Application application(argc, argv);
    quorvel::Quorvelcode window;
    return application.run(window.form(), [](quorvel::platform::Form &form) {
        new QuitOnFirstFrame(*quorvel::platform::qt::Native(form));
    });
}
