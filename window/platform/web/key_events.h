#pragma once

#include "keys.h"

#include <optional>

namespace quorvel::platform::web {

// A key as the page reports it (a Key's number, its character, its modifiers
// as dom::KeyFlag bits) as the window knows keys; none for a number that
// names no key.
std::optional<KeyPress> TranslateKey(int key, int character, int flags);

} // namespace quorvel::platform::web
