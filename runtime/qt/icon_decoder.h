#pragma once

#include <QImage>
#include <cstddef>
#include <span>

namespace runtime::qt {

// The first image of an ICO file with a colour table of 2, 16 or 256 entries and its
// transparency mask, in premultiplied ARGB, the form a pixmap holds. Null for any other
// kind of icon and for damaged data.
QImage decodeIco(std::span<const std::byte> data);

}  // namespace runtime::qt
