#include "quorvelcode.h"
#include "startup.h"

int main(int argc, char **argv) {
    quorvel::platform::Application application(argc, argv);
    quorvel::Quorvelcode window;
    return application.run(window.form());
}
