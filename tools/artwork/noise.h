#pragma once

#include <cstdint>

namespace artwork {

// Integer-only noise, so the artwork is the same on every compiler and machine.

constexpr int kUnit = 1 << 16;  // 1.0 in the Q16 fixed point used below

std::uint32_t hash32(std::int64_t x, std::int64_t y, std::uint32_t seed);

// Smooth lattice noise; x and y in 1/65536 of a lattice cell; result 0..65535.
int valueNoise(std::int64_t x, std::int64_t y, std::uint32_t seed);

// Octaves of value noise, each of twice the frequency and half the weight; 0..65535.
int fractalNoise(std::int64_t x, std::int64_t y, int octaves, std::uint32_t seed);

// Hermite ramp: 0 below edge0, kUnit above edge1, smooth between (all Q16).
int smoothStep(int edge0, int edge1, int value);

// Integer square root, rounded down.
std::int64_t isqrt(std::int64_t value);

}  // namespace artwork
