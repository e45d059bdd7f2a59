// Prints the shared expected values as JSON, so that the page's suite, which
// drives the browser from Python, checks the same cases as the desktop suites.
#include "cases.h"

#include <cstdio>

int main() {
    std::printf("{\"runs\": [");
    for (const cases::Run &run : cases::Runs)
        std::printf("%s{\"name\": \"%s\", \"bars\": [%d, %d, %d, %d], \"p100\": \"%s\"}",
                    &run == cases::Runs ? "" : ", ", run.name, run.w1, run.w2, run.w3, run.p0,
                    run.p100);
    std::printf("], \"bars\": [");
    for (const cases::Bar &bar : cases::Bars)
        std::printf("%s{\"bar\": %d, \"value\": %d, \"text\": \"%s\"}",
                    &bar == cases::Bars ? "" : ", ", bar.bar, bar.value, bar.text);
    const cases::SeededRun &seeded = cases::Seeded;
    std::printf("], \"first\": [%.17g, %.17g], \"seeded\": {\"link\": \"%s\", \"boxes\": "
                "{\"Textp100\": \"%s\", \"TextFixed\": \"%s\", \"TextLost\": \"%s\", "
                "\"TextBoth\": \"%s\"}}}\n",
                double(cases::FirstX), double(cases::FirstY), seeded.link, seeded.meanP,
                seeded.fixed, seeded.lost, seeded.both);
    return 0;
}
