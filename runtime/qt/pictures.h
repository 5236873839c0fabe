#pragma once

#include <QImage>
#include <cstddef>
#include <span>

namespace runtime::qt {

// The format of the screen's pixels, in which windows are painted: a picture held in it is
// drawn by copying, with no conversion.
QImage::Format screenFormat();

// Decodes a picture built into the program (JPEG or ICO, told by its contents) straight into
// the form in which it is painted, with no conversion after it, for Qt hands conversions of
// large images to worker threads. A JPEG, the windows' picture, comes in the screen's format
// (RGB32 where libjpeg cannot write that one), an ICO in premultiplied ARGB as a pixmap holds
// it. Null for anything else.
QImage decodeImage(std::span<const std::byte> data);

}  // namespace runtime::qt
