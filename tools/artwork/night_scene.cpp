#include "night_scene.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "colour.h"
#include "landscape.h"
#include "noise.h"

namespace artwork {

namespace {

// --- sky ------------------------------------------------------------------------------

Colour skyGradient(int y) {
    const int t = static_cast<int>(std::int64_t{y} * kUnit / (kHorizon * kPx));
    if (t < kUnit / 2) {
        return mix(rgb(2, 5, 21), rgb(7, 19, 60), t * 2);
    }
    return mix(rgb(7, 19, 60), rgb(30, 56, 120), std::min(kUnit, (t - kUnit / 2) * 2));
}

// The faint band of the galaxy, rising from the lower left towards the top middle.
int galaxyBand(int x, int y) {
    // Distance from the line through (0, 430) and (560, 0), in pixels * kPx.
    const std::int64_t along =
        std::int64_t{430} * x + std::int64_t{560} * y - std::int64_t{430} * 560 * kPx;
    const int distance = static_cast<int>(std::abs(along) / 706);  // |(430, 560)| is about 706
    const int width = 95 * kPx;
    if (distance >= width) return 0;
    const int t = kUnit - static_cast<int>(std::int64_t{distance} * kUnit / width);
    return static_cast<int>((std::int64_t{t} * t) >> 16);
}

Colour sky(int x, int y) {
    Colour c = skyGradient(y);
    const int band = galaxyBand(x, y);
    if (band > 0) {
        const int clumps = fractalNoise(x * 256LL / 70, y * 256LL / 70, 6, 21);
        const int dust = smoothStep(kUnit * 55 / 100, kUnit * 75 / 100,
                                    fractalNoise(x * 256LL / 40, y * 256LL / 55, 4, 22));
        const int glow = static_cast<int>((std::int64_t{band} * clumps) >> 16);
        c = addScaled(c, rgb(36, 36, 72), glow);
        c = mix(c, scaled(c, kUnit * 6 / 10), static_cast<int>((std::int64_t{dust} * band) >> 16));
        // Countless faint stars crowd the band.
        const std::uint32_t h = hash32(x / kPx, y / kPx, 23);
        const int crowd =
            static_cast<int>(((std::int64_t{band} * clumps) >> 16) * (kUnit - dust) >> 16);
        if (static_cast<int>(h & 0xFFFF) < crowd / 2) {
            c = addScaled(c, rgb(120, 130, 170), 6000 + static_cast<int>((h >> 16) % 20000));
        }
    }
    // Moonlight scattered around the moon.
    const std::int64_t dx = x - kMoonX * kPx;
    const std::int64_t dy = y - kMoonY * kPx;
    const std::int64_t r2 = std::int64_t{kMoonRadius * kPx} * (kMoonRadius * kPx);
    const auto halo = static_cast<int>(r2 * 3 * kUnit / (dx * dx + dy * dy + r2 * 3));
    return addScaled(c, rgb(52, 68, 105), halo);
}

Colour moonSurface(int x, int y) {
    const int dx = x - kMoonX * kPx;
    const int dy = y - kMoonY * kPx;
    const int maria =
        smoothStep(kUnit * 45 / 100, kUnit * 70 / 100,
                   fractalNoise((dx + 9000LL) * 256 / 18, (dy + 7000LL) * 256 / 18, 5, 31));
    Colour c = mix(rgb(236, 234, 226), rgb(188, 194, 204), maria);
    const std::int64_t r = kMoonRadius * kPx;
    const std::int64_t z2 =
        std::max<std::int64_t>(0, r * r - std::int64_t{dx} * dx - std::int64_t{dy} * dy);
    const auto limb = static_cast<int>(isqrt(z2) * kUnit / r);  // 1 at the centre, 0 at the rim
    return scaled(c, kUnit * 62 / 100 + limb * 38 / 100);
}

int moonCoverage(int x, int y) {
    const std::int64_t dx = x - kMoonX * kPx;
    const std::int64_t dy = y - kMoonY * kPx;
    const auto d = static_cast<int>(isqrt(dx * dx + dy * dy));
    return std::clamp((kMoonRadius * kPx - d + kPx / 2) * (kUnit / kPx), 0, kUnit);
}

// Thin, wind-drawn clouds, brightest where they pass the moon.
int cloudDensity(int x, int y) {
    const int envelope = smoothStep(60 * kPx, 150 * kPx, y) - smoothStep(230 * kPx, 320 * kPx, y);
    if (envelope <= 0) return 0;
    const int n = fractalNoise(x * 256LL / 260, y * 256LL / 34, 6, 41);
    const int cloud = smoothStep(kUnit * 52 / 100, kUnit * 78 / 100, n);
    return static_cast<int>((std::int64_t{cloud} * envelope) >> 16) * 8 / 10;
}

Colour cloudColour(int x, int y) {
    const std::int64_t dx = x - kMoonX * kPx;
    const std::int64_t dy = y - kMoonY * kPx;
    const std::int64_t reach = std::int64_t{220 * kPx} * (220 * kPx);
    const auto lit = static_cast<int>(reach * kUnit / (dx * dx + dy * dy + reach));
    return mix(rgb(16, 28, 70), rgb(120, 132, 165), lit);
}

// --- land -----------------------------------------------------------------------------

Colour farMountains(int x, int y, int ridge) {
    const int slope = farRidge(x + 3 * kPx) - farRidge(x - 3 * kPx);  // > 0: faces the moon
    const int depth = y - ridge;
    Colour c = mix(rgb(13, 27, 72), rgb(9, 20, 56), smoothStep(0, 90 * kPx, depth));
    const int facing = std::clamp(slope * 6, 0, kUnit);
    const int rim = kUnit - smoothStep(0, 40 * kPx, depth);
    const int texture = fractalNoise(x * 256LL / 10, y * 256LL / 22, 5, 51);
    const int grit = fractalNoise(x * 256LL / 2, y * 256LL / 2, 2, 53);
    c = addScaled(c, rgb(10, 14, 24), grit - kUnit / 2);
    c = addScaled(c, rgb(34, 44, 70),
                  static_cast<int>((std::int64_t{facing} * rim >> 16) * texture >> 16));
    const int high = kUnit - smoothStep(315 * kPx, 345 * kPx, y);
    const int snow =
        static_cast<int>(std::int64_t{smoothStep(kUnit / 2, kUnit * 7 / 10, texture)} * high >> 16);
    c = addScaled(c, rgb(60, 72, 100), static_cast<int>(std::int64_t{snow} * facing >> 16));
    // Mist gathering over the lake.
    const int mistNoise = fractalNoise(x * 256LL / 120, y * 256LL / 20, 4, 52);
    const int mist = smoothStep(400 * kPx, kWaterLine * kPx, y) * 7 / 10;
    return mix(c, rgb(34, 58, 112),
               static_cast<int>(std::int64_t{mist} * (kUnit / 2 + mistNoise / 2) >> 16));
}

Colour nearMountains(int x, int y, int ridge) {
    const int slope = nearRidge(x + 3 * kPx) - nearRidge(x - 3 * kPx);
    const int depth = y - ridge;
    Colour c = mix(rgb(8, 17, 46), rgb(4, 10, 30), smoothStep(0, 70 * kPx, depth));
    const int facing = std::clamp(slope * 8, 0, kUnit);
    const int rim = kUnit - smoothStep(0, 22 * kPx, depth);
    const int gullies = fractalNoise(x * 256LL / 5, y * 256LL / 18, 5, 61);
    const int rocks = fractalNoise(x * 256LL / 2, y * 256LL / 2, 3, 62);
    const int light =
        static_cast<int>((std::int64_t{facing} * rim >> 16) * (kUnit / 3 + gullies * 2 / 3) >> 16);
    c = addScaled(c, rgb(40, 52, 86), light);
    c = addScaled(c, rgb(15, 19, 32), rocks - kUnit / 2);
    c = addScaled(c, rgb(10, 14, 26), gullies - kUnit / 2);
    const int mist = smoothStep(455 * kPx, kWaterLine * kPx, y) / 3;
    return mix(c, rgb(24, 42, 88), mist);
}

Colour castleColour(int x, int y) {
    Colour c = rgb(5, 11, 32);
    const int lit = castleMoonlight(x, y);
    const int stones = fractalNoise(x * 256LL / 2, y * 256LL / 2, 2, 71);
    c = addScaled(c, rgb(30, 40, 72),
                  static_cast<int>(std::int64_t{lit} * (kUnit * 3 / 4 + stones / 4) >> 16));
    return c;
}

struct Sample {
    Colour colour;
    int openSky;  // Q16
};

Sample aboveWater(int x, int y) {
    Colour c = sky(x, y);
    int open = kUnit;
    const int moon = moonCoverage(x, y);
    if (moon > 0) {
        c = mix(c, moonSurface(x, y), moon);
    }
    open = static_cast<int>(std::int64_t{open} * (kUnit - moon) >> 16);
    const int cloud = cloudDensity(x, y);
    if (cloud > 0) {
        c = mix(c, cloudColour(x, y), cloud);
        open = static_cast<int>(std::int64_t{open} * (kUnit - cloud) >> 16);
    }
    const int far = farRidge(x);
    const int farCover = std::clamp((y - far + kPx / 2) * (kUnit / kPx), 0, kUnit);
    if (farCover > 0) {
        c = mix(c, farMountains(x, y, far), farCover);
    }
    const int castle = castleCoverage(x, y);
    if (castle > 0) {
        c = mix(c, castleColour(x, y), castle);
    }
    c = addScaled(c, rgb(255, 190, 105), windowLight(x, y));
    const int near = nearRidge(x);
    const int nearCover = std::clamp((y - near + kPx / 2) * (kUnit / kPx), 0, kUnit);
    if (nearCover > 0) {
        c = mix(c, nearMountains(x, y, near), nearCover);
    }
    int treeLight = 0;
    const int trees = forestCoverage(x, y, &treeLight);
    if (trees > 0) {
        c = mix(c, addScaled(rgb(3, 8, 24), rgb(22, 32, 62), treeLight / 2), trees);
    }
    const int land = std::max({farCover, nearCover, castle, trees});
    open = static_cast<int>(std::int64_t{open} * (kUnit - land) >> 16);
    // Haze near the horizon hides the faintest stars.
    open =
        static_cast<int>(std::int64_t{open} * (kUnit - smoothStep(300 * kPx, 420 * kPx, y)) >> 16);
    return {c, open};
}

Colour water(int x, int y) {
    const int depth = y - kWaterLine * kPx;
    const int ripple = fractalNoise(x * 256LL / 50, y * 256LL * 2 / 5, 4, 81) - kUnit / 2;
    const int offset = static_cast<int>(std::int64_t{ripple} * (2 * kPx + depth / 14) >> 15);
    const Colour mirrored = aboveWater(x + offset, kWaterLine * kPx - depth - kPx / 2).colour;
    Colour c = mix(rgb(3, 9, 28), mirrored, kUnit * 58 / 100);
    const int streaks = fractalNoise(x * 256LL / 70, y * 256LL * 2 / 3, 4, 82);
    c = scaled(c, kUnit * 70 / 100 + streaks * 60 / 100);
    const int wavelets = fractalNoise(x * 256LL / 12, y * 256LL * 3 / 2, 2, 84) - kUnit / 2;
    c = addScaled(c, rgb(8, 14, 30), wavelets);
    // The moon's glitter path, widening towards the viewer.
    const int halfWidth = 14 * kPx + depth / 4;
    const int across = std::abs(x - kMoonX * kPx);
    if (across < halfWidth) {
        const int sparkle = smoothStep(kUnit * 56 / 100, kUnit * 74 / 100,
                                       fractalNoise(x * 256LL / 7, y * 256LL * 2 / 3, 3, 83));
        const int centre = kUnit - static_cast<int>(std::int64_t{across} * kUnit / halfWidth);
        const int fade = kUnit - smoothStep(0, 110 * kPx, depth) * 6 / 10;
        const int glitter = static_cast<int>((std::int64_t{sparkle} * centre >> 16) * fade >> 16);
        c = addScaled(c, rgb(190, 195, 200), glitter);
    }
    return c;
}

// --- grading --------------------------------------------------------------------------

int channelGain(std::int64_t sum, int target, std::int64_t pixels) {
    return static_cast<int>(std::int64_t{target} * 256 * pixels * kUnit /
                            std::max<std::int64_t>(sum, 1));
}

std::uint8_t quantise(int value, int gain, std::uint32_t dither) {
    // A faint grain of about one level either way keeps dark gradients free of bands.
    const std::int64_t v = (std::int64_t{value} * gain >> 16) + (dither & 0x1FF) - 128;
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(v >> 8, 0, 255));
}

}  // namespace

