#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/program_header.h"
#include "app/version_info.h"

namespace {

std::string fileText(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string versionString(std::string_view key) {
    for (const auto& entry : app::kVersionInfo.strings) {
        if (entry.key == key) return std::string(entry.value);
    }
    return {};
}

// The Linux desktop files say what the version table says.
TEST(DesktopMetadata, AgreesWithTheVersionTable) {
    const std::string desktop = fileText(KESTRAVO_LINUX_DIR "/example.veskora.kestravo.desktop");
    const std::string metainfo =
        fileText(KESTRAVO_LINUX_DIR "/example.veskora.kestravo.metainfo.xml");
    ASSERT_FALSE(desktop.empty());
    ASSERT_FALSE(metainfo.empty());
    EXPECT_NE(desktop.find("\nName=" + versionString("ProductName") + "\n"), std::string::npos);
    EXPECT_NE(desktop.find("\nComment=" + versionString("Comments") + "\n"), std::string::npos);
    EXPECT_NE(metainfo.find("<name>" + versionString("ProductName") + "</name>"),
              std::string::npos);
    EXPECT_NE(
        metainfo.find("<developer_name>" + versionString("CompanyName") + "</developer_name>"),
        std::string::npos);
    EXPECT_NE(metainfo.find("<release version=\"" + versionString("ProductVersion") + "\""),
              std::string::npos);
}

// The program tells the desktop its entry's id (on Wayland, the id of its windows): the id names
// the entry and the metadata's component.
TEST(DesktopMetadata, TheProgramHeaderNamesTheEntry) {
    const std::string id(app::kProgramHeader.desktopEntryId);
    const std::string linuxDir = KESTRAVO_LINUX_DIR;
    EXPECT_FALSE(fileText(linuxDir + "/" + id + ".desktop").empty()) << id;
    EXPECT_NE(fileText(linuxDir + "/" + id + ".metainfo.xml").find("<id>" + id + "</id>"),
              std::string::npos)
        << id;
}

}  // namespace
