#include "version_block.h"

#include "byte_view.h"
#include "pe_reader.h"

namespace pe {
namespace {

constexpr std::size_t kHeaderSize = 6;  // wLength, wValueLength, wType
constexpr int kMaxDepth = 8;            // the format nests four deep; more means corruption

std::size_t align4(std::size_t n) {
    return (n + 3) & ~std::size_t{3};
}

char narrow(std::uint16_t unit) {
    return unit >= 0x20 && unit < 0x7F ? static_cast<char>(unit) : '?';
}

VersionNode parse_node(const ByteView& bytes, int depth) {
    if (depth > kMaxDepth) throw FormatError("version block nests too deep");
    const std::size_t length = bytes.u16(0);
    if (length < kHeaderSize || length > bytes.size()) {
        throw FormatError("version node length " + std::to_string(length) + " does not fit");
    }
    const ByteView node{bytes.sub(0, length)};
    const std::size_t value_length = node.u16(2);

    VersionNode result;
    result.text = node.u16(4) == 1;
    std::size_t at = kHeaderSize;
    for (std::uint16_t unit = node.u16(at); unit != 0; unit = node.u16(at)) {
        result.key.push_back(narrow(unit));
        at += 2;
    }
    at = align4(at + 2);

    // Text values count UTF-16 units, binary values count bytes.
    const std::size_t value_bytes = result.text ? value_length * 2 : value_length;
    const auto value = node.sub(at, value_bytes);
    result.value.assign(value.begin(), value.end());
    at = align4(at + value_bytes);

    while (at < length) {
        const ByteView rest{node.sub(at, length - at)};
        result.children.push_back(parse_node(rest, depth + 1));
        at = align4(at + rest.u16(0));
    }
    return result;
}

}  // namespace

std::string VersionNode::text_value() const {
    std::string out;
    for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
        const auto unit = static_cast<std::uint16_t>(value[i] | (value[i + 1] << 8));
        if (unit == 0) break;
        out.push_back(narrow(unit));
    }
    return out;
}

VersionNode parse_version_block(std::span<const std::uint8_t> block) {
    return parse_node(ByteView{block}, 0);
}

}  // namespace pe
