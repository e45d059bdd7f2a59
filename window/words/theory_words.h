#pragma once

#include "fitness.h"
#include "text.h"
#include "theory.h"
#include "words/catalogue.h"

#include <vector>

// What theory expects, in words: the balances W Mean marks, a share in per
// cent and the fitnesses as s and h.
namespace quorvel {

// "a stable balance at p = 0.667, an unstable balance at p = 1" (ListOf's
// joining); empty for none.
platform::Text BalancesText(words::Language language, const std::vector<Balance> &balances);

// "50 %", to one decimal, a whole number without it: "9.5 %", "0 %".
platform::Text PercentText(words::Language language, double share);

// "s = 0.2, h = 0.5", "s = 0.25, h = -1: overdominance", "s = 0.5 against A,
// h = 1", "s = 0, no h: the homozygotes are equally fit"; s and h to three
// decimals at most.
platform::Text CoefficientsText(words::Language language, const Fitnesses &w);

} // namespace quorvel
