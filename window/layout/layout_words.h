#pragma once

#include "form_words.h"
#include "words/catalogue.h"

namespace quorvel::layout {

// Every word the main window's form shows of its own in a language: its
// title, each row's caption, and the dialogs' own words (all but the help).
platform::FormWords FormWordsIn(words::Language language);

} // namespace quorvel::layout