NightScene paintNightScene(Rgb mean) {
    NightScene scene;
    std::vector<Colour> linear(static_cast<std::size_t>(kSceneWidth) * kSceneHeight);
    scene.skyOpenness.resize(linear.size());
    std::array<std::int64_t, 3> sums{};
    for (int py = 0; py < kSceneHeight; ++py) {
        for (int px = 0; px < kSceneWidth; ++px) {
            const int x = px * kPx + kPx / 2;
            const int y = py * kPx + kPx / 2;
            const std::size_t i = static_cast<std::size_t>(py) * kSceneWidth + px;
            if (py < kWaterLine) {
                const Sample s = aboveWater(x, y);
                linear[i] = s.colour;
                scene.skyOpenness[i] = static_cast<std::uint8_t>(s.openSky >> 8);
            } else {
                linear[i] = water(x, y);
            }
            sums[0] += linear[i].r;
            sums[1] += linear[i].g;
            sums[2] += linear[i].b;
        }
    }
    const std::int64_t count = static_cast<std::int64_t>(linear.size());
    const int gainR = channelGain(sums[0], mean.r, count);
    const int gainG = channelGain(sums[1], mean.g, count);
    const int gainB = channelGain(sums[2], mean.b, count);
    for (std::size_t i = 0; i < linear.size(); ++i) {
        const std::uint32_t h = hash32(static_cast<std::int64_t>(i), 0, 99);
        scene.picture.pixels[i] = {quantise(linear[i].r, gainR, h),
                                   quantise(linear[i].g, gainG, h >> 10),
                                   quantise(linear[i].b, gainB, h >> 20)};
    }
    return scene;
}

}  // namespace artwork
