#pragma once

#include <cstddef>
#include <span>

#include "runtime/win32/handles.h"

namespace runtime::win32 {

// A decoded picture as a 32-bit top-down DIB section; empty when there was none to decode.
struct Picture {
    BitmapHandle bitmap;
    int width = 0;
    int height = 0;

    explicit operator bool() const { return bitmap != nullptr; }
};

// Decodes a picture built into the program (JPEG, BMP or ICO, told by its contents) with the
// platform's imaging component. Needs COM initialised on the calling thread.
Picture decodePicture(std::span<const std::byte> data);

// Makes an icon from an icon file's first image; none when the bytes are not an icon file.
IconHandle decodeIcon(std::span<const std::byte> data);

}  // namespace runtime::win32
