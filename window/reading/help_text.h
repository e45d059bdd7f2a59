#pragma once

#include "text.h"
#include "tools.h"
#include "words/catalogue.h"

namespace quorvel {

// The short help a user opens with F1: the model, the controls, three settings
// to try, the keys, links and languages, the version and the licence.
platform::Text HelpText(words::Language language, platform::ToolKeys keys);

// Its title: the window's caption and ": help".
platform::Text HelpTitle(words::Language language);

} // namespace quorvel
