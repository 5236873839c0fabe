#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "resource_files.h"

namespace resource_tests {
namespace {

constexpr std::array kHeader{
    Field{"signature", 0, 2, 0x4D42},  // "BM"
    Field{"file size", 2, 4, 1440054},
    Field{"reserved 1", 6, 2, 0},
    Field{"reserved 2", 8, 2, 0},
    Field{"pixel offset", 10, 4, 54},
    Field{"header size", 14, 4, 40},
    Field{"width", 18, 4, 800},
    Field{"height", 22, 4, 600},  // positive: bottom-up
    Field{"planes", 26, 2, 1},
    Field{"bits per pixel", 28, 2, 24},
    Field{"compression", 30, 4, 0},
    Field{"image size", 34, 4, 1440000},
    Field{"x pixels per metre", 38, 4, 2953},
    Field{"y pixels per metre", 42, 4, 2953},
    Field{"colours used", 46, 4, 0},
    Field{"colours important", 50, 4, 0},
};

TEST(WindowBitmap, HeadersDescribeAn800By600TrueColourPictureAndSizeMatches) {
    const Bytes bmp = readFile(resourceDir() / "form1.bmp");
    ASSERT_EQ(bmp.size(), 1440054u);
    expectFields(bmp, kHeader);
}

TEST(WindowBitmap, IsDarkBlueOnAverage) {
    const Bytes bmp = readFile(resourceDir() / "form1.bmp");
    ASSERT_EQ(bmp.size(), 54u + 1440000u);
    std::array<std::uint64_t, 3> sums{};  // blue, green, red as stored
    for (std::size_t i = 54; i < bmp.size(); i += 3) {
        for (std::size_t c = 0; c < 3; ++c) sums[c] += bmp[i + c];
    }
    const double pixels = 800.0 * 600.0;
    const double blue = sums[0] / pixels, green = sums[1] / pixels, red = sums[2] / pixels;
    EXPECT_NEAR(red, 11.0, 6.0);
    EXPECT_NEAR(green, 25.0, 6.0);
    EXPECT_NEAR(blue, 70.0, 6.0);
}

}  // namespace
}  // namespace resource_tests
