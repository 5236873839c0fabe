// Checks a built Windows executable against what the program must carry: a 32-bit GUI image
// with fixed versions, no MinGW runtime DLL, and exactly the icon and version resources. The
// version block's values are written out here, not read from app/version_info.h, so that a slip
// in the table the resource script is made from shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "byte_view.h"
#include "pe_reader.h"
#include "version_block.h"

namespace {

constexpr std::uint16_t kRtIcon = 3;
constexpr std::uint16_t kRtGroupIcon = 14;
constexpr std::uint16_t kRtVersion = 16;
constexpr std::uint16_t kIconId = 30001;
constexpr std::size_t kIconImageOffset = 22;
constexpr std::size_t kIconImageSize = 744;
constexpr std::uint16_t kItalian = 0x0410;

std::filesystem::path configured_path(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0' ? value : fallback;
}

struct Field {
    const char* name;
    std::uint32_t actual;
    std::uint32_t expected;
};

void expect_fields(const std::vector<Field>& fields) {
    for (const Field& f : fields) {
        EXPECT_EQ(f.actual, f.expected) << f.name;
    }
}

class ExecutableTest : public testing::Test {
  protected:
    void SetUp() override {
        const auto path = configured_path("KESTRAVO_EXE", KESTRAVO_EXE_DEFAULT);
        if (path.empty() || !std::filesystem::is_regular_file(path)) {
            GTEST_SKIP() << "no executable at '" << path.string() << "'; set KESTRAVO_EXE";
        }
        image_ = pe::parse_image(pe::read_file(path));
    }

    const pe::Resource* resource(std::uint16_t type, std::uint16_t id) const {
        const auto found =
            std::find_if(image_.resources.begin(), image_.resources.end(),
                         [&](const pe::Resource& r) { return r.type == type && r.id == id; });
        return found == image_.resources.end() ? nullptr : &*found;
    }

    pe::Image image_;
};

TEST_F(ExecutableTest, IsA32BitGuiImageWithFixedVersions) {
    expect_fields({
        {"optional header magic (PE32)", image_.magic, pe::kMagicPe32},
        {"machine (i386)", image_.machine, 0x14c},
        {"subsystem (Windows GUI)", image_.subsystem, 2},
        {"major subsystem version", image_.major_subsystem_version, 4},
        {"minor subsystem version", image_.minor_subsystem_version, 0},
        {"major image version", image_.major_image_version, 1},
        {"minor image version", image_.minor_image_version, 0},
    });
}

TEST_F(ExecutableTest, ImportsNoMinGwRuntimeDll) {
    std::vector<std::string> dlls;
    for (std::string name : image_.imported_dlls) {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        dlls.push_back(name);
    }
    // Every Windows program imports KERNEL32; its absence means the table was not read.
    EXPECT_NE(std::find(dlls.begin(), dlls.end(), "kernel32.dll"), dlls.end());
    for (const std::string& dll : dlls) {
        for (const char* prefix : {"libgcc", "libstdc++", "libwinpthread"}) {
            EXPECT_FALSE(dll.starts_with(prefix)) << dll << " must be linked statically";
        }
    }
}

TEST_F(ExecutableTest, HoldsExactlyIconGroupAndVersion) {
    using Key =
        std::tuple<std::optional<std::uint16_t>, std::optional<std::uint16_t>, std::uint16_t>;
    std::vector<Key> keys;
    for (const pe::Resource& r : image_.resources) keys.emplace_back(r.type, r.id, r.language);
    std::sort(keys.begin(), keys.end());
    const std::vector<Key> expected{
        {kRtIcon, kIconId, 0},
        {kRtGroupIcon, 1, 0},
        {kRtVersion, 1, kItalian},
    };
    EXPECT_EQ(keys, expected);
}

TEST_F(ExecutableTest, IconIsTheIconFileImage) {
    const pe::Resource* icon = resource(kRtIcon, kIconId);
    ASSERT_NE(icon, nullptr);
    const auto icon_path = configured_path("KESTRAVO_ICO", KESTRAVO_ICON_DEFAULT);
    const std::vector<std::uint8_t> file = pe::read_file(icon_path);
    ASSERT_EQ(file.size(), kIconImageOffset + kIconImageSize) << icon_path;
    const std::vector<std::uint8_t> image(file.begin() + kIconImageOffset, file.end());
    EXPECT_EQ(icon->data, image);
}

TEST_F(ExecutableTest, IconGroupNamesTheIcon) {
    const pe::Resource* group = resource(kRtGroupIcon, 1);
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->data.size(), 20u);  // 6-byte header, one 14-byte entry
    const pe::ByteView g{group->data};
    expect_fields({
        {"reserved", g.u16(0), 0},
        {"type (icon)", g.u16(2), 1},
        {"count", g.u16(4), 1},
        {"width", g.u8(6), 32},
        {"height", g.u8(7), 32},
        {"colour count", g.u8(8), 16},
        {"entry reserved", g.u8(9), 0},
        {"planes", g.u16(10), 1},
        {"bit count", g.u16(12), 4},
        {"bytes in resource", g.u32(14), kIconImageSize},
        {"icon id", g.u16(18), kIconId},
    });
}

