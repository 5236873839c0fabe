#include "landscape.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "noise.h"

namespace artwork {

namespace {

// A smooth hill: height at the centre, zero beyond halfWidth.
int bump(int x, int centre, int halfWidth, int height) {
    const int d = std::abs(x - centre * kPx);
    if (d >= halfWidth * kPx) return 0;
    const int t = kUnit - static_cast<int>(std::int64_t{d} * kUnit / (halfWidth * kPx));
    const std::int64_t shape =
        (std::int64_t{t} * t >> 16) * (3 * kUnit - 2 * std::int64_t{t}) >> 16;
    return static_cast<int>(shape * height * kPx >> 16);
}

// Sharp-crested noise for mountain peaks: 0..65535, highest on the crests.
int ridged(std::int64_t x, int octaves, std::uint32_t seed) {
    const int n = fractalNoise(x, 0x3F00, octaves, seed);
    return kUnit - 1 - std::abs(2 * n - kUnit);
}

struct Box {
    int x0, x1, top, bottom;
};

struct Tower {
    int x0, x1, top, roofTop;
};

constexpr std::array kTowers{
    Tower{196, 236, 374, 326},  // keep
    Tower{171, 189, 404, 374},  // west tower
    Tower{249, 265, 391, 361},  // east tower
    Tower{223, 230, 350, 298},  // spire on the keep
    Tower{279, 288, 417, 396},  // watchtower on the spur
};
constexpr int kCastleTop = 290;  // above the spire's tip
constexpr int kWallTop = 418;
constexpr int kWallLeft = 160;
constexpr int kWallRight = 284;
constexpr int kCastleBottom = 627;  // hidden behind the hills below their crest

constexpr std::array kWindows{
    Box{211, 214, 384, 389}, Box{221, 224, 398, 403}, Box{177, 179, 414, 418},
    Box{255, 257, 402, 406}, Box{203, 205, 410, 414}, Box{226, 228, 358, 362},
    Box{282, 284, 426, 429},
};

// Overlap of the pixel centred on v with [lo, hi], as a fraction of a pixel (Q16).
int overlap(int v, int lo, int hi) {
    const int a = std::max(v - kPx / 2, lo);
    const int b = std::min(v + kPx / 2, hi);
    return b <= a ? 0 : (b - a) * (kUnit / kPx);
}

int boxCoverage(int x, int y, int x0, int x1, int top, int bottom) {
    const int across = overlap(x, x0 * kPx, x1 * kPx);
    if (across == 0) return 0;
    return static_cast<int>(std::int64_t{across} * overlap(y, top * kPx, bottom * kPx) >> 16);
}

// A conical roof from the tower's corners at `top` up to the apex at `roofTop`.
int roofCoverage(int x, int y, const Tower& t) {
    if (y < t.roofTop * kPx || y > t.top * kPx + kPx) return 0;
    const int centre = (t.x0 + t.x1) * kPx / 2;
    const int halfBase = (t.x1 - t.x0 + 2) * kPx / 2;  // eaves overhang one pixel
    const int halfWidth = static_cast<int>(std::int64_t{halfBase} * (y - t.roofTop * kPx) /
                                           ((t.top - t.roofTop) * kPx));
    return overlap(x, centre - halfWidth, centre + halfWidth);
}

int wallCoverage(int x, int y) {
    const int body = boxCoverage(x, y, kWallLeft, kWallRight, kWallTop, kCastleBottom);
    // Battlements: three-pixel merlons with three-pixel gaps.
    const int px = x / kPx;
    const bool merlon = ((px - kWallLeft) / 3) % 2 == 0 && px >= kWallLeft && px < kWallRight;
    const int crenel =
        merlon ? boxCoverage(x, y, kWallLeft, kWallRight, kWallTop - 3, kWallTop) : 0;
    return std::max(body, crenel);
}

constexpr int kTreeSpacing = 5;

struct Tree {
    int centre;     // x, with fraction
    int top;        // y, with fraction
    int halfWidth;  // at the foot, with fraction
};

std::optional<Tree> treeAt(int slot) {
    const std::uint32_t h = hash32(slot, 0, 91);
    // Groves with clearings between them.
    if (fractalNoise(std::int64_t{slot} * kUnit / 9, 0x777, 3, 92) < kUnit * 36 / 100)
        return std::nullopt;
    const int height = (10 + static_cast<int>(h % 19)) * kPx + static_cast<int>((h >> 8) % kPx);
    const int centre =
        slot * kTreeSpacing * kPx + static_cast<int>((h >> 16) % (kTreeSpacing * kPx));
    return Tree{centre, kWaterLine * kPx - height, height * 3 / 10};
}

// A pine of four stacked tiers, each a little wider than the one above it.
int treeHalfWidth(const Tree& t, int y) {
    const int height = kWaterLine * kPx - t.top;
    const int down =
        static_cast<int>(std::int64_t{y - t.top} * 4 * kUnit / height);  // 0 .. 4 * kUnit
    const int tier = std::min(3, down / kUnit);
    const int within = down - tier * kUnit;
    const int tierWidth = t.halfWidth * (tier + 1) / 4;
    return static_cast<int>(std::int64_t{tierWidth} * (kUnit * 3 / 10 + within * 7 / 10) >> 16);
}

}  // namespace

int forestCoverage(int x, int y, int* moonlight) {
    if (y < (kWaterLine - 30) * kPx || y >= kWaterLine * kPx) return 0;
    const int slot = x / (kTreeSpacing * kPx);
    int cover = 0;
    for (int s = slot - 3; s <= slot + 1; ++s) {
        const auto tree = treeAt(s);
        if (!tree || y < tree->top) continue;
        const int hw = treeHalfWidth(*tree, y);
        const int c = overlap(x, tree->centre - hw, tree->centre + hw);
        if (c > cover) {
            cover = c;
            // The side towards the moon catches a little light.
            *moonlight =
                hw > 0 ? std::clamp(static_cast<int>(std::int64_t{x - tree->centre} * kUnit / hw),
                                    0, kUnit)
                       : 0;
        }
    }
    return cover;
}

int farRidge(int x) {
    const std::int64_t nx = std::int64_t{x} * 256 / 210;
    const int peaks = ridged(nx, 5, 11);
    const int swell = fractalNoise(std::int64_t{x} * 256 / 700, 0, 2, 12);
    const int height =
        static_cast<int>((std::int64_t{peaks} * 93 + std::int64_t{swell} * 80) * kPx >> 16);
    return 587 * kPx - height - bump(x, 470, 160, 53);
}

int nearRidge(int x) {
    const int detail = fractalNoise(std::int64_t{x} * 256 / 70, 0x1234, 6, 13) - kUnit / 2;
    const int base = 637 * kPx - bump(x, 205, 190, 187) - bump(x, 262, 70, 47) -
                     bump(x, 700, 190, 113) - bump(x, 560, 60, 24);
    // Rougher where the ground is high, calmer at the lake shore.
    return base + static_cast<int>(std::int64_t{detail} * 45 * kPx >> 16);
}

int castleCoverage(int x, int y) {
    if (x < (kWallLeft - 2) * kPx || x > (kWallRight + 6) * kPx || y < kCastleTop * kPx ||
        y > kCastleBottom * kPx) {
        return 0;
    }
    int cover = wallCoverage(x, y);
    for (const Tower& t : kTowers) {
        cover = std::max(cover, boxCoverage(x, y, t.x0, t.x1, t.top, kCastleBottom));
        cover = std::max(cover, roofCoverage(x, y, t));
    }
    return cover;
}

int castleMoonlight(int x, int y) {
    // The moon stands to the right: the right third of each tower catches its light.
    for (const Tower& t : kTowers) {
        if (x >= t.x0 * kPx && x < t.x1 * kPx && y >= t.top * kPx) {
            const int litFrom = (t.x0 * 2 + t.x1 * 3) * kPx / 5;
            return smoothStep(litFrom - kPx, litFrom + kPx, x) / 2;
        }
        if (y >= t.roofTop * kPx && y < t.top * kPx && x > (t.x0 + t.x1) * kPx / 2) {
            return kUnit * 45 / 100;
        }
    }
    return smoothStep((kWallRight - 30) * kPx, kWallRight * kPx, x) / 2;
}

int windowLight(int x, int y) {
    int light = 0;
    for (const Box& w : kWindows) {
        light = std::max(light, boxCoverage(x, y, w.x0, w.x1, w.top, w.bottom));
        // A faint warm halo around each window.
        const std::int64_t dx = x - (w.x0 + w.x1) * kPx / 2;
        const std::int64_t dy = y - (w.top + w.bottom) * kPx / 2;
        const std::int64_t reach = std::int64_t{4 * kPx} * (4 * kPx);
        light = std::max(light, static_cast<int>(reach * kUnit / (dx * dx + dy * dy + reach) / 6));
    }
    return light;
}

}  // namespace artwork
