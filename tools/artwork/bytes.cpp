#include "bytes.h"

#include <fstream>
#include <stdexcept>

namespace artwork {

void appendLe16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void appendLe32(Bytes& out, std::uint32_t value) {
    appendLe16(out, value & 0xFFFF);
    appendLe16(out, value >> 16);
}

void writeFile(const std::filesystem::path& path, const Bytes& data) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace artwork
