#include "bmp_file.h"

#include <stdexcept>

namespace artwork {

namespace {
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 2953;  // 75 dpi
}  // namespace

Bytes encodeBmp(const Image& image) {
    const auto rowBytes = static_cast<std::uint32_t>(image.width) * 3;
    if (rowBytes % 4 != 0) {
        throw std::invalid_argument("BMP width must give rows of a multiple of four bytes");
    }
    const std::uint32_t imageSize = rowBytes * static_cast<std::uint32_t>(image.height);
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize;

    Bytes out;
    out.reserve(pixelOffset + imageSize);
    out.push_back('B');
    out.push_back('M');
    appendLe32(out, pixelOffset + imageSize);
    appendLe16(out, 0);
    appendLe16(out, 0);
    appendLe32(out, pixelOffset);

    appendLe32(out, kInfoHeaderSize);
    appendLe32(out, static_cast<std::uint32_t>(image.width));
    appendLe32(out, static_cast<std::uint32_t>(image.height));  // positive: bottom row first
    appendLe16(out, 1);                                         // planes
    appendLe16(out, 24);                                        // bits per pixel
    appendLe32(out, 0);                                         // no compression
    appendLe32(out, imageSize);
    appendLe32(out, kPixelsPerMetre);
    appendLe32(out, kPixelsPerMetre);
    appendLe32(out, 0);  // colours used
    appendLe32(out, 0);  // colours important

    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb& p = image.at(x, y);
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
        }
    }
    return out;
}

}  // namespace artwork
