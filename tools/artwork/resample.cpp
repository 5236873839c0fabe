#include "resample.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace artwork {

namespace {

constexpr int kFractionBits = 8;
constexpr int kOne = 1 << kFractionBits;

struct Tap {
    int index;     // the left (or upper) source sample
    int fraction;  // weight of the next sample, 0..kOne
};

// Source position of each output centre, (i + 1/2) * from / to - 1/2, in 1/256 pixel.
std::vector<Tap> taps(int from, int to) {
    std::vector<Tap> result(static_cast<std::size_t>(to));
    for (int i = 0; i < to; ++i) {
        const std::int64_t scaled =
            (std::int64_t{2} * i + 1) * from * kOne / (std::int64_t{2} * to);
        const auto pos =
            std::clamp<std::int64_t>(scaled - kOne / 2, 0, std::int64_t{from - 1} * kOne);
        const int index = static_cast<int>(std::min<std::int64_t>(pos >> kFractionBits, from - 2));
        result[static_cast<std::size_t>(i)] = {index,
                                               static_cast<int>(pos - std::int64_t{index} * kOne)};
    }
    return result;
}

std::uint8_t mix(int a, int b, int c, int d, int fx, int fy) {
    const int top = a * (kOne - fx) + b * fx;
    const int bottom = c * (kOne - fx) + d * fx;
    const int value = top * (kOne - fy) + bottom * fy;
    return static_cast<std::uint8_t>((value + kOne * kOne / 2) >> (2 * kFractionBits));
}

}  // namespace

Image resampleBilinear(const Image& source, int width, int height) {
    Image out(width, height);
    const std::vector<Tap> across = taps(source.width, width);
    const std::vector<Tap> down = taps(source.height, height);
    for (int y = 0; y < height; ++y) {
        const Tap ty = down[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            const Tap tx = across[static_cast<std::size_t>(x)];
            const Rgb& a = source.at(tx.index, ty.index);
            const Rgb& b = source.at(tx.index + 1, ty.index);
            const Rgb& c = source.at(tx.index, ty.index + 1);
            const Rgb& d = source.at(tx.index + 1, ty.index + 1);
            out.at(x, y) = {mix(a.r, b.r, c.r, d.r, tx.fraction, ty.fraction),
                            mix(a.g, b.g, c.g, d.g, tx.fraction, ty.fraction),
                            mix(a.b, b.b, c.b, d.b, tx.fraction, ty.fraction)};
        }
    }
    return out;
}

}  // namespace artwork
