#pragma once

#include "handles.h"

#include <windows.h>

#include <cstdint>

namespace quorvel::platform::win32 {

// The client area as last composed, off screen: a top-down 32-bit bitmap in a
// memory DC, made again when the client area's size changes.
class Offscreen {
public:
    // Fits the bitmap to the window's client area; false where none could be made.
    bool fit(HWND window);
    // Forgets the bitmap, so that the next fit makes it afresh.
    void reset() { bitmap_.reset(); }
    HDC dc() const { return dc_.get(); }
    SIZE size() const { return size_; }
    // 0x00RRGGBB pixels, rows top down; nullptr before the first fit.
    std::uint32_t *pixels() const { return pixels_; }

private:
    MemoryDc dc_;
    Bitmap bitmap_;
    std::uint32_t *pixels_ = nullptr;
    SIZE size_{0, 0};
};

} // namespace quorvel::platform::win32
