#pragma once

#include <QImage>
#include <cstddef>
#include <span>

namespace runtime::qt {

// Decodes a baseline or progressive JPEG straight into the RGB32 format that painting wants,
// without the extra per-line conversion pass of Qt's JPEG plugin. Null for anything libjpeg
// cannot turn into RGB (CMYK, damaged data).
QImage decodeJpeg(std::span<const std::byte> data);

}  // namespace runtime::qt
