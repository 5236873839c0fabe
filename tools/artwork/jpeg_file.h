#pragma once

#include "bytes.h"
#include "image.h"

namespace artwork {

// Baseline JFIF 1.01 at 75 dpi: 4:2:0, quality 90 with the standard example tables,
// the standard Huffman tables, one scan, and no segments beyond the JFIF header.
// Throws std::runtime_error when the library reports an error.
Bytes encodeJpeg(const Image& image);

}  // namespace artwork
