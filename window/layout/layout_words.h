#pragma once

#include "form_words.h"
#include "settings/settings.h"
#include "words/catalogue.h"

namespace quorvel::layout {

// Every word the main window's form shows of its own in a language, with the
// settings as they stand: its title (which names the population size), each
// row's caption (those of the trajectory frame name how many generations it
// spans), and the dialogs' own words (all but the help).
platform::FormWords FormWordsIn(words::Language language, const settings::Positions &positions);

} // namespace quorvel::layout
