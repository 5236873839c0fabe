#pragma once

#include <cstdint>
#include <cstdlib>

namespace model {

inline constexpr const char* kSeedVariable = "KESTRAVO_MODEL_SEED";
inline constexpr std::uint64_t kDefaultSeed = 20040101;

// The seed of the random event sequences: from the environment when set, to replay a
// failure, else the fixed default.
inline std::uint64_t seed() {
    const char* const text = std::getenv(kSeedVariable);
    if (text == nullptr || *text == '\0') return kDefaultSeed;
    return std::strtoull(text, nullptr, 0);
}

}  // namespace model
