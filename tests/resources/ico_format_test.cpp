#include <gtest/gtest.h>

#include <array>

#include "resource_files.h"

namespace resource_tests {
namespace {

constexpr std::size_t kImage = 22;  // the one image follows the directory
constexpr std::size_t kPalette = kImage + 40;
constexpr std::size_t kColours = kPalette + 64;
constexpr std::size_t kMask = kColours + 512;

constexpr std::array kHeader{
    Field{"reserved", 0, 2, 0},
    Field{"type", 2, 2, 1},
    Field{"count", 4, 2, 1},
    Field{"entry width", 6, 1, 32},
    Field{"entry height", 7, 1, 32},
    Field{"entry colours", 8, 1, 16},
    Field{"entry reserved", 9, 1, 0},
    Field{"entry planes", 10, 2, 0},
    Field{"entry bit count", 12, 2, 0},
    Field{"entry size", 14, 4, 744},
    Field{"entry offset", 18, 4, 22},
    Field{"header size", kImage, 4, 40},
    Field{"width", kImage + 4, 4, 32},
    Field{"height (colour and mask)", kImage + 8, 4, 64},
    Field{"planes", kImage + 12, 2, 1},
    Field{"bits per pixel", kImage + 14, 2, 4},
    Field{"compression", kImage + 16, 4, 0},
    Field{"image size", kImage + 20, 4, 0},
    Field{"x resolution", kImage + 24, 4, 0},
    Field{"y resolution", kImage + 28, 4, 0},
    Field{"colours used", kImage + 32, 4, 16},
    Field{"colours important", kImage + 36, 4, 0},
};

// The standard 16-colour palette as red, green, blue.
constexpr std::array<std::array<int, 3>, 16> kPalette16{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

TEST(WindowIcon, OneSixteenColourImageWithTheStandardPalette) {
    const Bytes ico = readFile(resourceDir() / "kestravo.ico");
    ASSERT_EQ(ico.size(), 766u);
    expectFields(ico, kHeader);
    for (std::size_t i = 0; i < 16; ++i) {
        const std::size_t at = kPalette + 4 * i;
        EXPECT_EQ((std::array<int, 3>{ico[at + 2], ico[at + 1], ico[at]}), kPalette16[i])
            << "colour " << i;
        EXPECT_EQ(ico[at + 3], 0) << "colour " << i;
    }
}

TEST(WindowIcon, BlueFigureOnTransparentGroundWithConsistentMask) {
    const Bytes ico = readFile(resourceDir() / "kestravo.ico");
    ASSERT_EQ(ico.size(), 766u);
    int transparent = 0;
    int blueOpaque = 0;
    for (int row = 0; row < 32; ++row) {  // stored bottom row first; order does not matter here
        for (int x = 0; x < 32; ++x) {
            const std::uint8_t pair = ico[kColours + row * 16 + x / 2];
            const int index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
            const bool masked = (ico[kMask + row * 4 + x / 8] >> (7 - x % 8) & 1) != 0;
            if (masked) {
                ++transparent;
                EXPECT_EQ(index, 0)
                    << "transparent pixel " << x << "," << row << " must have colour 0";
            } else {
                const auto& c = kPalette16[index];
                if (c[2] > c[0] && c[2] > c[1]) ++blueOpaque;
            }
        }
    }
    EXPECT_GT(transparent, 0);
    EXPECT_LT(transparent, 32 * 32);
    EXPECT_GT(blueOpaque, 0);
    // The corners lie outside the figure.
    EXPECT_NE(ico[kMask] & 0x80, 0);
    EXPECT_NE(ico[kMask + 31 * 4 + 3] & 0x01, 0);
}

}  // namespace
}  // namespace resource_tests
