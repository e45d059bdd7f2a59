#include "lesson/examples.h"

namespace quorvel {

namespace {

// Trajectories from five start frequencies, then the mean fitness and the
// change of p over every p.
#define QUORVEL_FROM_FIVE_STARTS(w)                                                                \
    "run=" w ",0.1;run=" w ",0.3;run=" w ",0.5;run=" w ",0.7;run=" w ",0.9;wmean=" w

constexpr Example Classics[] = {
    {"A favoured dominant allele", QUORVEL_FROM_FIVE_STARTS("1,1,0.8"),
     "A favoured dominant allele: A spreads fast while it is rare, then ever more slowly, "
     "since the last a alleles hide from selection in heterozygotes."},
    {"A favoured recessive allele", QUORVEL_FROM_FIVE_STARTS("0.8,0.8,1"),
     "A favoured recessive allele: A spreads slowly while it is rare, since selection sees it "
     "only in AA, then fast to fixation."},
    {"Overdominance", QUORVEL_FROM_FIVE_STARTS("0.8,1,0.6"),
     "Overdominance: from every start p levels off at the same balance, 0.667, where the mean "
     "fitness is highest and the change of p is 0."},
    {"Underdominance", QUORVEL_FROM_FIVE_STARTS("1,0.7,1"),
     "Underdominance: p = 0.5 is a balance that does not hold: above it A goes to fixation, "
     "below it A is lost, and the mean fitness is lowest there."},
    {"A recessive lethal", QUORVEL_FROM_FIVE_STARTS("1,1,0"),
     "A recessive lethal: a falls fast while it is common, then ever more slowly, since it "
     "dies only in aa, which grows rare."},
};

#undef QUORVEL_FROM_FIVE_STARTS

} // namespace

std::span<const Example> Examples() {
    return Classics;
}

} // namespace quorvel
