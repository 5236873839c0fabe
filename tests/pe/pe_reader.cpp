#include "pe_reader.h"

#include <fstream>
#include <iterator>

#include "byte_view.h"

namespace pe {
namespace {

constexpr std::uint16_t kDosSignature = 0x5A4D;     // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::size_t kImportDirectory = 1;
constexpr std::size_t kResourceDirectory = 2;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::size_t kImportDescriptorSize = 20;
constexpr std::size_t kMaxImportDescriptors = 4096;  // a sanity bound for corrupt tables
constexpr std::uint32_t kHighBit = 0x80000000;
constexpr std::size_t kMaxResourceEntries = 1 << 16;  // bounds the work on looping trees

struct Section {
    std::uint32_t virtual_address;
    std::uint32_t virtual_size;
    std::uint32_t raw_size;
    std::uint32_t raw_offset;
};

struct DataDirectory {
    std::uint32_t rva;
    std::uint32_t size;
};

class Parser {
  public:
    explicit Parser(std::span<const std::uint8_t> file) : file_(file) {}

    Image parse() {
        if (file_.u16(0) != kDosSignature) throw FormatError("no MZ signature");
        const std::size_t pe_offset = file_.u32(0x3C);
        if (file_.u32(pe_offset) != kPeSignature) throw FormatError("no PE signature");

        const std::size_t coff = pe_offset + 4;
        Image image;
        image.machine = file_.u16(coff);
        const std::uint16_t section_count = file_.u16(coff + 2);
        const std::uint16_t optional_size = file_.u16(coff + 16);

        const std::size_t opt = coff + 20;
        const ByteView optional{file_.sub(opt, optional_size)};
        image.magic = optional.u16(0);
        if (image.magic != kMagicPe32 && image.magic != kMagicPe32Plus) {
            throw FormatError("unknown optional header magic");
        }
        image.major_image_version = optional.u16(44);
        image.minor_image_version = optional.u16(46);
        image.major_subsystem_version = optional.u16(48);
        image.minor_subsystem_version = optional.u16(50);
        image.subsystem = optional.u16(68);

        const bool plus = image.magic == kMagicPe32Plus;
        const std::uint32_t directory_count = optional.u32(plus ? 108 : 92);
        const std::size_t directories = plus ? 112 : 96;
        auto directory = [&](std::size_t index) {
            if (index >= directory_count) return DataDirectory{0, 0};
            return DataDirectory{optional.u32(directories + 8 * index),
                                 optional.u32(directories + 8 * index + 4)};
        };

        const std::size_t section_table = opt + optional_size;
        for (std::size_t i = 0; i < section_count; ++i) {
            const ByteView header{
                file_.sub(section_table + i * kSectionHeaderSize, kSectionHeaderSize)};
            sections_.push_back({header.u32(12), header.u32(8), header.u32(16), header.u32(20)});
        }

        image.imported_dlls = read_imports(directory(kImportDirectory));
        image.resources = read_resources(directory(kResourceDirectory));
        return image;
    }

  private:
    // File offset of `length` bytes at `rva`; they must lie in one section's raw data.
    std::size_t file_offset(std::uint32_t rva, std::size_t length) const {
        for (const Section& s : sections_) {
            if (rva >= s.virtual_address && rva - s.virtual_address < s.raw_size &&
                length <= s.raw_size - (rva - s.virtual_address)) {
                return s.raw_offset + (rva - s.virtual_address);
            }
        }
        throw FormatError("RVA " + std::to_string(rva) + " is outside every section");
    }

    std::string c_string(std::uint32_t rva) const {
        std::string text;
        for (std::size_t at = file_offset(rva, 1);; ++at) {
            const char c = static_cast<char>(file_.u8(at));
            if (c == '\0') return text;
            text.push_back(c);
        }
    }

    std::vector<std::string> read_imports(DataDirectory dir) const {
        std::vector<std::string> names;
        if (dir.rva == 0) return names;
        for (std::size_t i = 0; i < kMaxImportDescriptors; ++i) {
            const auto rva = static_cast<std::uint32_t>(dir.rva + i * kImportDescriptorSize);
            const ByteView descriptor{
                file_.sub(file_offset(rva, kImportDescriptorSize), kImportDescriptorSize)};
            const std::uint32_t name_rva = descriptor.u32(12);
            if (name_rva == 0 && descriptor.u32(0) == 0 && descriptor.u32(16) == 0) return names;
            names.push_back(c_string(name_rva));
        }
        throw FormatError("import table has no terminating descriptor");
    }

    std::vector<Resource> read_resources(DataDirectory dir) {
        std::vector<Resource> resources;
        if (dir.rva == 0) return resources;
        const ByteView tree{file_.sub(file_offset(dir.rva, dir.size), dir.size)};
        walk(tree, 0, 0, Resource{}, resources);
        return resources;
    }

    // Levels: 0 type, 1 name or id, 2 language, then the data entry.
    void walk(const ByteView& tree, std::size_t offset, int level, const Resource& path,
              std::vector<Resource>& out) {
        const std::size_t entries = std::size_t{tree.u16(offset + 12)} + tree.u16(offset + 14);
        for (std::size_t i = 0; i < entries; ++i) {
            if (++entries_visited_ > kMaxResourceEntries) {
                throw FormatError("resource tree has too many entries");
            }
            const std::size_t entry = offset + 16 + 8 * i;
            const std::uint32_t name = tree.u32(entry);
            const std::uint32_t target = tree.u32(entry + 4);
            const bool subdirectory = (target & kHighBit) != 0;
            const std::optional<std::uint16_t> number =
                (name & kHighBit) != 0 ? std::nullopt
                                       : std::optional{static_cast<std::uint16_t>(name)};
            if (subdirectory != (level < 2)) throw FormatError("resource tree has wrong depth");

            Resource next = path;
            if (level == 0) {
                next.type = number;
            } else if (level == 1) {
                next.id = number;
            } else {
                if (!number) throw FormatError("named resource language");
                next.language = *number;
                const std::uint32_t data_rva = tree.u32(target);
                const std::uint32_t data_size = tree.u32(target + 4);
                const auto bytes = file_.sub(file_offset(data_rva, data_size), data_size);
                next.data.assign(bytes.begin(), bytes.end());
                out.push_back(std::move(next));
                continue;
            }
            walk(tree, target & ~kHighBit, level + 1, next, out);
        }
    }

    ByteView file_;
    std::vector<Section> sections_;
    std::size_t entries_visited_ = 0;
};

}  // namespace

Image parse_image(std::span<const std::uint8_t> file) {
    return Parser{file}.parse();
}

std::vector<std::uint8_t> read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace pe
