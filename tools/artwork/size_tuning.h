#pragma once

#include <cstddef>

#include "bytes.h"
#include "image.h"
#include "night_scene.h"

namespace artwork {

struct FinishedArtwork {
    Image window{kSceneWidth, kSceneHeight};  // the 4:3 picture, stars included
    Bytes background;                         // the square JPEG made from it
    int starCount = 0;                        // for the log: what the search settled on
    int lastStarBrightness = 0;
};

// The square picture must encode to an exact number of bytes. The only free detail is
// the star field: the search adds stars from a fixed sequence until one more would be
// too many, then sets the brightness of one further star to close the remaining gap.
// Deterministic: the same scene always ends in the same stars. Throws
// std::runtime_error if no star count and brightness hit the size.
FinishedArtwork finishWithJpegSize(const NightScene& scene, int squareSide, std::size_t jpegBytes);

}  // namespace artwork
