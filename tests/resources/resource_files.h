#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace resource_tests {

using Bytes = std::vector<std::uint8_t>;

// The committed resources/ directory of the source tree.
std::filesystem::path resourceDir();

// The whole file; fails the calling test (and returns nothing) if it cannot be read.
Bytes readFile(const std::filesystem::path& path);

// Bounds-checked field readers: they throw std::out_of_range past the end.
std::uint32_t le16(std::span<const std::uint8_t> data, std::size_t offset);
std::uint32_t le32(std::span<const std::uint8_t> data, std::size_t offset);
std::uint32_t be16(std::span<const std::uint8_t> data, std::size_t offset);

// One little-endian header field and the value it must hold.
struct Field {
    const char* name;
    std::size_t offset;
    int width;  // bytes: 1, 2 or 4
    std::uint32_t expected;
};

// Checks every field of the table against the data.
void expectFields(std::span<const std::uint8_t> data, std::span<const Field> fields);

}  // namespace resource_tests
