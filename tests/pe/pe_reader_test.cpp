// The readers must refuse damaged input with FormatError rather than read out of bounds.
#include "pe_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "version_block.h"

namespace {

std::vector<std::uint8_t> dos_header_pointing_to(std::uint32_t pe_offset, std::size_t size) {
    std::vector<std::uint8_t> bytes(size, 0);
    bytes[0] = 'M';
    bytes[1] = 'Z';
    for (int i = 0; i < 4; ++i) bytes[0x3C + i] = static_cast<std::uint8_t>(pe_offset >> (8 * i));
    return bytes;
}

std::vector<std::uint8_t> with_pe_signature(std::vector<std::uint8_t> bytes, std::size_t at) {
    bytes.resize(at + 24, 0);
    bytes[at] = 'P';
    bytes[at + 1] = 'E';
    bytes[at + 20] = 0xE0;  // an optional header size far beyond the end
    return bytes;
}

TEST(PeReader, RejectsDamagedImages) {
    const std::vector<std::vector<std::uint8_t>> cases{
        {},
        {'M', 'Z'},
        {'P', 'E', 0, 0},
        dos_header_pointing_to(0x1000, 64),
        with_pe_signature(dos_header_pointing_to(64, 64), 64),
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_THROW(pe::parse_image(cases[i]), pe::FormatError) << "case " << i;
    }
}

TEST(VersionBlock, RejectsLengthsThatDoNotFit) {
    const std::vector<std::vector<std::uint8_t>> cases{
        {},
        {100, 0, 0, 0, 0, 0, 'A', 0},         // node longer than the block
        {4, 0, 0, 0},                         // node shorter than its header
        {8, 0, 10, 0, 0, 0, 0, 0},            // value runs past the node
        {10, 0, 0, 0, 0, 0, 'A', 0, 'B', 0},  // key without terminator
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_THROW(pe::parse_version_block(cases[i]), pe::FormatError) << "case " << i;
    }
}

TEST(VersionBlock, ReadsKeysValuesAndChildrenInOrder) {
    // Root "R" with a 2-byte binary value, then text children "A" = "x" and "B" = "y"; keys and
    // values are padded to 4-byte boundaries.
    const std::vector<std::uint8_t> block{
        48, 0, 2, 0, 0, 0, 'R', 0, 0, 0, 0, 0, 0xAB, 0xCD, 0, 0,  //
        16, 0, 2, 0, 1, 0, 'A', 0, 0, 0, 0, 0, 'x',  0,    0, 0,  //
        16, 0, 2, 0, 1, 0, 'B', 0, 0, 0, 0, 0, 'y',  0,    0, 0,  //
    };
    const pe::VersionNode root = pe::parse_version_block(block);
    EXPECT_EQ(root.key, "R");
    EXPECT_FALSE(root.text);
    EXPECT_EQ(root.value, (std::vector<std::uint8_t>{0xAB, 0xCD}));
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].key, "A");
    EXPECT_TRUE(root.children[0].text);
    EXPECT_EQ(root.children[0].text_value(), "x");
    EXPECT_EQ(root.children[1].key, "B");
    EXPECT_EQ(root.children[1].text_value(), "y");
}

}  // namespace
