#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "resource_files.h"

namespace resource_tests {
namespace {

// The committed pictures must be exactly what the generator in the tree draws, so
// that any change to it is visible as a change to the files.
TEST(ArtworkGenerator, RedrawsTheCommittedFilesByteForByte) {
    const std::filesystem::path out = std::filesystem::path(::testing::TempDir()) /
                                      ("kestravo_artwork_redrawn_" + std::to_string(getpid()));
    std::filesystem::remove_all(out);
    const std::string command =
        std::string("\"") + KESTRAVO_ARTWORK_EXE + "\" \"" + out.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : {"background.jpg", "form1.bmp", "kestravo.ico"}) {
        const Bytes drawn = readFile(out / name);
        const Bytes committed = readFile(resourceDir() / name);
        EXPECT_EQ(drawn.size(), committed.size()) << name;
        EXPECT_TRUE(drawn == committed) << name << " differs from the generator's output";
    }
    std::filesystem::remove_all(out);
}

}  // namespace
}  // namespace resource_tests
