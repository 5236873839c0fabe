#pragma once

#include <QImage>
#include <cstddef>
#include <span>

namespace runtime::qt {

// Whether libjpeg can write its pixels straight in `format`.
bool jpegDecodesInto(QImage::Format format);

// Decodes a baseline or progressive JPEG straight into `format`, one of those above: no
// conversion pass afterwards, which Qt would hand to its worker threads for a picture this
// size. Null for an unsupported format and for anything libjpeg cannot turn into RGB (CMYK,
// damaged data).
QImage decodeJpeg(std::span<const std::byte> data, QImage::Format format);

}  // namespace runtime::qt
