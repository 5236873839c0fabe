#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace runtime {

// A little-endian field of `width` bytes; the caller has checked that it lies inside the data.
std::uint32_t littleEndianField(std::span<const std::byte> data, std::size_t at, std::size_t width);

// The BITMAPINFOHEADER that starts every bitmap, in a BMP file and in each icon image.
struct DibHeader {
    std::uint32_t size;
    std::int64_t width;
    std::int64_t height;  // negative when the top row comes first
    std::uint32_t bits;
    std::uint32_t coloursUsed;
};

inline constexpr std::size_t kDibHeaderSize = 40;

// The header at the start of `data`: one plane, uncompressed, a positive width and a height.
// None for anything else and for a header longer than the data.
std::optional<DibHeader> readDibHeader(std::span<const std::byte> data);

// Rows of a bitmap are padded to whole 32-bit words.
std::uint64_t dibRowBytes(std::int64_t width, std::uint32_t bits);

}  // namespace runtime
