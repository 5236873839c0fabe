#include "die_icon.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace artwork {

namespace {

// All coordinates in half pixels, so that pixel centres are odd integers.
struct Point {
    int x, y;
};

struct Pip {
    int u, v;  // centre in thousandths of the face's edges
};

struct Face {
    Point origin, a, b;  // the face is origin + u * a + v * b for u, v in [0, 1]
    std::uint8_t body;
    std::uint8_t bodyDither;  // alternates with body in a chequer, for a middle shade
    std::uint8_t pip;
    std::span<const Pip> pips;
    int pipRadius;  // thousandths
    bool bevel;     // light the two edges that face the viewer
};

constexpr std::array<Pip, 5> kFive{{{250, 250}, {750, 250}, {500, 500}, {250, 750}, {750, 750}}};
constexpr std::array<Pip, 3> kThree{{{220, 220}, {500, 500}, {780, 780}}};
constexpr std::array<Pip, 2> kTwo{{{280, 280}, {720, 720}}};

const std::array<Face, 3> kFaces{{
    // top: lit by the sky
    {{4, 17}, {28, -15}, {28, 15}, kBlue, kBlue, kWhite, kFive, 120, true},
    // left front: in shadow
    {{4, 17}, {28, 15}, {0, 30}, kNavy, kNavy, kSilver, kTwo, 130, false},
    // right front: half lit
    {{32, 32}, {28, -15}, {0, 30}, kBlue, kNavy, kWhite, kThree, 125, false},
}};

struct Local {
    int u, v;  // thousandths
};

std::optional<Local> locate(const Face& f, Point p) {
    int det = f.a.x * f.b.y - f.a.y * f.b.x;
    const int dx = p.x - f.origin.x;
    const int dy = p.y - f.origin.y;
    int nu = dx * f.b.y - dy * f.b.x;
    int nv = f.a.x * dy - f.a.y * dx;
    if (det < 0) {
        det = -det;
        nu = -nu;
        nv = -nv;
    }
    if (nu < 0 || nu > det || nv < 0 || nv > det) return std::nullopt;
    return Local{nu * 1000 / det, nv * 1000 / det};
}

std::uint8_t shade(const Face& f, Local l, int x, int y) {
    for (const Pip& pip : f.pips) {
        const int du = l.u - pip.u;
        const int dv = l.v - pip.v;
        if (du * du + dv * dv <= f.pipRadius * f.pipRadius) return f.pip;
    }
    if (f.bevel && (l.u < 60 || l.v > 940)) return kAqua;
    return (x + y) % 2 == 0 ? f.body : f.bodyDither;
}

}  // namespace

IndexedIcon drawDieIcon() {
    constexpr int n = IndexedIcon::kSize;
    IndexedIcon icon;
    std::array<bool, n * n> inside{};
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const Point centre{2 * x + 1, 2 * y + 1};
            const std::size_t i = static_cast<std::size_t>(y) * n + x;
            icon.transparent[i] = true;
            for (const Face& f : kFaces) {
                if (const auto l = locate(f, centre)) {
                    icon.index[i] = shade(f, *l, x, y);
                    icon.transparent[i] = false;
                    inside[i] = true;
                    break;
                }
            }
        }
    }
    // A dark outline keeps the die readable on light and dark desktops alike.
    auto isInside = [&inside](int x, int y) {
        return x >= 0 && y >= 0 && x < n && y < n && inside[static_cast<std::size_t>(y) * n + x];
    };
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            if (isInside(x, y) && (!isInside(x - 1, y) || !isInside(x + 1, y) ||
                                   !isInside(x, y - 1) || !isInside(x, y + 1))) {
                icon.index[static_cast<std::size_t>(y) * n + x] = kBlack;
            }
        }
    }
    return icon;
}

}  // namespace artwork
