#pragma once

#include <cstdint>

#include "noise.h"

namespace artwork {

// A colour with 8 fractional bits per channel (255 * 256 is full intensity), so that
// dark gradients keep their precision until the final rounding.
struct Colour {
    int r = 0;
    int g = 0;
    int b = 0;
};

constexpr Colour rgb(int r, int g, int b) {
    return {r * 256, g * 256, b * 256};
}

// t in Q16: 0 gives a, kUnit gives b.
constexpr Colour mix(Colour a, Colour b, int t) {
    auto channel = [t](int x, int y) {
        return x + static_cast<int>((static_cast<std::int64_t>(y - x) * t) >> 16);
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// Adds c weighted by t (Q16).
constexpr Colour addScaled(Colour base, Colour c, int t) {
    auto channel = [t](int x, int y) {
        return x + static_cast<int>((static_cast<std::int64_t>(y) * t) >> 16);
    };
    return {channel(base.r, c.r), channel(base.g, c.g), channel(base.b, c.b)};
}

constexpr Colour scaled(Colour c, int t) {
    return addScaled(Colour{}, c, t);
}

}  // namespace artwork
