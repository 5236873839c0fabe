#include "runtime/qt/icon_decoder.h"

#include <cstdint>

#include "runtime/dib_header.h"

namespace runtime::qt {

QImage decodeIco(std::span<const std::byte> data) {
    constexpr std::size_t kDirectorySize = 6;
    constexpr std::size_t kEntrySize = 16;
    if (data.size() < kDirectorySize + kEntrySize || littleEndianField(data, 0, 2) != 0 ||
        littleEndianField(data, 2, 2) != 1 || littleEndianField(data, 4, 2) == 0) {
        return {};
    }
    const std::uint64_t size = littleEndianField(data, kDirectorySize + 8, 4);
    const std::uint64_t at = littleEndianField(data, kDirectorySize + 12, 4);
    if (at > data.size() || size > data.size() - at) return {};
    const std::span<const std::byte> dib = data.subspan(at, size);
    const auto header = readDibHeader(dib);
    // The colour bitmap and the mask are stacked, so the stored height is twice the icon's.
    if (!header || header->height < 0 || header->height % 2 != 0) return {};
    const std::uint32_t bits = header->bits;
    if (bits != 1 && bits != 4 && bits != 8) return {};
    const std::uint32_t colours = header->coloursUsed != 0 ? header->coloursUsed : 1U << bits;
    const std::int64_t width = header->width;
    const std::int64_t height = header->height / 2;
    const std::uint64_t colourStride = dibRowBytes(width, bits);
    const std::uint64_t maskStride = dibRowBytes(width, 1);
    const std::uint64_t pixelsAt = header->size + std::uint64_t{colours} * 4;
    const std::uint64_t maskAt = pixelsAt + colourStride * height;
    if (colours > 1U << bits || maskAt + maskStride * height > dib.size()) return {};

    QRgb palette[256];
    for (std::uint32_t i = 0; i < colours; ++i) {
        const std::size_t entry = header->size + i * 4;  // blue, green, red, unused
        palette[i] = qRgb(littleEndianField(dib, entry + 2, 1),
                          littleEndianField(dib, entry + 1, 1), littleEndianField(dib, entry, 1));
    }
    QImage image(static_cast<int>(width), static_cast<int>(height),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    const std::uint32_t indexMask = (1U << bits) - 1;
    for (std::int64_t y = 0; y < height; ++y) {
        const std::int64_t stored = height - 1 - y;  // the bottom row comes first
        const std::byte* const colourRow = &dib[pixelsAt + stored * colourStride];
        const std::byte* const maskRow = &dib[maskAt + stored * maskStride];
        auto* const line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (std::int64_t x = 0; x < width; ++x) {
            const auto maskByte = std::to_integer<std::uint32_t>(maskRow[x / 8]);
            const bool transparent = ((maskByte >> (7 - x % 8)) & 1U) != 0;
            const std::uint64_t bit = static_cast<std::uint64_t>(x) * bits;
            const auto colourByte = std::to_integer<std::uint32_t>(colourRow[bit / 8]);
            const std::uint32_t index = (colourByte >> (8 - bits - bit % 8)) & indexMask;
            if (!transparent && index >= colours) return {};
            line[x] = transparent ? 0 : palette[index];
        }
    }
    return image;
}

}  // namespace runtime::qt
