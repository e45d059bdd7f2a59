#pragma once

#include <cstdint>
#include <vector>

namespace quorvel::platform {

// A PNG file of opaque 0x00RRGGBB pixels, rows top to bottom, compressed by
// zlib at its default level. Each row takes the filter that leaves it the
// smallest sum of bytes, as libpng chooses, so that a window's flat colours
// and its smooth curves both pack well.
std::vector<std::uint8_t> EncodePng(const std::uint32_t *pixels, int width, int height);

} // namespace quorvel::platform
