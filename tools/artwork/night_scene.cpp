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
    // Distance from the line through (0, 573) and (560, 0), in units * kPx.
    const std::int64_t along =
        std::int64_t{573} * x + std::int64_t{560} * y - std::int64_t{573} * 560 * kPx;
    const int distance = static_cast<int>(std::abs(along) / 801);  // |(573, 560)| is about 801
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
    // The rim fades over two units, more than a pixel's height, so that it stays smooth
    // once the picture is stretched to the square.
    return std::clamp((kMoonRadius * kPx - d + kPx) * (kUnit / kPx) / 2, 0, kUnit);
}

// Thin, wind-drawn clouds, brightest where they pass the moon.
int cloudDensity(int x, int y) {
    const int envelope = smoothStep(80 * kPx, 200 * kPx, y) - smoothStep(307 * kPx, 427 * kPx, y);
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
    Colour c = mix(rgb(13, 27, 72), rgb(9, 20, 56), smoothStep(0, 120 * kPx, depth));
    const int facing = std::clamp(slope * 9 / 2, 0, kUnit);
    const int rim = kUnit - smoothStep(0, 53 * kPx, depth);
    const int texture = fractalNoise(x * 256LL / 10, y * 256LL / 22, 5, 51);
    const int grit = fractalNoise(x * 256LL / 2, y * 256LL / 2, 2, 53);
    c = addScaled(c, rgb(10, 14, 24), grit - kUnit / 2);
    c = addScaled(c, rgb(34, 44, 70),
                  static_cast<int>((std::int64_t{facing} * rim >> 16) * texture >> 16));
    const int high = kUnit - smoothStep(420 * kPx, 460 * kPx, y);
    const int snow =
        static_cast<int>(std::int64_t{smoothStep(kUnit / 2, kUnit * 7 / 10, texture)} * high >> 16);
    c = addScaled(c, rgb(60, 72, 100), static_cast<int>(std::int64_t{snow} * facing >> 16));
    // Mist gathering over the lake.
    const int mistNoise = fractalNoise(x * 256LL / 120, y * 256LL / 20, 4, 52);
    const int mist = smoothStep(533 * kPx, kWaterLine * kPx, y) * 7 / 10;
    return mix(c, rgb(34, 58, 112),
               static_cast<int>(std::int64_t{mist} * (kUnit / 2 + mistNoise / 2) >> 16));
}

Colour nearMountains(int x, int y, int ridge) {
    const int slope = nearRidge(x + 3 * kPx) - nearRidge(x - 3 * kPx);
    const int depth = y - ridge;
    Colour c = mix(rgb(8, 17, 46), rgb(4, 10, 30), smoothStep(0, 93 * kPx, depth));
    const int facing = std::clamp(slope * 6, 0, kUnit);
    const int rim = kUnit - smoothStep(0, 29 * kPx, depth);
    const int gullies = fractalNoise(x * 256LL / 5, y * 256LL / 18, 5, 61);
    const int rocks = fractalNoise(x * 256LL / 2, y * 256LL / 2, 3, 62);
    const int light =
        static_cast<int>((std::int64_t{facing} * rim >> 16) * (kUnit / 3 + gullies * 2 / 3) >> 16);
    c = addScaled(c, rgb(40, 52, 86), light);
    c = addScaled(c, rgb(15, 19, 32), rocks - kUnit / 2);
    c = addScaled(c, rgb(10, 14, 26), gullies - kUnit / 2);
    const int mist = smoothStep(607 * kPx, kWaterLine * kPx, y) / 3;
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
        static_cast<int>(std::int64_t{open} * (kUnit - smoothStep(400 * kPx, 560 * kPx, y)) >> 16);
    return {c, open};
}

Colour water(int x, int y) {
    const int depth = y - kWaterLine * kPx;
    // Ripples, streaks and wavelets are flattened by the distance: far finer down than across.
    const int ripple = fractalNoise(x * 256LL / 50, y * 256LL * 3 / 10, 4, 81) - kUnit / 2;
    const int offset = static_cast<int>(std::int64_t{ripple} * (2 * kPx + depth / 19) >> 15);
    const Colour mirrored = aboveWater(x + offset, kWaterLine * kPx - depth - kPx / 2).colour;
    Colour c = mix(rgb(3, 9, 28), mirrored, kUnit * 58 / 100);
    const int streaks = fractalNoise(x * 256LL / 70, y * 256LL / 2, 4, 82);
    c = scaled(c, kUnit * 70 / 100 + streaks * 60 / 100);
    const int wavelets = fractalNoise(x * 256LL / 12, y * 256LL * 9 / 8, 2, 84) - kUnit / 2;
    c = addScaled(c, rgb(8, 14, 30), wavelets);
    // The moon's glitter path, widening towards the viewer.
    const int halfWidth = 14 * kPx + depth * 3 / 16;
    const int across = std::abs(x - kMoonX * kPx);
    if (across < halfWidth) {
        const int sparkle = smoothStep(kUnit * 56 / 100, kUnit * 74 / 100,
                                       fractalNoise(x * 256LL / 7, y * 256LL / 2, 3, 83));
        const int centre = kUnit - static_cast<int>(std::int64_t{across} * kUnit / halfWidth);
        const int fade = kUnit - smoothStep(0, 147 * kPx, depth) * 6 / 10;
        const int glitter = static_cast<int>((std::int64_t{sparkle} * centre >> 16) * fade >> 16);
        c = addScaled(c, rgb(190, 195, 200), glitter);
    }
    return c;
}

