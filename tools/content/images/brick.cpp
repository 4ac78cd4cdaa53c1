// A red brick wall: bricks of 32 x 16 pixels with their mortar, each course shifted by half a
// brick against the one below.
#include "images/noise.h"
#include "images/palette.h"
#include "images/random.h"
#include "images/textures.h"

Canvas PaintBrickTexture() {
    constexpr int kSize = 128;
    constexpr int kBrickLength = 32;
    constexpr int kCourseHeight = 16;
    constexpr int kMortar = 3;
    return PaintPixels(kSize, kSize, [](int x, int y) {
        const double u = (x + 0.5) / kSize;
        const double v = (y + 0.5) / kSize;
        const int course = y / kCourseHeight;
        const int shifted = x + (course % 2) * kBrickLength / 2;
        const int along = shifted % kBrickLength;
        const int up = y % kCourseHeight;
        const double grit = PeriodicFractalNoise(u, v, 16, 16, 2, 61);
        if (along >= kBrickLength - kMortar || up >= kCourseHeight - kMortar) {
            return Shade(palette::kMortar, static_cast<float>(0.92 + 0.12 * grit));
        }
        const int brick = (shifted / kBrickLength) % (kSize / kBrickLength);
        const double pick = LatticeValue(brick, course, 67);
        Color color =
            pick < 0.5
                ? Mix(palette::kBrickDark, palette::kBrick, static_cast<float>(pick * 2))
                : Mix(palette::kBrick, palette::kBrickLight, static_cast<float>(pick * 2 - 1));
        const double blotches = PeriodicFractalNoise(u, v, 8, 8, 3, 71);
        return Shade(color, static_cast<float>(0.9 + 0.2 * blotches));
    });
}
