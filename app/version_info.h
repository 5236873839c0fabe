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
    VersionNumber fileVersion;
    VersionNumber productVersion;
    std::uint32_t fileFlagsMask;
    std::uint32_t fileFlags;
    std::uint32_t fileOs;
    std::uint32_t fileType;
    std::uint32_t fileSubtype;
    std::uint64_t fileDate;
    std::uint16_t language;
    std::uint16_t codePage;
    std::array<VersionString, 8> strings;
};

// The resource generator (app/windows/generate_rc.cmake) reads this initializer with regular
// expressions: keep one designated field per line and the strings as {"Key", "Value"} pairs
// of plain ASCII without quotes or backslashes.
inline constexpr VersionInfo kVersionInfo{
    .fileVersion = {1, 0, 0, 0},
    .productVersion = {1, 0, 0, 0},
    .fileFlagsMask = 0,
    .fileFlags = 0,
    .fileOs = 4,    // VOS__WINDOWS32
    .fileType = 1,  // VFT_APP
    .fileSubtype = 0,
    .fileDate = 0,
    .language = 0x0410,  // Italian (Italy)
    .codePage = 1200,   // UTF-16
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
