#include "runtime/qt/bitmap_decoders.h"

#include <cstdint>
#include <cstring>
#include <optional>

namespace runtime::qt {
namespace {

// Little-endian fields; the caller has checked that they lie inside the data.
std::uint32_t field(std::span<const std::byte> data, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8U) | std::to_integer<std::uint32_t>(data[at + i]);
    }
    return value;
}

std::int32_t signedField(std::span<const std::byte> data, std::size_t at) {
    return static_cast<std::int32_t>(field(data, at, 4));
}

// The BITMAPINFOHEADER that starts every bitmap, in a BMP file and in each icon image.
struct DibHeader {
    std::uint32_t size;
    std::int64_t width;
    std::int64_t height;  // negative when the top row comes first
    std::uint32_t bits;
    std::uint32_t compression;
    std::int32_t dotsPerMeterX;
    std::int32_t dotsPerMeterY;
    std::uint32_t coloursUsed;
};

constexpr std::size_t kDibHeaderSize = 40;

std::optional<DibHeader> readDibHeader(std::span<const std::byte> data) {
    if (data.size() < kDibHeaderSize) return std::nullopt;
    const DibHeader header{field(data, 0, 4),     signedField(data, 4), signedField(data, 8),
                           field(data, 14, 2),    field(data, 16, 4),   signedField(data, 24),
                           signedField(data, 28), field(data, 32, 4)};
    if (header.size < kDibHeaderSize || header.size > data.size() || field(data, 12, 2) != 1 ||
        header.compression != 0 || header.width <= 0 || header.height == 0) {
        return std::nullopt;
    }
    return header;
}

// Rows of a bitmap are padded to whole 32-bit words.
std::uint64_t rowBytes(std::int64_t width, std::uint32_t bits) {
    return (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
}

void setDensity(QImage& image, const DibHeader& header) {
    if (header.dotsPerMeterX > 0) image.setDotsPerMeterX(header.dotsPerMeterX);
    if (header.dotsPerMeterY > 0) image.setDotsPerMeterY(header.dotsPerMeterY);
}

}  // namespace

QImage decodeBmp(std::span<const std::byte> data) {
    constexpr std::size_t kFileHeaderSize = 14;
    if (data.size() < kFileHeaderSize || data[0] != std::byte{'B'} || data[1] != std::byte{'M'}) {
        return {};
    }
    const auto header = readDibHeader(data.subspan(kFileHeaderSize));
    if (!header || header->bits != 24) return {};
    const std::uint64_t pixelsAt = field(data, 10, 4);
    const std::int64_t width = header->width;
    const std::int64_t height = header->height > 0 ? header->height : -header->height;
    const std::uint64_t stride = rowBytes(width, header->bits);
    if (pixelsAt > data.size() || (data.size() - pixelsAt) / stride < std::uint64_t(height)) {
        return {};
    }
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_BGR888);
    if (image.isNull()) return {};
    for (std::int64_t y = 0; y < height; ++y) {
        const std::int64_t stored = header->height > 0 ? height - 1 - y : y;
        std::memcpy(image.scanLine(static_cast<int>(y)), &data[pixelsAt + stored * stride],
                    static_cast<std::size_t>(width) * 3);
    }
    setDensity(image, *header);
    return image;
}

QImage decodeIco(std::span<const std::byte> data) {
    constexpr std::size_t kDirectorySize = 6;
    constexpr std::size_t kEntrySize = 16;
    if (data.size() < kDirectorySize + kEntrySize || field(data, 0, 2) != 0 ||
        field(data, 2, 2) != 1 || field(data, 4, 2) == 0) {
        return {};
    }
    const std::uint64_t size = field(data, kDirectorySize + 8, 4);
    const std::uint64_t at = field(data, kDirectorySize + 12, 4);
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
    const std::uint64_t colourStride = rowBytes(width, bits);
    const std::uint64_t maskStride = rowBytes(width, 1);
    const std::uint64_t pixelsAt = header->size + std::uint64_t{colours} * 4;
    const std::uint64_t maskAt = pixelsAt + colourStride * height;
    if (colours > 1U << bits || maskAt + maskStride * height > dib.size()) return {};

    QRgb palette[256];
    for (std::uint32_t i = 0; i < colours; ++i) {
        const std::size_t entry = header->size + i * 4;  // blue, green, red, unused
        palette[i] = qRgb(field(dib, entry + 2, 1), field(dib, entry + 1, 1), field(dib, entry, 1));
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
    setDensity(image, *header);
    return image;
}

}  // namespace runtime::qt
