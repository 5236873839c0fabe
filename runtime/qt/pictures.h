#pragma once

#include <QImage>
#include <cstddef>
#include <span>

namespace runtime::qt {

// Decodes a picture built into the program (JPEG, BMP or ICO, told by its contents).
QImage decodeImage(std::span<const std::byte> data);

}  // namespace runtime::qt
