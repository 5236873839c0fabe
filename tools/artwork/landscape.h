#pragma once

namespace artwork {

// Geometry of the scene. Positions are in pixels of the 800 x 600 picture with
// 8 fractional bits (kPx is one pixel); coverages and light levels are Q16.

constexpr int kPx = 256;
constexpr int kHorizon = 470;    // where the sky gradient reaches its lightest
constexpr int kWaterLine = 500;  // the lake's far shore
constexpr int kMoonX = 612;
constexpr int kMoonY = 116;
constexpr int kMoonRadius = 38;

int farRidge(int x);   // the y of the distant range's skyline at x
int nearRidge(int x);  // the y of the near hills' skyline at x

int castleCoverage(int x, int y);   // how much of the pixel at (x, y) the castle covers
int castleMoonlight(int x, int y);  // how strongly the moon lights the castle there
int windowLight(int x, int y);      // lit windows and their glow

// Pines along the shore; sets *moonlight to how lit the covering tree is there.
int forestCoverage(int x, int y, int* moonlight);

}  // namespace artwork
