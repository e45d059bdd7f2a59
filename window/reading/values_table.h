#pragma once

#include "curves/drawn_curves.h"
#include "text.h"
#include "words/catalogue.h"

namespace quorvel {

// Every kept curve as a tab-separated table that a spreadsheet takes by paste:
// the trajectories with a row for each generation, then the W Means with a row
// for each p, one column a curve under a header naming its settings. Numbers
// in the user's locale, with the digits that read back to the same double; a
// change that is undefined is left empty.
platform::Text ValuesTable(words::Language language, const DrawnCurves &drawn);

} // namespace quorvel
