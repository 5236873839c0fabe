// A small reader for the parts of a Windows PE image that the executable checks look at:
// header fields, imported DLL names and the resource tree. Bounds are checked on every read,
// so a truncated or malformed file gives FormatError, never a wild read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace pe {

class FormatError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::uint16_t kMagicPe32 = 0x10b;
inline constexpr std::uint16_t kMagicPe32Plus = 0x20b;

// One leaf of the resource tree. Type and id are empty when the entry is named, not numbered.
struct Resource {
    std::optional<std::uint16_t> type;
    std::optional<std::uint16_t> id;
    std::uint16_t language = 0;
    std::vector<std::uint8_t> data;
};

struct Image {
    std::uint16_t machine = 0;
    std::uint16_t magic = 0;
    std::uint16_t major_image_version = 0;
    std::uint16_t minor_image_version = 0;
    std::uint16_t major_subsystem_version = 0;
    std::uint16_t minor_subsystem_version = 0;
    std::uint16_t subsystem = 0;
    std::vector<std::string> imported_dlls;
    std::vector<Resource> resources;  // in directory order
};

Image parse_image(std::span<const std::uint8_t> file);

// Reads a whole file; throws std::runtime_error when it cannot be opened.
std::vector<std::uint8_t> read_file(const std::filesystem::path& path);

}  // namespace pe
