// The clipboard: the values as text, and the window as a picture, as a PNG
// and a DIB, which every program takes, with the legend beside it.
#include "native_form.h"

#include "conversions.h"
#include "png.h"
#include "tool_look.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace quorvel::platform::win32 {

namespace {

bool PutOnClipboard(UINT format, const void *data, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory)
        return false;
    std::memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
    if (!SetClipboardData(format, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

} // namespace

void Form::copyText(const Text &text) {
    if (!OpenClipboard(window_))
        return;
    EmptyClipboard();
    std::wstring wide = Wide(text);
    PutOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    CloseClipboard();
}

// The client area at device resolution, without the note and the ring, the
// legend in a column to its right.
Form::Picture Form::picture(const std::vector<Text> &legend) {
    tools_.hideForPicture();
    render();
    tools_.showAfterPicture();
    const double ratio = dpi_ / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
    WindowDc screen(window_);
    MemoryDc dc(CreateCompatibleDC(screen.get()));
    Selected withFont(dc.get(), font(look::LegendFont));
    std::vector<double> widths;
    for (const Text &line : legend) {
        const std::wstring wide = Wide(line);
        SIZE extent{};
        GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
        widths.push_back(extent.cx / ratio);
    }
    const look::Legend placed =
        look::PlaceLegend(canvas_.size().cx / ratio, canvas_.size().cy / ratio, widths);
    Picture picture;
    picture.width =
        std::max<int>(canvas_.size().cx, static_cast<int>(std::lround(placed.width * ratio)));
    picture.height =
        std::max<int>(canvas_.size().cy, static_cast<int>(std::lround(placed.height * ratio)));
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof info.bmiHeader, picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = nullptr;
    Bitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        throw std::bad_alloc();
    Selected withBitmap(dc.get(), bitmap.get());
    RECT all{0, 0, picture.width, picture.height};
    FillRect(dc.get(), &all, background_.get());
    BitBlt(dc.get(), 0, 0, canvas_.size().cx, canvas_.size().cy, canvas_.dc(), 0, 0, SRCCOPY);
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), Gdi(look::LegendInk));
    for (std::size_t i = 0; i < legend.size(); ++i) {
        const std::wstring wide = Wide(legend[i]);
        TextOutW(dc.get(), static_cast<int>(std::lround(placed.lines[i].left * ratio)),
                 static_cast<int>(std::lround(placed.lines[i].top * ratio)), wide.c_str(),
                 static_cast<int>(wide.size()));
    }
    GdiFlush();
    const auto *pixels = static_cast<const std::uint32_t *>(bits);
    picture.pixels.assign(pixels,
                          pixels + static_cast<std::size_t>(picture.width) * picture.height);
    return picture;
}

std::vector<std::uint8_t> Form::picturePng(const std::vector<Text> &legend) {
    const Picture taken = picture(legend);
    return EncodePng(taken.pixels.data(), taken.width, taken.height);
}

// As a PNG and a DIB, which every program takes.
void Form::copyPicture(const std::vector<Text> &legend) {
    const Picture taken = picture(legend);
    const int width = taken.width, height = taken.height;
    const std::vector<std::uint8_t> png = EncodePng(taken.pixels.data(), width, height);
    // A DIB's rows run bottom to top.
    std::vector<std::uint8_t> dib(sizeof(BITMAPINFOHEADER) +
                                  static_cast<std::size_t>(width) * height * 4);
    BITMAPINFOHEADER header{sizeof header, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::memcpy(dib.data(), &header, sizeof header);
    for (int y = 0; y < height; ++y)
        std::memcpy(dib.data() + sizeof header +
                        static_cast<std::size_t>(height - 1 - y) * width * 4,
                    taken.pixels.data() + static_cast<std::size_t>(y) * width,
                    static_cast<std::size_t>(width) * 4);
    if (!OpenClipboard(window_))
        return;
    EmptyClipboard();
    PutOnClipboard(RegisterClipboardFormatW(L"PNG"), png.data(), png.size());
    PutOnClipboard(CF_DIB, dib.data(), dib.size());
    CloseClipboard();
}

} // namespace quorvel::platform::win32
