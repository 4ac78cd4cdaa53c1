// Rows of dark red roof tiles with rounded lower corners; each row laps over the top of the
// row below and throws a shadow on it.
#include "images/noise.h"
#include "images/palette.h"
#include "images/random.h"
#include "images/textures.h"

#include <algorithm>
#include <cmath>

Canvas PaintRoofTexture() {
    constexpr int kSize = 128;
    constexpr int kTileWidth = 16;
    constexpr int kRowHeight = 16;
    constexpr double kCornerRadius = 5;
    return PaintPixels(kSize, kSize, [](int x, int y) {
        const double u = (x + 0.5) / kSize;
        const double v = (y + 0.5) / kSize;
        const int row = y / kRowHeight;
        const int shifted = x + (row % 2) * kTileWidth / 2;
        const double along = shifted % kTileWidth + 0.5;
        const double down = y % kRowHeight + 0.5;
        const int tile = (shifted / kTileWidth) % (kSize / kTileWidth);
        const double tone = LatticeValue(tile, row, 83);
        const double grit = PeriodicFractalNoise(u, v, 8, 8, 2, 89);
        // Dark under the lap of the row above, lighter towards the lower edge.
        const double light =
            0.72 + 0.38 * (down / kRowHeight) + 0.14 * (tone - 0.5) + 0.1 * (grit - 0.5);
        const Color tile_color = Shade(palette::kRoofTile, static_cast<float>(light));
        // Past a rounded lower corner, and in the joint, lies the shadowed top of the row below.
        const double corner_x =
            std::max({kCornerRadius - along, along - (kTileWidth - kCornerRadius), 0.0});
        const double corner_y = std::max(down - (kRowHeight - kCornerRadius), 0.0);
        const double outside = std::hypot(corner_x, corner_y) - kCornerRadius;
        const double joint = 1 - along;
        const float coverage =
            static_cast<float>(std::clamp(0.5 - std::max(outside, joint), 0.0, 1.0));
        return Mix(palette::kRoofShadow, tile_color, coverage);
    });
}
