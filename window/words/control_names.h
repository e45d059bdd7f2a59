#pragma once

#include "layout/control_id.h"
#include "text.h"
#include "words/catalogue.h"

#include <vector>

namespace quorvel {

// The name and short description a screen reader announces for a control,
// by its name in the design and index (-1 for a control that is no array's): the
// name is the caption the control stands beside.
struct ControlWords {
    layout::ControlId control;
    int index;
    platform::Text name, description;
};

// Those that name the trajectory frame's generations name as many as it spans.
std::vector<ControlWords> ControlNames(words::Language language, int generations);

} // namespace quorvel
