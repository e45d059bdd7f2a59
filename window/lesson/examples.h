#pragma once

#include "words/phrases.h"

#include <span>

// Classic cases of selection at one locus, ready to draw: each a link, so
// that it can be sent as one too, and a sentence on what to look for.
namespace quorvel {

struct Example {
    words::Phrase name; // as the menu of examples shows it
    const char *link;   // in the link's own syntax, UTF-8
    words::Phrase lookFor;
    double balance = 0; // the equilibrium its sentence names, if any
};

// How many there are: one Tool each, Example1 on.
inline constexpr std::size_t ExampleCount = 9;

std::span<const Example> Examples();

} // namespace quorvel
