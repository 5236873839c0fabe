#include "ico_file.h"

namespace artwork {

namespace {

constexpr std::array<std::array<std::uint8_t, 3>, 16> kPaletteRgb{{
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

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kColourRowBytes = IndexedIcon::kSize / 2;  // 4 bits a pixel
constexpr std::uint32_t kMaskRowBytes = IndexedIcon::kSize / 8;    // already a multiple of 4
constexpr std::uint32_t kImageSize =
    kInfoHeaderSize + 16 * 4 + IndexedIcon::kSize * (kColourRowBytes + kMaskRowBytes);
constexpr std::uint32_t kDirectorySize = 6 + 16;

}  // namespace

Bytes encodeIco(const IndexedIcon& icon) {
    constexpr int n = IndexedIcon::kSize;
    Bytes out;
    out.reserve(kDirectorySize + kImageSize);
    appendLe16(out, 0);  // reserved
    appendLe16(out, 1);  // icon
    appendLe16(out, 1);  // one image
    out.push_back(n);
    out.push_back(n);
    out.push_back(16);   // colours
    out.push_back(0);    // reserved
    appendLe16(out, 0);  // planes: left to the bitmap header
    appendLe16(out, 0);  // bit count: likewise
    appendLe32(out, kImageSize);
    appendLe32(out, kDirectorySize);

    appendLe32(out, kInfoHeaderSize);
    appendLe32(out, n);
    appendLe32(out, 2 * n);  // colour bitmap and mask together
    appendLe16(out, 1);
    appendLe16(out, 4);
    appendLe32(out, 0);  // no compression
    appendLe32(out, 0);  // image size: may be zero when uncompressed
    appendLe32(out, 0);
    appendLe32(out, 0);
    appendLe32(out, 16);  // colours used
    appendLe32(out, 0);
    for (const auto& c : kPaletteRgb) {
        out.push_back(c[2]);
        out.push_back(c[1]);
        out.push_back(c[0]);
        out.push_back(0);
    }

    auto at = [](int x, int y) { return static_cast<std::size_t>(y) * n + x; };
    for (int y = n - 1; y >= 0; --y) {
        for (int x = 0; x < n; x += 2) {
            const std::uint8_t left = icon.transparent[at(x, y)] ? 0 : icon.index[at(x, y)];
            const std::uint8_t right =
                icon.transparent[at(x + 1, y)] ? 0 : icon.index[at(x + 1, y)];
            out.push_back(static_cast<std::uint8_t>(left << 4 | (right & 0x0F)));
        }
    }
    for (int y = n - 1; y >= 0; --y) {
        for (int x = 0; x < n; x += 8) {
            std::uint8_t bits = 0;
            for (int i = 0; i < 8; ++i) {
                if (icon.transparent[at(x + i, y)]) bits |= static_cast<std::uint8_t>(0x80 >> i);
            }
            out.push_back(bits);
        }
    }
    return out;
}

}  // namespace artwork
