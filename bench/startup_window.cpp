// The real start-up of the program, ending after its first frame.
#include "first_frame.h"
#include "startup.h"

#include <QCoreApplication>

int main(int argc, char **argv) {
    return quorvel::platform::Start(argc, argv, [](QWidget &window) {
        new quorvel::platform::AfterFirstFrame(window, [] { QCoreApplication::quit(); });
    });
}
