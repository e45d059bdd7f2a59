#include "colours.h"

namespace quorvel::platform {

namespace {

// The classic scroll-bar grey: the small frames are filled with it.
constexpr Rgb ScrollBarGrey{200, 200, 200};
// Highlighted text is what the window draws its curves in. This dark blue has
// at least 6:1 contrast on every surface it lands on (the light-grey frame, the
// scroll-bar grey, the window's lavender) and stays distinct from the black
// outlines and zero line it may run along.
constexpr Rgb DrawingBlue{0, 0, 204};
constexpr Rgb Black{0, 0, 0};

Rgb SystemColourFor(int index) {
    switch (index) {
    case 0:
        return ScrollBarGrey;
    case 14:
        return DrawingBlue;
    case 8:
    default:
        // An index this program never writes still gets a visible colour.
        return Black;
    }
}

} // namespace

Rgb Colour::resolve() const {
    if (isSystem())
        return SystemColourFor(systemIndex());
    return {static_cast<int>(code_ & 0xFFu), static_cast<int>((code_ >> 8) & 0xFFu),
            static_cast<int>((code_ >> 16) & 0xFFu)};
}

std::uint32_t Colour::pixel() const {
    const Rgb rgb = resolve();
    return 0xFF000000u | static_cast<std::uint32_t>(rgb.red) << 16 |
           static_cast<std::uint32_t>(rgb.green) << 8 | static_cast<std::uint32_t>(rgb.blue);
}

} // namespace quorvel::platform
