// Little-endian reads from a byte buffer that throw pe::FormatError instead of reading past
// its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "pe_reader.h"

namespace pe {

class ByteView {
  public:
    explicit ByteView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }

    std::span<const std::uint8_t> sub(std::size_t offset, std::size_t count) const {
        if (offset > bytes_.size() || count > bytes_.size() - offset) {
            throw FormatError("read of " + std::to_string(count) + " bytes at " +
                              std::to_string(offset) + " runs past the end");
        }
        return bytes_.subspan(offset, count);
    }

    std::uint8_t u8(std::size_t offset) const { return sub(offset, 1)[0]; }

    std::uint16_t u16(std::size_t offset) const {
        const auto b = sub(offset, 2);
        return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    }

    std::uint32_t u32(std::size_t offset) const {
        const auto b = sub(offset, 4);
        return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
               (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    }

  private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace pe
