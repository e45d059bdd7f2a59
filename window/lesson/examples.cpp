#include "lesson/examples.h"

namespace quorvel {

namespace {

// Trajectories from five start frequencies, then the mean fitness and the
// change of p over every p.
#define QUORVEL_FROM_FIVE_STARTS(w)                                                                \
    "run=" w ",0.1;run=" w ",0.3;run=" w ",0.5;run=" w ",0.7;run=" w ",0.9;wmean=" w

using words::Phrase;

constexpr Example Classics[] = {
    {Phrase::ExampleDominantName, QUORVEL_FROM_FIVE_STARTS("1,1,0.8"),
     Phrase::ExampleDominantLookFor},
    {Phrase::ExampleRecessiveName, QUORVEL_FROM_FIVE_STARTS("1,0.8,0.8"),
     Phrase::ExampleRecessiveLookFor},
    {Phrase::ExampleOverdominanceName, QUORVEL_FROM_FIVE_STARTS("0.8,1,0.6"),
     Phrase::ExampleOverdominanceLookFor, 0.667},
    {Phrase::ExampleUnderdominanceName, QUORVEL_FROM_FIVE_STARTS("1,0.7,1"),
     Phrase::ExampleUnderdominanceLookFor, 0.5},
    {Phrase::ExampleLethalName, QUORVEL_FROM_FIVE_STARTS("1,1,0"), Phrase::ExampleLethalLookFor},
};

#undef QUORVEL_FROM_FIVE_STARTS

} // namespace

std::span<const Example> Examples() {
    return Classics;
}

} // namespace quorvel
