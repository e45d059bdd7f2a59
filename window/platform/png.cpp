#include "png.h"

#include <zlib.h>

#include <array>
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace quorvel::platform {

namespace {

void Big(std::vector<std::uint8_t> &out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void Chunk(std::vector<std::uint8_t> &out, const char *type,
           const std::vector<std::uint8_t> &data) {
    Big(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    Big(out, static_cast<std::uint32_t>(
                 crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

std::uint8_t Paeth(int left, int up, int upLeft) {
    const int estimate = left + up - upLeft;
    const int toLeft = std::abs(estimate - left), toUp = std::abs(estimate - up),
              toUpLeft = std::abs(estimate - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft)
        return static_cast<std::uint8_t>(left);
    return static_cast<std::uint8_t>(toUp <= toUpLeft ? up : upLeft);
}

// One row, filtered each of the five ways; the way whose bytes, read as
// signed, sum smallest in size wins (the "minimum sum of absolute
// differences" that libpng uses).
void FilterRow(const std::vector<std::uint8_t> &row, const std::vector<std::uint8_t> &above,
               std::vector<std::uint8_t> &out) {
    constexpr std::size_t Bytes = 3; // per pixel
    std::array<std::vector<std::uint8_t>, 5> ways;
    std::size_t best = 0;
    unsigned long bestSum = ~0ul;
    for (std::size_t way = 0; way < ways.size(); ++way) {
        std::vector<std::uint8_t> &filtered = ways[way];
        filtered.resize(row.size());
        unsigned long sum = 0;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int left = i >= Bytes ? row[i - Bytes] : 0, up = above[i],
                      upLeft = i >= Bytes ? above[i - Bytes] : 0;
            int predicted = 0;
            switch (way) {
            case 1:
                predicted = left;
                break;
            case 2:
                predicted = up;
                break;
            case 3:
                predicted = (left + up) / 2;
                break;
            case 4:
                predicted = Paeth(left, up, upLeft);
                break;
            default:
                break;
            }
            filtered[i] = static_cast<std::uint8_t>(row[i] - predicted);
            sum += static_cast<unsigned long>(std::abs(static_cast<std::int8_t>(filtered[i])));
        }
        if (sum < bestSum) {
            bestSum = sum;
            best = way;
        }
    }
    out.push_back(static_cast<std::uint8_t>(best));
    out.insert(out.end(), ways[best].begin(), ways[best].end());
}

} // namespace

std::vector<std::uint8_t> EncodePng(const std::uint32_t *pixels, int width, int height) {
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(width);
    std::vector<std::uint8_t> raw; // a filter byte, then the filtered row, a row at a time
    raw.reserve(static_cast<std::size_t>(height) * (1 + rowBytes));
    std::vector<std::uint8_t> above(rowBytes, 0), row(rowBytes);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
            row[3 * x] = static_cast<std::uint8_t>(p >> 16);
            row[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
            row[3 * x + 2] = static_cast<std::uint8_t>(p);
        }
        FilterRow(row, above, raw);
        above.swap(row);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    const int status = compress2(packed.data(), &packedSize, raw.data(),
                                 static_cast<uLong>(raw.size()), Z_DEFAULT_COMPRESSION);
    if (status == Z_MEM_ERROR)
        throw std::bad_alloc();
    if (status != Z_OK) // compressBound leaves room for any input
        throw std::logic_error("zlib could not compress a picture");
    packed.resize(packedSize);

    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<std::uint8_t> header;
    Big(header, static_cast<std::uint32_t>(width));
    Big(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, no interlace
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", packed);
    Chunk(png, "IEND", {});
    return png;
}

} // namespace quorvel::platform
