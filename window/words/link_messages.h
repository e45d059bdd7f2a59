#pragma once

#include "text.h"

#include <string_view>

// What a user reads when a link cannot be used: the first thing wrong,
// quoted, and what a link may hold. Nothing was changed.
namespace quorvel::links {

platform::Text TooManyArguments();
platform::Text NoSetup();
platform::Text TooLong();
platform::Text TooManySteps();
platform::Text NotAStep(std::u16string_view step);
platform::Text UnknownWord(std::u16string_view step);
platform::Text WrongCount(std::u16string_view step, int values);
platform::Text NotAFitness(std::u16string_view step, std::u16string_view value);
platform::Text NotAFrequency(std::u16string_view step, std::u16string_view value);

} // namespace quorvel::links
