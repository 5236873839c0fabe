#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

// A top-down RGB picture with 8 bits per channel.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Image(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}

    Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace artwork
