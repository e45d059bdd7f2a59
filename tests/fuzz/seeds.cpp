// Writes the examples' links into a folder, one file each, to seed the
// fuzzer, and one with a language.
#include "lesson/examples.h"

#include <fstream>
#include <string>

int main(int argc, char **argv) {
    if (argc != 2)
        return 2;
    int n = 0;
    for (const quorvel::Example &example : quorvel::Examples())
        std::ofstream(std::string(argv[1]) + "/example" + std::to_string(++n))
            << '#' << example.link;
    std::ofstream(std::string(argv[1]) + "/language")
        << "#lang=pt-BR;" << quorvel::Examples()[0].link;
    std::ofstream(std::string(argv[1]) + "/populations")
        << "#n=50;populations=100;generations=200;mutation=0.001,0;migration=0.01;"
           "run=1,1,0.5,0.1,42;n=inf;run=1,1,0.5,0.1";
    return 0;
}
