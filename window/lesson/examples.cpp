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
    // Populations: each sets every setting it depends on, and gives its
    // seeds, so that what it draws is what its sentence says, everywhere.
    {Phrase::ExampleDriftName,
     "n=20;populations=20;generations=100;mutation=0,0;migration=0;run=1,1,1,0.5,1;"
     "n=2000;run=1,1,1,0.5,2",
     Phrase::ExampleDriftLookFor},
    // One copy among 2N = 200; s = 0.1, h = 0.5; 500 generations, enough
    // for nearly every population to fix or lose it.
    {Phrase::ExampleNewAlleleName,
     "n=100;populations=200;generations=500;mutation=0,0;migration=0;run=1,0.95,0.9,0.005,3",
     Phrase::ExampleNewAlleleLookFor},
    // A recessive harmful a, s = 0.1: the balance where u = s q^2 nearly,
    // q = 0.0316; 1,000 generations to reach it from above and below.
    {Phrase::ExampleMutationName,
     "n=inf;generations=1000;mutation=0.0001,0;migration=0;run=1,1,0.9,0.9;run=1,1,0.9,1;"
     "wmean=1,1,0.9",
     Phrase::ExampleMutationLookFor},
    {Phrase::ExampleMigrationName,
     "n=20;populations=20;generations=100;mutation=0,0;migration=0;run=1,1,1,0.5,4;"
     "migration=0.05;run=1,1,1,0.5,5",
     Phrase::ExampleMigrationLookFor},
};
static_assert(std::size(Classics) == ExampleCount);

#undef QUORVEL_FROM_FIVE_STARTS

} // namespace

std::span<const Example> Examples() {
    return Classics;
}

} // namespace quorvel
