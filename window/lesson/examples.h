#pragma once

#include <span>

// Classic cases of selection at one locus, ready to draw: each a link, so
// that it can be sent as one too, and a sentence on what to look for.
namespace quorvel {

// In UTF-8, which a page carries in half the bytes of UTF-16.
struct Example {
    const char *name; // as the menu of examples shows it
    const char *link; // in the link's own syntax
    const char *lookFor;
};

std::span<const Example> Examples();

} // namespace quorvel
