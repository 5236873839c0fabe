#include "runtime/generator.h"

#include <bit>

namespace runtime {
namespace {

// SplitMix64 spreads one seed over the whole state, which must not be all zero.
std::uint64_t splitMix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

}  // namespace

Xoshiro128Generator::Xoshiro128Generator(std::uint64_t seed) {
    for (std::size_t i = 0; i < state_.size(); i += 2) {
        const std::uint64_t word = splitMix64(seed);
        state_[i] = static_cast<std::uint32_t>(word);
        state_[i + 1] = static_cast<std::uint32_t>(word >> 32U);
    }
}

float Xoshiro128Generator::next() {
    auto& s = state_;
    const std::uint32_t result = std::rotl(s[1] * 5U, 7) * 9U;
    const std::uint32_t t = s[1] << 9U;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = std::rotl(s[3], 11);
    constexpr float kStep = 1.0f / 16777216.0f;  // 2^-24
    return static_cast<float>(result >> 8U) * kStep;
}

}  // namespace runtime
