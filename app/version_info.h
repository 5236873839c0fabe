// The program's identity as the desktop shell shows it: one table that the Windows resource
// script is generated from and that the executable checks compare against. Plain data, no
// platform headers, so every build can read it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace app {

struct VersionNumber {
    std::uint16_t major;
    std::uint16_t minor;
    std::uint16_t build;
    std::uint16_t revision;
};

struct VersionString {
    std::string_view key;
    std::string_view value;
};

struct VersionInfo {
    VersionNumber file_version;
    VersionNumber product_version;
    std::uint32_t file_flags_mask;
    std::uint32_t file_flags;
    std::uint32_t file_os;
    std::uint32_t file_type;
    std::uint32_t file_subtype;
    std::uint64_t file_date;
    std::uint16_t language;
    std::uint16_t code_page;
    std::array<VersionString, 8> strings;
};

// The resource generator (app/windows/generate_rc.cmake) reads this initializer with regular
// expressions: keep one designated field per line and the strings as {"Key", "Value"} pairs
// of plain ASCII without quotes or backslashes.
inline constexpr VersionInfo kVersionInfo{
    .file_version = {1, 0, 0, 0},
    .product_version = {1, 0, 0, 0},
    .file_flags_mask = 0,
    .file_flags = 0,
    .file_os = 4,    // VOS__WINDOWS32
    .file_type = 1,  // VFT_APP
    .file_subtype = 0,
    .file_date = 0,
    .language = 0x0410,  // Italian (Italy)
    .code_page = 1200,   // UTF-16
    .strings = {{
        {"Comments", "CHE FIGATA"},
        {"CompanyName", "VESKORA"},
        {"LegalCopyright", "Copyright (C) 2004 VESKORA"},
        {"ProductName", "KESTRAVO"},
        {"FileVersion", "1.00"},
        {"ProductVersion", "1.00"},
        {"InternalName", "KESTRAVO"},
        {"OriginalFilename", "KESTRAVO.exe"},
    }},
};

}  // namespace app
