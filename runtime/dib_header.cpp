#include "runtime/dib_header.h"

namespace runtime {

std::uint32_t littleEndianField(std::span<const std::byte> data, std::size_t at,
                                std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8U) | std::to_integer<std::uint32_t>(data[at + i]);
    }
    return value;
}

std::optional<DibHeader> readDibHeader(std::span<const std::byte> data) {
    if (data.size() < kDibHeaderSize) return std::nullopt;
    const auto signedField = [data](std::size_t at) {
        return static_cast<std::int32_t>(littleEndianField(data, at, 4));
    };
    const DibHeader header{littleEndianField(data, 0, 4), signedField(4), signedField(8),
                           littleEndianField(data, 14, 2), littleEndianField(data, 32, 4)};
    const bool onePlane = littleEndianField(data, 12, 2) == 1;
    const bool uncompressed = littleEndianField(data, 16, 4) == 0;
    if (header.size < kDibHeaderSize || header.size > data.size() || !onePlane || !uncompressed ||
        header.width <= 0 || header.height == 0) {
        return std::nullopt;
    }
    return header;
}

std::uint64_t dibRowBytes(std::int64_t width, std::uint32_t bits) {
    return (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
}

}  // namespace runtime
