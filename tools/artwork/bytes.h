#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace artwork {

using Bytes = std::vector<std::uint8_t>;

void appendLe16(Bytes& out, std::uint32_t value);
void appendLe32(Bytes& out, std::uint32_t value);

// Writes the whole buffer or throws std::runtime_error.
void writeFile(const std::filesystem::path& path, const Bytes& data);

}  // namespace artwork
