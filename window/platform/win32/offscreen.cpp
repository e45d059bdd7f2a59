#include "offscreen.h"

namespace quorvel::platform::win32 {

bool Offscreen::fit(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    if (bitmap_ && size_.cx == client.right && size_.cy == client.bottom)
        return true;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    WindowDc screen(window);
    dc_.reset(CreateCompatibleDC(screen.get()));
    bitmap_.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    pixels_ = static_cast<std::uint32_t *>(bits);
    size_ = {client.right, client.bottom};
    if (!bitmap_ || !dc_)
        return false;
    SelectObject(dc_.get(), bitmap_.get());
    return true;
}

} // namespace quorvel::platform::win32