pe::VersionNode version_block(const pe::Resource* resource) {
    return resource == nullptr ? pe::VersionNode{} : pe::parse_version_block(resource->data);
}

TEST_F(ExecutableTest, VersionFixedPartIsVersion1ForAWindowsApplication) {
    const pe::Resource* resource = this->resource(kRtVersion, 1);
    ASSERT_NE(resource, nullptr);
    const pe::VersionNode root = version_block(resource);
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    ASSERT_EQ(root.value.size(), 52u);  // VS_FIXEDFILEINFO
    const pe::ByteView fixed{root.value};
    expect_fields({
        {"signature", fixed.u32(0), 0xFEEF04BD},
        {"structure version", fixed.u32(4), 0x00010000},
        {"file version 1.0", fixed.u32(8), 0x00010000},
        {"file version .0.0", fixed.u32(12), 0},
        {"product version 1.0", fixed.u32(16), 0x00010000},
        {"product version .0.0", fixed.u32(20), 0},
        {"flags mask", fixed.u32(24), 0},
        {"flags", fixed.u32(28), 0},
        {"OS (VOS__WINDOWS32)", fixed.u32(32), 4},
        {"type (VFT_APP)", fixed.u32(36), 1},
        {"subtype", fixed.u32(40), 0},
        {"date MS", fixed.u32(44), 0},
        {"date LS", fixed.u32(48), 0},
    });
}

// The eight strings in their order; the legal notice's text is the maker's own.
// clang-format off
const std::pair<const char*, const char*> kVersionStrings[] = {
    {"Comments", "CHE FIGATA"},
    {"CompanyName", "VESKORA"},
    {"LegalCopyright", nullptr},
    {"ProductName", "KESTRAVO"},
    {"FileVersion", "1.00"},
    {"ProductVersion", "1.00"},
    {"InternalName", "KESTRAVO"},
    {"OriginalFilename", "KESTRAVO.exe"},
};
// clang-format on

TEST_F(ExecutableTest, VersionStringsAreItalianAndInOrder) {
    const pe::Resource* resource = this->resource(kRtVersion, 1);
    ASSERT_NE(resource, nullptr);
    const pe::VersionNode root = version_block(resource);
    ASSERT_EQ(root.children.size(), 2u);

    const pe::VersionNode& var = root.children[0];
    EXPECT_EQ(var.key, "VarFileInfo");
    ASSERT_EQ(var.children.size(), 1u);
    EXPECT_EQ(var.children[0].key, "Translation");
    // Italian (0x0410) in UTF-16 (code page 1200, 0x04B0), each a little-endian word.
    const std::vector<std::uint8_t> translation{0x10, 0x04, 0xB0, 0x04};
    EXPECT_EQ(var.children[0].value, translation);

    const pe::VersionNode& strings = root.children[1];
    EXPECT_EQ(strings.key, "StringFileInfo");
    ASSERT_EQ(strings.children.size(), 1u);
    const pe::VersionNode& table = strings.children[0];
    EXPECT_EQ(table.key, "041004B0");

    std::string keys;
    for (const pe::VersionNode& s : table.children) keys += " " + s.key;
    ASSERT_EQ(table.children.size(), std::size(kVersionStrings)) << "keys:" << keys;
    for (std::size_t i = 0; i < std::size(kVersionStrings); ++i) {
        const auto& [key, value] = kVersionStrings[i];
        const pe::VersionNode& s = table.children[i];
        EXPECT_EQ(s.key, key) << "string " << i << "; keys:" << keys;
        EXPECT_TRUE(s.text) << key;
        if (value == nullptr) {
            EXPECT_FALSE(s.text_value().empty()) << key;
        } else {
            EXPECT_EQ(s.text_value(), value) << key;
        }
    }
}

}  // namespace
