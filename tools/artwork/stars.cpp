#include "stars.h"

#include <algorithm>
#include <array>

namespace artwork {

namespace {

// splitmix64 with a fixed seed: the sky must be the same at every build.
class Random {
  public:
    std::uint32_t next() {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint32_t>(bound)); }

  private:
    std::uint64_t state_ = 0x4B45535452415641ULL;
};

constexpr std::array kTints{Rgb{205, 220, 255}, Rgb{255, 255, 255}, Rgb{190, 205, 255},
                            Rgb{255, 236, 210}, Rgb{225, 235, 255}};

void addLight(Image& picture, std::span<const std::uint8_t> open, int x, int y, Rgb tint,
              int level) {
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height || level <= 0) return;
    const int weight = level * open[static_cast<std::size_t>(y) * picture.width + x] / 255;
    Rgb& p = picture.at(x, y);
    auto add = [weight](std::uint8_t base, std::uint8_t light) {
        return static_cast<std::uint8_t>(std::min(255, base + light * weight / 255));
    };
    p = {add(p.r, tint.r), add(p.g, tint.g), add(p.b, tint.b)};
}

}  // namespace

std::vector<Star> starField(int count, int width, int height) {
    Random random;
    std::vector<Star> stars;
    stars.reserve(static_cast<std::size_t>(std::max(count, 0)));
    while (static_cast<int>(stars.size()) < count) {
        Star s;
        s.x = random.below(width);
        // More stars high up, fewer in the haze above the horizon.
        const int a = random.below(height);
        const int b = random.below(height);
        s.y = std::min(a, b) * 3 / 4;
        // Mostly faint stars, a few bright ones.
        const int u = random.below(256);
        s.brightness = 50 + u * u * u / (255 * 255) * 205 / 255;
        s.tint = kTints[static_cast<std::size_t>(random.below(static_cast<int>(kTints.size())))];
        stars.push_back(s);
    }
    return stars;
}

void drawStars(Image& picture, std::span<const std::uint8_t> skyOpenness,
               std::span<const Star> stars) {
    for (const Star& s : stars) {
        addLight(picture, skyOpenness, s.x, s.y, s.tint, s.brightness);
        if (s.brightness > 150) {
            // Bright stars bloom into their neighbours.
            const int glow = (s.brightness - 120) / 3;
            addLight(picture, skyOpenness, s.x - 1, s.y, s.tint, glow);
            addLight(picture, skyOpenness, s.x + 1, s.y, s.tint, glow);
            addLight(picture, skyOpenness, s.x, s.y - 1, s.tint, glow);
            addLight(picture, skyOpenness, s.x, s.y + 1, s.tint, glow);
        }
        if (s.brightness > 225) {
            const int spike = (s.brightness - 200) / 3;
            addLight(picture, skyOpenness, s.x - 2, s.y, s.tint, spike);
            addLight(picture, skyOpenness, s.x + 2, s.y, s.tint, spike);
            addLight(picture, skyOpenness, s.x, s.y - 2, s.tint, spike);
            addLight(picture, skyOpenness, s.x, s.y + 2, s.tint, spike);
        }
    }
}

}  // namespace artwork
