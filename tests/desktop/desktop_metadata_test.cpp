#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "app/program_header.h"

namespace {

std::string fileText(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The Linux desktop files name the program, its maker and its version as the Windows version
// block does.
TEST(DesktopMetadata, NamesTheProgramItsMakerAndVersion) {
    const std::string desktop = fileText(KESTRAVO_LINUX_DIR "/example.veskora.kestravo.desktop");
    const std::string metainfo =
        fileText(KESTRAVO_LINUX_DIR "/example.veskora.kestravo.metainfo.xml");
    ASSERT_FALSE(desktop.empty());
    ASSERT_FALSE(metainfo.empty());
    EXPECT_NE(desktop.find("\nName=KESTRAVO\n"), std::string::npos);
    EXPECT_NE(desktop.find("\nComment=CHE FIGATA\n"), std::string::npos);
    EXPECT_NE(metainfo.find("<name>KESTRAVO</name>"), std::string::npos);
    EXPECT_NE(metainfo.find("<developer_name>VESKORA</developer_name>"), std::string::npos);
    EXPECT_NE(metainfo.find("<release version=\"1.00\""), std::string::npos);
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
