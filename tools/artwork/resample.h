#pragma once

#include "image.h"

namespace artwork {

// Bilinear scaling in integer arithmetic, pixel centres aligned, edges clamped.
Image resampleBilinear(const Image& source, int width, int height);

}  // namespace artwork
