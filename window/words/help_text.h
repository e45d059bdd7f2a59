#pragma once

#include "text.h"
#include "tools.h"

namespace quorvel {

// The short help a user opens with F1: the model, the controls, three settings
// to try, the keys, the version and the licence.
platform::Text HelpText(platform::ToolKeys keys);

// Its title: the window's caption and ": help".
platform::Text HelpTitle();

} // namespace quorvel
