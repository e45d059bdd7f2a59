#pragma once

#include "colours.h"
#include "text.h"

#include <windows.h>

#include <cmath>
#include <string>

// The window's values as Win32 takes them.
namespace quorvel::platform::win32 {

inline std::wstring Wide(const Text &text) {
    return std::wstring(text.begin(), text.end());
}
inline Text FromWide(const std::wstring &wide) {
    return Text(wide.begin(), wide.end());
}

inline COLORREF Gdi(Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}
inline COLORREF Gdi(Colour colour) {
    return Gdi(colour.resolve());
}

// The first device pixel of logical coordinate i, the same rule the raster
// uses, so that the frames and the drawing line up at any DPI.
inline int Edge(int i, double ratio) {
    return static_cast<int>(std::ceil(i * ratio - 0.5));
}

} // namespace quorvel::platform::win32
