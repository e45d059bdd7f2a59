#pragma once

#include "fitness.h"
#include "text.h"
#include "words/catalogue.h"

// What the user reads when a mean fitness of 0 leaves the next frequency
// undefined: what happened, with the numbers on screen, and what to change.
// A number and its "=" never break apart across lines.
namespace quorvel {

// A RUN that met a mean fitness of 0 at frequency p in the given generation
// (0 for the start).
platform::Text ZeroMeanFitnessInRun(words::Language language, const Fitnesses &w, int generation,
                                    double p);

// A run of finite populations in which drift left population `number` of
// `count` with only a genotype whose fitness is 0 (p = 0 or 1), in the given
// generation.
platform::Text ZeroMeanFitnessInPopulation(words::Language language, const Fitnesses &w,
                                           int generation, int number, int count, double p);

// A W Mean that found the mean fitness 0 at every p it swept.
platform::Text ZeroMeanFitnessEverywhere(words::Language language, const Fitnesses &w);

// Any other action that met a mean fitness of 0, where it has no numbers to show.
platform::Text ZeroMeanFitnessAnywhere(words::Language language);

} // namespace quorvel
