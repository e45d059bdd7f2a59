#pragma once

#include "lesson/setup_link.h"
#include "text.h"
#include "words/catalogue.h"

// What a user reads when a link cannot be used: the first thing wrong,
// quoted, and what a link may hold. Nothing was changed.
namespace quorvel::links {

platform::Text TooManyArguments(words::Language language);
platform::Text FaultMessage(words::Language language, const LinkFault &fault);
// A language step whose tag names no language the program speaks.
platform::Text UnknownLanguage(words::Language language, std::u16string_view step);

} // namespace quorvel::links
