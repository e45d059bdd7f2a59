#pragma once

#include <cstdint>

namespace quorvel::platform {

// A concrete colour, 0 to 255 a channel.
struct Rgb {
    int red = 0, green = 0, blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// A colour as the layout writes it: &H00BBGGRR&, red in the low byte. A code
// with the top bit set names a system colour by the index in its low byte.
class Colour {
public:
    static constexpr Colour FromCode(std::uint32_t code) { return Colour(code); }
    static constexpr Colour FromRgb(int red, int green, int blue) {
        return Colour(static_cast<std::uint32_t>(red + 256 * green + 65536 * blue));
    }

    constexpr std::uint32_t code() const { return code_; }
    constexpr bool isSystem() const { return (code_ & 0x80000000u) != 0; }
    constexpr int systemIndex() const { return static_cast<int>(code_ & 0xFFu); }

    // The concrete colour: a system colour from this program's own table, so
    // the drawing looks the same, and stays legible, under any desktop theme.
    Rgb resolve() const;
    // The same as an opaque 0xAARRGGBB pixel.
    std::uint32_t pixel() const;

    friend constexpr bool operator==(Colour, Colour) = default;

private:
    constexpr explicit Colour(std::uint32_t code) : code_(code) {}
    std::uint32_t code_;
};

namespace SystemColour {
inline constexpr Colour ScrollBars = Colour::FromCode(0x80000000u);
inline constexpr Colour WindowText = Colour::FromCode(0x80000008u);
inline constexpr Colour HighlightText = Colour::FromCode(0x8000000Eu);
} // namespace SystemColour

} // namespace quorvel::platform
