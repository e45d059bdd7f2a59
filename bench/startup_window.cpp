// The real start-up of the program, ending after its first frame.
#include "quit_on_first_frame.h"
#include "startup.h"

int main(int argc, char **argv) {
    return quorvel::platform::Start(argc, argv,
                                    [](QWidget &window) { new QuitOnFirstFrame(window); });
}
