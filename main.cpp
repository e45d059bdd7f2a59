#include "startup.h"

int main(int argc, char **argv) {
    return quorvel::platform::Start(argc, argv);
}
