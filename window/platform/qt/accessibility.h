#pragma once

namespace quorvel::platform::qt {

// Makes the window's own controls speak to screen readers in the user's terms:
// a bar's value is what its box shows, a box is read-only text, the window is a
// window named by its caption, the zero line and the drawing are graphics.
// Safe to call more than once.
void InstallAccessibility();

} // namespace quorvel::platform::qt