// --- margins --------------------------------------------------------------------------

constexpr int kMarginWidth = 64;  // units over which the right and bottom margins fade out

// How far the picture has faded into the margin colour, Q16: not at all inside, wholly at
// the right and bottom edges, where the window's own flat colour takes over.
int marginFade(int x, int y) {
    const int edge = kSceneSide * kPx;
    const int right = smoothStep(0, kMarginWidth * kPx, edge - x);
    const int bottom = smoothStep(0, kMarginWidth * kPx, edge - y);
    return kUnit - static_cast<int>(std::int64_t{right} * bottom >> 16);
}

// --- grading --------------------------------------------------------------------------

// The gain (Q16) that brings a channel's mean to `target` once the margins are mixed in:
// `shown` sums the scene's part of every pixel, `faded` the margin colour's part (Q16).
int channelGain(std::int64_t shown, std::int64_t faded, int target, int margin,
                std::int64_t pixels) {
    const std::int64_t wanted =
        std::int64_t{target} * 256 * pixels - std::int64_t{margin} * 256 * faded / kUnit;
    return static_cast<int>(std::max<std::int64_t>(wanted, 0) * kUnit /
                            std::max<std::int64_t>(shown, 1));
}

// One channel of a finished pixel: the graded scene plus the margin colour's part.
std::uint8_t finish(int shown, int gain, int margin, int fade, std::uint32_t dither) {
    const std::int64_t v = (std::int64_t{shown} * gain >> 16) +
                           (std::int64_t{margin} * 256 * fade >> 16) +
                           // A faint grain of about one level either way keeps dark
                           // gradients free of bands.
                           (dither & 0x1FF) - 128;
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(v >> 8, 0, 255));
}

}  // namespace

NightScene paintNightScene(Rgb mean, Rgb margin) {
    NightScene scene;
    const std::size_t count = static_cast<std::size_t>(kSceneWidth) * kSceneHeight;
    std::vector<Colour> shown(count);  // the scene's part of each pixel, margins faded out
    std::vector<int> fades(count);
    scene.skyOpenness.resize(count);
    std::array<std::int64_t, 3> sums{};
    std::int64_t fadeSum = 0;
    for (int py = 0; py < kSceneHeight; ++py) {
        for (int px = 0; px < kSceneWidth; ++px) {
            // The pixel's centre in the square scene.
            const auto x = static_cast<int>((2LL * px + 1) * kPx * kSceneSide / (2 * kSceneWidth));
            const auto y = static_cast<int>((2LL * py + 1) * kPx * kSceneSide / (2 * kSceneHeight));
            const Sample s = y < kWaterLine * kPx ? aboveWater(x, y) : Sample{water(x, y), 0};
            const int fade = marginFade(x, y);
            const std::size_t i = static_cast<std::size_t>(py) * kSceneWidth + px;
            shown[i] = scaled(s.colour, kUnit - fade);
            fades[i] = fade;
            scene.skyOpenness[i] =
                static_cast<std::uint8_t>((std::int64_t{s.openSky} * (kUnit - fade) >> 16) >> 8);
            sums[0] += shown[i].r;
            sums[1] += shown[i].g;
            sums[2] += shown[i].b;
            fadeSum += fade;
        }
    }
    const auto pixels = static_cast<std::int64_t>(count);
    const int gainR = channelGain(sums[0], fadeSum, mean.r, margin.r, pixels);
    const int gainG = channelGain(sums[1], fadeSum, mean.g, margin.g, pixels);
    const int gainB = channelGain(sums[2], fadeSum, mean.b, margin.b, pixels);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t h = hash32(static_cast<std::int64_t>(i), 0, 99);
        scene.picture.pixels[i] = {finish(shown[i].r, gainR, margin.r, fades[i], h),
                                   finish(shown[i].g, gainG, margin.g, fades[i], h >> 10),
                                   finish(shown[i].b, gainB, margin.b, fades[i], h >> 20)};
    }
    return scene;
}

}  // namespace artwork
