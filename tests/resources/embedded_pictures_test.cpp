#include "embedded_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "resource_files.h"

namespace resource_tests {
namespace {

struct Embedded {
    const char* file;
    std::function<std::span<const std::byte>()> accessor;
};

TEST(EmbeddedPictures, AreByteIdenticalToTheResourceFiles) {
    const Embedded cases[] = {
        {"background.jpg", app::backgroundPicture},
        {"form1.bmp", app::windowBitmap},
        {"kestravo.ico", app::windowIcon},
    };
    for (const Embedded& c : cases) {
        const Bytes file = readFile(resourceDir() / c.file);
        const std::span<const std::byte> embedded = c.accessor();
        ASSERT_EQ(embedded.size(), file.size()) << c.file;
        EXPECT_TRUE(std::equal(
            embedded.begin(), embedded.end(), file.begin(),
            [](std::byte a, std::uint8_t b) { return std::to_integer<std::uint8_t>(a) == b; }))
            << c.file;
    }
}

}  // namespace
}  // namespace resource_tests
