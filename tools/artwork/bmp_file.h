#pragma once

#include "bytes.h"
#include "image.h"

namespace artwork {

// A 24-bit, uncompressed, bottom-up BMP at 75 dpi. The width times three must be a
// multiple of four: the pictures we make need no row padding, so none is written.
Bytes encodeBmp(const Image& image);

}  // namespace artwork
