#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "runtime/layout.h"

namespace runtime {

// A 24-bit uncompressed BMP file held where it lies: its checked header and a view of its
// pixel rows as stored (blue, green, red bytes, the bottom row first unless the file says
// otherwise). Nothing is copied, and no pixel is read until asked for, so a bitmap that is only
// held costs neither memory nor time for its pixels. The file's bytes must outlive it, as the
// program's own constant data does.
class StoredBitmap {
  public:
    // None for any other kind of BMP and for damaged data: a header that does not check out or
    // rows that would reach past the end of the file.
    static std::optional<StoredBitmap> read(std::span<const std::byte> file);

    int width() const { return width_; }
    int height() const { return height_; }
    // The rows as they lie in the file.
    std::span<const std::byte> rows() const { return rows_; }
    // The pixel in column x of row y counted from the top; both inside the bitmap.
    Colour pixel(int x, int y) const;

  private:
    StoredBitmap(int width, int height, bool bottomUp, std::uint64_t stride,
                 std::span<const std::byte> rows)
        : width_(width), height_(height), bottomUp_(bottomUp), stride_(stride), rows_(rows) {}

    int width_;
    int height_;
    bool bottomUp_;
    std::uint64_t stride_;
    std::span<const std::byte> rows_;
};

// The bitmap a window's layout stores, read; none when it stores none or its data is damaged.
std::optional<StoredBitmap> windowBitmap(const FormLayout& layout);

}  // namespace runtime
