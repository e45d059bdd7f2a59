#pragma once

#include <windows.h>

namespace quorvel::platform::win32 {

// Hands one message to the form's controls the way a dialog does: Tab and
// Shift+Tab move the focus, Return presses the focused button, Ctrl+A selects
// all of a box's text.
void Dispatch(HWND form, MSG &message);

// Dispatches every message waiting, without waiting for more.
void ProcessMessages(HWND form);

} // namespace quorvel::platform::win32
