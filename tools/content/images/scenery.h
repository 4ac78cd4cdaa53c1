// The landscape behind every full-screen picture: sky, hills, meadow, the railway line and
// their decorations. The pictures share it so that they look like one game.
//
// On wide screens the game stretches a picture's outermost columns into the margins, so the
// kSideBand columns at either side vary only with y: sky, ridge and meadow there are plain
// horizontal bands, and nothing else reaches into them. Rows outside kSafeTop..kSafeBottom may
// be cut off and hold only the sky and meadow gradients.
#pragma once

#include "images/canvas.h"
#include "images/shapes.h"

#include <cstdint>

constexpr int kPictureSize = 1024;
constexpr int kSideBand = 48;
constexpr int kSafeTop = 32;
constexpr int kSafeBottom = 992;

struct Landscape {
    Color sky_top;
    Color sky_horizon;
    Color hill_far;
    Color hill_near;
    Color meadow_far;
    Color meadow_near;
    int horizon_y;
    std::uint32_t seed; // shapes the hills
};

// The daylight landscape of the title and the level pictures.
Landscape SunnyLandscape(int horizon_y, std::uint32_t seed);

// Fills the whole canvas: sky down to the horizon, two ranges of hills on it, meadow below.
void PaintLandscape(Canvas& canvas, const Landscape& look);

// A straight track across the picture with the near rail's top at rail_y, from the left edge
// to end_x. The sleepers fade out towards the side bands.
void PaintTrack(Canvas& canvas, int rail_y, int end_x);

void DrawSun(Canvas& canvas, Point centre, double radius);
void DrawCloud(Canvas& canvas, Point centre, double size, Color color);
// A round tree standing on ground, height pixels tall.
void DrawTree(Canvas& canvas, Point ground, double height, Color leaves);
// Puffs that grow and fade as they drift from chimney towards drift (a direction and distance).
void DrawSmoke(Canvas& canvas, Point chimney, Point drift, double puff_radius, Color color,
               std::uint32_t seed);
