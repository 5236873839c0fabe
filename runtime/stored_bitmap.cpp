#include "runtime/stored_bitmap.h"

#include <limits>

#include "runtime/dib_header.h"

namespace runtime {

std::optional<StoredBitmap> StoredBitmap::read(std::span<const std::byte> file) {
    constexpr std::size_t kFileHeaderSize = 14;
    if (file.size() < kFileHeaderSize || file[0] != std::byte{'B'} || file[1] != std::byte{'M'}) {
        return std::nullopt;
    }
    const auto header = readDibHeader(file.subspan(kFileHeaderSize));
    if (!header || header->bits != 24) return std::nullopt;
    const std::uint64_t rowsAt = littleEndianField(file, 10, 4);
    const std::int64_t height = header->height > 0 ? header->height : -header->height;
    const std::uint64_t stride = dibRowBytes(header->width, header->bits);
    if (height > std::numeric_limits<int>::max() || rowsAt > file.size() ||
        (file.size() - rowsAt) / stride < static_cast<std::uint64_t>(height)) {
        return std::nullopt;
    }
    return StoredBitmap(static_cast<int>(header->width), static_cast<int>(height),
                        header->height > 0, stride, file.subspan(rowsAt, stride * height));
}

Colour StoredBitmap::pixel(int x, int y) const {
    const std::uint64_t row = bottomUp_ ? height_ - 1 - y : y;
    const std::size_t at = row * stride_ + static_cast<std::uint64_t>(x) * 3;
    return Colour{littleEndianField(rows_, at + 2, 1) | littleEndianField(rows_, at + 1, 1) << 8U |
                  littleEndianField(rows_, at, 1) << 16U};
}

std::optional<StoredBitmap> windowBitmap(const FormLayout& layout) {
    const auto source = layout.property<PictureSource>(WindowProperty::Bitmap);
    return source ? StoredBitmap::read((*source)()) : std::nullopt;
}

}  // namespace runtime
