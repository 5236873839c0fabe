#pragma once

#include <cstdint>
#include <vector>

#include "image.h"

namespace artwork {

constexpr int kSceneWidth = 800;
constexpr int kSceneHeight = 600;

// The painted night landscape before any stars are added.
struct NightScene {
    Image picture{kSceneWidth, kSceneHeight};
    // How much of the open sky each pixel shows, 0..255: zero over the moon, the
    // land and the water, less behind clouds and haze. Stars are drawn through it.
    std::vector<std::uint8_t> skyOpenness;
};

// Moonlit mountains with a castle above a lake, graded so that the mean colour
// is `mean` (before stars are added). The right and bottom margins fade into the flat
// `margin` colour, so that the picture meets a window's background without a seam.
NightScene paintNightScene(Rgb mean, Rgb margin);

}  // namespace artwork
