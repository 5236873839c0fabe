// Reads a version resource (VS_VERSIONINFO) into its tree of keyed nodes, keeping the order
// in which the children are stored.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pe {

struct VersionNode {
    std::string key;  // UTF-16 key narrowed to ASCII; other characters become '?'
    bool text = false;
    std::vector<std::uint8_t> value;  // raw bytes of the value, without padding
    std::vector<VersionNode> children;

    // The value as ASCII text up to its terminating NUL (for text nodes).
    std::string text_value() const;
};

// Throws pe::FormatError when a length field does not fit the block.
VersionNode parse_version_block(std::span<const std::uint8_t> block);

}  // namespace pe
