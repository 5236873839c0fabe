#include "resource_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace resource_tests {

namespace {
std::uint8_t byteAt(std::span<const std::uint8_t> data, std::size_t offset) {
    if (offset >= data.size()) throw std::out_of_range("read past the end of the file");
    return data[offset];
}
}  // namespace

std::filesystem::path resourceDir() {
    return KESTRAVO_RESOURCE_DIR;
}

Bytes readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file) << "cannot open " << path;
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t le16(std::span<const std::uint8_t> data, std::size_t offset) {
    return byteAt(data, offset) | std::uint32_t{byteAt(data, offset + 1)} << 8;
}

std::uint32_t le32(std::span<const std::uint8_t> data, std::size_t offset) {
    return le16(data, offset) | le16(data, offset + 2) << 16;
}

std::uint32_t be16(std::span<const std::uint8_t> data, std::size_t offset) {
    return std::uint32_t{byteAt(data, offset)} << 8 | byteAt(data, offset + 1);
}

void expectFields(std::span<const std::uint8_t> data, std::span<const Field> fields) {
    for (const Field& f : fields) {
        const std::uint32_t actual = f.width == 1   ? data[f.offset]
                                     : f.width == 2 ? le16(data, f.offset)
                                                    : le32(data, f.offset);
        EXPECT_EQ(actual, f.expected) << f.name;
    }
}

}  // namespace resource_tests
