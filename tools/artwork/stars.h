#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "image.h"

namespace artwork {

struct Star {
    int x = 0;
    int y = 0;
    int brightness = 0;  // 0..255
    Rgb tint;            // colour at full brightness
};

// A fixed, endless-looking star field: the first `count` stars of one sequence, so
// that asking for more stars only ever adds to the sky.
std::vector<Star> starField(int count, int width, int height);

// Adds the stars to the picture, each pixel weighted by how open the sky is there.
void drawStars(Image& picture, std::span<const std::uint8_t> skyOpenness,
               std::span<const Star> stars);

}  // namespace artwork
