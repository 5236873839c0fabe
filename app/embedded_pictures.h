#pragma once

#include <cstddef>
#include <span>

namespace app {

// The picture and icon files built into the program, byte for byte as in resources/.
// The spans stay valid for the whole run.

std::span<const std::byte> backgroundPicture() noexcept;  // background.jpg, 1500 x 1500 JPEG
std::span<const std::byte> windowBitmap() noexcept;       // form1.bmp, 800 x 600 BMP
std::span<const std::byte> windowIcon() noexcept;         // kestravo.ico, 32 x 32 icon

}  // namespace app
