#include "noise.h"

#include <algorithm>

namespace artwork {

namespace {

int fade(int t) {
    const std::int64_t t2 = (std::int64_t{t} * t) >> 16;
    return static_cast<int>((t2 * (3 * kUnit - 2 * std::int64_t{t})) >> 16);
}

int lerp(int a, int b, int t) {
    return a + static_cast<int>((std::int64_t{b - a} * t) >> 16);
}

int lattice(std::int64_t x, std::int64_t y, std::uint32_t seed) {
    return static_cast<int>(hash32(x, y, seed) >> 16);
}

}  // namespace

std::uint32_t hash32(std::int64_t x, std::int64_t y, std::uint32_t seed) {
    // splitmix64 finaliser over the packed coordinates
    std::uint64_t h = static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ULL ^
                      static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4FULL ^
                      (std::uint64_t{seed} << 32 | seed);
    h ^= h >> 30;
    h *= 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 27;
    h *= 0x94D049BB133111EBULL;
    h ^= h >> 31;
    return static_cast<std::uint32_t>(h >> 32);
}

int valueNoise(std::int64_t x, std::int64_t y, std::uint32_t seed) {
    const std::int64_t cx = x >> 16;  // arithmetic shift: floor also for negatives
    const std::int64_t cy = y >> 16;
    const int fx = fade(static_cast<int>(x - (cx << 16)));
    const int fy = fade(static_cast<int>(y - (cy << 16)));
    const int top = lerp(lattice(cx, cy, seed), lattice(cx + 1, cy, seed), fx);
    const int bottom = lerp(lattice(cx, cy + 1, seed), lattice(cx + 1, cy + 1, seed), fx);
    return lerp(top, bottom, fy);
}

int fractalNoise(std::int64_t x, std::int64_t y, int octaves, std::uint32_t seed) {
    std::int64_t sum = 0;
    std::int64_t weights = 0;
    int weight = 1 << 14;
    for (int octave = 0; octave < octaves; ++octave) {
        // Shift each octave so their lattices do not line up.
        const std::int64_t shift = std::int64_t{octave} * 0x5A3C1;
        sum += std::int64_t{weight} *
               valueNoise((x << octave) + shift, (y << octave) - shift, seed + 977u * octave);
        weights += weight;
        weight /= 2;
    }
    return static_cast<int>(sum / weights);
}

int smoothStep(int edge0, int edge1, int value) {
    if (value <= edge0) return 0;
    if (value >= edge1) return kUnit;
    const int t = static_cast<int>((std::int64_t{value - edge0} << 16) / (edge1 - edge0));
    return fade(t);
}

std::int64_t isqrt(std::int64_t value) {
    if (value <= 0) return 0;
    std::int64_t root = 0;
    std::int64_t bit = std::int64_t{1} << 62;
    while (bit > value) bit >>= 2;
    while (bit != 0) {
        if (value >= root + bit) {
            value -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
        bit >>= 2;
    }
    return root;
}

}  // namespace artwork
