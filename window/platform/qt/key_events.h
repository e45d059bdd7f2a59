#pragma once

#include "keys.h"

class QKeyEvent;

namespace quorvel::platform::qt {

// Qt's key event as the window knows keys.
KeyPress TranslateKey(const QKeyEvent &event);

} // namespace quorvel::platform::qt
