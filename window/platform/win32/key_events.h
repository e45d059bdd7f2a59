#pragma once

#include "keys.h"

#include <windows.h>

namespace quorvel::platform::win32 {

// A virtual key, with the modifiers held now, as the window knows keys.
KeyPress TranslateKey(WPARAM key);

} // namespace quorvel::platform::win32
