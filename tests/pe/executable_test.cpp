// Checks a built Windows executable against what the program must carry: a 32-bit GUI image
// with fixed versions, no MinGW runtime DLL, and exactly the icon and version resources. The
// version block is compared with app::kVersionInfo, the table the resource script is made from.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "app/version_info.h"
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
        {kRtVersion, 1, app::kVersionInfo.language},
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

std::uint32_t high_word_pair(const app::VersionNumber& v, bool most_significant) {
    return most_significant ? (std::uint32_t{v.major} << 16) | v.minor
                            : (std::uint32_t{v.build} << 16) | v.revision;
}

TEST_F(ExecutableTest, VersionFixedPartMatchesTable) {
    const pe::Resource* resource = this->resource(kRtVersion, 1);
    ASSERT_NE(resource, nullptr);
    const pe::VersionNode root = version_block(resource);
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    ASSERT_EQ(root.value.size(), 52u);  // VS_FIXEDFILEINFO
    const pe::ByteView fixed{root.value};
    const app::VersionInfo& info = app::kVersionInfo;
    expect_fields({
        {"signature", fixed.u32(0), 0xFEEF04BD},
        {"structure version", fixed.u32(4), 0x00010000},
        {"file version MS", fixed.u32(8), high_word_pair(info.fileVersion, true)},
        {"file version LS", fixed.u32(12), high_word_pair(info.fileVersion, false)},
        {"product version MS", fixed.u32(16), high_word_pair(info.productVersion, true)},
        {"product version LS", fixed.u32(20), high_word_pair(info.productVersion, false)},
        {"flags mask", fixed.u32(24), info.fileFlagsMask},
        {"flags", fixed.u32(28), info.fileFlags},
        {"OS", fixed.u32(32), info.fileOs},
        {"type", fixed.u32(36), info.fileType},
        {"subtype", fixed.u32(40), info.fileSubtype},
        {"date MS", fixed.u32(44), static_cast<std::uint32_t>(info.fileDate >> 32)},
        {"date LS", fixed.u32(48), static_cast<std::uint32_t>(info.fileDate)},
    });
}

TEST_F(ExecutableTest, VersionStringsMatchTableInOrder) {
    const pe::Resource* resource = this->resource(kRtVersion, 1);
    ASSERT_NE(resource, nullptr);
    const pe::VersionNode root = version_block(resource);
    const app::VersionInfo& info = app::kVersionInfo;
    ASSERT_EQ(root.children.size(), 2u);

    const pe::VersionNode& var = root.children[0];
    EXPECT_EQ(var.key, "VarFileInfo");
    ASSERT_EQ(var.children.size(), 1u);
    EXPECT_EQ(var.children[0].key, "Translation");
    const std::vector<std::uint8_t> translation{
        static_cast<std::uint8_t>(info.language), static_cast<std::uint8_t>(info.language >> 8),
        static_cast<std::uint8_t>(info.codePage), static_cast<std::uint8_t>(info.codePage >> 8)};
    EXPECT_EQ(var.children[0].value, translation);

    const pe::VersionNode& strings = root.children[1];
    EXPECT_EQ(strings.key, "StringFileInfo");
    ASSERT_EQ(strings.children.size(), 1u);
    const pe::VersionNode& table = strings.children[0];
    char table_key[9];
    std::snprintf(table_key, sizeof table_key, "%04X%04X", unsigned{info.language},
                  unsigned{info.codePage});
    EXPECT_EQ(table.key, table_key);

    std::vector<std::pair<std::string, std::string>> actual;
    for (const pe::VersionNode& s : table.children) {
        EXPECT_TRUE(s.text) << s.key;
        actual.emplace_back(s.key, s.text_value());
    }
    std::vector<std::pair<std::string, std::string>> expected;
    for (const app::VersionString& s : info.strings) expected.emplace_back(s.key, s.value);
    EXPECT_EQ(actual, expected);
}

}  // namespace
