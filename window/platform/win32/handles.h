#pragma once

#include <windows.h>

#include <utility>

namespace quorvel::platform::win32 {

// Owns one handle and gives it back to the system when it goes.
template <class Handle, auto Release> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle &&other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle &operator=(UniqueHandle &&other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle &) = delete;
    UniqueHandle &operator=(const UniqueHandle &) = delete;

    void reset(Handle handle = nullptr) {
        if (handle_)
            Release(handle_);
        handle_ = handle;
    }
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_ = nullptr;
};

inline void DeleteGdiObject(HGDIOBJ object) {
    DeleteObject(object);
}
inline void DeleteMemoryDc(HDC dc) {
    DeleteDC(dc);
}
inline void DestroyWindowHandle(HWND window) {
    DestroyWindow(window);
}

using FontHandle = UniqueHandle<HFONT, &DeleteGdiObject>;
using Brush = UniqueHandle<HBRUSH, &DeleteGdiObject>;
using Pen = UniqueHandle<HPEN, &DeleteGdiObject>;
using Bitmap = UniqueHandle<HBITMAP, &DeleteGdiObject>;
using MemoryDc = UniqueHandle<HDC, &DeleteMemoryDc>;
using Window = UniqueHandle<HWND, &DestroyWindowHandle>;

// A device context borrowed from a window for the length of a scope.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc &) = delete;
    WindowDc &operator=(const WindowDc &) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context until the scope ends.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, previous_); }
    Selected(const Selected &) = delete;
    Selected &operator=(const Selected &) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace quorvel::platform::win32
