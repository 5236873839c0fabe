#pragma once

#include <array>
#include <cstdint>

namespace runtime {

// The uniform generator behind the dice: values r with 0 <= r < 1, each a 32-bit float.
class UniformGenerator {
  public:
    virtual ~UniformGenerator() = default;
    virtual float next() = 0;
};

// xoshiro128** reduced to its top 24 bits, so every value is a multiple of 2^-24: exact as a
// float and never 1.
class Xoshiro128Generator final : public UniformGenerator {
  public:
    explicit Xoshiro128Generator(std::uint64_t seed);
    float next() override;

  private:
    std::array<std::uint32_t, 4> state_{};
};

}  // namespace runtime
