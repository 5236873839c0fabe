#pragma once

#include <array>
#include <cstdint>

#include "bytes.h"

namespace artwork {

// A 32 x 32 picture in the standard 16-colour palette, top row first.
struct IndexedIcon {
    static constexpr int kSize = 32;
    std::array<std::uint8_t, kSize * kSize> index{};
    std::array<bool, kSize * kSize> transparent{};
};

// Indices into the standard 16-colour palette.
enum PaletteIndex : std::uint8_t {
    kBlack = 0,
    kMaroon,
    kGreen,
    kOlive,
    kNavy,
    kPurple,
    kTeal,
    kSilver,
    kGrey,
    kRed,
    kLime,
    kYellow,
    kBlue,
    kFuchsia,
    kAqua,
    kWhite,
};

// An ICO file holding the one 4-bit image with its AND mask. Transparent pixels are
// stored as colour 0 with mask bit 1, so they show nothing on any background.
Bytes encodeIco(const IndexedIcon& icon);

}  // namespace artwork
