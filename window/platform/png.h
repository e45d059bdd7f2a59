#pragma once

#include <cstdint>
#include <vector>

namespace quorvel::platform {

// A PNG file of opaque 0x00RRGGBB pixels, rows top to bottom. Stored, not
// compressed: a copied picture goes to the clipboard, not to a disk, and this
// keeps the encoder a page long and free of any library.
std::vector<std::uint8_t> EncodePng(const std::uint32_t *pixels, int width, int height);

} // namespace quorvel::platform
