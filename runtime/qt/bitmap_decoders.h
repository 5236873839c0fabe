#pragma once

#include <QImage>
#include <cstddef>
#include <span>

namespace runtime::qt {

// A 24-bit uncompressed BMP file, held as it is stored: blue, green, red bytes (Qt's BGR888),
// its rows put top first. Null for any other kind of BMP and for damaged data.
QImage decodeBmp(std::span<const std::byte> data);

// The first image of an ICO file with a colour table of 2, 16 or 256 entries and its
// transparency mask, in premultiplied ARGB, the form a pixmap holds. Null for any other
// kind of icon and for damaged data.
QImage decodeIco(std::span<const std::byte> data);

}  // namespace runtime::qt
