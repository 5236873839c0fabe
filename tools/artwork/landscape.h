#pragma once

namespace artwork {

// Geometry of the scene. It is laid out in a square of kSceneSide units a side, so that
// it keeps its shape in the square background; the 4:3 picture samples that square at
// one unit across and 4/3 of a unit down per pixel, squeezed, and the background scales
// the squeeze back out. Positions are in units with 8 fractional bits (kPx is one unit);
// coverages and light levels are Q16.

constexpr int kPx = 256;
constexpr int kSceneSide = 800;
constexpr int kHorizon = 627;    // where the sky gradient reaches its lightest
constexpr int kWaterLine = 667;  // the lake's far shore
constexpr int kMoonX = 612;
constexpr int kMoonY = 155;
constexpr int kMoonRadius = 42;

int farRidge(int x);   // the y of the distant range's skyline at x
int nearRidge(int x);  // the y of the near hills' skyline at x

int castleCoverage(int x, int y);   // how much of the pixel at (x, y) the castle covers
int castleMoonlight(int x, int y);  // how strongly the moon lights the castle there
int windowLight(int x, int y);      // lit windows and their glow

// Pines along the shore; sets *moonlight to how lit the covering tree is there.
int forestCoverage(int x, int y, int* moonlight);

}  // namespace artwork
