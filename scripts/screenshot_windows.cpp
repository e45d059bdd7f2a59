// Renders the Windows window after the same short session as the Linux
// screenshot (overdominance from several start frequencies, then W Mean) and
// saves what the screen shows of it as a 24-bit BMP.
#include "native.h"
#include "quorvelcode.h"
#include "startup.h"

#include <cstdio>
#include <vector>

using quorvel::platform::win32::Native;

namespace {

bool SaveClientArea(HWND window, const char *path) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const int width = client.right, height = client.bottom;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER header{sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO *>(&header),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE *out = std::fopen(path, "wb");
    if (!out)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    return std::fclose(out) == 0;
}

} // namespace

int main(int argc, char **argv) {
    quorvel::platform::Application application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvel_screenshot OUTPUT.bmp\n");
        return 2;
    }
    quorvel::Quorvelcode window;
    int errors = 0;
    window.errors.setSink([&](const quorvel::platform::Text &) { ++errors; });
    auto &form = *Native(window.form());
    form.show();
    const auto drag = [&](quorvel::platform::ScrollBar *bar, UINT message, int position) {
        SendMessageW(form.hwnd(), message, MAKEWPARAM(SB_THUMBPOSITION, position),
                     reinterpret_cast<LPARAM>(Native(bar)));
    };
    drag(window.HScrollw1, WM_HSCROLL, 80);
    drag(window.HScrollw2, WM_HSCROLL, 100);
    drag(window.HScrollw3, WM_HSCROLL, 60);
    for (int p0 : {20, 150, 400, 950}) {
        drag(window.VScrollp, WM_VSCROLL, 1000 - p0);
        SendMessageW(Native(window.RUN), BM_CLICK, 0, 0);
    }
    SendMessageW(Native(window.Wmean), BM_CLICK, 0, 0);
    quorvel::platform::win32::ProcessMessages(form.hwnd());
    UpdateWindow(form.hwnd());
    Sleep(500);
    quorvel::platform::win32::ProcessMessages(form.hwnd());
    return errors == 0 && SaveClientArea(form.hwnd(), argv[1]) ? 0 : 1;
}
